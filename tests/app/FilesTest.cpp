#include "EditorModel.h"
#include "FormFixture.h"
#include "Unit3.h"
#include "Paths.h"
#include "Vreg.h"
#include "Vstatus.h"

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
        form->CheckBox1->setChecked(false);
        form->CheckBox1Click();
        QTest::keyClicks(form->pageEditor(p), text);
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

    EXPECT_EQ(form->BaseName, QStringLiteral("Unit1"));
    EXPECT_EQ(form->BaseFolder, dir.path() + u'/');
    EXPECT_EQ(page(TForm1::CppPage).text(), QString::fromLatin1(kCpp));
    EXPECT_EQ(page(TForm1::HeaderPage).text(), QString::fromLatin1(kH));
    EXPECT_EQ(page(TForm1::DfmPage).text(), QString::fromLatin1(kDfm));
    EXPECT_EQ(form->Edit3->text(), QStringLiteral("Form1"));
    EXPECT_EQ(form->Saved, (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(form->PageControl1->currentIndex(), TForm1::CppPage);
    tick();
    EXPECT_EQ(form->VStatus1->Panel(0).Text(), QStringLiteral("Unit1.cpp"));
    EXPECT_EQ(form->VReg1->Pop(QStringLiteral("InitOpenDir")), dir.path());

    // The next Open starts in that folder; a dotted name keeps its inner dot.
    writeUnit(QStringLiteral("Unit1.old"), "a", "b", "c");
    openUnit(QStringLiteral("Unit1.old.h"));
    EXPECT_EQ(dialogs->last().file.initialDir, dir.path());
    EXPECT_EQ(form->BaseName, QStringLiteral("Unit1.old"));
    EXPECT_EQ(page(TForm1::DfmPage).text(), QStringLiteral("c"));
}

TEST_F(Files, OpenResetsCountersListsAndPositions)
{
    openStandardUnit();
    form->ResNumber = {5, 6, 7};
    form->showResNumber();
    EditorModel::of(form->Memo1).setText(QStringLiteral("String1 = \"x\""));
    form->ListSlot[TForm1::DfmPage] = QStringLiteral("old");
    form->LastEdit[TForm1::CppPage] = RowCol{3, 7};
    form->Edit1->setPlainText(QStringLiteral("kept"));
    openUnit(QStringLiteral("Unit1.cpp"));
    EXPECT_EQ(form->ResNumber, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(form->SpeedButton7->text(), QStringLiteral("0"));
    EXPECT_EQ(EditorModel::of(form->Memo1).text(), QString());
    EXPECT_EQ(form->ListSlot[TForm1::DfmPage], QString());
    EXPECT_EQ(form->LastEdit[TForm1::CppPage], RowCol{});
    EXPECT_EQ(form->Edit1->toPlainText(), QStringLiteral("kept"));
}

// Save All writes a page whose file was missing only once the user changed it.
TEST_F(Files, AMissingHeaderShowsTheFileMissingTextAndSaveAllCreatesItOnceChanged)
{
    writeFile(QStringLiteral("Unit1.cpp"), kCpp);
    writeFile(QStringLiteral("Unit1.dfm"), kDfm);
    form->German1Click();
    openUnit(QStringLiteral("Unit1.cpp"));
    EXPECT_EQ(page(TForm1::HeaderPage).text(), QStringLiteral("Datei nicht gefunden"));
    form->SaveAll1->trigger();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Unit1.h"))));
    EXPECT_EQ(readFile(QStringLiteral("Unit1.cpp")), kCpp);
    form->PageControl1->setCurrentIndex(TForm1::HeaderPage);
    form->CheckBox1->click(); // writable
    QTest::keyClicks(form->Memo3, QStringLiteral("// "));
    form->SaveAll1->trigger();
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
    EXPECT_TRUE(form->VStatus1->Panel(3).Text().contains(QLatin1String("Unit1.list.txt")));
    // Without the list the counter starts again: the warning says so.
    page(TForm1::CppPage).setSelection(18, 5);
    EditorModel::of(form->Edit1).setText(QStringLiteral("\"New\""));
    form->SpeedButton5Click(form->Extract1);
    EXPECT_TRUE(form->nameInUseWarning().contains(QLatin1String("String1")));
    form->undoAction->trigger();

    dialogs->answerOpen(dir.filePath(QStringLiteral("Unit1.list.txt")));
    form->OpenExtractionList1->trigger();
    EXPECT_EQ(EditorModel::of(form->Memo1).text(), QStringLiteral("String1 = \"Old\"\r\n"));
    EXPECT_EQ(form->ResNumber[TForm1::CppPage], 1);
    EXPECT_TRUE(form->nameInUseWarning().isEmpty());
    page(TForm1::CppPage).setSelection(18, 5);
    EditorModel::of(form->Edit1).setText(QStringLiteral("\"New\""));
    form->SpeedButton5Click(form->Extract1);
    EXPECT_EQ(page(TForm1::CppPage).text(), QStringLiteral("a = String1;\r\nb = String2;\r\nc = \"More\";\r\n"));
    EXPECT_TRUE(form->nameInUseWarning().isEmpty());
    form->undoAction->trigger();
    form->undoAction->trigger(); // the list's load
    EXPECT_EQ(EditorModel::of(form->Memo1).text(), QString());
    EXPECT_EQ(form->ResNumber[TForm1::CppPage], 0);

    // A file that is no list changes nothing.
    dialogs->clear();
    writeFile(QStringLiteral("bad.list.txt"), "String1 = \"a\"\r\nnot an entry\r\n");
    dialogs->answerOpen(dir.filePath(QStringLiteral("bad.list.txt"))).answerMessage(Dialogs::Button::Ok);
    form->OpenExtractionList1->trigger();
    ASSERT_EQ(dialogs->asked().size(), 2u);
    EXPECT_TRUE(dialogs->asked().back().text.contains(QLatin1String("bad.list.txt, line 2")));
    EXPECT_EQ(EditorModel::of(form->Memo1).text(), QString());
}

TEST_F(Files, RootObjectName)
{
    openStandardUnit();
    EXPECT_EQ(form->Edit3->text(), QStringLiteral("Form1"));
    // Empty form description: no line, the old name stays.
    writeUnit(QStringLiteral("Empty"), kCpp, kH, QByteArray());
    openUnit(QStringLiteral("Empty.cpp"));
    EXPECT_EQ(page(TForm1::DfmPage).text(), QString());
    EXPECT_EQ(form->Edit3->text(), QStringLiteral("Form1"));
    // Missing form description: its first line is the file-missing text.
    writeFile(QStringLiteral("NoDfm.cpp"), kCpp);
    openUnit(QStringLiteral("NoDfm.cpp"));
    EXPECT_EQ(form->Edit3->text(), QString());
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
        page(TForm1::DfmPage).setText(QString::fromLatin1(c.line));
        EXPECT_EQ(form->ObjectNameOfLine(0), QString::fromLatin1(c.object)) << c.line;
        EXPECT_EQ(form->ClassNameOfLine(0), QString::fromLatin1(c.klass)) << c.line;
    }
}

TEST_F(Files, ANameWithoutADotOpensNoUnit)
{
    writeFile(QStringLiteral("Makefile"), "all:\n");
    openUnit(QStringLiteral("Makefile"));
    EXPECT_EQ(form->BaseName, QString());
    EXPECT_EQ(page(TForm1::CppPage).text(), QStringLiteral("File Not Found"));
    form->SaveAll1Click();
    form->ToolButton12Click();
    form->SaveCPP1Click();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral(".cpp"))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Makefile")});
    // Save as still works.
    dialogs->answerSave(dir.filePath(QStringLiteral("Copy.cpp")));
    form->Saveas1Click();
    EXPECT_EQ(readFile(QStringLiteral("Copy.cpp")), QByteArray("File Not Found"));
}

