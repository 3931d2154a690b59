// Extract, Extract C and the number button, driven through the main window.
#include "tests/support/FormFixture.h"
#include "tests/support/CaseName.h"

#include <QAction>
#include <QLineEdit>
#include <QToolButton>

#include <limits>

namespace {
const QString kCpp = QStringLiteral("void __fastcall TForm1::Button1Click(TObject *Sender)\r\n"
                                    "{\r\n"
                                    "  Label1->Caption = \"Hello\";\r\n"
                                    "}\r\n");

const QString kDfm = QStringLiteral("object Form1: TForm1\r\n"
                                    "  Caption = 'Main'\r\n"
                                    "  object Label1: TLabel\r\n"
                                    "    Caption = 'Hello'\r\n"
                                    "    Font.Name = 'Arial'\r\n"
                                    "    Hint = \r\n"
                                    "      'second part' +\r\n"
                                    "      'Hello. World' +\r\n"
                                    "      'x'\r\n"
                                    "  end\r\n"
                                    "end\r\n");

class ExtractWindow : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        ui.setBaseName(QStringLiteral("Unit1"));
        ui.root()->setText(QStringLiteral("Form1"));
        ui.action("PromtEqualStrings2")->setChecked(false);
        ui.action("OnExtractFindNext2")->setChecked(false);
        form->run(Command::GlobalStrings);
    }

    EditorModel &list() { return EditorModel::of(ui.list()); }
    QString found() { return EditorModel::of(ui.found()).text(); }

    // Selects the n-th occurrence of what on page p and puts it into the
    // found text box, as Find Next would.
    void select(int p, const QString &what, int n = 0)
    {
        const QString text = page(p).text();
        qsizetype at = -1;
        for (int i = 0; i <= n; ++i)
            at = text.indexOf(what, at + 1);
        ASSERT_GE(at, 0) << what.toStdString();
        page(p).setSelection(int(at), int(what.size()));
        EditorModel::of(ui.found()).setText(what);
    }

    void setUpCpp(int counter = 2)
    {
        page(MainWindow::CppPage).setText(kCpp);
        ui.setCounter(MainWindow::CppPage, counter);
        ui.showCounter();
        select(MainWindow::CppPage, QStringLiteral("\"Hello\""));
    }

    void setUpDfm()
    {
        page(MainWindow::DfmPage).setText(kDfm);
        showPage(MainWindow::DfmPage);
    }

    QStringList listLines() { return list().text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts); }
};

// --- C++ page: the four rows of the worked example, each variant -----------

struct CppRow
{
    const char *mode;   // the Options item to click
    const char *sender; // the control that runs the command
    const char16_t *line;
    const char16_t *entry;
};

class ExtractCpp : public ExtractWindow, public ::testing::WithParamInterface<CppRow> {};

TEST_P(ExtractCpp, RewritesTheLiteralAndRecordsTheValue)
{
    const CppRow &row = GetParam();
    form->findChild<QAction *>(QLatin1String(row.mode))->trigger();
    setUpCpp();
    const QString sender = QLatin1String(row.sender);
    if (auto *a = form->findChild<QAction *>(sender))
        a->trigger();
    else
        form->findChild<QToolButton *>(sender)->click();

    const QString line = QString::fromUtf16(row.line);
    EXPECT_EQ(page(MainWindow::CppPage).line(2), line);
    EXPECT_EQ(list().text(), QString::fromUtf16(row.entry) + QStringLiteral("\r\n"));
    EXPECT_EQ(ui.counter(MainWindow::CppPage), 3);
    EXPECT_EQ(ui.button("SpeedButton7")->text(), QStringLiteral("3"));
    EXPECT_FALSE(ui.saved(MainWindow::CppPage));
    EXPECT_TRUE(ui.saved(MainWindow::DfmPage));
    // The replacement is selected, so Find Next goes on behind it.
    const QString replacement = line.mid(20, line.size() - 21);
    EXPECT_EQ(page(MainWindow::CppPage).selectedText(), replacement);
    EXPECT_EQ(page(MainWindow::CppPage).selStart(), kCpp.indexOf(u'"'));
    EXPECT_EQ(ui.lastEdit(MainWindow::CppPage), (RowCol{3, 21}));
    // One undo step gives the literal back.
    ui.editor(MainWindow::CppPage)->undo();
    EXPECT_EQ(page(MainWindow::CppPage).text(), kCpp);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ExtractCpp,
    ::testing::Values(
        CppRow{"UseglobalStrings2", "Extract1", u"  Label1->Caption = String3;", u"String3 = \"Hello\""},
        CppRow{"UseglobalStrings2", "ToolButton6", u"  Label1->Caption = String3;", u"String3 = \"Hello\""},
        CppRow{"UseFormStrings2", "ToolButton5", u"  Label1->Caption = Form1->String3;", u"String3 = \"Hello\""},
        CppRow{"UseFormStrings2", "ExtractC1", u"  Label1->Caption = Form1->String3;", u"String3 = \"Hello\""},
        CppRow{"UseFunction2", "Extract1", u"  Label1->Caption = Form1->LoadTextRC(3);", u"String3, \"Hello\""},
        CppRow{"UseFunction2", "ToolButton5", u"  Label1->Caption = Form1->LoadTextRC(3);", u"String3, \"Hello\""},
        CppRow{"UseFunction2", "ExtractC1", u"  Label1->Caption = (Form1->LoadTextRC(3)).c_str();",
               u"String3, \"Hello\""},
        CppRow{"UseFunction2", "ToolButton6", u"  Label1->Caption = (Form1->LoadTextRC(3)).c_str();",
               u"String3, \"Hello\""}),
    [](const auto &info) { return caseName(std::string(info.param.mode) + "_" + info.param.sender, info.index); });

