#include "ScanWindow.h"
#include "Vstatus.h"

#include <QTimer>

#include <optional>

namespace {

using FindNext = ScanWindow;

struct Example
{
    const char *name;
    int page;
    QString text;
    QStringList literals; // found one after the other from the start
    bool endMessage;      // whether a further Find Next reports the end
    std::optional<QString> after; // selected after it, when not the last literal
};

void PrintTo(const Example &e, std::ostream *os) { *os << e.name; }

class FindNextSteps : public ScanWindow, public ::testing::WithParamInterface<Example>
{
};

TEST_P(FindNextSteps, SelectsEachLiteralAndFillsTheFoundTextBox)
{
    const Example &e = GetParam();
    if (e.page == TForm1::CppPage)
        setUnit(e.text);
    else
        setUnit(QString(), QString(), e.text);
    showPage(e.page);
    select(e.page, 0);
    for (const QString &literal : e.literals) {
        form->SpeedButton4Click();
        EXPECT_EQ(selected(e.page), literal);
        EXPECT_EQ(foundText(), literal);
        EXPECT_EQ(EditorModel::of(form->Edit1).selectedText(), literal);
        EXPECT_EQ(form->focusWidget(), form->Edit1);
        expectIdleControls();
    }
    EXPECT_TRUE(dialogs->asked().empty());

    // Once more: the selection stays on the last literal, or becomes a caret
    // in front of an unpaired quote.
    if (e.endMessage)
        dialogs->answerMessage(Dialogs::Button::Ok);
    form->SpeedButton4Click();
    EXPECT_EQ(selected(e.page), e.after.value_or(e.literals.last()));
    ASSERT_EQ(dialogs->asked().size(), e.endMessage ? 1u : 0u);
    if (e.endMessage)
        expectEndOfTextMessage(dialogs->last());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FindNextSteps,
    ::testing::Values(
        Example{"SayHi", TForm1::CppPage, u"Label1->Caption = \"Say \\\"hi\\\" now\";"_qs,
                {u"\"Say \\\"hi\\\" now\""_qs}, true, {}},
        Example{"Path", TForm1::CppPage, u"Path = \"C:\\\\\";"_qs, {u"\"C:\\\\\""_qs}, true, {}},
        Example{"Include", TForm1::CppPage, u"#include \"Unit1.h\""_qs, {u"\"Unit1.h\""_qs}, false, {}},
        Example{"CharLiteral", TForm1::CppPage, u"c = '\"'; s = \"a\";"_qs, {u"\"'; s = \""_qs}, true, QString()},
        Example{"EmptyLiteral", TForm1::CppPage, u"s = \"\" + \"x\";\r\n"_qs, {u"\"\""_qs, u"\"x\""_qs}, true, {}},
        Example{"AcrossLineBreak", TForm1::CppPage, u"s = \"one\r\ntwo\";"_qs, {u"\"one\r\ntwo\""_qs}, true, {}},
        Example{"ItS", TForm1::DfmPage, u"  Caption = 'It''s'\r\n"_qs, {u"'It'"_qs, u"'s'"_qs}, true, {}},
        Example{"CharacterCodes", TForm1::DfmPage, u"  Caption = 'One'#13#10'Two'"_qs,
                {u"'One'"_qs, u"'Two'"_qs}, false, {}},
        Example{"DfmEscape", TForm1::DfmPage, u"  Caption = 'a\\'b'\r\n"_qs, {u"'a\\'b'"_qs}, true, {}}));

TEST_F(FindNext, PictureDataBlockOnTheDfmPage)
{
    QString dfm = u"object Form1: TForm1\r\n  Caption = 'Main'\r\n  object Image1: TImage\r\n"
                  u"    Picture.Data = {\r\n"_qs;
    for (int i = 0; i < 30; ++i)
        dfm += u"      "_qs + QString(64, QChar(u"0123456789ABCDEF"[i % 16])) + u"\r\n"_qs;
    dfm += u"      2A2B2C}\r\n    Hint = 'after'\r\n  end\r\nend\r\n"_qs;
    setUnit(QString(), QString(), dfm);
    showPage(TForm1::DfmPage);
    select(TForm1::DfmPage, 0);
    form->SpeedButton4Click();
    EXPECT_EQ(selected(TForm1::DfmPage), u"'Main'"_qs);
    form->SpeedButton4Click();
    EXPECT_EQ(selected(TForm1::DfmPage), u"'after'"_qs);
}

TEST_F(FindNext, DfmLineCounterFollowsTheSelectionBeforeTheTimerTicks)
{
    // From the brace on, the counted line decides: the correct row jumps over
    // the 64-character line (which looks like a literal); a stale one does not.
    const QString dfm = u"  Data = {\r\n'"_qs + QString(62, u'h') + u"'\r\n  }\r\n  Caption = 'z'\r\n"_qs;
    setUnit(QString(), QString(), dfm);
    showPage(TForm1::DfmPage);
    tick();
    form->Timer1->stop();
    form->Tracked[TForm1::DfmPage] = RowCol{}; // as after an Open
    select(TForm1::DfmPage, int(dfm.indexOf(u'{')));
    form->SpeedButton4Click();
    EXPECT_EQ(selected(TForm1::DfmPage), u"'z'"_qs);
    EXPECT_EQ(form->Tracked[TForm1::DfmPage].row, 1);
}

TEST_F(FindNext, UnclosedLiteralLeavesACaretInFrontOfItsQuote)
{
    const QString cpp = u"a = \"x\";\r\nb = \"unclosed;\r\nc = 1;"_qs;
    const int quote = int(cpp.indexOf(u"\"unclosed"_qs));
    setUnit(cpp);
    select(TForm1::CppPage, 0);
    form->SpeedButton4Click();
    ASSERT_EQ(selected(TForm1::CppPage), u"\"x\""_qs);
    for (int round = 0; round < 2; ++round) {
        dialogs->answerMessage(Dialogs::Button::Ok);
        form->SpeedButton4Click();
        EXPECT_EQ(page(TForm1::CppPage).selStart(), quote) << round;
        EXPECT_EQ(page(TForm1::CppPage).selLength(), 0) << round;
        EXPECT_EQ(foundText(), u"\"x\""_qs);
        ASSERT_EQ(dialogs->asked().size(), size_t(round + 1));
        expectEndOfTextMessage(dialogs->last());
        expectIdleControls();
    }
}

TEST_F(FindNext, TextsInTheCurrentLanguage)
{
    setUnit(u"int x;"_qs);
    form->German1Click();
    dialogs->answerMessage(Dialogs::Button::Ok).answerInput(u"x"_qs);
    form->SpeedButton4Click();
    form->ToolButton13Click();
    ASSERT_EQ(dialogs->asked().size(), 2u);
    EXPECT_EQ(dialogs->asked()[0].text, u"Ende der Datei erreicht."_qs);
    EXPECT_EQ(dialogs->asked()[1].caption, u"Suchtext eingeben"_qs);
    EXPECT_EQ(dialogs->asked()[1].text, u"Text"_qs);
}

TEST_F(FindNext, StartAtTheEndEndsSilently)
{
    const QString cpp = u"x = \"a\""_qs;
    setUnit(cpp);
    // Caret at the very end.
    select(TForm1::CppPage, int(cpp.size()));
    form->SpeedButton4Click();
    EXPECT_EQ(page(TForm1::CppPage).selStart(), int(cpp.size()));
    // A literal that ends with the last character: the next run starts past it.
    select(TForm1::CppPage, 0);
    form->SpeedButton4Click();
    ASSERT_EQ(selected(TForm1::CppPage), u"\"a\""_qs);
    form->SpeedButton4Click();
    EXPECT_EQ(selected(TForm1::CppPage), u"\"a\""_qs);
    EXPECT_TRUE(dialogs->asked().empty());
}

TEST_F(FindNext, NothingHappensWithoutAUnitAndOnlyTheBusyStateFlashesOnTheHeaderPage)
{
    struct Row
    {
        bool open;
        int page;
        int stopChanges; // Stop enabled and disabled again = 2
    };
    for (const Row row : {Row{false, TForm1::CppPage, 0}, Row{true, TForm1::HeaderPage, 2}}) {
        setUnit(u"s = \"a\";"_qs, u"s = \"a\";"_qs);
        if (!row.open)
            form->BaseName.clear();
        showPage(row.page);
        select(row.page, 0);
        EnabledChanges stop(form->ToolButton8);
        form->SpeedButton4Click();
        EXPECT_EQ(stop.count, row.stopChanges) << row.page;
        EXPECT_EQ(page(row.page).selStart(), 0);
        EXPECT_EQ(page(row.page).selLength(), 0);
        EXPECT_EQ(foundText(), u"before"_qs);
        expectIdleControls();
    }
    EXPECT_TRUE(dialogs->asked().empty());
}

TEST_F(FindNext, BusyStateWhileScanning)
{
    setUnit(u"s = \"a\";"_qs, QString(), u"  Caption = 'a'"_qs);
    showPage(TForm1::DfmPage);
    tick();
    select(TForm1::DfmPage, 0);
    struct Seen
    {
        bool busy = false, panel1 = true, panel2 = true, stop = false, anyButton = true, anyMenu = true;
        int cursor = -1;
        QString panel0;
    } seen;
    const QString panelBefore = form->VStatus1->Panel(0).Text();
    // Runs at the first pump of the command: a fresh pump clock makes the
    // busy state's first pump due at once.
    qint64 now = 0;
    form->setPumpClock([&] { return now; });
    QTimer::singleShot(0, form.get(), [&] {
        seen.busy = form->Busy;
        seen.panel1 = form->Panel1->isEnabled();
        seen.panel2 = form->Panel2->isEnabled();
        seen.stop = form->ToolButton8->isEnabled();
        seen.anyButton = false;
        for (QToolButton *b : {form->ToolButton1, form->ToolButton2, form->ToolButton3, form->ToolButton4,
                               form->ToolButton5, form->ToolButton6, form->ToolButton7, form->ToolButton12,
                               form->ToolButton13})
            seen.anyButton |= b->isEnabled();
        seen.anyMenu = false;
        for (QMenu *m : {form->Datei1, form->Berabeiten1, form->Options1, form->N8})
            seen.anyMenu |= m->menuAction()->isEnabled();
        if (const QCursor *c = QApplication::overrideCursor())
            seen.cursor = c->shape();
        // The page status routine is suspended while busy.
        form->session(TForm1::DfmPage).setSaved(false);
        form->PageStatus();
        seen.panel0 = form->VStatus1->Panel(0).Text();
    });
    form->SpeedButton4Click();
    EXPECT_TRUE(seen.busy);
    EXPECT_FALSE(seen.panel1);
    EXPECT_FALSE(seen.panel2);
    EXPECT_TRUE(seen.stop);
    EXPECT_FALSE(seen.anyButton);
    EXPECT_FALSE(seen.anyMenu);
    EXPECT_EQ(seen.cursor, int(Qt::BusyCursor));
    EXPECT_EQ(seen.panel0, panelBefore);

    expectIdleControls();
    // Leaving ran the page status routine: the DFM page has no Extract C,
    // and panel 0 shows the modified mark set meanwhile.
    EXPECT_FALSE(form->ToolButton6->isEnabled());
    EXPECT_TRUE(form->ToolButton5->isEnabled());
    EXPECT_EQ(form->VStatus1->Panel(0).Text(), u"Unit1.dfm (Modified)"_qs);
}

// A C++ text whose scan takes many pumps: a literal opens on line 2 and is
// never closed.
QString longUnclosed(int lines)
{
    QString text = u"x = 1;\r\ns = \""_qs;
    const QString line = QString(78, u'a') + u"\r\n"_qs;
    text.reserve(text.size() + lines * line.size());
    for (int i = 0; i < lines; ++i)
        text += line;
    return text;
}

TEST_F(FindNext, StopDuringALongScan)
{
    const QString cpp = longUnclosed(200000);
    setUnit(cpp);
    select(TForm1::CppPage, 0);
    // Stop is pressed at the first tick of the status timer that shows the
    // caret the scan set in front of the opening quote: the loop pumps, the
    // timer ticks during it, and Stop is usable.
    int ticksWhileBusy = 0;
    const auto conn = QObject::connect(form->Timer1, &QTimer::timeout, form.get(), [&] {
        if (!form->Busy)
            return;
        ++ticksWhileBusy;
        if (form->Tracked[TForm1::CppPage].row == 2)
            form->ToolButton8->click();
    });
    form->SpeedButton4Click();
    QObject::disconnect(conn);

    EXPECT_GE(ticksWhileBusy, 1);
    EXPECT_TRUE(dialogs->asked().empty()) << "the scan reached the end before Stop";
    // The caret the scan set in front of the opening quote stays, and the
    // position display followed it during the scan.
    EXPECT_EQ(page(TForm1::CppPage).selStart(), 12);
    EXPECT_EQ(page(TForm1::CppPage).selLength(), 0);
    EXPECT_EQ(form->Tracked[TForm1::CppPage].row, 2);
    EXPECT_EQ(foundText(), u"before"_qs);
    // Stop entered the busy state a second time; one leave undoes both.
    expectIdleControls();
    EXPECT_TRUE(form->ToolButton4->isEnabled());

    // The next Find Next starts afresh from the caret.
    QTimer::singleShot(0, form.get(), [&] { form->ToolButton8->click(); });
    form->SpeedButton4Click();
    EXPECT_EQ(page(TForm1::CppPage).selStart(), 12);
    expectIdleControls();
}

TEST_F(FindNext, ClosingDuringAScanStopsItBeforeTheCloseQuery)
{
    setUnit(longUnclosed(200000));
    form->Saved[TForm1::CppPage] = false;
    select(TForm1::CppPage, 0);
    bool closeRequested = false;
    const auto conn = QObject::connect(form->Timer1, &QTimer::timeout, form.get(), [&] {
        if (form->Busy && !closeRequested) {
            closeRequested = true;
            form->close();
        }
    });
    dialogs->answerMessage(Dialogs::Button::No);
    form->SpeedButton4Click();
    QObject::disconnect(conn);
    ASSERT_TRUE(closeRequested);
    EXPECT_TRUE(form->isVisible()) << "closed in the middle of the scan";
    EXPECT_TRUE(dialogs->asked().empty()) << "asked before the scan had stopped";
    expectIdleControls();

    // The close query follows: the save prompt, then the window goes.
    QApplication::processEvents();
    ASSERT_EQ(dialogs->asked().size(), 1u);
    EXPECT_EQ(dialogs->last().text, form->BaseName + form->Msg(8));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FindNext, StopOutsideAScanChangesNothing)
{
    setUnit(u"s = \"a\";"_qs);
    form->ToolButton8Click();
    expectIdleControls();
    EXPECT_TRUE(form->ToolButton4->isEnabled());
}

TEST_F(FindNext, CommandsDoNotStartWhileAScanRuns)
{
    const QString cpp = longUnclosed(60000);
    setUnit(cpp);
    select(TForm1::CppPage, 0);
    bool tried = false;
    const auto conn = QObject::connect(form->Timer1, &QTimer::timeout, form.get(), [&] {
        if (!form->Busy || tried)
            return;
        tried = true;
        // Shortcuts and direct calls alike: none of them may start.
        QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
        QTest::keyClick(form.get(), Qt::Key_F8);
        form->SpeedButton4Click();
        form->SpeedButton3Click();
        form->ToolButton13Click();
        form->ToolButton8->click();
    });
    form->SpeedButton4Click();
    QObject::disconnect(conn);
    EXPECT_TRUE(tried);
    EXPECT_EQ(page(TForm1::CppPage).text(), cpp);
    EXPECT_EQ(foundText(), u"before"_qs);
    EXPECT_TRUE(dialogs->asked().empty());
    expectIdleControls();
}

} // namespace
