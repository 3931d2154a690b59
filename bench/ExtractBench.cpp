// What the proof costs next to the extraction it guards: extract() of every
// literal of the 11 MB unit in the Function mode, then the proof over the
// old and the new page. The proof must stay within a tenth of the extraction.
#include "batch/BatchExtract.h"
#include "bench/LargeUnit.h"

#include <benchmark/benchmark.h>

namespace {
const QString &page()
{
    static const QString text = [] {
        int literals = 0;
        return largeUnit(100000, &literals);
    }();
    return text;
}

const Batch::Options kFunction{SourcePage::Cpp, StringMode::Function, false, Batch::EqualStrings::NewEntry,
                               QStringLiteral("Form1"), false};

void BM_Extract(benchmark::State &state)
{
    for (auto _ : state) {
        const std::vector<Batch::Literal> literals = Batch::findLiterals(page(), SourcePage::Cpp);
        benchmark::DoNotOptimize(Batch::extract(page(), literals, kFunction, Batch::State{}));
    }
}
BENCHMARK(BM_Extract)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Proof(benchmark::State &state)
{
    const Batch::Result result = Batch::extract(page(), kFunction, Batch::State{});
    for (auto _ : state)
        benchmark::DoNotOptimize(Batch::proofFailure(page(), result));
}
BENCHMARK(BM_Proof)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

BENCHMARK_MAIN();
