// Evaluation and tree building speed of TVParser.
#include "Vparser.h"

#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

// Evaluate of 2*sin(x)^2+1 with x set to a new number text before each call.
void BM_Evaluate(benchmark::State &state)
{
    TVParser parser;
    parser.setExpression(QStringLiteral("2*sin(x)^2+1"));
    if (!parser.CreateTree())
        state.SkipWithError("2*sin(x)^2+1 did not build");
    // The texts are made beforehand: the loop measures Evaluate, not QString::number.
    QStringList xs;
    for (int i = 0; i < 1024; ++i)
        xs << QString::number(-5 + i * 0.0098765, 'g', 8);
    long double sum = 0;
    int i = 0;
    for (auto _ : state) {
        parser.setX(xs[i++ & 1023]);
        sum += parser.Evaluate();
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Evaluate);

// CreateTree of a sum of `terms` terms: x+1.5+x+1.5+...
void BM_CreateTreeSum(benchmark::State &state)
{
    const int terms = int(state.range(0));
    QString sum;
    for (int i = 0; i < terms; ++i)
        sum += i == 0 ? QStringLiteral("x") : (i % 2 ? QStringLiteral("+1.5") : QStringLiteral("+x"));
    TVParser parser;
    for (auto _ : state) {
        parser.setExpression(sum);
        if (!parser.CreateTree())
            state.SkipWithError("the sum did not build");
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["terms_per_second"] =
        benchmark::Counter(double(state.iterations()) * terms, benchmark::Counter::kIsRate);
}
// 100, 1000 and 10000 terms: the time per term stays flat (chains are cut from one scan).
BENCHMARK(BM_CreateTreeSum)->Arg(100)->Arg(1000)->Arg(10000);

} // namespace

BENCHMARK_MAIN();
