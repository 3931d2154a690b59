// Find Next through the real main window on C++ pages of several sizes.
#include "bench/BenchWindow.h"
#include "bench/LargeUnit.h"

#include <QPlainTextEdit>
#include <benchmark/benchmark.h>

namespace {

constexpr int kMB = 1000 * 1000;

// Lines of code without a double quote, 80 characters with the break.
QString pageWithoutLiterals(int bytes)
{
    const QString line = QStringLiteral("    Total = Total + Price[Index] * Count[Index]; // no text on this line   \r\n");
    QString text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes)
        text += line;
    return text;
}

// Every line ends with a literal; the next opening quote is 100 characters
// behind the end of the previous literal.
QString pageWithLiteralsEvery100(int bytes)
{
    const QString line = QString(98, u'x').replace(0, 4, QStringLiteral("    ")) + QStringLiteral("\"ab\"\r\n");
    QString text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes)
        text += line;
    return text;
}

// Editing the last character makes the editor model forget what it read,
// as any change of the text does.
void touchLastCharacter(EditorModel &m)
{
    const int last = m.length() - 1;
    m.replace(last, 1, QString(m.charAt(last)));
}

// Arg 1: the first scan after a change of the text; 0: the text unchanged
// since the previous scan.
void BM_FindNextWithoutLiteral(benchmark::State &state)
{
    BenchWindow w(pageWithoutLiterals(int(state.range(0))));
    const int length = w.page().length();
    const bool afterChange = state.range(1);
    for (auto _ : state) {
        if (afterChange) {
            state.PauseTiming();
            touchLastCharacter(w.page());
            state.ResumeTiming();
        }
        w.page().setSelection(0, 0);
        w.form->run(Command::FindNext); // scans the whole page, ends with the message
    }
    if (w.dialogs.messages != int(state.iterations()))
        state.SkipWithError("the scan did not reach the end");
    state.SetBytesProcessed(int64_t(state.iterations()) * length);
}
BENCHMARK(BM_FindNextWithoutLiteral)
    ->ArgNames({"page", "after_change"})
    ->ArgsProduct({{1 * kMB, 10 * kMB}, {1, 0}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Find Next from regionStart on, back to it after every 50 literals, so that
// every page size steps over the same kind of text.
void stepFromRegion(benchmark::State &state, BenchWindow &w, int regionStart)
{
    EditorModel &m = w.page();
    int steps = 0;
    m.setSelection(regionStart, 0);
    for (auto _ : state) {
        if (++steps == 50) {
            steps = 0;
            m.setSelection(regionStart, 0);
        }
        w.form->run(Command::FindNext);
    }
}

// One Find Next that scans 100 characters to the next literal, in the
// middle of a small and of a large page: the cost must not follow the size.
void BM_FindNextLiteral100Away(benchmark::State &state)
{
    BenchWindow w(pageWithLiteralsEvery100(int(state.range(0))), state.range(1));
    EditorModel &m = w.page();
    const int lineLength = 104;
    const int firstLine = m.lineCount() / 2 - 30;
    const int regionStart = firstLine * lineLength;
    stepFromRegion(state, w, regionStart);
    if (m.selectedText() != QStringLiteral("\"ab\""))
        state.SkipWithError("no literal selected");
    state.counters["page_bytes"] = double(m.length());
}
BENCHMARK(BM_FindNextLiteral100Away)
    ->ArgNames({"page", "shown"})
    ->ArgsProduct({{10 * 1000, 10 * kMB}, {1, 0}})
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// The same on a page that is one long line (generated or minified code):
// a literal every 100 characters, no line break at all. The cost must stay
// that of the 10 KB page above.
void BM_FindNextOnOneLongLine(benchmark::State &state)
{
    QString line = pageWithLiteralsEvery100(int(state.range(0)));
    line.remove(QStringLiteral("\r\n"));
    BenchWindow w(line, state.range(1));
    EditorModel &m = w.page();
    const int regionStart = m.length() / 2;
    stepFromRegion(state, w, regionStart);
    if (m.selectedText() != QStringLiteral("\"ab\"") || m.lineCount() != 1)
        state.SkipWithError("no literal selected on the one line");
    state.counters["line_bytes"] = double(m.length());
}
BENCHMARK(BM_FindNextOnOneLongLine)
    ->ArgNames({"line", "shown"})
    ->ArgsProduct({{1 * kMB, 10 * kMB}, {1, 0}})
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

void BM_FindNextEveryLiteral(benchmark::State &state)
{
    int literals = 0;
    BenchWindow w(largeUnit(int(state.range(0)), &literals), state.range(1));
    EditorModel &m = w.page();
    int found = 0;
    for (auto _ : state) {
        m.setSelection(0, 0);
        w.dialogs.messages = 0;
        found = 0;
        for (;;) {
            w.form->run(Command::FindNext);
            if (w.dialogs.messages > 0)
                break; // the end of the text
            ++found;
        }
    }
    if (found != literals)
        state.SkipWithError(QStringLiteral("found %1 of %2 literals").arg(found).arg(literals).toUtf8().constData());
    state.counters["literals"] = found;
    state.counters["page_MB"] = m.length() / 1e6;
    state.counters["literals_per_s"] = benchmark::Counter(double(found) * double(state.iterations()),
                                                          benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FindNextEveryLiteral)
    ->ArgNames({"lines", "shown"})
    ->ArgsProduct({{100000}, {1, 0}})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// What reading the editor costs by itself: every character of a page through
// the editor model, front to back, as the scanners read it.
void BM_EditorSequentialRead(benchmark::State &state)
{
    QPlainTextEdit edit;
    EditorModel &m = EditorModel::of(&edit);
    m.setText(pageWithoutLiterals(int(state.range(0))));
    const int n = m.length();
    for (auto _ : state) {
        state.PauseTiming();
        touchLastCharacter(m);
        state.ResumeTiming();
        unsigned sum = 0;
        for (int i = 0; i < n; ++i)
            sum += m.charAt(i).unicode();
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * n);
}
BENCHMARK(BM_EditorSequentialRead)->Arg(10 * kMB)->Unit(benchmark::kMillisecond);

} // namespace
