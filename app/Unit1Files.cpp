// Opening, saving and closing a source unit; editor protection, typing and
// mouse selection.
#include "Unit1.h"

#include "Blanks.h"
#include "ExtractionList.h"
#include "EditorModel.h"
#include "FileTexts.h"
#include "FolderMemory.h"
#include "FormDescription.h"
#include "OutputFile.h"
#include "Paths.h"
#include "UiLanguage.h"
#include "Vreg.h"
#include "Vstatus.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

QString TForm1::ObjectNameOfLine(int n) const
{
    return FormDescription::objectNameOfLine(EditorModel::of(Memo4).line(n));
}

QString TForm1::ClassNameOfLine(int n) const
{
    return FormDescription::classNameOfLine(EditorModel::of(Memo4).line(n));
}

// ---------------------------------------------------------------------------
// Open and load

void TForm1::SpeedButton1Click()
{
    Dialogs::FileRequest request;
    request.title = Msg(3);
    request.filter = Msg(4);
    request.initialDir = Folders->recall(QStringLiteral("InitOpenDir"));
    request.options = Dialogs::HideReadOnly | Dialogs::PathMustExist | Dialogs::FileMustExist | Dialogs::EnableSizing;
    const std::optional<QString> chosen = Dialogs::instance().openFile(this, request);
    if (chosen)
        openUnit(*chosen);
}

void TForm1::openUnit(const QString &chosen)
{
    // Refuses a name that cannot reach the file system before any question.
    SourceUnit opened = SourceUnit::locate(chosen, UiLang->language());
    Folders->remember(this, QStringLiteral("InitOpenDir"), Paths::directoryPart(chosen));

    if (!settleUnsaved(5, Dialogs::Icon::Question, false))
        return;

    EditorModel::of(Memo1).setText(QString());
    ListSlot = {};
    m_workspace.unit = std::move(opened);
    BaseName = m_workspace.unit.baseName();
    BaseFolder = m_workspace.unit.folder();
    for (int p = 0; p < 3; ++p)
        pageModel(p).setText(QString());
    // Loading clears each document's modified flag: the pages count as saved.
    for (int p = 0; p < 3; ++p)
        LoadPage(p);
    if (BaseName.isEmpty())
        VStatus1->Panel(0).SetText(QString());
    PageStatus();
    hintListBeside();
    rememberUnit(chosen);
}

void TForm1::LoadPage(int page)
{
    EditorModel &m = pageModel(page);
    SourceUnit &u = unit();
    u.load(SourcePage(page));
    if (u.page(SourcePage(page)).loaded)
        m.setText(u.takeText(SourcePage(page)));
    else
        m.setText(Msg(1));
    session(page).reset();
    if (page == CppPage)
        showResNumber();
    if (page == DfmPage && m.lineCount() > 0)
        Edit3->setText(ObjectNameOfLine(0));
}

// ---------------------------------------------------------------------------
// Save

void TForm1::SavePage(int page)
{
    syncList();
    unit().save(SourcePage(page), pageModel(page).text());
    session(page).noteSaved();
}

bool TForm1::savePageForPrompt(int page)
{
    // Without an open unit there is no file to save to: ask for one.
    if (BaseName.isEmpty())
        return saveAs(page);
    SavePage(page);
    return true;
}

bool TForm1::saveAs(int page)
{
    Dialogs::FileRequest request;
    request.title = Msg(20 + 2 * page);
    request.filter = Msg(21 + 2 * page);
    request.defaultExt = pageExtension(page);
    request.initialDir = Folders->recall(QStringLiteral("InitSaveDir"));
    request.fileName = BaseName.isEmpty() ? QString() : BaseName + pageExtension(page);
    request.options = Dialogs::saveOptions();
    const std::optional<QString> chosen = Dialogs::instance().saveFile(this, request);
    if (!chosen)
        return false;
    Folders->remember(this, QStringLiteral("InitSaveDir"), Paths::directoryPart(*chosen));
    syncList();
    unit().saveAs(SourcePage(page), *chosen, pageModel(page).text());
    session(page).noteSaved();
    return true;
}

void TForm1::ToolButton12Click()
{
    if (!BaseName.isEmpty())
        SavePage(activePage());
}

void TForm1::SaveAll1Click()
{
    if (BaseName.isEmpty())
        return;
    // A page whose file was missing at Open is written once the user changed it.
    for (int p = 0; p < 3; ++p)
        if (!unit().isMissing(SourcePage(p)) || !session(p).isSaved())
            SavePage(p);
}

void TForm1::SaveCPP1Click()
{
    if (!BaseName.isEmpty())
        SavePage(CppPage);
}

