// Opening, saving and closing a source unit; editor protection, typing and
// mouse selection.
#include "app/MainWindow.h"

#include "platform/core/Blanks.h"
#include "extract/ExtractionList.h"
#include "platform/gui/EditorModel.h"
#include "uitext/FileTexts.h"
#include "app/FolderMemory.h"
#include "extract/FormDescription.h"
#include "generate/OutputFile.h"
#include "platform/core/Paths.h"
#include "uitext/UiLanguage.h"
#include "components/Vreg/Vreg.h"
#include "components/Vstatus/Vstatus.h"
#include "unit/UnitLock.h"
#include "workspace/UnitWatch.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

QString MainWindow::objectNameOfLine(int n) const
{
    return FormDescription::objectNameOfLine(EditorModel::of(m_formEditor).line(n));
}

QString MainWindow::classNameOfLine(int n) const
{
    return FormDescription::classNameOfLine(EditorModel::of(m_formEditor).line(n));
}

// ---------------------------------------------------------------------------
// Open and load

void MainWindow::openWithDialog()
{
    Dialogs::FileRequest request;
    request.title = msg(3);
    request.filter = msg(4);
    request.initialDir = m_folders->recall(QStringLiteral("InitOpenDir"));
    request.options = Dialogs::HideReadOnly | Dialogs::PathMustExist | Dialogs::FileMustExist | Dialogs::EnableSizing;
    const std::optional<QString> chosen = Dialogs::instance().openFile(this, request);
    if (chosen)
        openUnit(*chosen);
}

void MainWindow::openUnit(const QString &chosen)
{
    // Refuses a name that cannot reach the file system before any question.
    SourceUnit opened = SourceUnit::locate(chosen, m_language->language());
    m_folders->remember(this, QStringLiteral("InitOpenDir"), Paths::directoryPart(chosen));

    if (!settleUnsaved(5, Dialogs::Icon::Question, false))
        return;
    std::unique_ptr<UnitLock> lock;
    if (opened.isOpen() && !takeUnitLock(opened, lock))
        return;

    m_lock = std::move(lock); // lets go of the unit open before
    m_readOnlyUnit = opened.isOpen() && !m_lock;
    setUnitEncodings(opened, m_encodings.of(chosen));
    m_workspace.unit = std::move(opened);
    m_baseName = m_workspace.unit.baseName();
    m_baseFolder = m_workspace.unit.folder();
    recoverOpenedUnit();
    m_watch->watch(m_workspace.unit);
    m_diskChanged.clear();
    for (int p = 0; p < 3; ++p)
        pageModel(p).setText(QString());
    // Loading clears each document's modified flag: the pages count as saved.
    for (int p = 0; p < 3; ++p)
        loadPage(p);
    if (m_baseName.isEmpty())
        m_statusBar->Panel(0).SetText(QString());
    if (m_readOnlyUnit)
        m_protectBox->setChecked(true);
    applyProtection(); // also pages whose bytes would not survive a save
    showPageStatus();
    hintListBeside();
    rememberUnit(chosen);
    tellUnkeptPages();
}

void MainWindow::loadPage(int page)
{
    EditorModel &m = pageModel(page);
    SourceUnit &u = unit();
    u.load(SourcePage(page));
    m_watch->noteCurrent(SourcePage(page));
    if (u.page(SourcePage(page)).loaded)
        m.setText(u.takeText(SourcePage(page)));
    else
        m.setText(msg(1));
    session(page).reset();
    if (page == CppPage)
        showCounter();
    if (page == DfmPage && m.lineCount() > 0)
        m_rootEdit->setText(objectNameOfLine(0));
}

// ---------------------------------------------------------------------------
// Save

bool MainWindow::savePage(int page)
{
    checkUnitWritable();
    if (!mayOverwrite(page))
        return false;
    unit().save(SourcePage(page), pageModel(page).text());
    session(page).noteSaved();
    m_watch->noteCurrent(SourcePage(page));
    return true;
}

bool MainWindow::savePageForPrompt(int page)
{
    // Without an open unit there is no file to save to: ask for one.
    if (m_baseName.isEmpty())
        return saveAs(page);
    return savePage(page);
}

