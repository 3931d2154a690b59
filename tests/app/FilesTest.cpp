#include "platform/gui/EditorModel.h"
#include "tests/support/FormFixture.h"
#include "app/OutputWindow.h"
#include "platform/core/Paths.h"
#include "components/Vreg/Vreg.h"
#include "components/Vstatus/Vstatus.h"

#include <QCheckBox>
#include <QClipboard>
#include <QMimeData>
#include <QDirIterator>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTextCursor>

#include <fcntl.h>
#include <unistd.h>

namespace {
const QByteArray kCpp = "#include \"Unit1.h\"\r\nvoid f() { ShowMessage(\"Hello\"); }\r\n";
const QByteArray kH = "class TForm1;\r\n";
const QByteArray kDfm = "object Form1: TForm1\r\n  Caption = 'Main'\r\nend\r\n";
} // namespace

class Files : public FormFixture
{
protected:
    void openStandardUnit(const QString &choose = QStringLiteral("Unit1.cpp"))
    {
        writeUnit(QStringLiteral("Unit1"), kCpp, kH, kDfm);
        openUnit(choose);
    }
    void type(int p, const QString &text)
    {
        showPage(p);
        ui.checkBox("CheckBox1")->setChecked(false);
        ui.applyProtection();
        QTest::keyClicks(ui.editor(p), text);
    }
};

