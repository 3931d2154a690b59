// Find Text through the real main window: the cost follows the distance
// searched, whatever the search text.
#include "bench/BenchWindow.h"

#include <benchmark/benchmark.h>

namespace {

// A page of a's with the search text at its very end. Arg 1 searches for a
// text that almost matches at every position (many a's, then a b).
void BM_FindTextToTheEnd(benchmark::State &state)
{
    const int bytes = 10 * 1000 * 1000;
    const QString needle = state.range(0) ? QString(1000, u'a') + u'b' : QStringLiteral("needle");
    QString text;
    const QString line = QString(78, u'a') + QStringLiteral("\r\n");
    text.reserve(bytes + needle.size());
    while (text.size() < bytes)
        text += line;
    text += needle;
    BenchWindow w(text);
    w.dialogs.inputAnswer = needle;
    for (auto _ : state) {
        w.page().setSelection(0, 0);
        w.form->run(Command::FindText);
    }
    if (w.page().selectedText() != needle)
        state.SkipWithError("search text not found");
    state.SetBytesProcessed(int64_t(state.iterations()) * w.page().length());
}
BENCHMARK(BM_FindTextToTheEnd)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
