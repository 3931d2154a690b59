// The generator commands of the main window and the output window's buttons.
#include "tests/support/FormFixture.h"
#include "app/OutputWindow.h"
#include "components/Vreg/Vreg.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QToolButton>

#include <algorithm>

namespace {
const QString kValueList = QStringLiteral("String1 = \"Hello\"\r\nString2 = \"Save file?\"\r\n");
const QString kFunctionList = QStringLiteral("String1, \"Hello\"\r\nString2, \"Save file?\"\r\n");
const QString kScript = QStringLiteral("STRINGTABLE\r\n{\r\n  101, \"Hello\"\r\n  102, \"Save file?\"\r\n}\r\n");
const QString kSeparator = QStringLiteral("//") + QString(75, u'-');

class OutputWindowTest : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        out = ui.output();
        ASSERT_NE(out, nullptr);
        ui.setBaseName(QStringLiteral("Unit1"));
        page(MainWindow::DfmPage).setText(QStringLiteral("object Form1: TForm1\r\n  Caption = 'Main'\r\n"));
        form->run(Command::FunctionStrings);
        list().setText(kFunctionList);
    }

    EditorModel &list() { return EditorModel::of(ui.list()); }
    EditorModel &text() { return EditorModel::of(ui.outputControl<QPlainTextEdit>("Memo1")); }

    // Runs a generator command through its menu item and records what the
    // window showed while it was open.
    struct Shown
    {
        bool shown = false;
        QString caption;
        QString text;
        QString warning; // "" when the warning above the text is hidden
    };
    Shown run(QAction *command)
    {
        Shown s;
        dialogs->answerModal([&](QDialog *d) {
            s.shown = d == out;
            s.caption = out->windowTitle();
            s.text = out->text();
            s.warning = ui.outputControl<QLabel>("ListWarning")->isVisibleTo(out) ? ui.outputControl<QLabel>("ListWarning")->text() : QString();
        });
        command->trigger();
        return s;
    }

    OutputWindow *out = nullptr;
};

TEST_F(OutputWindowTest, ResourceScriptIsShownWithItsCaption)
{
    const Shown s = run(ui.action("CreateRCFile1"));
    EXPECT_TRUE(s.shown);
    EXPECT_EQ(s.caption, QStringLiteral("Source of RC-File"));
    EXPECT_EQ(s.text, kScript);
}

TEST_F(OutputWindowTest, LoadingCodeUsesTheClassOfTheFormDescription)
{
    const Shown s = run(ui.action("CreateLoadTextRC1"));
    EXPECT_EQ(s.caption, QStringLiteral("Sourcetext for USING RC-File"));
    EXPECT_TRUE(s.text.startsWith(QStringLiteral("String __fastcall TForm1::LoadTextRC(int index)\r\n{\r\n")));
    EXPECT_TRUE(s.text.endsWith(QStringLiteral("\r\n\r\n  String __fastcall LoadTextRC(int index);\r\n")));
}

TEST_F(OutputWindowTest, CodeWithoutResourceFileOnTheDfmPage)
{
    showPage(MainWindow::DfmPage);
    list().setText(QStringLiteral("Form1->Label1->Caption = \"Hello\";"));
    const Shown s = run(ui.action("CreateFormOnLoad1"));
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
TEST_F(OutputWindowTest, NothingIsShownWhereTheCommandDoesNotApply)
{
    struct Row
    {
        int page;
        Command command;
        const char *caption;
    };
    const Row rows[] = {
        {MainWindow::HeaderPage, Command::ResourceScript, "Source of RC-File"},
        {MainWindow::HeaderPage, Command::ForResourceFile, "Sourcetext for USING RC-File"},
        {MainWindow::HeaderPage, Command::WithoutResourceFile, "Sourcetext for NOT using RC-File"},
        {MainWindow::DfmPage, Command::ResourceScript, "Source of RC-File"},
        {MainWindow::DfmPage, Command::ForResourceFile, "Sourcetext for USING RC-File"},
    };
    for (const Row &r : rows) {
        showPage(r.page);
        list().setText(kFunctionList);
        out->appendLine(QStringLiteral("left over"));
        form->run(r.command); // an unexpected modal window fails the test
        EXPECT_EQ(out->windowTitle(), QLatin1String(r.caption));
        EXPECT_EQ(out->text(), QString());
    }
    EXPECT_TRUE(dialogs->asked().empty());
}

TEST_F(OutputWindowTest, OverflowIsReportedAndTheWindowNotShown)
{
    list().setText(QStringLiteral("String1, \"a\"\r\nString99999999999, \"b\"\r\n"));
    out->appendLine(QStringLiteral("old text"));
    dialogs->answerMessage(Dialogs::Button::Ok);
    ui.action("CreateRCFile1")->trigger();
    ASSERT_EQ(dialogs->asked().size(), 1u);
    EXPECT_EQ(dialogs->last().kind, ScriptedDialogs::Kind::Message);
    EXPECT_EQ(dialogs->last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("99999999999")));
    EXPECT_EQ(out->text(), QString());
}