TEST_F(Files, ChoosingTheFormDescriptionOpensTheWholeUnit)
{
    openStandardUnit(QStringLiteral("Unit1.dfm"));
    const auto &q = dialogs->asked().front();
    EXPECT_EQ(q.file.title, QStringLiteral("Open Files"));
    EXPECT_EQ(q.file.filter, QStringLiteral("CPP Files |*.cpp;*.h;*.dfm"));
    EXPECT_EQ(q.file.defaultExt, QString());
    EXPECT_TRUE(q.file.options & Dialogs::FileMustExist);

    EXPECT_EQ(ui.baseName(), QStringLiteral("Unit1"));
    EXPECT_EQ(ui.baseFolder(), dir.path() + u'/');
    EXPECT_EQ(page(MainWindow::CppPage).text(), QString::fromLatin1(kCpp));
    EXPECT_EQ(page(MainWindow::HeaderPage).text(), QString::fromLatin1(kH));
    EXPECT_EQ(page(MainWindow::DfmPage).text(), QString::fromLatin1(kDfm));
    EXPECT_EQ(ui.root()->text(), QStringLiteral("Form1"));
    EXPECT_EQ(ui.savedPages(), (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(ui.pages()->currentIndex(), MainWindow::CppPage);
    tick();
    EXPECT_EQ(ui.statusBar()->Panel(0).Text(), QStringLiteral("Unit1.cpp"));
    EXPECT_EQ(ui.settings()->Pop(QStringLiteral("InitOpenDir")), dir.path());

    // The next Open starts in that folder; a dotted name keeps its inner dot.
    writeUnit(QStringLiteral("Unit1.old"), "a", "b", "c");
    openUnit(QStringLiteral("Unit1.old.h"));
    EXPECT_EQ(dialogs->last().file.initialDir, dir.path());
    EXPECT_EQ(ui.baseName(), QStringLiteral("Unit1.old"));
    EXPECT_EQ(page(MainWindow::DfmPage).text(), QStringLiteral("c"));
}

TEST_F(Files, OpenResetsCountersListsAndPositions)
{
    openStandardUnit();
    ui.setCounters({5, 6, 7});
    ui.showCounter();
    EditorModel::of(ui.list()).setText(QStringLiteral("String1 = \"x\""));
    ui.setListSlot(MainWindow::DfmPage, QStringLiteral("old"));
    ui.setLastEdit(MainWindow::CppPage, RowCol{3, 7});
    ui.found()->setPlainText(QStringLiteral("kept"));
    openUnit(QStringLiteral("Unit1.cpp"));
    EXPECT_EQ(ui.counters(), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(ui.button("SpeedButton7")->text(), QStringLiteral("0"));
    EXPECT_EQ(EditorModel::of(ui.list()).text(), QString());
    EXPECT_EQ(ui.listSlot(MainWindow::DfmPage), QString());
    EXPECT_EQ(ui.lastEdit(MainWindow::CppPage), RowCol{});
    EXPECT_EQ(ui.found()->toPlainText(), QStringLiteral("kept"));
}

// Save All writes a page whose file was missing only once the user changed it.
TEST_F(Files, AMissingHeaderShowsTheFileMissingTextAndSaveAllCreatesItOnceChanged)
{
    writeFile(QStringLiteral("Unit1.cpp"), kCpp);
    writeFile(QStringLiteral("Unit1.dfm"), kDfm);
    form->run(Command::German);
    openUnit(QStringLiteral("Unit1.cpp"));
    EXPECT_EQ(page(MainWindow::HeaderPage).text(), QStringLiteral("Datei nicht gefunden"));
    ui.action("SaveAll1")->trigger();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Unit1.h"))));
    EXPECT_EQ(readFile(QStringLiteral("Unit1.cpp")), kCpp);
    ui.pages()->setCurrentIndex(MainWindow::HeaderPage);
    ui.checkBox("CheckBox1")->click(); // writable
    QTest::keyClicks(ui.editor(MainWindow::HeaderPage), QStringLiteral("// "));
    ui.action("SaveAll1")->trigger();
    EXPECT_EQ(readFile(QStringLiteral("Unit1.h")), QByteArray("// Datei nicht gefunden"));
}

// A list beside the unit is hinted at Open and loads as one undo step; its
// numbers go on; a name the page used before is warned about.
TEST_F(Files, OpenExtractionListContinuesTheNumbersAsOneUndoStep)
{
    writeFile(QStringLiteral("Unit1.cpp"), "a = String1;\r\nb = \"New\";\r\nc = \"More\";\r\n");
    writeFile(QStringLiteral("Unit1.dfm"), kDfm);
    writeFile(QStringLiteral("Unit1.list.txt"), "String1 = \"Old\"\r\n");
    openUnit(QStringLiteral("Unit1.cpp"));
    EXPECT_TRUE(ui.button("ListBesideButton")->toolTip().contains(QLatin1String("Unit1.list.txt")));
    // Without the list the counter starts again: the warning says so.
    page(MainWindow::CppPage).setSelection(18, 5);
    EditorModel::of(ui.found()).setText(QStringLiteral("\"New\""));
    form->run(Command::Extract);
    EXPECT_TRUE(form->nameInUseWarning().contains(QLatin1String("String1")));
    ui.action("Undo1")->trigger();
    EXPECT_EQ(form->nameInUseWarning(), QString()); // the name went with the undo
    ui.action("Redo1")->trigger();
    EXPECT_TRUE(form->nameInUseWarning().contains(QLatin1String("String1")));
    ui.action("Undo1")->trigger();

    dialogs->answerOpen(dir.filePath(QStringLiteral("Unit1.list.txt")));
    ui.action("OpenExtractionList1")->trigger();
    EXPECT_EQ(EditorModel::of(ui.list()).text(), QStringLiteral("String1 = \"Old\"\r\n"));
    EXPECT_EQ(ui.counter(MainWindow::CppPage), 1);
    EXPECT_TRUE(form->nameInUseWarning().isEmpty());
    page(MainWindow::CppPage).setSelection(18, 5);
    EditorModel::of(ui.found()).setText(QStringLiteral("\"New\""));
    form->run(Command::Extract);
    EXPECT_EQ(page(MainWindow::CppPage).text(), QStringLiteral("a = String1;\r\nb = String2;\r\nc = \"More\";\r\n"));
    EXPECT_TRUE(form->nameInUseWarning().isEmpty());
    ui.action("Undo1")->trigger();
    ui.action("Undo1")->trigger(); // the list's load
    EXPECT_EQ(EditorModel::of(ui.list()).text(), QString());
    EXPECT_EQ(ui.counter(MainWindow::CppPage), 0);

    // A file that is no list changes nothing.
    dialogs->clear();
    writeFile(QStringLiteral("bad.list.txt"), "String1 = \"a\"\r\nnot an entry\r\n");
    dialogs->answerOpen(dir.filePath(QStringLiteral("bad.list.txt"))).answerMessage(Dialogs::Button::Ok);
    ui.action("OpenExtractionList1")->trigger();
    ASSERT_EQ(dialogs->asked().size(), 2u);
    EXPECT_TRUE(dialogs->asked().back().text.contains(QLatin1String("bad.list.txt, line 2")));
    EXPECT_EQ(EditorModel::of(ui.list()).text(), QString());
}

TEST_F(Files, RootObjectName)
{
    openStandardUnit();
    EXPECT_EQ(ui.root()->text(), QStringLiteral("Form1"));
    // Empty form description: no line, the old name stays.
    writeUnit(QStringLiteral("Empty"), kCpp, kH, QByteArray());
    openUnit(QStringLiteral("Empty.cpp"));
    EXPECT_EQ(page(MainWindow::DfmPage).text(), QString());
    EXPECT_EQ(ui.root()->text(), QStringLiteral("Form1"));
    // Missing form description: its first line is the file-missing text.
    writeFile(QStringLiteral("NoDfm.cpp"), kCpp);
    openUnit(QStringLiteral("NoDfm.cpp"));
    EXPECT_EQ(ui.root()->text(), QString());
}

TEST_F(Files, ObjectAndClassNamesOfALine)
{
    struct Case
    {
        const char *line, *object, *klass;
    };
    const Case cases[] = {
        {"object Form1: TForm1", "Form1", "TForm1"},
        {"    object Button1: TButton", "Button1", "TButton"},
        {"inherited Form2: TForm2", "", "TForm2"},
        {"  Caption = 'Main'", "", ""},
        {"object Ab", "Ab", ""},
        {"object objectMain: TForm1", "objectMain", "TForm1"}, // the root keeps its whole name
        {"Caption = 'object list'", "", ""},
        {"a:bc:de", "", "ce"}, // each ':' switches collecting on and skips one character
    };
    for (const Case &c : cases) {
        page(MainWindow::DfmPage).setText(QString::fromLatin1(c.line));
        EXPECT_EQ(ui.objectNameOfLine(0), QString::fromLatin1(c.object)) << c.line;
        EXPECT_EQ(ui.classNameOfLine(0), QString::fromLatin1(c.klass)) << c.line;
    }
}

TEST_F(Files, ANameWithoutADotOpensNoUnit)
{
    writeFile(QStringLiteral("Makefile"), "all:\n");
    openUnit(QStringLiteral("Makefile"));
    EXPECT_EQ(ui.baseName(), QString());
    EXPECT_EQ(page(MainWindow::CppPage).text(), QStringLiteral("File Not Found"));
    form->run(Command::SaveAll);
    form->run(Command::Save);
    form->run(Command::SaveCpp);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral(".cpp"))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Makefile")});
    // Save as still works.
    dialogs->answerSave(dir.filePath(QStringLiteral("Copy.cpp")));
    form->run(Command::SaveAs);
    EXPECT_EQ(readFile(QStringLiteral("Copy.cpp")), QByteArray("File Not Found"));
}

TEST_F(Files, CancelOnTheSecondOpenPromptAfterYesOnTheFirst)
{
    openStandardUnit();
    type(MainWindow::CppPage, QStringLiteral("X"));
    type(MainWindow::HeaderPage, QStringLiteral("Y"));
    EXPECT_FALSE(ui.saved(MainWindow::CppPage));
    EXPECT_FALSE(ui.saved(MainWindow::HeaderPage));
    writeUnit(QStringLiteral("Other"), "o", "o", "object O: TO");
    dialogs->clear();
    dialogs->answerOpen(dir.filePath(QStringLiteral("Other.cpp")))
        .answerMessage(Dialogs::Button::Yes)
        .answerMessage(Dialogs::Button::Cancel);
    form->run(Command::Open);
    const auto &asked = dialogs->asked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1].caption, QStringLiteral("VTQX"));
    EXPECT_EQ(asked[1].text, QStringLiteral("CPP-File modified and not saved yet.\n\nDo you want to save it now?"));
    EXPECT_EQ(asked[1].icon, Dialogs::Icon::Question);
    EXPECT_EQ(asked[1].buttons, Dialogs::Buttons::YesNoCancel);
    EXPECT_EQ(asked[2].text, QStringLiteral("H-File modified and not saved yet.\n\nDo you want to save it now?"));
    EXPECT_TRUE(ui.saved(MainWindow::CppPage));
    EXPECT_FALSE(ui.saved(MainWindow::HeaderPage));
    EXPECT_TRUE(readFile(QStringLiteral("Unit1.cpp")).startsWith("X"));
    EXPECT_EQ(ui.baseName(), QStringLiteral("Unit1"));
    EXPECT_TRUE(page(MainWindow::HeaderPage).text().startsWith(u'Y'));
}

