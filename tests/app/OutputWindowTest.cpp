// The generator commands of the main window and the output window's buttons.
#include "FormFixture.h"
#include "Unit3.h"
#include "Vreg.h"

#include <QAction>
#include <QClipboard>
#include <QToolButton>

namespace {
const QString kValueList = QStringLiteral("String1 = \"Hello\"\r\nString2 = \"Save file?\"\r\n");
const QString kFunctionList = QStringLiteral("String1, \"Hello\"\r\nString2, \"Save file?\"\r\n");
const QString kScript = QStringLiteral("STRINGTABLE\r\n{\r\n  101, \"Hello\"\r\n  102, \"Save file?\"\r\n}\r\n");
const QString kSeparator = QStringLiteral("//") + QString(75, u'-');

class OutputWindow : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        out = form->Form3;
        ASSERT_NE(out, nullptr);
        form->BaseName = QStringLiteral("Unit1");
        page(TForm1::DfmPage).setText(QStringLiteral("object Form1: TForm1\r\n  Caption = 'Main'\r\n"));
        form->UseFunction1Click();
        list().setText(kFunctionList);
    }

    EditorModel &list() { return EditorModel::of(form->Memo1); }
    EditorModel &text() { return EditorModel::of(out->Memo1); }

    // Runs a generator command through its menu item and records what the
    // window showed while it was open.
    struct Shown
    {
        bool shown = false;
        QString caption;
        QString text;
    };
    Shown run(QAction *command)
    {
        Shown s;
        dialogs->answerModal([&](QDialog *d) {
            s.shown = d == out;
            s.caption = out->windowTitle();
            s.text = out->text();
        });
        command->trigger();
        return s;
    }

    TForm3 *out = nullptr;
};

TEST_F(OutputWindow, ResourceScriptIsShownWithItsCaption)
{
    const Shown s = run(form->CreateRCFile1);
    EXPECT_TRUE(s.shown);
    EXPECT_EQ(s.caption, QStringLiteral("Source of RC-File"));
    EXPECT_EQ(s.text, kScript);
}

TEST_F(OutputWindow, LoadingCodeUsesTheClassOfTheFormDescription)
{
    const Shown s = run(form->CreateLoadTextRC1);
    EXPECT_EQ(s.caption, QStringLiteral("Sourcetext for USING RC-File"));
    EXPECT_TRUE(s.text.startsWith(QStringLiteral("String __fastcall TForm1::LoadTextRC(int index)\r\n{\r\n")));
    EXPECT_TRUE(s.text.endsWith(QStringLiteral("\r\n\r\n  String __fastcall LoadTextRC(int index);\r\n")));
}

TEST_F(OutputWindow, CodeWithoutResourceFileOnTheDfmPage)
{
    showPage(TForm1::DfmPage);
    list().setText(QStringLiteral("Form1->Label1->Caption = \"Hello\";"));
    const Shown s = run(form->CreateFormOnLoad1);
    EXPECT_EQ(s.caption, QStringLiteral("Sourcetext for NOT using RC-File"));
    EXPECT_EQ(s.text, QStringLiteral("void __fastcall TForm1::FormCreate(TObject *Sender)\r\n"
                                     "{\r\n"
                                     "   Form1->Label1->Caption = \"Hello\";;\r\n"
                                     "}\r\n"
                                     "\r\n"
                                     "\r\n"
                                     "//Declaration for Form Functions\r\n"
                                     "//Must be copied to Header File\r\n"
                                     "\r\n"
                                     "        void __fastcall FormCreate(TObject *Sender);\r\n"));
}

// Where a command shows nothing, it still leaves its caption and an empty text.
TEST_F(OutputWindow, NothingIsShownWhereTheCommandDoesNotApply)
{
    struct Row
    {
        int page;
        void (TForm1::*command)();
        const char *caption;
    };
    const Row rows[] = {
        {TForm1::HeaderPage, &TForm1::CreateRCFile1Click, "Source of RC-File"},
        {TForm1::HeaderPage, &TForm1::CreateLoadTextRC1Click, "Sourcetext for USING RC-File"},
        {TForm1::HeaderPage, &TForm1::CreateFormOnLoad1Click, "Sourcetext for NOT using RC-File"},
        {TForm1::DfmPage, &TForm1::CreateRCFile1Click, "Source of RC-File"},
        {TForm1::DfmPage, &TForm1::CreateLoadTextRC1Click, "Sourcetext for USING RC-File"},
    };
    for (const Row &r : rows) {
        showPage(r.page);
        list().setText(kFunctionList);
        out->appendLine(QStringLiteral("left over"));
        (form.get()->*r.command)(); // an unexpected modal window fails the test
        EXPECT_EQ(out->windowTitle(), QLatin1String(r.caption));
        EXPECT_EQ(out->text(), QString());
    }
    EXPECT_TRUE(dialogs->asked().empty());
}

