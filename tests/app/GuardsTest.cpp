// The window never loses the user's work: files changed on disk are noticed
// and never written over unasked, and Extract leaves what is no literal.
#include "tests/support/FormFixture.h"
#include "uitext/GuardTexts.h"

#include <QSaveFile>

namespace {
const QByteArray kCpp = "#include \"MainForm.h\"\r\nvoid f() { ShowMessage(\"Hello\"); }\r\n";
const QByteArray kH = "class TForm1;\r\n";
const QByteArray kDfm = "object Form1: TForm1\r\nend\r\n";

QString guard(GuardText id, const QString &arg)
{
    return guardText(id, Language::English).arg(arg);
}
} // namespace

class Guards : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        writeUnit(QStringLiteral("Unit1"), kCpp, kH, kDfm);
        openUnit(QStringLiteral("Unit1.cpp"));
        dialogs->clear();
        ui.action("OnExtractFindNext2")->setChecked(false);
    }
    // Waits until the window asked every scripted question.
    void waitForQuestions() { EXPECT_TRUE(QTest::qWaitFor([this] { return dialogs->pending() == 0; }, 5000)); }
    // Changes a file as a shell (in place) or another editor (a new file renamed over it) would.
    void changeOnDisk(const QString &name, const QByteArray &bytes, bool renameOver)
    {
        if (!renameOver) {
            writeFile(name, bytes);
            return;
        }
        QSaveFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        ASSERT_TRUE(f.commit());
    }
};

// Each change is asked about at once; Yes reloads as one undo step, No keeps
// the window's text, unsaved. A file replaced by a rename stays watched.
TEST_F(Guards, AFileChangedOnDiskIsAskedAboutAtOnce)
{
    const struct
    {
        bool renameOver, edited;
        Dialogs::Button answer;
    } cases[] = {
        {false, false, Dialogs::Button::Yes},
        {true, false, Dialogs::Button::Yes},
        {true, true, Dialogs::Button::Yes},
        {false, true, Dialogs::Button::No},
        {true, false, Dialogs::Button::No},
    };
    const QString header = QStringLiteral("Unit1.h");
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "rename " << c.renameOver << " edited " << c.edited);
        writeFile(header, kH);
        dialogs->answerOpen(dir.filePath(header));
        if (!ui.saved(MainWindow::HeaderPage))
            dialogs->answerMessage(Dialogs::Button::No); // the Open question: drop the page
        form->run(Command::Open);
        showPage(MainWindow::HeaderPage);
        if (c.edited) {
            ui.checkBox("CheckBox1")->setChecked(false);
            ui.applyProtection();
            QTest::keyClicks(ui.editor(MainWindow::HeaderPage), QStringLiteral("// mine "));
        }
        const QString window = page(MainWindow::HeaderPage).text();
        for (const QByteArray &outside : {QByteArray("class TForm1;\r\nclass TForm2;\r\n"), QByteArray("struct X;\r\n")}) {
            const bool mine = !ui.saved(MainWindow::HeaderPage); // edits, or a change kept before
            dialogs->clear();
            dialogs->answerMessage(c.answer);
            changeOnDisk(header, outside, c.renameOver);
            waitForQuestions();
            EXPECT_EQ(dialogs->last().text, guard(mine ? GuardText::ChangedUnderEdits : GuardText::ChangedOnDisk, header));
            if (c.answer == Dialogs::Button::Yes) {
                EXPECT_EQ(page(MainWindow::HeaderPage).text(), QString::fromLatin1(outside));
                EXPECT_TRUE(ui.saved(MainWindow::HeaderPage));
            } else {
                EXPECT_EQ(page(MainWindow::HeaderPage).text(), window);
                EXPECT_FALSE(ui.saved(MainWindow::HeaderPage));
                EXPECT_EQ(readFile(header), outside);
            }
        }
        if (c.answer == Dialogs::Button::Yes) { // each reload is one step
            ui.action("Undo1")->trigger();
            EXPECT_EQ(page(MainWindow::HeaderPage).text(), QStringLiteral("class TForm1;\r\nclass TForm2;\r\n"));
            ui.action("Undo1")->trigger();
            EXPECT_EQ(page(MainWindow::HeaderPage).text(), window);
        }
    }
}

// Save All asks before it writes over a file changed on disk; No leaves it.
TEST_F(Guards, SaveAllAsksBeforeWritingOverAChangedFile)
{
    const QByteArray outside = kCpp + "// added in a shell\r\n";
    writeFile(QStringLiteral("Unit1.cpp"), outside);
    dialogs->answerMessage(Dialogs::Button::No);
    ui.action("SaveAll1")->trigger();
    EXPECT_EQ(dialogs->last().text, guard(GuardText::OverwriteChanged, QStringLiteral("Unit1.cpp")));
    EXPECT_EQ(readFile(QStringLiteral("Unit1.cpp")), outside);
    EXPECT_EQ(readFile(QStringLiteral("Unit1.h")), kH);

    dialogs->answerMessage(Dialogs::Button::Yes);
    ui.action("SaveAll1")->trigger();
    EXPECT_EQ(readFile(QStringLiteral("Unit1.cpp")), kCpp);
    QTest::qWait(300); // the notice of the change finds the file as written: no question
    EXPECT_EQ(dialogs->asked().size(), 2u);
}

