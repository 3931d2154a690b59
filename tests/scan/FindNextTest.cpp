#include "tests/scan/ScanWindow.h"
#include "components/Vstatus/Vstatus.h"
#include "tests/support/CaseName.h"

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
    if (e.page == MainWindow::CppPage)
        setUnit(e.text);
    else
        setUnit(QString(), QString(), e.text);
    showPage(e.page);
    select(e.page, 0);
    for (const QString &literal : e.literals) {
        form->run(Command::FindNext);
        EXPECT_EQ(selected(e.page), literal);
        EXPECT_EQ(foundText(), literal);
        EXPECT_EQ(EditorModel::of(ui.found()).selectedText(), literal);
        EXPECT_EQ(form->focusWidget(), ui.found());
        expectIdleControls();
    }
    EXPECT_TRUE(dialogs->asked().empty());

    // Once more: the selection stays on the last literal, or becomes a caret
    // in front of an unpaired quote.
    if (e.endMessage)
        dialogs->answerMessage(Dialogs::Button::Ok);
    form->run(Command::FindNext);
    EXPECT_EQ(selected(e.page), e.after.value_or(e.literals.last()));
    ASSERT_EQ(dialogs->asked().size(), e.endMessage ? 1u : 0u);
    if (e.endMessage)
        expectEndOfTextMessage(dialogs->last());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FindNextSteps,
    ::testing::Values(
        Example{"SayHi", MainWindow::CppPage, u"Label1->Caption = \"Say \\\"hi\\\" now\";"_qs,
                {u"\"Say \\\"hi\\\" now\""_qs}, true, {}},
        Example{"Path", MainWindow::CppPage, u"Path = \"C:\\\\\";"_qs, {u"\"C:\\\\\""_qs}, true, {}},
        Example{"Include", MainWindow::CppPage, u"#include \"Unit1.h\""_qs, {u"\"Unit1.h\""_qs}, false, {}},
        Example{"CharLiteral", MainWindow::CppPage, u"c = '\"'; s = \"a\";"_qs, {u"\"'; s = \""_qs}, true, QString()},
        Example{"EmptyLiteral", MainWindow::CppPage, u"s = \"\" + \"x\";\r\n"_qs, {u"\"\""_qs, u"\"x\""_qs}, true, {}},
        Example{"AcrossLineBreak", MainWindow::CppPage, u"s = \"one\r\ntwo\";"_qs, {u"\"one\r\ntwo\""_qs}, true, {}},
        Example{"ItS", MainWindow::DfmPage, u"  Caption = 'It''s'\r\n"_qs, {u"'It'"_qs, u"'s'"_qs}, true, {}},
        Example{"CharacterCodes", MainWindow::DfmPage, u"  Caption = 'One'#13#10'Two'"_qs,
                {u"'One'"_qs, u"'Two'"_qs}, false, {}},
        Example{"DfmEscape", MainWindow::DfmPage, u"  Caption = 'a\\'b'\r\n"_qs, {u"'a\\'b'"_qs}, true, {}}),
    [](const auto &info) { return caseName(info.param.name, info.index); });

TEST_F(FindNext, PictureDataBlockOnTheDfmPage)
{
    QString dfm = u"object Form1: TForm1\r\n  Caption = 'Main'\r\n  object Image1: TImage\r\n"
                  u"    Picture.Data = {\r\n"_qs;
    for (int i = 0; i < 30; ++i)
        dfm += u"      "_qs + QString(64, QChar(u"0123456789ABCDEF"[i % 16])) + u"\r\n"_qs;
    dfm += u"      2A2B2C}\r\n    Hint = 'after'\r\n  end\r\nend\r\n"_qs;
    setUnit(QString(), QString(), dfm);
    showPage(MainWindow::DfmPage);
    select(MainWindow::DfmPage, 0);
    form->run(Command::FindNext);
    EXPECT_EQ(selected(MainWindow::DfmPage), u"'Main'"_qs);
    form->run(Command::FindNext);
    EXPECT_EQ(selected(MainWindow::DfmPage), u"'after'"_qs);
}

TEST_F(FindNext, DfmLineCounterFollowsTheSelection)
{
    // From the brace on, the counted line decides: the correct row jumps over
    // the 64-character line (which looks like a literal); a stale one does not.
    const QString dfm = u"  Data = {\r\n'"_qs + QString(62, u'h') + u"'\r\n  }\r\n  Caption = 'z'\r\n"_qs;
    setUnit(QString(), QString(), dfm);
    showPage(MainWindow::DfmPage);
    ui.setTracked(MainWindow::DfmPage, RowCol{}); // as after an Open
    select(MainWindow::DfmPage, int(dfm.indexOf(u'{')));
    EXPECT_EQ(ui.tracked(MainWindow::DfmPage).row, 1);
    form->run(Command::FindNext);
    EXPECT_EQ(selected(MainWindow::DfmPage), u"'z'"_qs);
    EXPECT_EQ(ui.tracked(MainWindow::DfmPage).row, 4);
}