TEST_F(Files, CancelOnTheSecondOpenPromptAfterYesOnTheFirst)
{
    openStandardUnit();
    type(TForm1::CppPage, QStringLiteral("X"));
    type(TForm1::HeaderPage, QStringLiteral("Y"));
    EXPECT_FALSE(form->Saved[TForm1::CppPage]);
    EXPECT_FALSE(form->Saved[TForm1::HeaderPage]);
    writeUnit(QStringLiteral("Other"), "o", "o", "object O: TO");
    dialogs->clear();
    dialogs->answerOpen(dir.filePath(QStringLiteral("Other.cpp")))
        .answerMessage(Dialogs::Button::Yes)
        .answerMessage(Dialogs::Button::Cancel);
    form->SpeedButton1Click();
    const auto &asked = dialogs->asked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1].caption, QStringLiteral("VTQX"));
    EXPECT_EQ(asked[1].text, QStringLiteral("CPP-File modified and not saved yet.\n\nDo you want to save it now?"));
    EXPECT_EQ(asked[1].icon, Dialogs::Icon::Question);
    EXPECT_EQ(asked[1].buttons, Dialogs::Buttons::YesNoCancel);
    EXPECT_EQ(asked[2].text, QStringLiteral("H-File modified and not saved yet.\n\nDo you want to save it now?"));
    EXPECT_TRUE(form->Saved[TForm1::CppPage]);
    EXPECT_FALSE(form->Saved[TForm1::HeaderPage]);
    EXPECT_TRUE(readFile(QStringLiteral("Unit1.cpp")).startsWith("X"));
    EXPECT_EQ(form->BaseName, QStringLiteral("Unit1"));
    EXPECT_TRUE(page(TForm1::HeaderPage).text().startsWith(u'Y'));
}