TEST_F(OutputWindow, OverflowIsReportedAndTheWindowNotShown)
{
    list().setText(QStringLiteral("String1, \"a\"\r\nString99999999999, \"b\"\r\n"));
    out->appendLine(QStringLiteral("old text"));
    dialogs->answerMessage(Dialogs::Button::Ok);
    form->CreateRCFile1->trigger();
    ASSERT_EQ(dialogs->asked().size(), 1u);
    EXPECT_EQ(dialogs->last().kind, ScriptedDialogs::Kind::Message);
    EXPECT_EQ(dialogs->last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("99999999999")));
    EXPECT_EQ(out->text(), QString());
}

TEST_F(OutputWindow, BrokenEntriesAreNamedInOneWarningAndTheOutputIsStillShown)
{
    const struct
    {
        QAction *command;
        QString list;
        QString named;
    } cases[] = {
        {form->CreateRCFile1, QStringLiteral("String1, \"a\"\r\nString1, \"b\"\r\n"), QStringLiteral("Line 2")},
        {form->CreateRCFile1, QStringLiteral("String1, \"a\"\r\nString-1, \"b\"\r\n"), QStringLiteral("number 1")},
        {form->CreateLoadTextRC1, QStringLiteral("String70000, \"a\"\r\n"), QStringLiteral("70100")},
        {form->CreateFormOnLoad1, QStringLiteral("String1, \"a\r\nb\"\r\n"), QStringLiteral("Line 2")},
        {form->CreateFormOnLoad1, QStringLiteral("String1, \"a */ b\"\r\n"), QStringLiteral("\"*/\"")},
    };
    for (const auto &c : cases) {
        list().setText(c.list);
        dialogs->clear();
        dialogs->answerMessage(Dialogs::Button::Ok);
        const Shown s = run(c.command);
        ASSERT_EQ(dialogs->asked().size(), 2u) << c.list.toStdString();
        const auto &warning = dialogs->asked()[0];
        EXPECT_EQ(warning.caption, QStringLiteral("VTQX"));
        EXPECT_EQ(warning.icon, Dialogs::Icon::Exclamation);
        EXPECT_TRUE(warning.text.contains(c.named)) << warning.text.toStdString();
        EXPECT_TRUE(s.shown);
        EXPECT_TRUE(s.text.startsWith(c.command == form->CreateRCFile1 ? QStringLiteral("STRINGTABLE")
                                                                        : QStringLiteral("String __fastcall")))
            << s.text.toStdString();
    }
    // A sound list shows the output alone.
    list().setText(kFunctionList);
    dialogs->clear();
    EXPECT_EQ(run(form->CreateRCFile1).text, kScript);
    EXPECT_EQ(dialogs->asked().size(), 1u);
}

TEST_F(OutputWindow, NoModeCheckedGeneratesAsGlobalStrings)
{
    form->UseFunction2->setChecked(false);
    list().setText(kValueList);
    const Shown s = run(form->CreateFormOnLoad1);
    EXPECT_TRUE(s.text.contains(QStringLiteral("}\r\n\r\n\r\n//Declaration for Global Strings\r\n"
                                               "//Must be copied to start of the C++ File\r\n\r\n"
                                               " String String1 = \"\";\r\n")));
}

// --- Add to CPP ----------------------------------------------------------------

TEST_F(OutputWindow, AddToCppAppendsTheCommentBlock)
{
    const QString cpp = QStringLiteral("void f()\r\n{\r\n}\r\n");
    page(TForm1::CppPage).setText(cpp);
    dialogs->answerModal([&](QDialog *) { out->SpeedButton4->click(); });
    form->CreateRCFile1->trigger();
    EXPECT_EQ(page(TForm1::CppPage).text(),
              cpp + QStringLiteral("\r\n") + kSeparator +
                  QStringLiteral("\r\n\r\n"
                                 "// The following Text was inserted by Varnosel TQX //\r\n"
                                 "// Correct it and then delete the commentsingns    //\r\n"
                                 "/*\r\n") +
                  kScript + QStringLiteral("*/\r\n"));
    EXPECT_FALSE(form->Saved[TForm1::CppPage]);
    // One undo step takes it back.
    form->Memo2->undo();
    EXPECT_EQ(page(TForm1::CppPage).text(), cpp);
}

