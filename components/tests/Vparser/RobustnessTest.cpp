// Any text, however long or deeply nested, gives a result or false without
// exhausting the stack (the build budget bounds the time; the figures are in
// components/bench/parser_bench).
#include "platform/core/Exception.h"
#include "components/Vparser/ParserCore.h"
#include "components/tests/Vparser/ParserTestSupport.h"
#include "components/Vparser/Vparser.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QString repeated(const char *piece, int count)
{
    return QString::fromLatin1(piece).repeated(count);
}

struct Huge
{
    const char *name;
    QString expression;
    bool builds;
    const char *result; // ErgebnisString when it builds
};

void PrintTo(const Huge &c, std::ostream *os)
{
    *os << '"' << c.name << '"';
}

class HugeInput : public PointLocaleTest, public ::testing::WithParamInterface<Huge>
{
};

TEST_P(HugeInput, BuildsOrFailsInBoundedTime)
{
    TVParser parser;
    parser.setExpression(GetParam().expression);
    parser.setX(QStringLiteral("0.5"));
    const bool built = parser.CreateTree();
    EXPECT_EQ(built, GetParam().builds);
    // Whatever the tree holds evaluates without a crash.
    try {
        parser.Evaluate();
    } catch (const Exception &) {
    }
    if (GetParam().builds) {
        EXPECT_EQ(parser.ErgebnisString(), QString::fromLatin1(GetParam().result));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, HugeInput,
    ::testing::Values(
        // Chains of one rank are cut from one scan: they build.
        Huge{"Sum", QStringLiteral("1") + repeated("+1", 500000), true, "500001"},
        Huge{"Alternating", QStringLiteral("1") + repeated("-1+1", 250000), true, "1"},
        Huge{"Differences", QStringLiteral("1000000") + repeated("-1", 500000), true, "500000"},
        Huge{"Product", QStringLiteral("2") + repeated("*1", 500000), true, "2"},
        Huge{"Quotients", QStringLiteral("1") + repeated("/1", 500000), true, "1"},
        Huge{"SumOfProducts", QStringLiteral("x") + repeated("+2*x-x/2", 100000), true, "75000.5"},
        // Nesting without operators fails at once.
        Huge{"Parentheses", repeated("(", 100000) + QStringLiteral("x") + repeated(")", 100000), false, ""},
        // Nesting with operators, and power chains, outgrow the budget.
        Huge{"NestedSums", repeated("1+(", 100000) + QStringLiteral("1") + repeated(")", 100000), false, ""},
        Huge{"NestedFunctions", repeated("sin(", 100000) + QStringLiteral("x") + repeated(")", 100000), false,
             ""},
        Huge{"Powers", QStringLiteral("1") + repeated("^1", 500000), false, ""},
        Huge{"Digits", repeated("1", 1000000), false, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PointLocaleTest, ABuildWithinTheBudgetIsExact)
{
    // 2000 nested sums cost about 2000^2 / 2 steps, far below the budget.
    TVParser parser;
    parser.setExpression(repeated("1+(", 2000) + QStringLiteral("1") + repeated(")", 2000));
    EXPECT_TRUE(parser.CreateTree());
    parser.Evaluate();
    EXPECT_EQ(parser.ErgebnisString(), QStringLiteral("2001"));
}

TEST_F(PointLocaleTest, DeepTreesEvaluateAndFreeWithoutRecursion)
{
    auto root = std::make_unique<Tree>(QStringLiteral("+"));
    Tree *node = root.get();
    for (int i = 0; i < 1000000; ++i) {
        node->Right = std::make_unique<Tree>(QStringLiteral("1"));
        node->Left = std::make_unique<Tree>(i + 1 < 1000000 ? QStringLiteral("+") : QStringLiteral("1"));
        node = node->Left.get();
    }
    TVParser parser;
    EXPECT_EQ(parser.Eval(*root), 1000001);
    root.reset();
}

} // namespace
