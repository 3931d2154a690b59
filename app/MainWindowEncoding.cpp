// The unit's encoding: the Options menu's choice, the status bar's button
// that offers the same menu, and the pages whose bytes would not survive.
#include "app/MainWindow.h"

#include "components/Vreg/Vreg.h"
#include "components/Vstatus/Vstatus.h"
#include "app/FolderMemory.h"
#include "generate/OutputFile.h"
#include "platform/core/CodePages.h"
#include "platform/core/Exception.h"
#include "scan/ProjectKeywords.h"
#include "uitext/EncodingTexts.h"
#include "uitext/UiLanguage.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolButton>

namespace {
// A new value name: the options stored before it stay as they were.
const QString kEncodingsValue = QStringLiteral("UnitEncodings");
} // namespace

void MainWindow::buildEncodingMenu()
{
    m_encodingMenu = new QMenu(m_optionsMenu);
    m_encodingMenu->setObjectName(QStringLiteral("CodePage1"));
    m_encodingMenu->menuAction()->setObjectName(QStringLiteral("CodePage1"));
    m_optionsMenu->addSeparator();
    m_optionsMenu->addMenu(m_encodingMenu);
    auto *group = new QActionGroup(m_encodingMenu);
    const auto add = [&](std::optional<TextEncoding> e) {
        QAction *a = m_encodingMenu->addAction(e ? CodePages::displayName(*e) : QString());
        a->setObjectName(QStringLiteral("Encoding_") + (e ? CodePages::key(*e) : QStringLiteral("detect")));
        a->setCheckable(true);
        group->addAction(a);
        m_encodingActions.emplace_back(a, e);
        connect(a, &QAction::triggered, this, [this, e] { runGuarded(this, [&] { chooseEncoding(e); }); });
    };
    add(std::nullopt);
    m_encodingMenu->addSeparator();
    for (const TextEncoding e : CodePages::all())
        add(e);

    m_encodingButton = new QToolButton(m_statusBar);
    m_encodingButton->setObjectName(QStringLiteral("EncodingButton"));
    m_encodingButton->setMenu(m_encodingMenu);
    m_encodingButton->setPopupMode(QToolButton::InstantPopup);
    m_encodingButton->setAutoRaise(true);
    m_statusBar->addPermanentWidget(m_encodingButton);

    const auto retitle = [this] {
        const Language lang = m_language->language();
        m_encodingMenu->setTitle(encodingText(EncodingText::MenuTitle, lang));
        m_encodingActions.front().first->setText(encodingText(EncodingText::Detect, lang));
        m_encodingButton->setToolTip(encodingText(EncodingText::ButtonTip, lang));
        showEncoding();
    };
    retitle();
    connect(m_language, &UiLanguage::switched, this, retitle);

    // A settings file that cannot be read forgets the choices, nothing more.
    try {
        m_encodings = UnitEncodings::fromText(m_settings->Pop(kEncodingsValue));
    } catch (const Exception &) {
        m_encodings = UnitEncodings();
    }
}

void MainWindow::chooseEncoding(std::optional<TextEncoding> choice)
{
    if (m_busy || m_baseName.isEmpty() || !settleUnsaved(5, Dialogs::Icon::Question, false))
        return showEncoding();
    SourceUnit &u = unit();
    const QString path = u.path(SourcePage::Cpp);
    m_encodings.set(path, choice);
    m_folders->remember(this, kEncodingsValue, m_encodings.toText());
    setUnitEncodings(u, choice);
    for (int p = 0; p < 3; ++p)
        loadPage(p);
    applyProtection();
    showPageStatus();
    tellUnkeptPages();
}

void MainWindow::setUnitEncodings(SourceUnit &u, std::optional<TextEncoding> choice)
{
    u.setEncodingChoice(choice);
    std::optional<TextEncoding> project;
    try {
        project = readProjectSettings(u.folder(), Language::English).encoding;
    } catch (const Exception &) {
    }
    u.setProjectEncoding(project);
}

void MainWindow::showEncoding()
{
    if (!m_encodingButton)
        return;
    const bool open = !m_baseName.isEmpty();
    m_encodingButton->setVisible(open);
    if (!open)
        return;
    const SourceUnit &u = m_workspace.unit;
    const PageFile &f = u.page(SourcePage(activePage()));
    QString text = CodePages::displayName(f.encoding);
    if (const auto guess = u.guess(); guess && guess->encoding == f.encoding)
        text = encodingText(EncodingText::Guessed, m_language->language()).arg(text).arg(guess->confidence);
    m_encodingButton->setText(text);
    for (const auto &[action, e] : m_encodingActions)
        action->setChecked(e == u.encodingChoice());
}

TextEncoding MainWindow::outputCodePageOf(int page) const
{
    return outputCodePage(m_workspace.unit.page(SourcePage(page)).encoding);
}

bool MainWindow::isUnkept(int page) const
{
    return !m_baseName.isEmpty() && m_workspace.unit.page(SourcePage(page)).notKept.row != 0;
}

void MainWindow::tellUnkeptPages()
{
    for (int p = 0; p < 3; ++p)
        if (isUnkept(p)) {
            ask(unit().notKeptMessage(SourcePage(p)), Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
            return;
        }
}
