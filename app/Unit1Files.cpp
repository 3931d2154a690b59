// Opening, saving and closing a source unit; editor protection, typing and
// mouse selection.
#include "Unit1.h"

#include "EditorModel.h"
#include "FormDescription.h"
#include "Paths.h"
#include "TextFile.h"
#include "Vreg.h"
#include "Vstatus.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {
Dialogs::FileOptions saveOptions()
{
    return Dialogs::OverwritePrompt | Dialogs::HideReadOnly | Dialogs::PathMustExist | Dialogs::EnableSizing;
}
} // namespace

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
    request.initialDir = VReg1->Pop(QStringLiteral("InitOpenDir"));
    request.options = Dialogs::HideReadOnly | Dialogs::PathMustExist | Dialogs::FileMustExist | Dialogs::EnableSizing;
    const std::optional<QString> chosen = Dialogs::instance().openFile(this, request);
    if (chosen)
        openUnit(*chosen);
}

void TForm1::openUnit(const QString &chosen)
{
    const QString newBase = Paths::baseName(chosen);
    const QString dir = Paths::directoryPart(chosen);
    const QString newFolder = Paths::withTrailingSeparator(dir);
    VReg1->Push(QStringLiteral("InitOpenDir"), dir);

    for (int p = 0; p < 3; ++p) {
        if (Saved[p])
            continue;
        const Dialogs::Button answer = Ask(Msg(5 + p), Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel);
        if (answer == Dialogs::Button::Yes) {
            if (!savePageForPrompt(p))
                return;
        } else if (answer != Dialogs::Button::No) {
            return;
        }
    }

    EditorModel::of(Memo1).setText(QString());
    ListSlot = {};
    BaseName = newBase;
    BaseFolder = newFolder;
    for (int p = 0; p < 3; ++p)
        pageModel(p).setText(QString());
    for (int p = 0; p < 3; ++p)
        LoadPage(p);
    // The freshly loaded texts are what is on disk.
    Saved = {true, true, true};
    if (BaseName.isEmpty())
        VStatus1->Panel(0).SetText(QString());
    PageStatus();
    rememberUnit(chosen);
}

void TForm1::LoadPage(int page)
{
    EditorModel &m = pageModel(page);
    m.setText(Msg(1));
    const QString path = Paths::resolveCaseInsensitive(BaseFolder, BaseName + pageExtension(page));
    m_pageFiles[page] = path;
    m_encodings[page] = int(TextEncoding::Utf8);
    m_loadFailed[page] = false;
    if (!BaseName.isEmpty()) {
        try {
            LoadedText loaded = TextFile::load(path);
            m_encodings[page] = int(loaded.encoding);
            m.setText(std::move(loaded.text));
        } catch (const Exception &) {
            // The page shows the file-missing text; a file that exists but
            // could not be read must not be overwritten by it later.
            m_loadFailed[page] = QFileInfo::exists(path);
        }
    }
    ResNumber[page] = 0;
    if (page == CppPage)
        showResNumber();
    ListSlot[page].clear();
    Tracked[page] = RowCol{};
    LastEdit[page] = RowCol{};
    if (page == DfmPage && m.lineCount() > 0)
        Edit3->setText(ObjectNameOfLine(0));
}

// ---------------------------------------------------------------------------
// Save

void TForm1::SavePage(int page)
{
    const QString path = m_pageFiles[page].isEmpty() ? pageFile(page) : m_pageFiles[page];
    if (m_loadFailed[page])
        throw Exception(QStringLiteral("\"%1\" could not be read when the unit was opened, so the page does not hold "
                                       "its text. It is not saved over the file; use Save as to keep the page.")
                            .arg(path));
    TextFile::save(path, pageModel(page).text(), TextEncoding(m_encodings[page]));
    Saved[page] = true;
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
    request.initialDir = VReg1->Pop(QStringLiteral("InitSaveDir"));
    request.fileName = BaseName.isEmpty() ? QString() : BaseName + pageExtension(page);
    request.options = saveOptions();
    const std::optional<QString> chosen = Dialogs::instance().saveFile(this, request);
    if (!chosen)
        return false;
    VReg1->Push(QStringLiteral("InitSaveDir"), Paths::directoryPart(*chosen));
    TextFile::save(*chosen, pageModel(page).text(), TextEncoding(m_encodings[page]));
    Saved[page] = true;
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
    for (int p = 0; p < 3; ++p)
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
// Close

void TForm1::FormCloseQuery(bool &CanClose)
{
    CanClose = false;
    for (int p = 0; p < 3; ++p) {
        if (Saved[p])
            continue;
        const Dialogs::Button answer =
            Ask(BaseName + Msg(8 + p), Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNoCancel);
        if (answer == Dialogs::Button::Yes) {
            if (!savePageForPrompt(p))
                return;
        } else if (answer != Dialogs::Button::No) {
            return;
        }
    }
    CanClose = true;
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
}

void TForm1::Memo2KeyPress()
{
    if (!Memo2->isReadOnly())
        Saved[CppPage] = false;
}

void TForm1::Memo3KeyPress()
{
    if (!Memo3->isReadOnly())
        Saved[HeaderPage] = false;
}

void TForm1::Memo4KeyPress()
{
    if (!Memo4->isReadOnly())
        Saved[DfmPage] = false;
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