TEST_F(Files, NoToEveryClosePromptClosesWithoutSavingAndStoresOptions)
{
    openStandardUnit();
    type(TForm1::CppPage, QStringLiteral("1"));
    type(TForm1::HeaderPage, QStringLiteral("2"));
    type(TForm1::DfmPage, QStringLiteral("3"));
    form->CheckBox2->setChecked(false);
    dialogs->clear();
    dialogs->answerMessage(Dialogs::Button::No).answerMessage(Dialogs::Button::No).answerMessage(Dialogs::Button::No);
    EXPECT_TRUE(form->close());
    ASSERT_EQ(dialogs->asked().size(), 3u);
    EXPECT_EQ(dialogs->asked()[0].text, QStringLiteral("Unit1.cpp was not yet saved.\nDo you want to save changes now?"));
    EXPECT_EQ(dialogs->asked()[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(dialogs->asked()[2].text, QStringLiteral("Unit1.dfm was not yet saved.\nDo you want to save changes now?"));
    EXPECT_EQ(readFile(QStringLiteral("Unit1.cpp")), kCpp);
    EXPECT_EQ(readFile(QStringLiteral("Unit1.dfm")), kDfm);
    EXPECT_EQ(form->VReg1->Pop(QStringLiteral("CB1")), QStringLiteral("0"));
    EXPECT_EQ(form->VReg1->Pop(QStringLiteral("CB2")), QStringLiteral("0"));
    EXPECT_EQ(form->VReg1->Pop(QStringLiteral("RB1")), QStringLiteral("1"));
}

TEST_F(Files, CancelInTheCloseQueryKeepsTheWindowAndStoresNothing)
{
    openStandardUnit();
    type(TForm1::HeaderPage, QStringLiteral("z"));
    dialogs->answerMessage(Dialogs::Button::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->VReg1->Pop(QStringLiteral("CB1")), QString());
    // Yes saves and closes.
    dialogs->answerMessage(Dialogs::Button::Yes);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(readFile(QStringLiteral("Unit1.h")).startsWith("z"));
}

TEST_F(Files, SaveAsProposesThePageFileAndKeepsTheUnit)
{
    openStandardUnit();
    showPage(TForm1::DfmPage);
    type(TForm1::DfmPage, QStringLiteral("Q"));
    dialogs->answerSave(dir.filePath(QStringLiteral("sub.dfm")));
    form->Saveas1->trigger();
    const auto &q = dialogs->last();
    EXPECT_EQ(q.file.title, QStringLiteral("Save DFM"));
    EXPECT_EQ(q.file.filter, QStringLiteral("DFM Files |*.dfm;"));
    EXPECT_EQ(q.file.defaultExt, QStringLiteral(".dfm"));
    EXPECT_EQ(q.file.fileName, QStringLiteral("Unit1.dfm"));
    EXPECT_TRUE(q.file.options & Dialogs::OverwritePrompt);
    EXPECT_TRUE(readFile(QStringLiteral("sub.dfm")).startsWith("Q"));
    EXPECT_TRUE(form->Saved[TForm1::DfmPage]);
    EXPECT_EQ(form->BaseName, QStringLiteral("Unit1"));
    EXPECT_EQ(form->VReg1->Pop(QStringLiteral("InitSaveDir")), dir.path());
    // Cancelling the dialog changes nothing.
    dialogs->answerSave(std::nullopt);
    form->Saveas1Click();
}

TEST_F(Files, WithoutAUnitAYesAsksWhereToSave)
{
    type(TForm1::CppPage, QStringLiteral("draft"));
    writeUnit(QStringLiteral("Unit1"), kCpp, kH, kDfm);
    dialogs->answerOpen(dir.filePath(QStringLiteral("Unit1.cpp")))
        .answerMessage(Dialogs::Button::Yes)
        .answerSave(std::nullopt); // cancelling the save cancels the Open
    form->SpeedButton1Click();
    EXPECT_EQ(dialogs->asked()[2].kind, ScriptedDialogs::Kind::SaveFile);
    EXPECT_EQ(dialogs->asked()[2].file.title, QStringLiteral("Save C++"));
    EXPECT_EQ(form->BaseName, QString());
    EXPECT_FALSE(QFile::exists(QStringLiteral(".cpp")));
    dialogs->answerOpen(dir.filePath(QStringLiteral("Unit1.cpp")))
        .answerMessage(Dialogs::Button::Yes)
        .answerSave(dir.filePath(QStringLiteral("draft.cpp")));
    form->SpeedButton1Click();
    EXPECT_EQ(readFile(QStringLiteral("draft.cpp")), QByteArray("draft"));
    EXPECT_EQ(form->BaseName, QStringLiteral("Unit1"));
}

TEST_F(Files, APageThatCouldNotBeReadIsNeverSavedOverItsFile)
{
    writeFile(QStringLiteral("Unit1.cpp"), kCpp);
    QDir(dir.path()).mkdir(QStringLiteral("Unit1.h")); // exists, but is no file
    writeFile(QStringLiteral("Unit1.dfm"), kDfm);
    openUnit(QStringLiteral("Unit1.cpp"));
    EXPECT_EQ(page(TForm1::HeaderPage).text(), QStringLiteral("File Not Found"));
    dialogs->answerMessage(Dialogs::Button::Ok);
    form->SaveAll1->trigger();
    EXPECT_EQ(dialogs->last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("Unit1.h")));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("Unit1.h"))).isDir());
    // Save as still works for that page.
    showPage(TForm1::HeaderPage);
    dialogs->answerSave(dir.filePath(QStringLiteral("Unit1-copy.h")));
    form->Saveas1Click();
    EXPECT_EQ(readFile(QStringLiteral("Unit1-copy.h")), QByteArray("File Not Found"));
}