TEST_F(OutputWindowTest, BrokenEntriesAreNamedInAWarningAboveTheOutput)
{
    const struct
    {
        QAction *command;
        QString list;
        QString named;
    } cases[] = {
        {ui.action("CreateRCFile1"), QStringLiteral("String1, \"a\"\r\nString1, \"b\"\r\n"), QStringLiteral("Line 2")},
        {ui.action("CreateRCFile1"), QStringLiteral("String1, \"a\"\r\nString-1, \"b\"\r\n"), QStringLiteral("number 1")},
        {ui.action("CreateLoadTextRC1"), QStringLiteral("String70000, \"a\"\r\n"), QStringLiteral("70100")},
        {ui.action("CreateFormOnLoad1"), QStringLiteral("String1, \"a\r\nb\"\r\n"), QStringLiteral("Line 2")},
        {ui.action("CreateFormOnLoad1"), QStringLiteral("String1, \"a */ b\"\r\n"), QStringLiteral("\"*/\"")},
    };
    for (const auto &c : cases) {
        list().setText(c.list);
        dialogs->clear();
        const Shown s = run(c.command);
        EXPECT_EQ(dialogs->asked().size(), 1u) << "no question besides the window: " << c.list.toStdString();
        EXPECT_TRUE(s.warning.contains(c.named)) << s.warning.toStdString();
        EXPECT_TRUE(s.shown);
        EXPECT_TRUE(s.text.startsWith(c.command == ui.action("CreateRCFile1") ? QStringLiteral("STRINGTABLE")
                                                                        : QStringLiteral("String __fastcall")))
            << s.text.toStdString();
    }
    // A sound list shows the output alone, the earlier warning gone.
    list().setText(kFunctionList);
    dialogs->clear();
    const Shown sound = run(ui.action("CreateRCFile1"));
    EXPECT_EQ(sound.text, kScript);
    EXPECT_EQ(sound.warning, QString());
    EXPECT_EQ(dialogs->asked().size(), 1u);
}

TEST_F(OutputWindowTest, NoModeCheckedGeneratesAsGlobalStrings)
{
    ui.action("UseFunction2")->setChecked(false);
    list().setText(kValueList);
    const Shown s = run(ui.action("CreateFormOnLoad1"));
    EXPECT_TRUE(s.text.contains(QStringLiteral("}\r\n\r\n\r\n//Declaration for Global Strings\r\n"
                                               "//Must be copied to start of the C++ File\r\n\r\n"
                                               " String String1 = \"\";\r\n")));
}

// --- Add to CPP ----------------------------------------------------------------

TEST_F(OutputWindowTest, AddToCppAppendsTheCommentBlock)
{
    const QString cpp = QStringLiteral("void f()\r\n{\r\n}\r\n");
    page(MainWindow::CppPage).setText(cpp);
    dialogs->answerModal([&](QDialog *) { ui.outputControl<QToolButton>("SpeedButton4")->click(); });
    ui.action("CreateRCFile1")->trigger();
    EXPECT_EQ(page(MainWindow::CppPage).text(),
              cpp + QStringLiteral("\r\n") + kSeparator +
                  QStringLiteral("\r\n\r\n"
                                 "// The following Text was inserted by Varnosel TQX //\r\n"
                                 "// Correct it and then delete the commentsingns    //\r\n"
                                 "/*\r\n") +
                  kScript + QStringLiteral("*/\r\n"));
    EXPECT_FALSE(ui.saved(MainWindow::CppPage));
    // One undo step takes it back.
    ui.editor(MainWindow::CppPage)->undo();
    EXPECT_EQ(page(MainWindow::CppPage).text(), cpp);
}

TEST_F(OutputWindowTest, AddToCppOntoAnEmptyPageAndTwice)
{
    out->appendLines({QStringLiteral("A")});
    out->addToCpp();
    const QString block = QStringLiteral("\r\n") + kSeparator +
                          QStringLiteral("\r\n\r\n// The following Text was inserted by Varnosel TQX //\r\n"
                                         "// Correct it and then delete the commentsingns    //\r\n/*\r\nA\r\n*/\r\n");
    EXPECT_EQ(page(MainWindow::CppPage).text(), block);
    out->addToCpp();
    EXPECT_EQ(page(MainWindow::CppPage).text(), block + block);
}