bool MainWindow::saveAs(int page)
{
    Dialogs::FileRequest request;
    request.title = msg(20 + 2 * page);
    request.filter = msg(21 + 2 * page);
    request.defaultExt = pageExtension(page);
    request.initialDir = m_folders->recall(QStringLiteral("InitSaveDir"));
    request.fileName = m_baseName.isEmpty() ? QString() : m_baseName + pageExtension(page);
    request.options = Dialogs::saveOptions();
    const std::optional<QString> chosen = Dialogs::instance().saveFile(this, request);
    if (!chosen)
        return false;
    m_folders->remember(this, QStringLiteral("InitSaveDir"), Paths::directoryPart(*chosen));
    unit().saveAs(SourcePage(page), *chosen, pageModel(page).text());
    session(page).noteSaved();
    return true;
}

void MainWindow::saveShownPage()
{
    savePage(activePage());
}

void MainWindow::saveAll()
{
    // A page whose file was missing at Open is written once the user changed
    // it; one whose bytes would not survive is left alone until changed
    // (and then refused).
    for (int p = 0; p < 3; ++p)
        if ((!unit().isMissing(SourcePage(p)) && !isUnkept(p)) || !session(p).isSaved())
            savePage(p);
}

// ---------------------------------------------------------------------------
// Extraction lists

QString MainWindow::listText(int page) const
{
    return page == m_currentPage ? EditorModel::of(m_listEditor).text() : m_workspace.pageState(page).list;
}

void MainWindow::listWrittenOut()
{
    session(activePage()).noteListWritten();
}

bool MainWindow::saveList(int page)
{
    const Language lang = m_language->language();
    Dialogs::FileRequest request;
    request.title = fileText(FileText::ListSaveTitle, lang);
    request.filter = fileText(FileText::ListSaveFilter, lang);
    request.defaultExt = QStringLiteral(".txt");
    // A list lasts beside its unit.
    request.initialDir = m_baseName.isEmpty() ? m_folders->recall(QStringLiteral("InitSaveDir")) : m_baseFolder;
    request.fileName = ExtractionList::listFileName(m_baseName, SourcePage(page));
    request.options = Dialogs::saveOptions();
    const std::optional<QString> chosen = Dialogs::instance().saveFile(this, request);
    if (!chosen)
        return false;
    m_folders->remember(this, QStringLiteral("InitSaveDir"), Paths::directoryPart(*chosen));
    saveOutputText(*chosen, listText(page), OutputKind::Text, outputCodePageOf(page));
    session(page).noteListWritten();
    return true;
}

// ---------------------------------------------------------------------------
// Close

bool MainWindow::settleUnsaved(unsigned firstPageText, Dialogs::Icon icon, bool prefixBaseName)
{
    const auto answer = [](Dialogs::Button b) {
        return b == Dialogs::Button::Yes  ? Workspace::Answer::Yes
               : b == Dialogs::Button::No ? Workspace::Answer::No
                                          : Workspace::Answer::Cancel;
    };
    Workspace::Prompts prompts;
    prompts.askPage = [&](SourcePage p) {
        const QString text = (prefixBaseName ? m_baseName : QString()) + msg(firstPageText + unsigned(p));
        return answer(ask(text, icon, Dialogs::Buttons::YesNoCancel));
    };
    prompts.savePage = [this](SourcePage p) { return savePageForPrompt(int(p)); };
    prompts.askList = [&](SourcePage p) {
        const QString text = fileText(FileText::ListNotSaved, m_language->language()).arg(m_baseName + pageExtension(int(p)));
        return answer(ask(text, icon, Dialogs::Buttons::YesNoCancel));
    };
    prompts.saveList = [this](SourcePage p) { return saveList(int(p)); };
    prompts.listHasText = [this](SourcePage p) { return !withoutBlanks(listText(int(p))).isEmpty(); };
    return m_workspace.settleUnsaved(prompts);
}

void MainWindow::queryClose(bool &canClose)
{
    canClose = settleUnsaved(8, Dialogs::Icon::Exclamation, true);
    if (!canClose)
        return;
    // Failing to store the options must not keep the user from quitting.
    try {
        storeOptions();
    } catch (const Exception &e) {
        Dialogs::instance().showError(this, e.Message());
    }
}

// ---------------------------------------------------------------------------
// Editor views

void MainWindow::applyProtection()
{
    for (int p = 0; p < 3; ++p)
        pageModel(p).setReadOnly(m_protectBox->isChecked() || isUnkept(p));
}

void MainWindow::applyToggleFound()
{
    m_changeButton->setText(msg(m_toggleFoundBox->isChecked() ? 12 : 13));
    updateToolTips();
}

void MainWindow::pageTyped(int page)
{
    if (!pageEditor(page)->isReadOnly())
        session(page).setSaved(false);
}

void MainWindow::pageSelectionReleased(int page)
{
    EditorModel::of(m_foundText).setText(pageModel(page).selectedText());
}