TEST_F(ExtractWindow, CtrlERunsExtractC)
{
    form->run(Command::FunctionStrings);
    setUpCpp();
    form->activateWindow();
    ui.editor(MainWindow::CppPage)->setFocus();
    QTest::keyClick(ui.editor(MainWindow::CppPage), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(page(MainWindow::CppPage).line(2), QStringLiteral("  Label1->Caption = (Form1->LoadTextRC(3)).c_str();"));
}

TEST_F(ExtractWindow, NoModeCheckedWorksAsGlobalStrings)
{
    ui.action("UseglobalStrings2")->setChecked(false);
    setUpCpp();
    form->run(Command::ExtractC);
    EXPECT_EQ(page(MainWindow::CppPage).line(2), QStringLiteral("  Label1->Caption = String3;"));
    EXPECT_EQ(list().text(), QStringLiteral("String3 = \"Hello\"\r\n"));
}

TEST_F(ExtractWindow, EntriesGoBelowAHandEditedListWithoutFinalBreak)
{
    list().setText(QStringLiteral("String1 = \"Bye\""));
    setUpCpp();
    form->run(Command::Extract);
    EXPECT_EQ(list().text(), QStringLiteral("String1 = \"Bye\"\r\nString3 = \"Hello\"\r\n"));
    // Appended as one edit, not by rewriting the list: one undo takes it
    // back and keeps the hand-typed text.
    ui.list()->undo();
    EXPECT_EQ(list().text(), QStringLiteral("String1 = \"Bye\""));
}

TEST_F(ExtractWindow, CounterAtMinusFiveNamesStringMinusFour)
{
    dialogs->answerInput(QStringLiteral("-5"));
    ui.button("SpeedButton7")->click();
    EXPECT_EQ(ui.counter(MainWindow::CppPage), -5);
    EXPECT_EQ(ui.button("SpeedButton7")->text(), QStringLiteral("-5"));

    form->run(Command::FunctionStrings);
    page(MainWindow::CppPage).setText(kCpp);
    select(MainWindow::CppPage, QStringLiteral("\"Hello\""));
    form->run(Command::Extract);
    EXPECT_EQ(page(MainWindow::CppPage).line(2), QStringLiteral("  Label1->Caption = Form1->LoadTextRC(4);"));
    EXPECT_EQ(list().text(), QStringLiteral("String-4, \"Hello\"\r\n"));
    EXPECT_EQ(ui.button("SpeedButton7")->text(), QStringLiteral("-4"));
}

// --- Equal strings ------------------------------------------------------------

TEST_F(ExtractWindow, EqualStringsYesReusesTheName)
{
    ui.action("PromtEqualStrings2")->setChecked(true);
    list().setText(QStringLiteral("String1 = \"Hello\"\r\n"));
    setUpCpp();
    dialogs->answerMessage(Dialogs::Button::Yes);
    form->run(Command::Extract);

    ASSERT_EQ(dialogs->asked().size(), 1u);
    const auto &q = dialogs->last();
    EXPECT_EQ(q.caption, QStringLiteral("VTQX"));
    EXPECT_EQ(q.text, QStringLiteral("String1 has equal value.\n\nDo you want to use this for the current string too?"));
    EXPECT_EQ(q.icon, Dialogs::Icon::Question);
    EXPECT_EQ(q.buttons, Dialogs::Buttons::YesNoCancel);
    EXPECT_EQ(page(MainWindow::CppPage).line(2), QStringLiteral("  Label1->Caption = String1;"));
    EXPECT_EQ(list().text(), QStringLiteral("String1 = \"Hello\"\r\n"));
    EXPECT_EQ(ui.counter(MainWindow::CppPage), 2);
    EXPECT_EQ(ui.button("SpeedButton7")->text(), QStringLiteral("2"));
}

TEST_F(ExtractWindow, EqualStringsYesInFunctionModeCallsWithTheOldNumber)
{
    form->run(Command::FunctionStrings);
    ui.action("PromtEqualStrings2")->setChecked(true);
    list().setText(QStringLiteral("String1, \"Hello\"\r\n"));
    setUpCpp();
    dialogs->answerMessage(Dialogs::Button::Yes);
    form->run(Command::Extract);
    EXPECT_EQ(page(MainWindow::CppPage).line(2), QStringLiteral("  Label1->Caption = Form1->LoadTextRC(1);"));
    EXPECT_EQ(list().text(), QStringLiteral("String1, \"Hello\"\r\n"));
}

TEST_F(ExtractWindow, EqualStringsNoTakesANewName)
{
    ui.action("PromtEqualStrings2")->setChecked(true);
    list().setText(QStringLiteral("String1 = \"Hello\"\r\n"));
    setUpCpp();
    dialogs->answerMessage(Dialogs::Button::No);
    form->run(Command::Extract);
    EXPECT_EQ(page(MainWindow::CppPage).line(2), QStringLiteral("  Label1->Caption = String3;"));
    EXPECT_EQ(list().text(), QStringLiteral("String1 = \"Hello\"\r\nString3 = \"Hello\"\r\n"));
    EXPECT_EQ(ui.button("SpeedButton7")->text(), QStringLiteral("3"));
}

TEST_F(ExtractWindow, EqualStringsCancelRestoresTheCounterButKeepsTheMark)
{
    ui.action("PromtEqualStrings2")->setChecked(true);
    ui.action("OnExtractFindNext2")->setChecked(true);
    list().setText(QStringLiteral("String1 = \"Hello\"\r\n"));
    setUpCpp();
    dialogs->answerMessage(Dialogs::Button::Cancel);
    form->run(Command::Extract);
    EXPECT_EQ(page(MainWindow::CppPage).text(), kCpp);
    EXPECT_EQ(page(MainWindow::CppPage).selectedText(), QStringLiteral("\"Hello\""));
    EXPECT_EQ(list().text(), QStringLiteral("String1 = \"Hello\"\r\n"));
    EXPECT_EQ(ui.counter(MainWindow::CppPage), 2);
    EXPECT_EQ(ui.button("SpeedButton7")->text(), QStringLiteral("2"));
    EXPECT_FALSE(ui.saved(MainWindow::CppPage));
    EXPECT_EQ(ui.lastEdit(MainWindow::CppPage), (RowCol{3, 21}));
}

TEST_F(ExtractWindow, EqualStringsAskNothingWithoutAMatchOrWithTheOptionOff)
{
    list().setText(QStringLiteral("String1 = \"Hello\"\r\n"));
    setUpCpp();
    form->run(Command::Extract); // option off: no question
    EXPECT_EQ(list().text(), QStringLiteral("String1 = \"Hello\"\r\nString3 = \"Hello\"\r\n"));

    ui.action("PromtEqualStrings2")->setChecked(true);
    page(MainWindow::CppPage).setText(QStringLiteral("x = \"Other\";"));
    select(MainWindow::CppPage, QStringLiteral("\"Other\""));
    form->run(Command::Extract); // no equal value: no question
    EXPECT_TRUE(dialogs->asked().empty());
    EXPECT_EQ(page(MainWindow::CppPage).text(), QStringLiteral("x = String4;"));
}

TEST_F(ExtractWindow, ReusedNameTooLargeForFunctionModeIsReported)
{
    form->run(Command::FunctionStrings);
    ui.action("PromtEqualStrings2")->setChecked(true);
    list().setText(QStringLiteral("String99999999999, \"Hello\"\r\n"));
    setUpCpp();
    dialogs->answerMessage(Dialogs::Button::Yes).answerMessage(Dialogs::Button::Ok);
    ui.action("Extract1")->trigger();
    ASSERT_EQ(dialogs->asked().size(), 2u);
    EXPECT_EQ(dialogs->last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(dialogs->last().text.contains(QStringLiteral("99999999999")));
    EXPECT_EQ(page(MainWindow::CppPage).text(), kCpp);
    EXPECT_EQ(list().text(), QStringLiteral("String99999999999, \"Hello\"\r\n"));
    EXPECT_FALSE(ui.saved(MainWindow::CppPage));
}

TEST_F(ExtractWindow, CounterAtTheTopRaisesInsteadOfWrapping)
{
    setUpCpp(std::numeric_limits<int>::max());
    EXPECT_THROW(form->run(Command::Extract), Exception);
    EXPECT_EQ(ui.counter(MainWindow::CppPage), std::numeric_limits<int>::max());
    EXPECT_EQ(page(MainWindow::CppPage).text(), kCpp);
    EXPECT_EQ(list().text(), QString());
}

// --- Nothing happens -----------------------------------------------------------

TEST_F(ExtractWindow, NothingHappensWithoutUnitWithoutSelectionOrOnTheHeaderPage)
{
    setUpCpp();
    ui.setBaseName(QString());
    form->run(Command::Extract);
    EXPECT_EQ(page(MainWindow::CppPage).text(), kCpp);

    ui.setBaseName(QStringLiteral("Unit1"));
    page(MainWindow::CppPage).setSelection(5, 0);
    form->run(Command::Extract);
    EXPECT_EQ(page(MainWindow::CppPage).text(), kCpp);

    page(MainWindow::HeaderPage).setText(QStringLiteral("#define X \"Hello\""));
    showPage(MainWindow::HeaderPage);
    select(MainWindow::HeaderPage, QStringLiteral("\"Hello\""));
    form->run(Command::Extract);
    EXPECT_EQ(page(MainWindow::HeaderPage).text(), QStringLiteral("#define X \"Hello\""));

    EXPECT_EQ(list().text(), QString());
    EXPECT_EQ(ui.counters(), (std::array<int, 3>{2, 0, 0}));
    EXPECT_EQ(ui.savedPages(), (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(ui.lastEdit(MainWindow::CppPage), RowCol{});
    EXPECT_EQ(ui.lastEdit(MainWindow::HeaderPage), RowCol{});
}

// --- DFM page -------------------------------------------------------------------

struct DfmRow
{
    const char16_t *literal;
    int occurrence;
    const char16_t *entry;
};

class ExtractDfm : public ExtractWindow, public ::testing::WithParamInterface<DfmRow> {};

TEST_P(ExtractDfm, RecordsThePropertyAssignment)
{
    setUpDfm();
    select(MainWindow::DfmPage, QString::fromUtf16(GetParam().literal), GetParam().occurrence);
    ui.action("Extract1")->trigger();
    EXPECT_EQ(list().text(), QString::fromUtf16(GetParam().entry) + QStringLiteral("\r\n"));
    EXPECT_EQ(page(MainWindow::DfmPage).text(), kDfm);
    EXPECT_FALSE(ui.saved(MainWindow::DfmPage));
    EXPECT_TRUE(ui.saved(MainWindow::CppPage));
    EXPECT_EQ(ui.counter(MainWindow::CppPage), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Literals, ExtractDfm,
    ::testing::Values(DfmRow{u"'Main'", 0, u"Form1->Caption = \"Main\";"},
                      DfmRow{u"'Hello'", 0, u"Form1->Label1->Caption = \"Hello\";"},
                      DfmRow{u"'Arial'", 0, u"Form1->Label1->Font->Name = \"Arial\";"},
                      // continuation lines have no "=" of their own
                      DfmRow{u"'second part'", 0, u"Form1->Label1 = \"second part\";"},
                      DfmRow{u"'Hello. World'", 0, u"Form1->Label1->'Hello = \"Hello. World\";"},
                      // a one-character found text leaves nothing between the quotes
                      DfmRow{u"x", 0, u"Form1->Label1 = \"\";"},
                      // the root's own line: no object part, nothing to split
                      DfmRow{u"Form1", 0, u"Form1-> = \"orm\";"}),
    [](const auto &info) { return caseName(info.param.entry, info.index); });

TEST_F(ExtractWindow, DfmRecordsPositionAndStripsTheRoot)
{
    setUpDfm();
    ui.root()->setText(QStringLiteral("  Form1 \t"));
    select(MainWindow::DfmPage, QStringLiteral("'Hello'"));
    form->run(Command::Extract);
    EXPECT_EQ(list().text(), QStringLiteral("Form1->Label1->Caption = \"Hello\";\r\n"));
    EXPECT_EQ(ui.lastEdit(MainWindow::DfmPage), (RowCol{4, 15}));
    EXPECT_EQ(ui.lastEdit(MainWindow::CppPage), RowCol{});
}

TEST_F(ExtractWindow, DfmSelectionOnTheFirstLineHasNoObjectPart)
{
    page(MainWindow::DfmPage).setText(QStringLiteral("  Caption = 'Top'\r\n  object Label1: TLabel\r\n"));
    showPage(MainWindow::DfmPage);
    select(MainWindow::DfmPage, QStringLiteral("'Top'"));
    form->run(Command::Extract);
    EXPECT_EQ(list().text(), QStringLiteral("Form1->Caption = \"Top\";\r\n"));
}

TEST_F(ExtractWindow, DfmSameLiteralTwiceInARowIsRecordedOnce)
{
    setUpDfm();
    for (const char *literal : {"'Hello'", "'Hello'", "'Main'", "'Hello'"}) {
        select(MainWindow::DfmPage, QLatin1String(literal));
        form->run(Command::Extract);
    }
    EXPECT_EQ(listLines(), (QStringList{QStringLiteral("Form1->Label1->Caption = \"Hello\";"),
                                        QStringLiteral("Form1->Caption = \"Main\";"),
                                        QStringLiteral("Form1->Label1->Caption = \"Hello\";")}));
}

TEST_F(ExtractWindow, DfmExtractCBehavesLikeExtract)
{
    setUpDfm();
    form->run(Command::FunctionStrings);
    select(MainWindow::DfmPage, QStringLiteral("'Arial'"));
    ui.action("ExtractC1")->trigger();
    EXPECT_EQ(list().text(), QStringLiteral("Form1->Label1->Font->Name = \"Arial\";\r\n"));
    EXPECT_EQ(page(MainWindow::DfmPage).text(), kDfm);
}

TEST_F(ExtractWindow, DfmNothingHappensWithoutSelection)
{
    setUpDfm();
    page(MainWindow::DfmPage).setSelection(30, 0);
    form->run(Command::Extract);
    EXPECT_EQ(list().text(), QString());
    EXPECT_TRUE(ui.saved(MainWindow::DfmPage));
}

TEST_F(ExtractWindow, EachPageKeepsItsEntries)
{
    setUpCpp();
    form->run(Command::Extract);
    setUpDfm();
    select(MainWindow::DfmPage, QStringLiteral("'Main'"));
    form->run(Command::Extract);
    EXPECT_EQ(list().text(), QStringLiteral("Form1->Caption = \"Main\";\r\n"));
    showPage(MainWindow::CppPage);
    EXPECT_EQ(list().text(), QStringLiteral("String3 = \"Hello\"\r\n"));
}

// --- Number button ----------------------------------------------------------------

TEST_F(ExtractWindow, NumberButtonSetsTheCounterOfTheActivePage)
{
    dialogs->answerInput(QStringLiteral("10"));
    form->run(Command::EditCounter);
    const auto &q = dialogs->last();
    EXPECT_EQ(q.caption, QStringLiteral("Input the new value"));
    EXPECT_EQ(q.text, QStringLiteral("Value"));
    EXPECT_EQ(q.defaultAnswer, QStringLiteral("0"));
    EXPECT_EQ(ui.counter(MainWindow::CppPage), 10);
    EXPECT_EQ(ui.button("SpeedButton7")->text(), QStringLiteral("10"));

    // The next Extract names String11.
    page(MainWindow::CppPage).setText(kCpp);
    select(MainWindow::CppPage, QStringLiteral("\"Hello\""));
    form->run(Command::Extract);
    EXPECT_EQ(list().text(), QStringLiteral("String11 = \"Hello\"\r\n"));

    form->run(Command::German);
    dialogs->answerInput(QStringLiteral("+7"));
    form->run(Command::EditCounter);
    EXPECT_EQ(dialogs->last().caption, QStringLiteral("Neuen Wert eingeben"));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Wert"));
    EXPECT_EQ(dialogs->last().defaultAnswer, QStringLiteral("11"));
    EXPECT_EQ(ui.counter(MainWindow::CppPage), 7);
    EXPECT_EQ(ui.button("SpeedButton7")->text(), QStringLiteral("+7")); // as typed
}

TEST_F(ExtractWindow, NumberButtonCancelAndNonIntegersChangeNothing)
{
    ui.setCounter(MainWindow::CppPage, 4);
    dialogs->answerInput(std::nullopt);
    form->run(Command::EditCounter);
    EXPECT_EQ(ui.counter(MainWindow::CppPage), 4);
    EXPECT_EQ(ui.button("SpeedButton7")->text(), QStringLiteral("4"));

    for (const char *bad : {"abc", "", "1.5", "99999999999"}) {
        dialogs->answerInput(QLatin1String(bad));
        form->run(Command::EditCounter);
        EXPECT_EQ(ui.counter(MainWindow::CppPage), 4) << bad;
        EXPECT_EQ(ui.button("SpeedButton7")->text(), QStringLiteral("4")) << bad;
    }
    EXPECT_EQ(dialogs->asked().size(), 5u); // no message about the bad answers
}

TEST_F(ExtractWindow, NumberButtonWorksOnTheActivePagesCounter)
{
    showPage(MainWindow::DfmPage);
    dialogs->answerInput(QStringLiteral("9"));
    form->run(Command::EditCounter);
    EXPECT_EQ(ui.counters(), (std::array<int, 3>{0, 0, 9}));
}
// --- Encoding prefixes and object lines ----------------------------------------

TEST_F(ExtractWindow, TheReplacementCoversAStandingEncodingPrefix)
{
    struct Case
    {
        const char16_t *code, *literal, *after;
    } const cases[] = {
        {u"x = L\"Hi\";", u"\"Hi\"", u"x = Form1->LoadTextRC(3);"},
        {u"x = u8\"Hi\";", u"\"Hi\"", u"x = Form1->LoadTextRC(3);"},
        {u"f(u\"Hi\", U\"Hi\");", u"\"Hi\"", u"f(Form1->LoadTextRC(3), U\"Hi\");"},
        {u"L\"Hi\"", u"\"Hi\"", u"Form1->LoadTextRC(3)"},
        // the tail of a longer identifier stays
        {u"MACRO_L\"Hi\"", u"\"Hi\"", u"MACRO_LForm1->LoadTextRC(3)"},
        {u"x = \"Hi\";", u"\"Hi\"", u"x = Form1->LoadTextRC(3);"},
    };
    form->run(Command::FunctionStrings);
    for (const Case &c : cases) {
        list().setText(QString());
        page(MainWindow::CppPage).setText(QString::fromUtf16(c.code));
        ui.setCounter(MainWindow::CppPage, 2);
        select(MainWindow::CppPage, QString::fromUtf16(c.literal));
        ui.action("Extract1")->trigger();
        EXPECT_EQ(page(MainWindow::CppPage).text(), QString::fromUtf16(c.after));
        EXPECT_EQ(page(MainWindow::CppPage).selectedText(), QStringLiteral("Form1->LoadTextRC(3)"));
        // the found text and the entry are the literal alone
        EXPECT_EQ(found(), QStringLiteral("\"Hi\""));
        EXPECT_EQ(list().text(), QStringLiteral("String3, \"Hi\"\r\n"));
    }
}

TEST_F(ExtractWindow, OnlyALineStartingWithTheWordObjectOwnsAProperty)
{
    page(MainWindow::DfmPage).setText(QStringLiteral("object Form1: TForm1\r\n"
                                                 "  object objectList: TList\r\n"
                                                 "    Caption = 'x'\r\n"
                                                 "    Hint = 'object list'\r\n"
                                                 "    HelpKeyword = 'k'\r\n"
                                                 "  end\r\n"
                                                 "end\r\n"));
    showPage(MainWindow::DfmPage);
    for (const char *literal : {"'x'", "'k'"}) {
        select(MainWindow::DfmPage, QLatin1String(literal));
        ui.action("Extract1")->trigger();
    }
    EXPECT_EQ(list().text(), QStringLiteral("Form1->objectList->Caption = \"x\";\r\n"
                                            "Form1->objectList->HelpKeyword = \"k\";\r\n"));
}
} // namespace