TEST_F(OutputWindowTest, AddToCppPutsEveryPieceOnLinesOfItsOwn)
{
    page(MainWindow::CppPage).setText(QStringLiteral("}")); // no final line break
    text().setText(QStringLiteral("abc"));            // the user removed the last one
    out->addToCpp();
    const QStringList lines = page(MainWindow::CppPage).text().split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.mid(0, 3), (QStringList{QStringLiteral("}"), QString(), kSeparator}));
    EXPECT_EQ(lines.mid(lines.size() - 4),
              (QStringList{QStringLiteral("/*"), QStringLiteral("abc"), QStringLiteral("*/"), QString()}));

    // An emptied output text gives the two comment marks directly.
    page(MainWindow::CppPage).setText(QString());
    text().setText(QString());
    out->addToCpp();
    EXPECT_TRUE(page(MainWindow::CppPage).text().endsWith(QStringLiteral("//\r\n/*\r\n*/\r\n")));
}

// --- To Clipboard ---------------------------------------------------------------

TEST_F(OutputWindowTest, ClipboardReceivesTheWholeTextAndTheSelectionStays)
{
    out->appendLines({QStringLiteral("STRINGTABLE"), QStringLiteral("{"), QStringLiteral("}")});
    text().setSelection(3, 4);
    ui.outputControl<QToolButton>("SpeedButton3")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("STRINGTABLE\n{\n}\n"));
    EXPECT_EQ(text().selStart(), 3);
    EXPECT_EQ(text().selLength(), 4);
    text().setSelection(5, 0);
    out->copyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("STRINGTABLE\n{\n}\n"));
    EXPECT_EQ(text().selStart(), 5);
    EXPECT_EQ(text().selLength(), 0);
}

// --- Save To Disk -----------------------------------------------------------------

TEST_F(OutputWindowTest, SaveToDiskAsksWithItsOwnTextsAndStoresTheFolder)
{
    ui.settings()->Push(QStringLiteral("InitSaveDir"), QStringLiteral("/some/where"));
    out->appendLines({QStringLiteral("STRINGTABLE"), QStringLiteral("{"), QStringLiteral("   101, \"Größe\""),
                      QStringLiteral("}")});
    const QString path = dir.filePath(QStringLiteral("strings.rc"));
    dialogs->answerSave(path);
    ui.outputControl<QToolButton>("SpeedButton1")->click();

    const auto &q = dialogs->last();
    EXPECT_EQ(q.file.title, QStringLiteral("Save File"));
    EXPECT_EQ(q.file.filter, QStringLiteral("Recource Files |*.rc|Text Files |*.txt|CPP Files |*.cpp"));
    EXPECT_EQ(q.file.defaultExt, QStringLiteral(".txt"));
    EXPECT_EQ(q.file.initialDir, QStringLiteral("/some/where"));
    EXPECT_EQ(q.file.fileName, QString());
    EXPECT_EQ(q.file.options, Dialogs::OverwritePrompt | Dialogs::HideReadOnly | Dialogs::PathMustExist |
                                  Dialogs::EnableSizing);
    EXPECT_EQ(readFile(QStringLiteral("strings.rc")), QByteArray("STRINGTABLE\r\n{\r\n   101, \"Gr\xF6\xDF" "e\"\r\n}\r\n"));
    EXPECT_EQ(ui.settings()->Pop(QStringLiteral("InitSaveDir")), dir.path());
}

TEST_F(OutputWindowTest, SaveToDiskFallsBackToUtf8AndWritesEmptyFiles)
{
    text().setText(QStringLiteral("Ω → ä"));
    dialogs->answerSave(dir.filePath(QStringLiteral("u.txt")));
    out->saveToDisk();
    EXPECT_EQ(readFile(QStringLiteral("u.txt")), QStringLiteral("Ω → ä\r\n").toUtf8());

    writeFile(QStringLiteral("e.txt"), "old");
    text().setText(QString());
    dialogs->answerSave(dir.filePath(QStringLiteral("e.txt")));
    out->saveToDisk();
    EXPECT_EQ(readFile(QStringLiteral("e.txt")), QByteArray());
}

