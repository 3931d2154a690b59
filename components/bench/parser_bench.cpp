// Evaluation and tree building speed of TVParser.
#include "components/Vparser/Vparser.h"

#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>

#ifdef VTQX_HAVE_MUPARSER
#include <muParser.h>

#include <charconv>
#include <cstdlib>
#include <string>
#include <vector>
#endif

namespace {

// The x texts of the evaluation benchmarks, made beforehand: the loops
// measure the evaluation, not QString::number.
const QStringList &xTexts()
{
    static const QStringList xs = [] {
        QStringList list;
        for (int i = 0; i < 1024; ++i)
            list << QString::number(-5 + i * 0.0098765, 'g', 8);
        return list;
    }();
    return xs;
}

// Evaluate of 2*sin(x)^2+1 with x set to a new number text before each call.
// The result text is written when ErgebnisString is read (next benchmark).
void BM_Evaluate(benchmark::State &state)
{
    TVParser parser;
    parser.setExpression(QStringLiteral("2*sin(x)^2+1"));
    if (!parser.CreateTree())
        state.SkipWithError("2*sin(x)^2+1 did not build");
    const QStringList &xs = xTexts();
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

// The same, reading ErgebnisString after each call.
void BM_EvaluateAndResultText(benchmark::State &state)
{
    TVParser parser;
    parser.setExpression(QStringLiteral("2*sin(x)^2+1"));
    if (!parser.CreateTree())
        state.SkipWithError("2*sin(x)^2+1 did not build");
    const QStringList &xs = xTexts();
    qsizetype length = 0;
    int i = 0;
    for (auto _ : state) {
        parser.setX(xs[i++ & 1023]);
        parser.Evaluate();
        length += parser.ErgebnisString().size();
    }
    benchmark::DoNotOptimize(length);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateAndResultText);

// The peer: muparser evaluating the same expression in double, with x bound
// to a variable, and with x read from the same texts before each evaluation
// (std::from_chars, the fastest standard conversion).
#ifdef VTQX_HAVE_MUPARSER
// Each peer loop differs only in how x gets its value before an evaluation:
// setX(i, x) for the i-th of the 1,024 texts.
template <typename SetX>
void runMuparser(benchmark::State &state, SetX setX)
{
    double x = 0;
    mu::Parser parser;
    parser.DefineVar("x", &x);
    parser.SetExpr("2*sin(x)^2+1");
    double sum = 0;
    int i = 0;
    for (auto _ : state) {
        setX(i++ & 1023, x);
        sum += parser.Eval();
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations());
}

std::vector<std::string> xTextsAsStd()
{
    std::vector<std::string> xs;
    for (const QString &text : xTexts())
        xs.push_back(text.toStdString());
    return xs;
}

void BM_MuparserBound(benchmark::State &state)
{
    runMuparser(state, [](int i, double &x) { x = -5 + i * 0.0098765; });
}
BENCHMARK(BM_MuparserBound);

void BM_MuparserFromText(benchmark::State &state)
{
    const std::vector<std::string> xs = xTextsAsStd();
    runMuparser(state, [&xs](int i, double &x) {
        const std::string &text = xs[i];
        std::from_chars(text.data(), text.data() + text.size(), x);
    });
}
BENCHMARK(BM_MuparserFromText);

// For comparison: the C runtime's conversion instead of std::from_chars.
void BM_MuparserStrtod(benchmark::State &state)
{
    const std::vector<std::string> xs = xTextsAsStd();
    runMuparser(state, [&xs](int i, double &x) { x = std::strtod(xs[i].c_str(), nullptr); });
}
BENCHMARK(BM_MuparserStrtod);

// The conversion a Qt program gets for the same QString texts TVParser reads.
void BM_MuparserQStringToDouble(benchmark::State &state)
{
    const QStringList &xs = xTexts();
    runMuparser(state, [&xs](int i, double &x) { x = xs[i].toDouble(); });
}
BENCHMARK(BM_MuparserQStringToDouble);
#else
void BM_MuparserComparison(benchmark::State &state)
{
    state.SkipWithError("muparser is not installed (bash scripts/bench-setup.sh); no comparison");
    for (auto _ : state) {
    }
}
BENCHMARK(BM_MuparserComparison);
#endif

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