// Find Next stops on what the panel calls no literal; Extract then refuses
// it and changes nothing. A real literal still goes.
TEST_F(Guards, ExtractRefusesWhatIsNoLiteral)
{
    const struct
    {
        QByteArray cpp;
        const char *reason; // nullptr: extracted
    } cases[] = {
        {kCpp, "preprocessor"},
        {"// say \"hi\" twice\r\nint a;\r\n", "comment"},
        {"char c = '\"'; f(\"x\");\r\n", "char-literal"},
        {"f(\"Hello\");\r\n", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.cpp.constData());
        writeFile(QStringLiteral("Unit1.cpp"), c.cpp);
        openUnit(QStringLiteral("Unit1.cpp"));
        dialogs->clear();
        QPlainTextEdit *cpp = ui.editor(MainWindow::CppPage);
        cpp->setFocus();
        QTest::keyClick(cpp, Qt::Key_N, Qt::ControlModifier); // Find Next
        ASSERT_GT(page(MainWindow::CppPage).selLength(), 0);
        if (c.reason)
            dialogs->answerMessage(Dialogs::Button::Ok);
        QTest::mouseClick(ui.button("ToolButton5"), Qt::LeftButton); // Extract
        if (c.reason) {
            EXPECT_EQ(dialogs->last().text, guard(GuardText::NotALiteral, QLatin1String(c.reason)));
            EXPECT_EQ(page(MainWindow::CppPage).text(), QString::fromLatin1(c.cpp));
            EXPECT_TRUE(ui.saved(MainWindow::CppPage));
            EXPECT_EQ(ui.listText(MainWindow::CppPage), QString());
        } else {
            EXPECT_TRUE(page(MainWindow::CppPage).text().contains(QLatin1String("String1")));
        }
    }
}

// String table identifiers are 16 bits: the entry that would pass 65535 is
// refused, the one that reaches it goes.
TEST_F(Guards, ExtractRefusesAStringIdentifierAbove65535)
{
    for (const int counter : {65435, 65434}) {
        writeFile(QStringLiteral("Unit1.cpp"), "f(\"Hello\");\r\n");
        openUnit(QStringLiteral("Unit1.cpp"));
        dialogs->clear();
        ui.setCounters({counter, 0, 0});
        ui.showCounter();
        QPlainTextEdit *cpp = ui.editor(MainWindow::CppPage);
        cpp->setFocus();
        QTest::keyClick(cpp, Qt::Key_N, Qt::ControlModifier); // Find Next
        if (counter == 65435)
            dialogs->answerMessage(Dialogs::Button::Ok);
        QTest::mouseClick(ui.button("ToolButton5"), Qt::LeftButton); // Extract
        if (counter == 65435) {
            EXPECT_EQ(dialogs->last().text, guardText(GuardText::IdAboveLimit, Language::English).arg(65536).arg(65535));
            EXPECT_EQ(page(MainWindow::CppPage).text(), QStringLiteral("f(\"Hello\");\r\n"));
            EXPECT_TRUE(ui.saved(MainWindow::CppPage));
            EXPECT_EQ(ui.listText(MainWindow::CppPage), QString());
        } else {
            EXPECT_TRUE(page(MainWindow::CppPage).text().contains(QLatin1String("String65435")));
        }
    }
}

// The unit is held by the window that opened it: another window (or a run of
// extract) is told who holds it and may open it read-only, pages protected
// and nothing saved until the holder lets go.
TEST_F(Guards, AUnitHeldElsewhereOpensReadOnlyOnRequest)
{
    MainWindow second;
    const MainWindowDriver other(second);
    const QString pid = QString::number(QCoreApplication::applicationPid());
    for (const Dialogs::Button answer : {Dialogs::Button::No, Dialogs::Button::Yes}) {
        dialogs->clear();
        dialogs->answerOpen(dir.filePath(QStringLiteral("Unit1.cpp"))).answerMessage(answer);
        second.run(Command::Open);
        EXPECT_TRUE(dialogs->last().text.contains(u'(' + QStringLiteral("process ") + pid + u')'))
            << dialogs->last().text.toStdString();
        EXPECT_EQ(other.baseName(), answer == Dialogs::Button::Yes ? QStringLiteral("Unit1") : QString());
    }
    EXPECT_TRUE(other.checkBox("CheckBox1")->isChecked());
    EXPECT_TRUE(other.editor(MainWindow::CppPage)->isReadOnly());

    other.page(MainWindow::CppPage).replace(0, 0, QStringLiteral("// second\r\n"));
    dialogs->answerMessage(Dialogs::Button::Ok); // the lock's holder, named
    other.action("SaveAll1")->trigger();
    EXPECT_TRUE(dialogs->last().text.contains(QLatin1String(".Unit1.vtqx-lock"))) << dialogs->last().text.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("Unit1.cpp")), kCpp);
    // Once the holder closed, the save takes the lock.
    EXPECT_TRUE(form->close());
    other.action("SaveAll1")->trigger();
    EXPECT_EQ(readFile(QStringLiteral("Unit1.cpp")), "// second\r\n" + kCpp);
}

// Open removes what a run killed in its commit left behind, and says so.
TEST_F(Guards, OpenCleansUpAfterAKilledRun)
{
    writeFile(QStringLiteral(".Unit1.vtqx-0a1b2c3d.tmp"), "half a source");
    dialogs->answerOpen(dir.filePath(QStringLiteral("Unit1.cpp"))).answerMessage(Dialogs::Button::Ok);
    form->run(Command::Open);
    EXPECT_EQ(dialogs->last().icon, Dialogs::Icon::Information);
    EXPECT_TRUE(dialogs->last().text.contains(QLatin1String("Unit1"))) << dialogs->last().text.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral(".Unit1.vtqx-0a1b2c3d.tmp"))));
}