void TForm1::HSpeichern1Click()
{
    if (!BaseName.isEmpty())
        SavePage(HeaderPage);
}

void TForm1::SaveDFM1Click()
{
    if (!BaseName.isEmpty())
        SavePage(DfmPage);
}

void TForm1::Saveas1Click()
{
    saveAs(activePage());
}

// ---------------------------------------------------------------------------
// Extraction lists

QString TForm1::listText(int page) const
{
    return page == m_currentPage ? EditorModel::of(Memo1).text() : ListSlot[page];
}

void TForm1::syncList()
{
    // Extract's appends and the user's own edits of the list alike.
    QTextDocument *list = Memo1->document();
    if (list->isModified()) {
        session(m_currentPage).listUnwritten = true;
        list->setModified(false);
    }
}

void TForm1::listWrittenOut()
{
    syncList();
    session(activePage()).noteListWritten();
}

bool TForm1::saveList(int page)
{
    const Language lang = UiLang->language();
    Dialogs::FileRequest request;
    request.title = fileText(FileText::ListSaveTitle, lang);
    request.filter = fileText(FileText::ListSaveFilter, lang);
    request.defaultExt = QStringLiteral(".txt");
    request.initialDir = Folders->recall(QStringLiteral("InitSaveDir"));
    request.fileName = ExtractionList::listFileName(BaseName, SourcePage(page));
    request.options = Dialogs::saveOptions();
    const std::optional<QString> chosen = Dialogs::instance().saveFile(this, request);
    if (!chosen)
        return false;
    Folders->remember(this, QStringLiteral("InitSaveDir"), Paths::directoryPart(*chosen));
    saveOutputText(*chosen, listText(page), OutputKind::Text);
    session(page).noteListWritten();
    return true;
}

// ---------------------------------------------------------------------------
// Close

bool TForm1::settleUnsaved(unsigned firstPageText, Dialogs::Icon icon, bool prefixBaseName)
{
    syncList();
    const auto answer = [](Dialogs::Button b) {
        return b == Dialogs::Button::Yes  ? Workspace::Answer::Yes
               : b == Dialogs::Button::No ? Workspace::Answer::No
                                          : Workspace::Answer::Cancel;
    };
    Workspace::Prompts prompts;
    prompts.askPage = [&](SourcePage p) {
        const QString text = (prefixBaseName ? BaseName : QString()) + Msg(firstPageText + unsigned(p));
        return answer(Ask(text, icon, Dialogs::Buttons::YesNoCancel));
    };
    prompts.savePage = [this](SourcePage p) { return savePageForPrompt(int(p)); };
    prompts.askList = [&](SourcePage p) {
        const QString text = fileText(FileText::ListNotSaved, UiLang->language()).arg(BaseName + pageExtension(int(p)));
        return answer(Ask(text, icon, Dialogs::Buttons::YesNoCancel));
    };
    prompts.saveList = [this](SourcePage p) { return saveList(int(p)); };
    prompts.listHasText = [this](SourcePage p) { return !withoutBlanks(listText(int(p))).isEmpty(); };
    return m_workspace.settleUnsaved(prompts);
}

void TForm1::FormCloseQuery(bool &CanClose)
{
    CanClose = settleUnsaved(8, Dialogs::Icon::Exclamation, true);
    if (!CanClose)
        return;
    // Failing to store the options must not keep the user from quitting.
    try {
        StoreOptions();
    } catch (const Exception &e) {
        Dialogs::instance().showError(this, e.Message());
    }
}

// ---------------------------------------------------------------------------
// Editor views

void TForm1::CheckBox1Click()
{
    for (int p = 0; p < 3; ++p)
        pageModel(p).setReadOnly(CheckBox1->isChecked());
}

void TForm1::CheckBox2Click()
{
    ToolButton3->setText(Msg(CheckBox2->isChecked() ? 12 : 13));
    updateToolTips();
}

void TForm1::Memo2KeyPress()
{
    if (!Memo2->isReadOnly())
        session(CppPage).setSaved(false);
}

void TForm1::Memo3KeyPress()
{
    if (!Memo3->isReadOnly())
        session(HeaderPage).setSaved(false);
}

void TForm1::Memo4KeyPress()
{
    if (!Memo4->isReadOnly())
        session(DfmPage).setSaved(false);
}

void TForm1::Memo2MouseUp()
{
    EditorModel::of(Edit1).setText(pageModel(CppPage).selectedText());
}

void TForm1::Memo3MouseUp()
{
    EditorModel::of(Edit1).setText(pageModel(HeaderPage).selectedText());
}

void TForm1::Memo4MouseUp()
{
    EditorModel::of(Edit1).setText(pageModel(DfmPage).selectedText());
}