TEST_F(Files, NoToEveryClosePromptClosesWithoutSavingAndStoresOptions)
{
    openStandardUnit();
    type(MainWindow::CppPage, QStringLiteral("1"));
    type(MainWindow::HeaderPage, QStringLiteral("2"));
    type(MainWindow::DfmPage, QStringLiteral("3"));
    ui.checkBox("CheckBox2")->setChecked(false);
    dialogs->clear();
    dialogs->answerMessage(Dialogs::Button::No).answerMessage(Dialogs::Button::No).answerMessage(Dialogs::Button::No);
    EXPECT_TRUE(form->close());
    ASSERT_EQ(dialogs->asked().size(), 3u);
    EXPECT_EQ(dialogs->asked()[0].text, QStringLiteral("Unit1.cpp was not yet saved.\nDo you want to save changes now?"));
    EXPECT_EQ(dialogs->asked()[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(dialogs->asked()[2].text, QStringLiteral("Unit1.dfm was not yet saved.\nDo you want to save changes now?"));
    EXPECT_EQ(readFile(QStringLiteral("Unit1.cpp")), kCpp);
    EXPECT_EQ(readFile(QStringLiteral("Unit1.dfm")), kDfm);
    EXPECT_EQ(ui.settings()->Pop(QStringLiteral("CB1")), QStringLiteral("0"));
    EXPECT_EQ(ui.settings()->Pop(QStringLiteral("CB2")), QStringLiteral("0"));
    EXPECT_EQ(ui.settings()->Pop(QStringLiteral("RB1")), QStringLiteral("1"));
}

TEST_F(Files, CancelInTheCloseQueryKeepsTheWindowAndStoresNothing)
{
    openStandardUnit();
    type(MainWindow::HeaderPage, QStringLiteral("z"));
    dialogs->answerMessage(Dialogs::Button::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ui.settings()->Pop(QStringLiteral("CB1")), QString());
    // Yes saves and closes.
    dialogs->answerMessage(Dialogs::Button::Yes);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(readFile(QStringLiteral("Unit1.h")).startsWith("z"));
}

TEST_F(Files, SaveAsProposesThePageFileAndKeepsTheUnit)
{
    openStandardUnit();
    showPage(MainWindow::DfmPage);
    type(MainWindow::DfmPage, QStringLiteral("Q"));
    dialogs->answerSave(dir.filePath(QStringLiteral("sub.dfm")));
    ui.action("Saveas1")->trigger();
    const auto &q = dialogs->last();
    EXPECT_EQ(q.file.title, QStringLiteral("Save DFM"));
    EXPECT_EQ(q.file.filter, QStringLiteral("DFM Files |*.dfm;"));
    EXPECT_EQ(q.file.defaultExt, QStringLiteral(".dfm"));
    EXPECT_EQ(q.file.fileName, QStringLiteral("Unit1.dfm"));
    EXPECT_TRUE(q.file.options & Dialogs::OverwritePrompt);
    EXPECT_TRUE(readFile(QStringLiteral("sub.dfm")).startsWith("Q"));
    EXPECT_TRUE(ui.saved(MainWindow::DfmPage));
    EXPECT_EQ(ui.baseName(), QStringLiteral("Unit1"));
    EXPECT_EQ(ui.settings()->Pop(QStringLiteral("InitSaveDir")), dir.path());
    // Cancelling the dialog changes nothing.
    dialogs->answerSave(std::nullopt);
    form->run(Command::SaveAs);
}

TEST_F(Files, WithoutAUnitAYesAsksWhereToSave)
{
    type(MainWindow::CppPage, QStringLiteral("draft"));
    writeUnit(QStringLiteral("Unit1"), kCpp, kH, kDfm);
    dialogs->answerOpen(dir.filePath(QStringLiteral("Unit1.cpp")))
        .answerMessage(Dialogs::Button::Yes)
        .answerSave(std::nullopt); // cancelling the save cancels the Open
    form->run(Command::Open);
    EXPECT_EQ(dialogs->asked()[2].kind, ScriptedDialogs::Kind::SaveFile);
    EXPECT_EQ(dialogs->asked()[2].file.title, QStringLiteral("Save C++"));
    EXPECT_EQ(ui.baseName(), QString());
    EXPECT_FALSE(QFile::exists(QStringLiteral(".cpp")));
    dialogs->answerOpen(dir.filePath(QStringLiteral("Unit1.cpp")))
        .answerMessage(Dialogs::Button::Yes)
        .answerSave(dir.filePath(QStringLiteral("draft.cpp")));
    form->run(Command::Open);
    EXPECT_EQ(readFile(QStringLiteral("draft.cpp")), QByteArray("draft"));
    EXPECT_EQ(ui.baseName(), QStringLiteral("Unit1"));
}

TEST_F(Files, APageThatCouldNotBeReadIsNeverSavedOverItsFile)
{
    writeFile(QStringLiteral("Unit1.cpp"), kCpp);
    QDir(dir.path()).mkdir(QStringLiteral("Unit1.h")); // exists, but is no file
    writeFile(QStringLiteral("Unit1.dfm"), kDfm);
    openUnit(QStringLiteral("Unit1.cpp"));
    EXPECT_EQ(page(MainWindow::HeaderPage).text(), QStringLiteral("File Not Found"));
    dialogs->answerMessage(Dialogs::Button::Ok);
    ui.action("SaveAll1")->trigger();
    EXPECT_EQ(dialogs->last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("Unit1.h")));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("Unit1.h"))).isDir());
    // Save as still works for that page.
    showPage(MainWindow::HeaderPage);
    dialogs->answerSave(dir.filePath(QStringLiteral("Unit1-copy.h")));
    form->run(Command::SaveAs);
    EXPECT_EQ(readFile(QStringLiteral("Unit1-copy.h")), QByteArray("File Not Found"));
}