TEST_F(OutputWindow, AddToCppOntoAnEmptyPageAndTwice)
{
    out->appendLines({QStringLiteral("A")});
    out->SpeedButton4Click();
    const QString block = QStringLiteral("\r\n") + kSeparator +
                          QStringLiteral("\r\n\r\n// The following Text was inserted by Varnosel TQX //\r\n"
                                         "// Correct it and then delete the commentsingns    //\r\n/*\r\nA\r\n*/\r\n");
    EXPECT_EQ(page(TForm1::CppPage).text(), block);
    out->SpeedButton4Click();
    EXPECT_EQ(page(TForm1::CppPage).text(), block + block);
}

TEST_F(OutputWindow, AddToCppPutsEveryPieceOnLinesOfItsOwn)
{
    page(TForm1::CppPage).setText(QStringLiteral("}")); // no final line break
    text().setText(QStringLiteral("abc"));            // the user removed the last one
    out->SpeedButton4Click();
    const QStringList lines = page(TForm1::CppPage).text().split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.mid(0, 3), (QStringList{QStringLiteral("}"), QString(), kSeparator}));
    EXPECT_EQ(lines.mid(lines.size() - 4),
              (QStringList{QStringLiteral("/*"), QStringLiteral("abc"), QStringLiteral("*/"), QString()}));

    // An emptied output text gives the two comment marks directly.
    page(TForm1::CppPage).setText(QString());
    text().setText(QString());
    out->SpeedButton4Click();
    EXPECT_TRUE(page(TForm1::CppPage).text().endsWith(QStringLiteral("//\r\n/*\r\n*/\r\n")));
}

// --- To Clipboard ---------------------------------------------------------------

TEST_F(OutputWindow, ClipboardReceivesTheWholeTextAndTheSelectionStays)
{
    out->appendLines({QStringLiteral("STRINGTABLE"), QStringLiteral("{"), QStringLiteral("}")});
    text().setSelection(3, 4);
    out->SpeedButton3->click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("STRINGTABLE\n{\n}\n"));
    EXPECT_EQ(text().selStart(), 3);
    EXPECT_EQ(text().selLength(), 4);
    text().setSelection(5, 0);
    out->SpeedButton3Click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("STRINGTABLE\n{\n}\n"));
    EXPECT_EQ(text().selStart(), 5);
    EXPECT_EQ(text().selLength(), 0);
}

// --- Save To Disk -----------------------------------------------------------------

TEST_F(OutputWindow, SaveToDiskAsksWithItsOwnTextsAndStoresTheFolder)
{
    form->VReg1->Push(QStringLiteral("InitSaveDir"), QStringLiteral("/some/where"));
    out->appendLines({QStringLiteral("STRINGTABLE"), QStringLiteral("{"), QStringLiteral("   101, \"Größe\""),
                      QStringLiteral("}")});
    const QString path = dir.filePath(QStringLiteral("strings.rc"));
    dialogs->answerSave(path);
    out->SpeedButton1->click();

    const auto &q = dialogs->last();
    EXPECT_EQ(q.file.title, QStringLiteral("Save File"));
    EXPECT_EQ(q.file.filter, QStringLiteral("Recource Files |*.rc|Text Files |*.txt|CPP Files |*.cpp"));
    EXPECT_EQ(q.file.defaultExt, QStringLiteral(".txt"));
    EXPECT_EQ(q.file.initialDir, QStringLiteral("/some/where"));
    EXPECT_EQ(q.file.fileName, QString());
    EXPECT_EQ(q.file.options, Dialogs::OverwritePrompt | Dialogs::HideReadOnly | Dialogs::PathMustExist |
                                  Dialogs::EnableSizing);
    EXPECT_EQ(readFile(QStringLiteral("strings.rc")), QByteArray("STRINGTABLE\r\n{\r\n   101, \"Gr\xF6\xDF" "e\"\r\n}\r\n"));
    EXPECT_EQ(form->VReg1->Pop(QStringLiteral("InitSaveDir")), dir.path());
}

