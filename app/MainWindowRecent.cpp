// The File menu's recent units and opening a unit named on the command line.
#include "app/MainWindow.h"

#include "app/FolderMemory.h"

#include "platform/core/Paths.h"
#include "uitext/RecentTexts.h"
#include "uitext/UiLanguage.h"
#include "components/Vreg/Vreg.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

namespace {
// A new value name: the options stored before it stay as they were.
const QString kRecentValue = QStringLiteral("RecentUnits");
} // namespace

void MainWindow::buildRecentMenu()
{
    m_recentMenu = new QMenu(m_fileMenu);
    m_recentMenu->setObjectName(QStringLiteral("RecentUnits1"));
    m_recentMenu->menuAction()->setObjectName(QStringLiteral("RecentUnits1"));
    const QList<QAction *> items = m_fileMenu->actions();
    const qsizetype open = items.indexOf(m_openAction);
    m_fileMenu->insertMenu(open + 1 < items.size() ? items.at(open + 1) : nullptr, m_recentMenu);
    auto retitle = [this] { m_recentMenu->setTitle(recentText(RecentText::MenuTitle, m_language->language())); };
    retitle();
    connect(m_language, &UiLanguage::switched, this, retitle);

    // A settings file that cannot be read gives an empty list, not an error.
    try {
        m_recent = RecentUnits::fromText(m_settings->Pop(kRecentValue));
    } catch (const Exception &) {
        m_recent = RecentUnits();
    }
    showRecentMenu();
}

void MainWindow::showRecentMenu()
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

void MainWindow::rememberUnit(const QString &chosen)
{
    if (m_baseName.isEmpty())
        return;
    m_recent.add(QFileInfo(chosen).absoluteFilePath());
    storeRecentUnits();
}

void MainWindow::storeRecentUnits()
{
    showRecentMenu();
    // The list is a convenience: a failed write never stops the command.
    m_folders->remember(this, kRecentValue, m_recent.toText());
}

void MainWindow::openRecentUnit(const QString &path)
{
    if (!RecentUnits::unitExists(path)) {
        m_recent.remove(path);
        storeRecentUnits();
        ask(recentText(RecentText::UnitGone, m_language->language()).arg(path), Dialogs::Icon::Exclamation,
            Dialogs::Buttons::Ok);
        return;
    }
    openUnit(path);
}

void MainWindow::openFromCommandLine(const QString &file)
{
    QTimer::singleShot(0, this, [this, file] {
        runGuarded(this, [&] {
            const QString path = QFileInfo(file).absoluteFilePath();
            const QString resolved =
                Paths::resolveCaseInsensitive(Paths::withTrailingSeparator(Paths::directoryPart(path)),
                                              Paths::namePart(path));
            if (!QFileInfo(resolved).isFile()) {
                ask(path + QStringLiteral("\n\n") + msg(1), Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
                return;
            }
            openUnit(resolved);
        });
    });
}
