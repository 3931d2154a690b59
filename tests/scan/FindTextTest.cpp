#include "tests/scan/ScanWindow.h"

namespace {

using FindText = ScanWindow;

const QString kCpp = u"Label1->Caption = \"Caption\";\r\n// caption, caption\r\nx = 1;"_qs;

TEST_F(FindText, AsksForTheTextAndSelectsTheNextOccurrence)
{
    setUnit(kCpp);
    select(MainWindow::CppPage, 0);
    dialogs->answerInput(u"caption"_qs);
    form->run(Command::FindText);
    ASSERT_EQ(dialogs->asked().size(), 1u);
    const auto &q = dialogs->last();
    EXPECT_EQ(q.kind, ScriptedDialogs::Kind::Input);
    EXPECT_EQ(q.caption, u"Enter Searchtext"_qs);
    EXPECT_EQ(q.text, u"Text"_qs);
    EXPECT_EQ(q.defaultAnswer, QString());

    // Case counts: "Caption" twice on the first line is passed over.
    const int first = int(kCpp.indexOf(u"caption"_qs));
    EXPECT_EQ(page(MainWindow::CppPage).selStart(), first);
    EXPECT_EQ(selected(MainWindow::CppPage), u"caption"_qs);
    EXPECT_EQ(foundText(), u"caption"_qs);
    EXPECT_EQ(EditorModel::of(ui.found()).selectedText(), u"caption"_qs);
    EXPECT_EQ(form->focusWidget(), ui.found());
    expectIdleControls();

    // Cancel repeats the search with the kept text, which is offered again.
    dialogs->answerInput(std::nullopt);
    form->run(Command::FindText);
    EXPECT_EQ(dialogs->last().defaultAnswer, u"caption"_qs);
    EXPECT_EQ(page(MainWindow::CppPage).selStart(), int(kCpp.indexOf(u"caption"_qs, first + 1)));

    // No further occurrence: the end-of-text message, the selection stays.
    const int before = page(MainWindow::CppPage).selStart();
    dialogs->answerInput(std::nullopt).answerMessage(Dialogs::Button::Ok);
    form->run(Command::FindText);
    expectEndOfTextMessage(dialogs->last());
    EXPECT_EQ(page(MainWindow::CppPage).selStart(), before);
    EXPECT_EQ(selected(MainWindow::CppPage), u"caption"_qs);
}

TEST_F(FindText, EmptyTextAndTheEnd)
{
    struct Row
    {
        const char *name;
        int start, length;
        QString answer;
        int selStart, selLength; // after
        QString box;
        bool message;
    };
    const int end = int(kCpp.size());
    const Row rows[] = {
        // The empty text matches at once: a caret at the selection's end.
        {"EmptyText", 4, 3, QString(), 7, 0, QString(), false},
        {"NotFound", 4, 3, u"nowhere"_qs, 4, 3, u"before"_qs, true},
        {"CaretAtTheEnd", end, 0, u"x"_qs, end, 0, u"before"_qs, false},
        {"OverlapIsNotFound", 4, 3, u"l1->C"_qs, 4, 3, u"before"_qs, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        dialogs->clear();
        setUnit(kCpp);
        ui.found()->setPlainText(u"before"_qs);
        select(MainWindow::CppPage, row.start, row.length);
        dialogs->answerInput(row.answer);
        if (row.message)
            dialogs->answerMessage(Dialogs::Button::Ok);
        form->run(Command::FindText);
        EXPECT_EQ(page(MainWindow::CppPage).selStart(), row.selStart);
        EXPECT_EQ(page(MainWindow::CppPage).selLength(), row.selLength);
        EXPECT_EQ(foundText(), row.box);
        EXPECT_EQ(dialogs->pending(), 0);
        expectIdleControls();
    }
}

TEST_F(FindText, OtherPagesKeepTheAnswerButSearchNothing)
{
    setUnit(kCpp, u"// caption"_qs, u"  Caption = 'caption'"_qs);
    for (const int p : {MainWindow::HeaderPage, MainWindow::DfmPage}) {
        showPage(p);
        select(p, 0);
        EnabledChanges stop(ui.button("ToolButton8"));
        dialogs->answerInput(u"caption"_qs + QString::number(p));
        form->run(Command::FindText);
        EXPECT_EQ(stop.count, 2) << "the busy state flashes";
        EXPECT_EQ(page(p).selStart(), 0);
        EXPECT_EQ(page(p).selLength(), 0);
        EXPECT_EQ(foundText(), u"before"_qs);
    }
    // The answer given on the DFM page is the next default.
    showPage(MainWindow::CppPage);
    select(MainWindow::CppPage, 0);
    dialogs->answerInput(std::nullopt).answerMessage(Dialogs::Button::Ok);
    form->run(Command::FindText);
    EXPECT_EQ(dialogs->asked().at(2).defaultAnswer, u"caption2"_qs);
}

TEST_F(FindText, NothingWithoutAUnit)
{
    page(MainWindow::CppPage).setText(kCpp);
    form->run(Command::FindText); // no input box either
    EXPECT_TRUE(dialogs->asked().empty());
}

TEST_F(FindText, StopEndsALongSearch)
{
    QString cpp;
    for (int i = 0; i < 200000; ++i)
        cpp += u"int value = 12345678901234567890; // nothing to see here at all\r\n"_qs;
    setUnit(cpp + u"needle"_qs);
    select(MainWindow::CppPage, 0);
    int ticksWhileBusy = 0;
    const auto conn = QObject::connect(ticks(), &QTimer::timeout, form.get(), [&] {
        // The first tick may come from entering the busy state, the second
        // only from the search loop.
        if (ui.busy() && ++ticksWhileBusy == 2)
            ui.button("ToolButton8")->click();
    });
    dialogs->answerInput(u"needle"_qs);
    form->run(Command::FindText);
    QObject::disconnect(conn);
    EXPECT_GE(ticksWhileBusy, 2);
    EXPECT_TRUE(dialogs->asked().size() == 1) << "the search reached the end before Stop";
    EXPECT_EQ(page(MainWindow::CppPage).selStart(), 0);
    EXPECT_EQ(foundText(), u"before"_qs);
    expectIdleControls();
}

} // namespace