TEST_F(Files, ASaveIntoAReadOnlyFolderFailsCleanlyAndStopsSaveAll)
{
    openStandardUnit();
    type(TForm1::CppPage, QStringLiteral("A"));
    type(TForm1::HeaderPage, QStringLiteral("B"));
    type(TForm1::DfmPage, QStringLiteral("C"));
    // Root ignores permissions; an immutable folder stops it too.
    const bool root = geteuid() == 0;
    if (root) {
        if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), dir.path()}) != 0)
            GTEST_SKIP() << "cannot make a read-only folder here (chattr failed)";
    } else {
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    dialogs->answerMessage(Dialogs::Button::Ok);
    form->SaveAll1->trigger();
    if (root)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), dir.path()});
    else
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(dialogs->asked().size(), 2u);
    EXPECT_EQ(dialogs->last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("Unit1.cpp"))) << dialogs->last().text.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("Unit1.cpp")), kCpp);
    EXPECT_EQ(readFile(QStringLiteral("Unit1.h")), kH);
    EXPECT_EQ(form->Saved, (std::array<bool, 3>{false, false, false}));
}

TEST_F(Files, UpperCaseUnitFilesAreFoundAndSavedBack)
{
    writeFile(QStringLiteral("EDITFRM.CPP"), "c\r\n");
    writeFile(QStringLiteral("EDITFRM.H"), "h\r\n");
    writeFile(QStringLiteral("EDITFRM.DFM"), "object EditForm: TEditForm\r\nend\r\n");
    openUnit(QStringLiteral("EDITFRM.CPP"));
    EXPECT_EQ(page(TForm1::HeaderPage).text(), QStringLiteral("h\r\n"));
    EXPECT_EQ(form->Edit3->text(), QStringLiteral("EditForm"));
    type(TForm1::HeaderPage, QStringLiteral("x"));
    form->HSpeichern1->trigger();
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
        form->SpeedButton1Click();
        form->SaveAll1Click();
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
    form->Memo2->setFocus();
    QTest::keyClicks(form->Memo2, QStringLiteral("ab"));
    EXPECT_EQ(page(TForm1::CppPage).text(), QString::fromLatin1(kCpp));
    EXPECT_TRUE(form->Saved[TForm1::CppPage]);

    form->CheckBox1->click(); // protection off
    EXPECT_FALSE(form->Memo3->isReadOnly());
    QTest::keyClick(form->Memo2, Qt::Key_Right);
    EXPECT_TRUE(form->Saved[TForm1::CppPage]) << "moving the caret changes nothing";
    QTest::keyClick(form->Memo2, Qt::Key_Q);
    EXPECT_FALSE(form->Saved[TForm1::CppPage]);
    tick();
    EXPECT_EQ(form->VStatus1->Panel(0).Text(), QStringLiteral("Unit1.cpp (Modified)"));
    form->ToolButton12->click();
    EXPECT_TRUE(form->Saved[TForm1::CppPage]);
    tick();
    EXPECT_EQ(form->VStatus1->Panel(0).Text(), QStringLiteral("Unit1.cpp"));
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
    const auto selectSome = [this](QPlainTextEdit *) { page(TForm1::CppPage).setSelection(0, 3); };
    const auto typeAndSave = [this](QPlainTextEdit *e) {
        QTest::keyClick(e, Qt::Key_Q);
        form->ToolButton12->click();
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
             form->ToolButton12->click();
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
        showPage(TForm1::CppPage);
        form->CheckBox1->setChecked(false);
        form->CheckBox1Click();
        form->Memo2->setFocus();
        page(TForm1::CppPage).setSelection(0, 0);
        if (k.prepare)
            k.prepare(form->Memo2);
        ASSERT_TRUE(form->Saved[TForm1::CppPage]);
        const QString before = page(TForm1::CppPage).text();
        k.edit(form->Memo2);
        EXPECT_NE(page(TForm1::CppPage).text(), before) << "the edit did not happen";
        EXPECT_FALSE(form->Saved[TForm1::CppPage]);
        // The close query asks about it.
        dialogs->clear();
        dialogs->answerMessage(Dialogs::Button::Cancel);
        EXPECT_FALSE(form->close());
        EXPECT_EQ(dialogs->asked().size(), 1u);
        form->Saved = {true, true, true}; // the next row opens afresh
    }
}