TEST_F(OutputWindowTest, SaveToDiskCancelledWritesNothing)
{
    ui.settings()->Push(QStringLiteral("InitSaveDir"), QStringLiteral("/kept"));
    dialogs->answerSave(std::nullopt);
    out->saveToDisk();
    EXPECT_EQ(ui.settings()->Pop(QStringLiteral("InitSaveDir")), QStringLiteral("/kept"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(OutputWindowTest, SaveToDiskFailureIsReportedAfterTheFolderWasStored)
{
    writeFile(QStringLiteral("file"), "x");
    const QString folder = dir.filePath(QStringLiteral("file"));
    dialogs->answerSave(folder + QStringLiteral("/out.txt")).answerMessage(Dialogs::Button::Ok);
    ui.outputControl<QToolButton>("SpeedButton1")->click();
    EXPECT_EQ(dialogs->last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("out.txt")));
    EXPECT_EQ(ui.settings()->Pop(QStringLiteral("InitSaveDir")), folder);
}

// --- Language -----------------------------------------------------------------------

TEST_F(OutputWindowTest, EverythingFollowsALanguageSwitch)
{
    EXPECT_EQ(ui.outputControl<QToolButton>("SpeedButton1")->text(), QStringLiteral("Save To Disk"));
    EXPECT_EQ(ui.outputControl<QToolButton>("SpeedButton3")->text(), QStringLiteral("To Clipboard"));
    EXPECT_EQ(ui.outputControl<QToolButton>("SpeedButton4")->text(), QStringLiteral("Add to CPP"));
    EXPECT_EQ(ui.outputControl<QToolButton>("SpeedButton2")->text(), QStringLiteral("Close Window"));
    ui.action("German1")->trigger();
    EXPECT_EQ(ui.outputControl<QToolButton>("SpeedButton1")->text(), QStringLiteral("Speichern"));
    EXPECT_EQ(ui.outputControl<QToolButton>("SpeedButton3")->text(), QStringLiteral("Kopieren"));
    EXPECT_EQ(ui.outputControl<QToolButton>("SpeedButton4")->text(), QStringLiteral("Anfügen CPP"));
    EXPECT_EQ(ui.outputControl<QToolButton>("SpeedButton2")->text(), QStringLiteral("Schließen"));

    dialogs->answerModal([&](QDialog *) {
        out->addToCpp();
        out->saveToDisk();
    });
    dialogs->answerSave(std::nullopt);
    ui.action("CreateLoadTextRC1")->trigger();
    EXPECT_EQ(out->windowTitle(), QStringLiteral("Quelltext bei Benutzung von RC"));
    EXPECT_TRUE(out->text().contains(QStringLiteral("//Deklarierung für Form Funktion\r\n")));
    EXPECT_TRUE(page(MainWindow::CppPage).text().contains(
        QStringLiteral("// Der folgende Text wurde von Varnosel TQX angefügt          //\r\n"
                       "// Korrigieren Sie ihn und entfernen Sie die Kommentarzeichen //\r\n")));
    EXPECT_EQ(dialogs->last().file.title, QStringLiteral("Datei speichern"));
    EXPECT_EQ(dialogs->last().file.filter,
              QStringLiteral("Recource Dateien |*.rc|Textdateien |*.txt|CPP Dateien |*.cpp"));

    ui.action("English1")->trigger();
    EXPECT_EQ(ui.outputControl<QToolButton>("SpeedButton2")->text(), QStringLiteral("Close Window"));
}

// --- The real window ----------------------------------------------------------------

TEST_F(OutputWindowTest, LayoutAndCloseWindowEndsTheModalShowing)
{
    EXPECT_EQ(out->size(), QSize(576, 330));
    // The buttons as wide as their longest caption needs ("Close Window"),
    // at least 81 pixels, and the bar 8 wider.
    const QRect add = ui.outputControl<QToolButton>("SpeedButton4")->geometry();
    EXPECT_EQ(add.topLeft(), QPoint(4, 120));
    EXPECT_EQ(add.height(), 49);
    EXPECT_GE(add.width(), std::max(81, ui.outputControl<QToolButton>("SpeedButton2")->sizeHint().width()));
    EXPECT_EQ(ui.outputControl<QWidget>("Panel1")->width(), add.width() + 8);
    EXPECT_EQ(ui.outputControl<QPlainTextEdit>("Memo1")->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_FALSE(ui.outputControl<QPlainTextEdit>("Memo1")->isReadOnly());
    EXPECT_EQ(ui.outputControl<QPlainTextEdit>("Memo1")->font().pixelSize(), 13);

    // Qt's own modal loop, closed by the button as a user would.
    QTimer::singleShot(0, out, [this] {
        EXPECT_TRUE(out->isVisible());
        ui.outputControl<QToolButton>("SpeedButton2")->click();
    });
    out->exec();
    EXPECT_FALSE(out->isVisible());
}
} // namespace