TEST_F(Files, ASaveIntoAReadOnlyFolderFailsCleanlyAndStopsSaveAll)
{
    openStandardUnit();
    type(MainWindow::CppPage, QStringLiteral("A"));
    type(MainWindow::HeaderPage, QStringLiteral("B"));
    type(MainWindow::DfmPage, QStringLiteral("C"));
    // Root ignores permissions; an immutable folder stops it too.
    const bool root = geteuid() == 0;
    if (root) {
        if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), dir.path()}) != 0)
            GTEST_SKIP() << "cannot make a read-only folder here (chattr failed)";
    } else {
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    dialogs->answerMessage(Dialogs::Button::Ok);
    ui.action("SaveAll1")->trigger();
    if (root)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), dir.path()});
    else
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(dialogs->asked().size(), 2u);
    EXPECT_EQ(dialogs->last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("Unit1.cpp"))) << dialogs->last().text.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("Unit1.cpp")), kCpp);
    EXPECT_EQ(readFile(QStringLiteral("Unit1.h")), kH);
    EXPECT_EQ(ui.savedPages(), (std::array<bool, 3>{false, false, false}));
}

TEST_F(Files, UpperCaseUnitFilesAreFoundAndSavedBack)
{
    writeFile(QStringLiteral("EDITFRM.CPP"), "c\r\n");
    writeFile(QStringLiteral("EDITFRM.H"), "h\r\n");
    writeFile(QStringLiteral("EDITFRM.DFM"), "object EditForm: TEditForm\r\nend\r\n");
    openUnit(QStringLiteral("EDITFRM.CPP"));
    EXPECT_EQ(page(MainWindow::HeaderPage).text(), QStringLiteral("h\r\n"));
    EXPECT_EQ(ui.root()->text(), QStringLiteral("EditForm"));
    type(MainWindow::HeaderPage, QStringLiteral("x"));
    ui.action("HSpeichern1")->trigger();
    EXPECT_EQ(readFile(QStringLiteral("EDITFRM.H")), QByteArray("xh\r\n"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("EDITFRM.h"))));
}