TEST_F(Files, MouseSelectionGoesIntoTheFoundTextBox)
{
    page(TForm1::CppPage).setText(QStringLiteral("one\r\ntwo\r\nthree"));
    form->Edit1->setPlainText(QStringLiteral("old"));
    page(TForm1::CppPage).setSelection(2, 6);
    QTest::mouseRelease(form->Memo2->viewport(), Qt::LeftButton);
    EXPECT_EQ(EditorModel::of(form->Edit1).text(), QStringLiteral("e\r\ntwo"));
    // A click without dragging empties the box.
    QTest::mouseClick(form->Memo2->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(form->Edit1->toPlainText(), QString());
    // Keyboard selections are not copied.
    form->Edit1->setPlainText(QStringLiteral("kept"));
    QTest::keyClick(form->Memo2, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(form->Edit1->toPlainText(), QStringLiteral("kept"));
}

TEST_F(Files, PositionDisplay)
{
    page(TForm1::CppPage).setText(QStringLiteral("ab\r\ncd\r\nef"));
    page(TForm1::CppPage).setSelection(0, 0);
    tick();
    EXPECT_EQ(form->VStatus1->Panel(1).Text(), QStringLiteral("Row:1, Col:1"));
    EXPECT_EQ(form->VStatus1->Panel(2).Text(), QStringLiteral("Last Edit : 0, 0"));

    // Dragged downwards: row of the start, column against the caret's line.
    QTextCursor c(form->Memo2->document());
    c.setPosition(1);
    c.setPosition(7, QTextCursor::KeepAnchor);
    form->Memo2->setTextCursor(c);
    tick();
    EXPECT_EQ(form->Tracked[TForm1::CppPage], (RowCol{1, 1 - 8 + 1}));
    EXPECT_EQ(form->VStatus1->Panel(1).Text(), QStringLiteral("Row:1, Col:-6"));

    QString text;
    for (int i = 1; i <= 15; ++i)
        text += QStringLiteral("line %1\r\n").arg(i);
    page(TForm1::CppPage).setText(text);
    page(TForm1::CppPage).setSelection(page(TForm1::CppPage).lineIndex(11) + 4, 0);
    form->LastEdit[TForm1::CppPage] = RowCol{3, 7};
    form->German1Click();
    tick();
    EXPECT_EQ(form->VStatus1->Panel(1).Text(), QStringLiteral("Col: 5, Row: 12"));
    EXPECT_EQ(form->VStatus1->Panel(2).Text(), QStringLiteral("Zuletzt : 3, 7"));
    form->English1Click();
    tick();
    EXPECT_EQ(form->VStatus1->Panel(1).Text(), QStringLiteral("Row:12, Col:5"));
    EXPECT_EQ(form->VStatus1->Panel(2).Text(), QStringLiteral("Last Edit : 3, 7"));

    // Another page shows its own positions.
    showPage(TForm1::DfmPage);
    tick();
    EXPECT_EQ(form->VStatus1->Panel(1).Text(), QStringLiteral("Row:1, Col:1"));
    EXPECT_EQ(form->VStatus1->Panel(2).Text(), QStringLiteral("Last Edit : 0, 0"));
    EXPECT_EQ(form->Tracked[TForm1::CppPage], (RowCol{12, 5}));
}

TEST_F(Files, ToggleFoundSetsTheChangeCaption)
{
    form->CheckBox2->click();
    EXPECT_EQ(form->ToolButton3->text(), QStringLiteral("Change"));
    EXPECT_EQ(form->ChangeToggle1->text(), QStringLiteral("Change/Toggle"));
    form->German1Click();
    form->CheckBox2->click();
    EXPECT_EQ(form->ToolButton3->text(), QStringLiteral("Tauschen"));
    form->CheckBox2->click();
    EXPECT_EQ(form->ToolButton3->text(), QStringLiteral("Ändern"));
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
    form->Open1->trigger();
    form->SaveAll1->trigger();
    ::unlink(raw.constData());
    ASSERT_EQ(dialogs->asked().size(), 2u);
    EXPECT_EQ(dialogs->last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("UTF-8"))) << dialogs->last().text.toStdString();
    EXPECT_EQ(form->BaseName, QStringLiteral("Unit1")) << "the open unit stays";
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
    showPage(TForm1::HeaderPage);
    dialogs->answerSave(big.fileName()).answerMessage(Dialogs::Button::Ok);
    form->Saveas1->trigger();
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
        form->PromtEqualStrings2->setChecked(false);
        form->OnExtractFindNext2->setChecked(false);
    }
    void extractHello()
    {
        const int at = int(QString::fromLatin1(kCpp).indexOf(QStringLiteral("\"Hello\"")));
        page(TForm1::CppPage).setSelection(at, 7);
        EditorModel::of(form->Edit1).setText(QStringLiteral("\"Hello\""));
        form->ToolButton5->click();
        ASSERT_FALSE(EditorModel::of(form->Memo1).text().isEmpty());
    }
};