TEST_F(OutputWindow, SaveToDiskFallsBackToUtf8AndWritesEmptyFiles)
{
    text().setText(QStringLiteral("Ω → ä"));
    dialogs->answerSave(dir.filePath(QStringLiteral("u.txt")));
    out->SpeedButton1Click();
    EXPECT_EQ(readFile(QStringLiteral("u.txt")), QStringLiteral("Ω → ä\r\n").toUtf8());

    writeFile(QStringLiteral("e.txt"), "old");
    text().setText(QString());
    dialogs->answerSave(dir.filePath(QStringLiteral("e.txt")));
    out->SpeedButton1Click();
    EXPECT_EQ(readFile(QStringLiteral("e.txt")), QByteArray());
}

TEST_F(OutputWindow, SaveToDiskCancelledWritesNothing)
{
    form->VReg1->Push(QStringLiteral("InitSaveDir"), QStringLiteral("/kept"));
    dialogs->answerSave(std::nullopt);
    out->SpeedButton1Click();
    EXPECT_EQ(form->VReg1->Pop(QStringLiteral("InitSaveDir")), QStringLiteral("/kept"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(OutputWindow, SaveToDiskFailureIsReportedAfterTheFolderWasStored)
{
    writeFile(QStringLiteral("file"), "x");
    const QString folder = dir.filePath(QStringLiteral("file"));
    dialogs->answerSave(folder + QStringLiteral("/out.txt")).answerMessage(Dialogs::Button::Ok);
    out->SpeedButton1->click();
    EXPECT_EQ(dialogs->last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("out.txt")));
    EXPECT_EQ(form->VReg1->Pop(QStringLiteral("InitSaveDir")), folder);
}

// --- Language -----------------------------------------------------------------------

TEST_F(OutputWindow, EverythingFollowsALanguageSwitch)
{
    EXPECT_EQ(out->SpeedButton1->text(), QStringLiteral("Save To Disk"));
    EXPECT_EQ(out->SpeedButton3->text(), QStringLiteral("To Clipboard"));
    EXPECT_EQ(out->SpeedButton4->text(), QStringLiteral("Add to CPP"));
    EXPECT_EQ(out->SpeedButton2->text(), QStringLiteral("Close Window"));
    form->German1->trigger();
    EXPECT_EQ(out->SpeedButton1->text(), QStringLiteral("Speichern"));
    EXPECT_EQ(out->SpeedButton3->text(), QStringLiteral("Kopieren"));
    EXPECT_EQ(out->SpeedButton4->text(), QStringLiteral("Anfügen CPP"));
    EXPECT_EQ(out->SpeedButton2->text(), QStringLiteral("Schließen"));

    dialogs->answerModal([&](QDialog *) {
        out->SpeedButton4Click();
        out->SpeedButton1Click();
    });
    dialogs->answerSave(std::nullopt);
    form->CreateLoadTextRC1->trigger();
    EXPECT_EQ(out->windowTitle(), QStringLiteral("Quelltext bei Benutzung von RC"));
    EXPECT_TRUE(out->text().contains(QStringLiteral("//Deklarierung für Form Funktion\r\n")));
    EXPECT_TRUE(page(TForm1::CppPage).text().contains(
        QStringLiteral("// Der folgende Text wurde von Varnosel TQX angefügt          //\r\n"
                       "// Korrigieren Sie ihn und entfernen Sie die Kommentarzeichen //\r\n")));
    EXPECT_EQ(dialogs->last().file.title, QStringLiteral("Datei speichern"));
    EXPECT_EQ(dialogs->last().file.filter,
              QStringLiteral("Recource Dateien |*.rc|Textdateien |*.txt|CPP Dateien |*.cpp"));

    form->English1->trigger();
    EXPECT_EQ(out->SpeedButton2->text(), QStringLiteral("Close Window"));
}

// --- The real window ----------------------------------------------------------------

TEST_F(OutputWindow, LayoutAndCloseWindowEndsTheModalShowing)
{
    EXPECT_EQ(out->size(), QSize(576, 330));
    EXPECT_EQ(out->Panel1->width(), 89);
    EXPECT_EQ(out->SpeedButton4->geometry(), QRect(4, 120, 81, 49));
    EXPECT_EQ(out->Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_FALSE(out->Memo1->isReadOnly());
    EXPECT_EQ(out->Memo1->font().pixelSize(), 13);

    // Qt's own modal loop, closed by the button as a user would.
    QTimer::singleShot(0, out, [this] {
        EXPECT_TRUE(out->isVisible());
        out->SpeedButton2->click();
    });
    out->exec();
    EXPECT_FALSE(out->isVisible());
}
} // namespace
