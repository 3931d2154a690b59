// The File menu's recent units and opening a unit named on the command line.
#include "Unit1.h"

#include "Paths.h"
#include "RecentTexts.h"
#include "UiLanguage.h"
#include "Vreg.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

namespace {
// A new value name: the options stored before it stay as they were.
const QString kRecentValue = QStringLiteral("RecentUnits");
} // namespace

void TForm1::buildRecentMenu()
{
    m_recentMenu = new QMenu(Datei1);
    m_recentMenu->setObjectName(QStringLiteral("RecentUnits1"));
    m_recentMenu->menuAction()->setObjectName(QStringLiteral("RecentUnits1"));
    const QList<QAction *> items = Datei1->actions();
    const qsizetype open = items.indexOf(Open1);
    Datei1->insertMenu(open + 1 < items.size() ? items.at(open + 1) : nullptr, m_recentMenu);
    auto retitle = [this] { m_recentMenu->setTitle(recentText(RecentText::MenuTitle, UiLang->language())); };
    retitle();
    connect(UiLang, &UiLanguage::switched, this, retitle);

    // A settings file that cannot be read gives an empty list, not an error.
    try {
        m_recent = RecentUnits::fromText(VReg1->Pop(kRecentValue));
    } catch (const Exception &) {
        m_recent = RecentUnits();
    }
    showRecentMenu();
}

void TForm1::showRecentMenu()
{
    m_recentMenu->clear();
    const QStringList &paths = m_recent.entries();
    for (int i = 0; i < paths.size(); ++i) {
        QAction *a = m_recentMenu->addAction(RecentUnits::menuText(i, paths.at(i)));
        a->setObjectName(QStringLiteral("RecentUnit%1").arg(i + 1));
        const QString path = paths.at(i);
        connect(a, &QAction::triggered, this, [this, path] { runGuarded(this, [&] { openRecentUnit(path); }); });
    }
    m_recentMenu->setEnabled(!paths.isEmpty());
}

void TForm1::rememberUnit(const QString &chosen)
{
    if (BaseName.isEmpty())
        return;
    m_recent.add(QFileInfo(chosen).absoluteFilePath());
    storeRecentUnits();
}

void TForm1::storeRecentUnits()
{
    showRecentMenu();
    // The list is a convenience: a failed write never stops the command and
    // is shown once per run.
    try {
        VReg1->Push(kRecentValue, m_recent.toText());
    } catch (const Exception &e) {
        if (!m_recentStoreFailed)
            Dialogs::instance().showError(this, e.Message());
        m_recentStoreFailed = true;
    }
}

void TForm1::openRecentUnit(const QString &path)
{
    if (!RecentUnits::unitExists(path)) {
        m_recent.remove(path);
        storeRecentUnits();
        Ask(recentText(RecentText::UnitGone, UiLang->language()).arg(path), Dialogs::Icon::Exclamation,
            Dialogs::Buttons::Ok);
        return;
    }
    openUnit(path);
}

void TForm1::openFromCommandLine(const QString &file)
{
    QTimer::singleShot(0, this, [this, file] {
        runGuarded(this, [&] {
            const QString path = QFileInfo(file).absoluteFilePath();
            const QString resolved =
                Paths::resolveCaseInsensitive(Paths::withTrailingSeparator(Paths::directoryPart(path)),
                                              Paths::namePart(path));
            if (!QFileInfo(resolved).isFile()) {
                Ask(path + QStringLiteral("\n\n") + Msg(1), Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
                return;
            }
            openUnit(resolved);
        });
    });
}