TEST_F(ListPrompts, TextsThatExistOnlyInTheListAreAskedForAfterThePages)
{
    // A page discarded unsaved loses nothing: its file still holds the literal.
    extractHello();
    dialogs->clear();
    dialogs->answerOpen(dir.filePath(QStringLiteral("Unit1.cpp"))).answerMessage(Dialogs::Button::No);
    form->SpeedButton1Click();
    EXPECT_EQ(dialogs->asked().size(), 2u);

    // Saved: the texts now live only in the list.
    extractHello();
    const QString list = EditorModel::of(form->Memo1).text();
    form->SaveCPP1->trigger();
    showPage(TForm1::DfmPage); // the list waits in its slot
    dialogs->clear();
    dialogs->answerMessage(Dialogs::Button::Cancel);
    EXPECT_FALSE(form->close());
    ASSERT_EQ(dialogs->asked().size(), 1u);
    EXPECT_EQ(dialogs->last().text, QStringLiteral("The extraction list of Unit1.cpp holds texts that were not "
                                                   "saved yet.\n\nDo you want to save them now?"));
    EXPECT_EQ(dialogs->last().buttons, Dialogs::Buttons::YesNoCancel);

    // Yes saves the list where the user says; cancelling that dialog stops.
    dialogs->answerMessage(Dialogs::Button::Yes).answerSave(std::nullopt);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(dialogs->last().file.fileName, QStringLiteral("Unit1.list.txt"));
    EXPECT_EQ(dialogs->last().file.title, QStringLiteral("Save Extraction List"));
    dialogs->answerMessage(Dialogs::Button::Yes).answerSave(dir.filePath(QStringLiteral("texts.txt")));
    EXPECT_TRUE(form->close());
    EXPECT_EQ(readFile(QStringLiteral("texts.txt")), list.toLatin1());
}

TEST_F(ListPrompts, AGeneratorsOutputWrittenOutAnswersForTheList)
{
    extractHello();
    form->SaveAll1->trigger();
    dialogs->clear();
    dialogs->answerModal([](QDialog *d) { static_cast<TForm3 *>(d)->SpeedButton3->click(); });
    form->CreateFormOnLoad1->trigger();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(dialogs->asked().size(), 1u) << "only the output window";
}
