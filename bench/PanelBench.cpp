// The literals panel and Extract checked through the real main window.
#include "BenchWindow.h"
#include "LiteralsPanel.h"

#include <QAction>
#include <QElapsedTimer>
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
    LiteralsPanel *panel = w.form->literalsPanel;
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
    w.form->PromtEqualStrings2->setChecked(false);
    w.form->UseFunction2->trigger();
    LiteralsPanel *panel = w.form->literalsPanel;
    panel->show();
    panel->refresh();
    const QString before = w.page().text();
    for (auto _ : state) {
        w.form->extractCheckedAction->trigger();
        state.PauseTiming();
        if (w.page().text() == before)
            state.SkipWithError("nothing was extracted");
        w.form->undoAction->trigger();
        panel->refresh();
        state.ResumeTiming();
    }
    state.counters["MB"] = double(before.size()) / 1e6;
    state.counters["literals"] = panel->model().rowCount();
}
BENCHMARK(BM_ExtractChecked)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