// Every unit under the shared folder comes back byte for byte (CR LF files)
// or with CR LF line breaks and otherwise unchanged (LF files).
TEST_F(Files, RealUnitsRoundTrip)
{
    const QString units = QStringLiteral(VTQX_SHARED_DIR "/units");
    if (!QFileInfo(units).isDir())
        GTEST_SKIP() << "no shared units at " << units.toStdString();
    int checked = 0;
    QDirIterator it(units, {QStringLiteral("*.cpp"), QStringLiteral("*.CPP")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo cpp(it.next());
        const QString base = cpp.completeBaseName();
        QStringList names;
        for (const QString &e : QDir(cpp.path()).entryList(QDir::Files))
            if (QFileInfo(e).completeBaseName() == base)
                names << e;
        QTemporaryDir work;
        for (const QString &n : names)
            ASSERT_TRUE(QFile::copy(cpp.path() + u'/' + n, work.filePath(n)));
        dialogs->answerOpen(work.filePath(cpp.fileName()));
        form->run(Command::Open);
        form->run(Command::SaveAll);
        for (const QString &n : names) {
            QFile a(cpp.path() + u'/' + n), b(work.filePath(n));
            ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            // Every line break comes back as CR LF; nothing else changes.
            QByteArray expected = a.readAll();
            expected.replace("\r\n", "\n").replace("\n", "\r\n");
            EXPECT_TRUE(b.readAll() == expected) << cpp.path().toStdString() << "/" << n.toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 30);
}

// ---------------------------------------------------------------------------
// Editor views and the status bar

TEST_F(Files, ProtectionDecidesWhetherTypingChangesAndMarksThePage)
{
    openStandardUnit();
    ui.editor(MainWindow::CppPage)->setFocus();
    QTest::keyClicks(ui.editor(MainWindow::CppPage), QStringLiteral("ab"));
    EXPECT_EQ(page(MainWindow::CppPage).text(), QString::fromLatin1(kCpp));
    EXPECT_TRUE(ui.saved(MainWindow::CppPage));

    ui.checkBox("CheckBox1")->click(); // protection off
    EXPECT_FALSE(ui.editor(MainWindow::HeaderPage)->isReadOnly());
    QTest::keyClick(ui.editor(MainWindow::CppPage), Qt::Key_Right);
    EXPECT_TRUE(ui.saved(MainWindow::CppPage)) << "moving the caret changes nothing";
    QTest::keyClick(ui.editor(MainWindow::CppPage), Qt::Key_Q);
    EXPECT_FALSE(ui.saved(MainWindow::CppPage));
    tick();
    EXPECT_EQ(ui.statusBar()->Panel(0).Text(), QStringLiteral("Unit1.cpp (Modified)"));
    ui.button("ToolButton12")->click();
    EXPECT_TRUE(ui.saved(MainWindow::CppPage));
    tick();
    EXPECT_EQ(ui.statusBar()->Panel(0).Text(), QStringLiteral("Unit1.cpp"));
}

// Every change the user makes to a writable page marks it, whatever way the
// editor offers for making it.
TEST_F(Files, EveryUserChangeOfAWritablePageMarksIt)
{
    using Step = std::function<void(QPlainTextEdit *)>;
    const auto contextMenu = [](const char *name) {
        return [name](QPlainTextEdit *e) {
            std::unique_ptr<QMenu> menu(e->createStandardContextMenu());
            QAction *a = menu->findChild<QAction *>(QLatin1String(name));
            ASSERT_NE(a, nullptr) << name;
            a->trigger();
        };
    };
    const auto selectSome = [this](QPlainTextEdit *) { page(MainWindow::CppPage).setSelection(0, 3); };
    const auto typeAndSave = [this](QPlainTextEdit *e) {
        QTest::keyClick(e, Qt::Key_Q);
        ui.button("ToolButton12")->click();
    };
    struct Kind
    {
        const char *name;
        Step prepare;
        Step edit;
    };
    const Kind kinds[] = {
        {"Delete", {}, [](QPlainTextEdit *e) { QTest::keyClick(e, Qt::Key_Delete); }},
        {"Backspace on a selection", selectSome,
         [](QPlainTextEdit *e) { QTest::keyClick(e, Qt::Key_Backspace); }},
        {"context menu Cut", selectSome, contextMenu("edit-cut")},
        {"context menu Delete", selectSome, contextMenu("edit-delete")},
        {"context menu Paste", [](QPlainTextEdit *) { QApplication::clipboard()->setText(QStringLiteral("P")); },
         contextMenu("edit-paste")},
        {"context menu Undo after a save", typeAndSave, contextMenu("edit-undo")},
        {"context menu Redo after a save",
         [this](QPlainTextEdit *e) {
             QTest::keyClick(e, Qt::Key_Q);
             QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier);
             ui.button("ToolButton12")->click();
         },
         contextMenu("edit-redo")},
        {"drag and drop", {},
         [](QPlainTextEdit *e) {
             QMimeData mime;
             mime.setText(QStringLiteral("D"));
             const QPoint at(4, 4);
             QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(e->viewport(), &enter);
             QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(e->viewport(), &move);
             QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(e->viewport(), &drop);
         }},
        {"middle-click paste", {},
         [](QPlainTextEdit *e) {
             QApplication::clipboard()->setText(QStringLiteral("M"), QClipboard::Selection);
             QTest::mouseClick(e->viewport(), Qt::MiddleButton, {}, QPoint(4, 4));
         }},
        {"composed character", {},
         [](QPlainTextEdit *e) {
             QInputMethodEvent compose;
             compose.setCommitString(QStringLiteral("é"));
             QApplication::sendEvent(e, &compose);
         }},
    };
    for (const Kind &k : kinds) {
        SCOPED_TRACE(k.name);
        if (QString::fromLatin1(k.name).startsWith(u"middle") && !QApplication::clipboard()->supportsSelection())
            continue; // no selection clipboard on this platform
        openStandardUnit();
        showPage(MainWindow::CppPage);
        ui.checkBox("CheckBox1")->setChecked(false);
        ui.applyProtection();
        ui.editor(MainWindow::CppPage)->setFocus();
        page(MainWindow::CppPage).setSelection(0, 0);
        if (k.prepare)
            k.prepare(ui.editor(MainWindow::CppPage));
        ASSERT_TRUE(ui.saved(MainWindow::CppPage));
        const QString before = page(MainWindow::CppPage).text();
        k.edit(ui.editor(MainWindow::CppPage));
        EXPECT_NE(page(MainWindow::CppPage).text(), before) << "the edit did not happen";
        EXPECT_FALSE(ui.saved(MainWindow::CppPage));
        // The close query asks about it.
        dialogs->clear();
        dialogs->answerMessage(Dialogs::Button::Cancel);
        EXPECT_FALSE(form->close());
        EXPECT_EQ(dialogs->asked().size(), 1u);
        ui.setSavedPages({true, true, true}); // the next row opens afresh
    }
}

TEST_F(Files, MouseSelectionGoesIntoTheFoundTextBox)
{
    page(MainWindow::CppPage).setText(QStringLiteral("one\r\ntwo\r\nthree"));
    ui.found()->setPlainText(QStringLiteral("old"));
    page(MainWindow::CppPage).setSelection(2, 6);
    QTest::mouseRelease(ui.editor(MainWindow::CppPage)->viewport(), Qt::LeftButton);
    EXPECT_EQ(EditorModel::of(ui.found()).text(), QStringLiteral("e\r\ntwo"));
    // A click without dragging empties the box.
    QTest::mouseClick(ui.editor(MainWindow::CppPage)->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(ui.found()->toPlainText(), QString());
    // Keyboard selections are not copied.
    ui.found()->setPlainText(QStringLiteral("kept"));
    QTest::keyClick(ui.editor(MainWindow::CppPage), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(ui.found()->toPlainText(), QStringLiteral("kept"));
}

TEST_F(Files, PositionDisplay)
{
    page(MainWindow::CppPage).setText(QStringLiteral("ab\r\ncd\r\nef"));
    page(MainWindow::CppPage).setSelection(0, 0);
    tick();
    EXPECT_EQ(ui.statusBar()->Panel(1).Text(), QStringLiteral("Row:1, Col:1"));
    EXPECT_EQ(ui.statusBar()->Panel(2).Text(), QStringLiteral("Last Edit : 0, 0"));

    // Dragged downwards: row of the start, column against the caret's line.
    QTextCursor c(ui.editor(MainWindow::CppPage)->document());
    c.setPosition(1);
    c.setPosition(7, QTextCursor::KeepAnchor);
    ui.editor(MainWindow::CppPage)->setTextCursor(c);
    tick();
    EXPECT_EQ(ui.tracked(MainWindow::CppPage), (RowCol{1, 1 - 8 + 1}));
    EXPECT_EQ(ui.statusBar()->Panel(1).Text(), QStringLiteral("Row:1, Col:-6"));

    QString text;
    for (int i = 1; i <= 15; ++i)
        text += QStringLiteral("line %1\r\n").arg(i);
    page(MainWindow::CppPage).setText(text);
    page(MainWindow::CppPage).setSelection(page(MainWindow::CppPage).lineIndex(11) + 4, 0);
    ui.setLastEdit(MainWindow::CppPage, RowCol{3, 7});
    form->run(Command::German);
    tick();
    EXPECT_EQ(ui.statusBar()->Panel(1).Text(), QStringLiteral("Col: 5, Row: 12"));
    EXPECT_EQ(ui.statusBar()->Panel(2).Text(), QStringLiteral("Zuletzt : 3, 7"));
    form->run(Command::English);
    tick();
    EXPECT_EQ(ui.statusBar()->Panel(1).Text(), QStringLiteral("Row:12, Col:5"));
    EXPECT_EQ(ui.statusBar()->Panel(2).Text(), QStringLiteral("Last Edit : 3, 7"));

    // Another page shows its own positions.
    showPage(MainWindow::DfmPage);
    tick();
    EXPECT_EQ(ui.statusBar()->Panel(1).Text(), QStringLiteral("Row:1, Col:1"));
    EXPECT_EQ(ui.statusBar()->Panel(2).Text(), QStringLiteral("Last Edit : 0, 0"));
    EXPECT_EQ(ui.tracked(MainWindow::CppPage), (RowCol{12, 5}));
}

TEST_F(Files, ToggleFoundSetsTheChangeCaption)
{
    ui.checkBox("CheckBox2")->click();
    EXPECT_EQ(ui.button("ToolButton3")->text(), QStringLiteral("Change"));
    EXPECT_EQ(ui.action("ChangeToggle1")->text(), QStringLiteral("Change/Toggle"));
    form->run(Command::German);
    ui.checkBox("CheckBox2")->click();
    EXPECT_EQ(ui.button("ToolButton3")->text(), QStringLiteral("Tauschen"));
    ui.checkBox("CheckBox2")->click();
    EXPECT_EQ(ui.button("ToolButton3")->text(), QStringLiteral("Ändern"));
}

// ---------------------------------------------------------------------------
// Names, write-overs and the extraction list in the prompts

TEST_F(Files, ANameThatIsNotUtf8IsRefusedAndNoOtherFileIsCreated)
{
    openStandardUnit();
    const QByteArray raw = QFile::encodeName(dir.path()) + "/Other\xFF.cpp";
    const int fd = ::open(raw.constData(), O_CREAT | O_WRONLY, 0644);
    if (fd < 0)
        GTEST_SKIP() << "the file system takes no such name";
    ::close(fd);
    dialogs->clear();
    dialogs->answerOpen(QFile::decodeName(raw)).answerMessage(Dialogs::Button::Ok);
    ui.action("Open1")->trigger();
    ui.action("SaveAll1")->trigger();
    ::unlink(raw.constData());
    ASSERT_EQ(dialogs->asked().size(), 2u);
    EXPECT_EQ(dialogs->last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("UTF-8"))) << dialogs->last().text.toStdString();
    EXPECT_EQ(ui.baseName(), QStringLiteral("Unit1")) << "the open unit stays";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST_F(Files, SaveAsRefusesTheFileThePageFailedToRead)
{
    writeFile(QStringLiteral("Unit1.cpp"), kCpp);
    writeFile(QStringLiteral("Unit1.dfm"), kDfm);
    QFile big(dir.filePath(QStringLiteral("Unit1.h")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(64ll * 1024 * 1024 + 1)); // sparse
    big.close();
    openUnit(QStringLiteral("Unit1.cpp"));
    showPage(MainWindow::HeaderPage);
    dialogs->answerSave(big.fileName()).answerMessage(Dialogs::Button::Ok);
    ui.action("Saveas1")->trigger();
    EXPECT_EQ(dialogs->last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("Unit1.h")));
    EXPECT_EQ(QFileInfo(big.fileName()).size(), 64ll * 1024 * 1024 + 1);
}

class ListPrompts : public Files
{
protected:
    void SetUp() override
    {
        Files::SetUp();
        openStandardUnit();
        ui.action("PromtEqualStrings2")->setChecked(false);
        ui.action("OnExtractFindNext2")->setChecked(false);
    }
    void extractHello()
    {
        const int at = int(QString::fromLatin1(kCpp).indexOf(QStringLiteral("\"Hello\"")));
        page(MainWindow::CppPage).setSelection(at, 7);
        EditorModel::of(ui.found()).setText(QStringLiteral("\"Hello\""));
        ui.button("ToolButton5")->click();
        ASSERT_FALSE(EditorModel::of(ui.list()).text().isEmpty());
    }
};

TEST_F(ListPrompts, TextsThatExistOnlyInTheListAreAskedForAfterThePages)
{
    // A page discarded unsaved loses nothing: its file still holds the literal.
    extractHello();
    dialogs->clear();
    dialogs->answerOpen(dir.filePath(QStringLiteral("Unit1.cpp"))).answerMessage(Dialogs::Button::No);
    form->run(Command::Open);
    EXPECT_EQ(dialogs->asked().size(), 2u);

    // Saved: the texts now live only in the list.
    extractHello();
    const QString list = EditorModel::of(ui.list()).text();
    ui.action("SaveCPP1")->trigger();
    showPage(MainWindow::DfmPage); // the list waits in its slot
    dialogs->clear();
    dialogs->answerMessage(Dialogs::Button::Cancel);
    EXPECT_FALSE(form->close());
    ASSERT_EQ(dialogs->asked().size(), 1u);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("The extraction list of Unit1.cpp holds texts that were not "
                                                   "saved yet.\n\nDo you want to save them now?"));
    EXPECT_EQ(dialogs->last().buttons, Dialogs::Buttons::YesNoCancel);

    // Yes saves the list where the user says, starting beside the unit;
    // cancelling that dialog stops.
    ui.settings()->Push(QStringLiteral("InitSaveDir"), QStringLiteral("/elsewhere"));
    dialogs->answerMessage(Dialogs::Button::Yes).answerSave(std::nullopt);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(dialogs->last().file.initialDir, ui.baseFolder());
    EXPECT_EQ(dialogs->last().file.fileName, QStringLiteral("Unit1.list.txt"));
    EXPECT_EQ(dialogs->last().file.title, QStringLiteral("Save Extraction List"));
    dialogs->answerMessage(Dialogs::Button::Yes).answerSave(dir.filePath(QStringLiteral("texts.txt")));
    EXPECT_TRUE(form->close());
    EXPECT_EQ(readFile(QStringLiteral("texts.txt")), list.toLatin1());
}

TEST_F(ListPrompts, AGeneratorsOutputWrittenOutAnswersForTheList)
{
    extractHello();
    ui.action("SaveAll1")->trigger();
    dialogs->clear();
    dialogs->answerModal([this](QDialog *) { ui.outputControl<QToolButton>("SpeedButton3")->click(); });
    ui.action("CreateFormOnLoad1")->trigger();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(dialogs->asked().size(), 1u) << "only the output window";
}