TEST_F(FindNext, UnclosedLiteralLeavesACaretInFrontOfItsQuote)
{
    const QString cpp = u"a = \"x\";\r\nb = \"unclosed;\r\nc = 1;"_qs;
    const int quote = int(cpp.indexOf(u"\"unclosed"_qs));
    setUnit(cpp);
    select(MainWindow::CppPage, 0);
    form->run(Command::FindNext);
    ASSERT_EQ(selected(MainWindow::CppPage), u"\"x\""_qs);
    for (int round = 0; round < 2; ++round) {
        dialogs->answerMessage(Dialogs::Button::Ok);
        form->run(Command::FindNext);
        EXPECT_EQ(page(MainWindow::CppPage).selStart(), quote) << round;
        EXPECT_EQ(page(MainWindow::CppPage).selLength(), 0) << round;
        EXPECT_EQ(foundText(), u"\"x\""_qs);
        ASSERT_EQ(dialogs->asked().size(), size_t(round + 1));
        expectEndOfTextMessage(dialogs->last());
        expectIdleControls();
    }
}

TEST_F(FindNext, TextsInTheCurrentLanguage)
{
    setUnit(u"int x;"_qs);
    form->run(Command::German);
    dialogs->answerMessage(Dialogs::Button::Ok).answerInput(u"x"_qs);
    form->run(Command::FindNext);
    form->run(Command::FindText);
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
    select(MainWindow::CppPage, int(cpp.size()));
    form->run(Command::FindNext);
    EXPECT_EQ(page(MainWindow::CppPage).selStart(), int(cpp.size()));
    // A literal that ends with the last character: the next run starts past it.
    select(MainWindow::CppPage, 0);
    form->run(Command::FindNext);
    ASSERT_EQ(selected(MainWindow::CppPage), u"\"a\""_qs);
    form->run(Command::FindNext);
    EXPECT_EQ(selected(MainWindow::CppPage), u"\"a\""_qs);
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
    for (const Row row : {Row{false, MainWindow::CppPage, 0}, Row{true, MainWindow::HeaderPage, 2}}) {
        setUnit(u"s = \"a\";"_qs, u"s = \"a\";"_qs);
        if (!row.open)
            ui.setBaseName(QString());
        showPage(row.page);
        select(row.page, 0);
        EnabledChanges stop(ui.button("ToolButton8"));
        form->run(Command::FindNext);
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
    showPage(MainWindow::DfmPage);
    tick();
    select(MainWindow::DfmPage, 0);
    struct Seen
    {
        bool busy = false, panel1 = true, panel2 = true, stop = false, anyButton = true, anyMenu = true;
        int cursor = -1;
        QString panel0;
    } seen;
    const QString panelBefore = ui.statusBar()->Panel(0).Text();
    // Runs at the first pump of the command: a fresh pump clock makes the
    // busy state's first pump due at once.
    qint64 now = 0;
    form->setPumpClock([&] { return now; });
    QTimer::singleShot(0, form.get(), [&] {
        seen.busy = ui.busy();
        seen.panel1 = ui.control<QWidget>("Panel1")->isEnabled();
        seen.panel2 = ui.control<QWidget>("Panel2")->isEnabled();
        seen.stop = ui.button("ToolButton8")->isEnabled();
        seen.anyButton = false;
        for (QToolButton *b : {ui.button("ToolButton1"), ui.button("ToolButton2"), ui.button("ToolButton3"), ui.button("ToolButton4"),
                               ui.button("ToolButton5"), ui.button("ToolButton6"), ui.button("ToolButton7"), ui.button("ToolButton12"),
                               ui.button("ToolButton13")})
            seen.anyButton |= b->isEnabled();
        seen.anyMenu = false;
        for (QMenu *m : {ui.menu("Datei1"), ui.menu("Berabeiten1"), ui.menu("Options1"), ui.menu("N8")})
            seen.anyMenu |= m->menuAction()->isEnabled();
        if (const QCursor *c = QApplication::overrideCursor())
            seen.cursor = c->shape();
        // The page status routine is suspended while busy.
        ui.session(MainWindow::DfmPage).setSaved(false);
        ui.showPageStatus();
        seen.panel0 = ui.statusBar()->Panel(0).Text();
    });
    form->run(Command::FindNext);
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
    EXPECT_FALSE(ui.button("ToolButton6")->isEnabled());
    EXPECT_TRUE(ui.button("ToolButton5")->isEnabled());
    EXPECT_EQ(ui.statusBar()->Panel(0).Text(), u"Unit1.dfm (Modified)"_qs);
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
    select(MainWindow::CppPage, 0);
    // Stop is pressed at the first tick of a timer that sees the caret the
    // scan set in front of the opening quote: the loop pumps, the timer ticks
    // during it, and Stop is usable.
    int ticksWhileBusy = 0;
    const auto conn = QObject::connect(ticks(), &QTimer::timeout, form.get(), [&] {
        if (!ui.busy())
            return;
        ++ticksWhileBusy;
        if (ui.tracked(MainWindow::CppPage).row == 2)
            ui.button("ToolButton8")->click();
    });
    form->run(Command::FindNext);
    QObject::disconnect(conn);

    EXPECT_GE(ticksWhileBusy, 1);
    EXPECT_TRUE(dialogs->asked().empty()) << "the scan reached the end before Stop";
    // The caret the scan set in front of the opening quote stays, and the
    // position display followed it during the scan.
    EXPECT_EQ(page(MainWindow::CppPage).selStart(), 12);
    EXPECT_EQ(page(MainWindow::CppPage).selLength(), 0);
    EXPECT_EQ(ui.tracked(MainWindow::CppPage).row, 2);
    EXPECT_EQ(foundText(), u"before"_qs);
    // Stop entered the busy state a second time; one leave undoes both.
    expectIdleControls();
    EXPECT_TRUE(ui.button("ToolButton4")->isEnabled());

    // The next Find Next starts afresh from the caret.
    QTimer::singleShot(0, form.get(), [&] { ui.button("ToolButton8")->click(); });
    form->run(Command::FindNext);
    EXPECT_EQ(page(MainWindow::CppPage).selStart(), 12);
    expectIdleControls();
}

TEST_F(FindNext, ClosingDuringAScanStopsItBeforeTheCloseQuery)
{
    setUnit(longUnclosed(200000));
    ui.setSaved(MainWindow::CppPage, false);
    select(MainWindow::CppPage, 0);
    bool closeRequested = false;
    const auto conn = QObject::connect(ticks(), &QTimer::timeout, form.get(), [&] {
        if (ui.busy() && !closeRequested) {
            closeRequested = true;
            form->close();
        }
    });
    dialogs->answerMessage(Dialogs::Button::No);
    form->run(Command::FindNext);
    QObject::disconnect(conn);
    ASSERT_TRUE(closeRequested);
    EXPECT_TRUE(form->isVisible()) << "closed in the middle of the scan";
    EXPECT_TRUE(dialogs->asked().empty()) << "asked before the scan had stopped";
    expectIdleControls();

    // The close query follows: the save prompt, then the window goes.
    QApplication::processEvents();
    ASSERT_EQ(dialogs->asked().size(), 1u);
    EXPECT_EQ(dialogs->last().text, ui.baseName() + ui.msg(8));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FindNext, StopOutsideAScanChangesNothing)
{
    setUnit(u"s = \"a\";"_qs);
    form->run(Command::Stop);
    expectIdleControls();
    EXPECT_TRUE(ui.button("ToolButton4")->isEnabled());
}

TEST_F(FindNext, CommandsDoNotStartWhileAScanRuns)
{
    const QString cpp = longUnclosed(60000);
    setUnit(cpp);
    select(MainWindow::CppPage, 0);
    bool tried = false;
    const auto conn = QObject::connect(ticks(), &QTimer::timeout, form.get(), [&] {
        if (!ui.busy() || tried)
            return;
        tried = true;
        // Shortcuts and direct calls alike: none of them may start.
        QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
        QTest::keyClick(form.get(), Qt::Key_F8);
        form->run(Command::FindNext);
        form->run(Command::ChangeToggle);
        form->run(Command::FindText);
        ui.button("ToolButton8")->click();
    });
    form->run(Command::FindNext);
    QObject::disconnect(conn);
    EXPECT_TRUE(tried);
    EXPECT_EQ(page(MainWindow::CppPage).text(), cpp);
    EXPECT_EQ(foundText(), u"before"_qs);
    EXPECT_TRUE(dialogs->asked().empty());
    expectIdleControls();
}

} // namespace
