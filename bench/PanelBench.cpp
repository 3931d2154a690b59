// The literals panel and Extract checked through the real main window.
#include "bench/BenchWindow.h"
#include "app/LiteralsPanel.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

// Lines of about 110 characters with 2.4 literals each on average: 100,000
// lines make the 11 MB unit of 240,000 literals.
QString generatedUnit(int lines)
{
    QString text;
    text.reserve(qsizetype(lines) * 112);
    for (int i = 0; i < lines; ++i) {
        const QString n = QString::number(i);
        QString line = QStringLiteral("    Label") + n + QStringLiteral("->Caption = \"Caption text number ") + n +
                       QStringLiteral(" of the form\"; Hint = \"Hint ") + n + u'"' + u';';
        if (i % 5 < 2)
            line += QStringLiteral(" f(\"x.ini\");");
        line = line.leftJustified(106, u' ') + QStringLiteral("// \r\n");
        text += line;
    }
    return text;
}

// Time from one typed character to the panel being up to date (the pause
// included), with the editor writable.
void BM_PanelUpdateAfterEdit(benchmark::State &state)
{
    const int lines = int(state.range(0)) * 9100; // about 1 MB per 9,100 lines
    BenchWindow w(generatedUnit(lines));
    LiteralsPanel *panel = w.ui.panel();
    panel->show();
    panel->refresh();
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        w.page().replace(10, 0, QStringLiteral("x"));
        while (!panel->isUpToDate())
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    state.counters["MB"] = double(w.page().length()) / 1e6;
    state.counters["rows"] = panel->model().rowCount();
    state.counters["rescan_ms"] = double(panel->lastRescanMs());
    state.counters["blocking_ms"] = double(panel->lastBlockingMs());
    state.counters["pause_ms"] = panel->rescanDelayMs();
}
BENCHMARK(BM_PanelUpdateAfterEdit)->Arg(1)->Arg(10)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Extract checked of every literal judged user text on the 11 MB unit.
void BM_ExtractChecked(benchmark::State &state)
{
    BenchWindow w(generatedUnit(100000));
    w.ui.action("PromtEqualStrings2")->setChecked(false);
    w.ui.action("UseFunction2")->trigger();
    LiteralsPanel *panel = w.ui.panel();
    panel->show();
    panel->refresh();
    const QString before = w.page().text();
    for (auto _ : state) {
        w.ui.action("ExtractChecked1")->trigger();
        state.PauseTiming();
        if (w.page().text() == before)
            state.SkipWithError("nothing was extracted");
        w.ui.action("Undo1")->trigger();
        panel->refresh();
        state.ResumeTiming();
    }
    state.counters["MB"] = double(before.size()) / 1e6;
    state.counters["literals"] = panel->model().rowCount();
}
BENCHMARK(BM_ExtractChecked)->Unit(benchmark::kMillisecond)->Iterations(2);

// The filter on the 11 MB page's panel (240,000 rows): time from a key in
// the filter box to the filtered rows painted. Arg 0: the first character on
// the whole list; 1: each further character of a longer filter (the mean of
// its 10 keys); 2: Escape, back to every row.
void BM_PanelFilter(benchmark::State &state)
{
    BenchWindow w(generatedUnit(100000));
    LiteralsPanel *panel = w.ui.panel();
    panel->show();
    panel->refresh();
    QLineEdit *box = panel->filterBox();
    const QString further = QStringLiteral("xt number 4");
    const auto settle = [&](const QString &expected) {
        while (panel->filter().filterText() != expected)
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        panel->table()->viewport()->repaint();
    };
    const auto typed = [&](const QString &expected, auto key) {
        QElapsedTimer clock;
        clock.start();
        key();
        settle(expected);
        return clock.nsecsElapsed();
    };
    for (auto _ : state) {
        box->clear();
        settle(QString());
        qint64 ns = 0;
        if (state.range(0) == 0) {
            ns = typed(QStringLiteral("t"), [&] { QTest::keyClick(box, Qt::Key_T); });
        } else {
            QTest::keyClicks(box, QStringLiteral("Te"));
            settle(QStringLiteral("Te"));
            if (state.range(0) == 1) {
                QString expected = box->text();
                for (const QChar c : further) {
                    expected += c;
                    ns += typed(expected, [&] { QTest::keyClick(box, c.toLatin1()); });
                }
                ns /= further.size();
            } else {
                ns = typed(QString(), [&] { QTest::keyClick(box, Qt::Key_Escape); });
            }
        }
        state.SetIterationTime(double(ns) / 1e9);
    }
    state.counters["rows"] = panel->model().rowCount();
    state.counters["shown"] = panel->table()->model()->rowCount();
}
BENCHMARK(BM_PanelFilter)->Arg(0)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
