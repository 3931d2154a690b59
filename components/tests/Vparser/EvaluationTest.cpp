// Values and errors of Evaluate, modl, and the number cache.
#include "platform/core/Exception.h"
#include "components/Vparser/ParserCore.h"
#include "components/tests/Vparser/ParserTestSupport.h"
#include "components/Vparser/Vparser.h"
#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <random>

namespace {

struct Result
{
    const char *expression;
    const char *x;
    const char *text; // ErgebnisString
};

void PrintTo(const Result &c, std::ostream *os)
{
    *os << '"' << c.expression << '"';
}

class Results : public PointLocaleTest, public ::testing::WithParamInterface<Result>
{
};

TEST_P(Results, EvaluateToTheirText)
{
    TVParser parser;
    parser.setExpression(QString::fromLatin1(GetParam().expression));
    ASSERT_TRUE(parser.CreateTree()) << GetParam().expression;
    parser.setX(QString::fromLatin1(GetParam().x));
    parser.Evaluate();
    EXPECT_EQ(parser.ErgebnisString(), QString::fromLatin1(GetParam().text)) << GetParam().expression;
}

INSTANTIATE_TEST_SUITE_P(Arithmetic, Results,
                         ::testing::Values(Result{"2*sin(x)^2+1", "1", "2.4161468"}, //
                                           Result{"x+0", "3", "3"},                   //
                                           Result{"0+5", "", "5"},                    //
                                           Result{"-(x-1)*3", "4", "-9"},             //
                                           Result{"(-8)^3", "", "-512"},              //
                                           Result{"2^3^2", "", "512"},                //
                                           Result{"2^(-1)", "", "0.5"},               //
                                           Result{"pi*e", "", "8.5397343"},           // eight-digit constants
                                           Result{"lg(1000)", "", "3"},               //
                                           Result{"ln(e)", "", "0.99999999"},         //
                                           Result{"abs(-2.5)", "", "2.5"},            //
                                           Result{"cos(0)+tan(0)", "", "1"},          //
                                           Result{"10-3-2", "", "5"},                 //
                                           Result{"10-3+2", "", "9"},                 //
                                           Result{"1-6+0+4", "", "-1"},               //
                                           Result{"a-(b-c)-d", "", "0"},              //
                                           Result{"7 mod 3", "", "1"},                //
                                           Result{"7 mod 3 mod 2", "", "0"},          // 7 mod (3 mod 2)
                                           Result{"2*7 mod 4", "", "6"},              // 2*(7 mod 4)
                                           Result{"-7.5 mod 2", "", "-1.5"}),
    [](const auto &info) { return caseName(info.param.expression, info.index); });

// "/" goes left to right, in products, sums, differences and parentheses.
INSTANTIATE_TEST_SUITE_P(DivisionChains, Results,
                         ::testing::Values(Result{"8/4/2", "", "1"},            //
                                           Result{"8/4*2", "", "4"},            //
                                           Result{"7*2/4*7", "", "24.5"},       //
                                           Result{"1/2+3/4", "", "1.25"},       //
                                           Result{"2*8/4/2", "", "2"},          //
                                           Result{"64/4/2/2", "", "4"},         //
                                           Result{"64/4*2/8", "", "4"},         //
                                           Result{"1+8/4/2", "", "2"},          //
                                           Result{"10-8/4/2", "", "9"},         //
                                           Result{"8/4/2-8/4/2", "", "0"},      //
                                           Result{"(8/4/2)*3", "", "3"},        //
                                           Result{"3*(8/4/2)", "", "3"},        //
                                           Result{"x/2/2", "8", "2"},           //
                                           Result{"2^8/4/2", "", "32"},         //
                                           Result{"-8/4/2", "", "-1"},          //
                                           Result{"8/4 mod 3", "", "8"},        // "m" takes the rest: 8/(4 mod 3)
                                           Result{"16/2/2 mod 3", "", "4"}),
    [](const auto &info) { return caseName(info.param.expression, info.index); });   // 16/2/(2 mod 3)

// A zero that the text multiplies by never becomes a divisor.
INSTANTIATE_TEST_SUITE_P(OnlyTheTextsDivisors, Results,
                         ::testing::Values(Result{"1/2*x^2", "0", "0"},  //
                                           Result{"8/4*x", "0", "0"},    //
                                           Result{"x/2*x", "0", "0"},    //
                                           Result{"3/x*0", "1", "0"},    //
                                           Result{"2*3/x*0*5", "1", "0"}, //
                                           Result{"1/2*x mod 3", "0", "0"}),
    [](const auto &info) { return caseName(info.param.expression, info.index); });

TEST_F(PointLocaleTest, VariableTexts)
{
    TVParser parser;
    parser.setExpression(QStringLiteral("x"));
    ASSERT_TRUE(parser.CreateTree());
    const std::pair<const char *, long double> cases[] = {
        {"2.5", 2.5L}, {"", 0}, {"abc", 0}, {"3+4", 3}, {"-1e2", -100}, {"pi", 3.1415927L}};
    for (const auto &[x, value] : cases) {
        parser.setX(QString::fromLatin1(x));
        EXPECT_EQ(parser.Evaluate(), value) << x;
    }
    SetDecimalSeparator(u',');
    parser.setX(QStringLiteral("2,5"));
    EXPECT_EQ(parser.Evaluate(), 2.5L);
    EXPECT_EQ(parser.ErgebnisString(), QStringLiteral("2,5"));
    parser.setX(QStringLiteral("2.5"));
    EXPECT_EQ(parser.Evaluate(), 2.5L);
}

TEST_F(PointLocaleTest, AProductWithAZeroOperandIsZero)
{
    TVParser parser;
    parser.setExpression(QStringLiteral("0*10^400")); // 10^400 is infinite in double
    ASSERT_TRUE(parser.CreateTree());
    EXPECT_EQ(parser.Evaluate(), 0);
    EXPECT_EQ(parser.ErgebnisString(), QStringLiteral("0"));

    parser.setExpression(QStringLiteral("10^400"));
    ASSERT_TRUE(parser.CreateTree());
    parser.Evaluate();
    EXPECT_EQ(parser.ErgebnisString(), QStringLiteral("INF"));
}

// --- errors --------------------------------------------------------------

struct Error
{
    const char *expression;
    const char *x;
    const char *message;
};

void PrintTo(const Error &c, std::ostream *os)
{
    *os << '"' << c.expression << '"';
}

class Errors : public PointLocaleTest, public ::testing::WithParamInterface<Error>
{
};

TEST_P(Errors, RaiseTheirGermanMessage)
{
    TVParser parser;
    parser.setExpression(QString::fromLatin1(GetParam().expression));
    ASSERT_TRUE(parser.CreateTree()) << GetParam().expression;
    parser.setX(QString::fromLatin1(GetParam().x));
    try {
        parser.Evaluate();
        ADD_FAILURE() << GetParam().expression << ": no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QString::fromUtf8(GetParam().message)) << GetParam().expression;
    }
}

INSTANTIATE_TEST_SUITE_P(Messages, Errors,
                         ::testing::Values(Error{"1/0", "", "Division durch 0"},
                                           Error{"1/(x-x)", "3", "Division durch 0"},
                                           Error{"(1/0)*0", "", "Division durch 0"}, // operands before the product
                                           Error{"2*3/x*4", "0", "Division durch 0"}, // the text divides by x
                                           Error{"ln(0)", "", "Log von X mit X <= 0"},
                                           Error{"lg(-1)", "", "Log von X mit X <= 0"},
                                           Error{"(-8)^(1/3)", "", "Kein negativer Ausdruck unter Wurzel erlaubt."},
                                           Error{"x+1", "1e9999", "1e9999 kann nicht in eine Zahl umgewandelt werden! (STD)"}),
    [](const auto &info) { return caseName(info.param.expression, info.index); });

// Of two failing operands the right one reports.
INSTANTIATE_TEST_SUITE_P(RightOperandFirst, Errors,
                         ::testing::Values(Error{"1/0+ln(0)", "", "Log von X mit X <= 0"},
                                           Error{"ln(0)+1/0", "", "Division durch 0"},
                                           Error{"(1/0)^(-8)^(1/3)", "", "Kein negativer Ausdruck unter Wurzel erlaubt."},
                                           Error{"ln(1/0)", "", "Division durch 0"}),
    [](const auto &info) { return caseName(info.param.expression, info.index); });

TEST_F(PointLocaleTest, AFailedEvaluationKeepsThePreviousResultText)
{
    TVParser parser;
    parser.setExpression(QStringLiteral("1/x"));
    ASSERT_TRUE(parser.CreateTree());
    parser.setX(QStringLiteral("4"));
    EXPECT_EQ(parser.Evaluate(), 0.25L);
    parser.setX(QStringLiteral("0"));
    EXPECT_THROW(parser.Evaluate(), Exception);
    EXPECT_EQ(parser.ErgebnisString(), QStringLiteral("0.25"));
}

// --- modl ----------------------------------------------------------------

TEST(Modl, HasTheSignOfTheDividend)
{
    TVParser parser;
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const struct
    {
        long double a, b, expected;
    } cases[] = {{7, 3, 1},       {-7, 3, -1},      {7, -3, 1},  {7.5L, 2, 1.5L},
                 {5, 0, 0},       {0, 5, 0},        {-6, 3, -0.0L},
                 {1e12L + 7, 10, 7},  // quotient beyond 32 bits: long double truncation
                 {-1e15L - 3, 1e5L, -3},
                 {inf, 2, inf},   // a floating-point fault gives the dividend
                 {5, inf, 5}};
    for (const auto &c : cases)
        EXPECT_EQ(parser.modl(c.a, c.b), c.expected) << double(c.a) << " mod " << double(c.b);
    EXPECT_TRUE(std::isnan(parser.modl(nan, 2)));
    EXPECT_TRUE(std::isfinite(parser.modl(1e4000L, 3e-4000L))) << "no undefined behaviour, some remainder";
}

// --- invalid trees -------------------------------------------------------

TEST_F(PointLocaleTest, EmptyLinksAreNeverFollowed)
{
    TVParser parser;
    Tree halfPlus(QStringLiteral("+"));
    halfPlus.Left = std::make_unique<Tree>(QStringLiteral("5"));
    EXPECT_EQ(parser.Eval(halfPlus), 0) << "read as the leaf \"+\"";

    Tree function(QStringLiteral("#"));
    function.Right = std::make_unique<Tree>(QStringLiteral("2"));
    EXPECT_EQ(parser.Eval(function), 0);

    Tree unknown(QStringLiteral("?"));
    unknown.Left = std::make_unique<Tree>(QStringLiteral("1"));
    unknown.Right = std::make_unique<Tree>(QStringLiteral("2"));
    EXPECT_EQ(parser.Eval(unknown), 0) << "an unknown operator is a leaf";

    Tree badCode(QStringLiteral("#"));
    badCode.Left = std::make_unique<Tree>(QStringLiteral("q"));
    badCode.Right = std::make_unique<Tree>(QStringLiteral("1/0"));
    EXPECT_EQ(parser.Eval(badCode), 0) << "an unknown function code gives 0";
}

TEST_F(PointLocaleTest, AFailedTreeEvaluatesWhatItHolds)
{
    TVParser parser;
    parser.setExpression(QStringLiteral("3x+1"));
    EXPECT_FALSE(parser.CreateTree());
    EXPECT_EQ(parser.Evaluate(), 4) << "the failed part 3x reads as 3";
    parser.setExpression(QStringLiteral("(+)*2"));
    EXPECT_FALSE(parser.CreateTree());
    EXPECT_EQ(parser.Evaluate(), 0);
    parser.setExpression(QStringLiteral("3x"));
    EXPECT_FALSE(parser.CreateTree());
    EXPECT_EQ(parser.Evaluate(), 0) << "an empty root";
    EXPECT_EQ(parser.ErgebnisString(), QStringLiteral("0"));
}

// --- the number cache ----------------------------------------------------

TEST_F(PointLocaleTest, CachedLeafNumbersFollowEverySettingTheyDependOn)
{
    TVParser parser;
    SetDecimalSeparator(u',');
    parser.setExpression(QStringLiteral("2,5*x"));
    ASSERT_TRUE(parser.CreateTree());
    parser.setX(QStringLiteral("2"));
    EXPECT_EQ(parser.Evaluate(), 5) << "2,5 read with the mark ,";
    EXPECT_EQ(parser.Evaluate(), 5);

    SetDecimalSeparator(u'.');
    EXPECT_EQ(parser.Evaluate(), 4) << "2,5 read with the mark . is 2";
    parser.setConvertAllColonsAndDots(true);
    EXPECT_EQ(parser.Evaluate(), 5) << "both marks count";
    parser.setConvertAllColonsAndDots(false);
    parser.setOverwriteDecimalSymbol(QStringLiteral(","));
    EXPECT_EQ(parser.Evaluate(), 5) << "the overwritten mark";
    parser.setOverwriteDecimalSymbol(QString());
    EXPECT_EQ(parser.Evaluate(), 4);

    parser.setX(QStringLiteral("3"));
    EXPECT_EQ(parser.Evaluate(), 6) << "variables are read every time";

    // Another object with other settings on the same tree.
    TVParser other;
    other.setOverwriteDecimalSymbol(QStringLiteral(","));
    other.setX(QStringLiteral("2"));
    EXPECT_EQ(other.Evaluate(), 5);
    EXPECT_EQ(parser.Evaluate(), 6);

    // A leaf whose text is replaced in place.
    TVParser::TreeRoot().Left->Value = QStringLiteral("7");
    EXPECT_EQ(parser.Evaluate(), 21);
    TVParser::TreeRoot().Left->Value[0] = u'9';
    EXPECT_EQ(parser.Evaluate(), 27);
}

// Each field of a node counts: a text shortened in its own buffer, a link
// replaced, a leaf given links, links taken away.
TEST_F(PointLocaleTest, DirectChangesOfAnyNodeFieldAreSeen)
{
    TVParser parser;
    parser.setExpression(QStringLiteral("x*3"));
    ASSERT_TRUE(parser.CreateTree());
    parser.setX(QStringLiteral("2"));
    Tree &root = TVParser::TreeRoot();
    root.Right->Value = QString::fromLatin1("45");
    EXPECT_EQ(parser.Evaluate(), 90);
    root.Right->Value.chop(1);
    EXPECT_EQ(parser.Evaluate(), 8) << "same characters, shorter";
    root.Right = std::make_unique<Tree>(QStringLiteral("5"));
    EXPECT_EQ(parser.Evaluate(), 10) << "right link";
    root.Left = std::make_unique<Tree>(QStringLiteral("-"));
    EXPECT_EQ(parser.Evaluate(), 0) << "left link; a lone - reads as 0";
    root.Left->Left = std::make_unique<Tree>(QStringLiteral("9"));
    root.Left->Right = std::make_unique<Tree>(QStringLiteral("1"));
    EXPECT_EQ(parser.Evaluate(), 40) << "the leaf became 9-1";
    root.Left->Right.reset();
    EXPECT_EQ(parser.Evaluate(), 0) << "a node with one link is a leaf";
}

// --- the shortcuts of the evaluation --------------------------------------

// Squares by multiplication must give pow's double to the last bit: random
// significands over a wide range, exact ties (27-bit significands, where pow
// rounds either way), squares near powers of two, and the special values.
TEST(Power, SquaresAreBitForBitPow)
{
    std::mt19937_64 random(7);
    volatile double two = 2; // keeps the compiler from turning pow into a product
    const auto check = [&](double base) {
        const double expected = std::pow(base, two);
        const double actual = ParserCore::power(base, 2);
        ASSERT_EQ(std::bit_cast<quint64>(actual), std::bit_cast<quint64>(expected)) << std::hexfloat << base;
    };
    // Half of them where the squares lie from 2^-100 to 2^100, under the
    // wider bound.
    for (int i = 0; i < 2000000; ++i) {
        const double significand = double((random() >> 11) | (quint64(1) << 52));
        const int exponent = i % 4 < 2 ? int(random() % 1200) - 652 : int(random() % 100) - 102;
        check(std::ldexp(significand, exponent) * (i % 2 ? -1 : 1));
    }
    for (int i = 0; i < 200000; ++i) {
        const double significand = double((random() & ((quint64(1) << 26) - 1)) | (quint64(1) << 26) | 1);
        check(std::ldexp(significand, int(random() % 200) - 126));
    }
    for (int i = 0; i < 200000; ++i)
        check(std::ldexp(std::sqrt(2.0) + double(int(random() % 4001) - 2000) * 0x1p-52, int(random() % 600) - 300));
    for (double special : {0.0, -0.0, 1.0, -1.0, 0x1p-1074, 0x1p-540, 0x1p520, 1e308, std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()})
        check(special);
    EXPECT_EQ(ParserCore::power(-8, 3), -512) << "other exponents are pow's";
}

// The laid-out evaluation (constants read and folded once, one running
// value) against a plain walk of the same tree: random expressions, variable
// texts that read, fail or overflow, every outcome equal to the last bit or
// the same message.
TEST_F(PointLocaleTest, LaidOutEvaluationEqualsTheWalk)
{
    std::mt19937 random(11);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    static const char *const leaves[] = {"x", "x", "a", "2", "0", "0.5", "3.25", "pi", "e", "1e300", "7"};
    static const char *const operators[] = {"+", "-", "*", "/", " mod ", "^"};
    static const char *const functions[] = {"sin", "cos", "tan", "ln", "lg", "abs"};
    const std::function<QString(int)> expression = [&](int depth) -> QString {
        const int kind = depth == 0 ? 0 : pick(4);
        if (kind == 0)
            return QString::fromLatin1(leaves[pick(std::size(leaves))]);
        if (kind == 1)
            return QString::fromLatin1(functions[pick(std::size(functions))]) + u'(' + expression(depth - 1) + u')';
        const QString op = QString::fromLatin1(operators[pick(std::size(operators))]);
        return u'(' + expression(depth - 1) + op + expression(depth - 1) + u')';
    };
    struct Outcome
    {
        long double value = 0;
        QString message;
    };
    const auto outcomeOf = [](auto evaluate) {
        Outcome outcome;
        try {
            outcome.value = evaluate();
        } catch (const Exception &e) {
            outcome.message = e.Message();
        }
        return outcome;
    };
    ParserState state;
    state.A = QStringLiteral("-2");
    ParserCore core(state);
    std::unique_ptr<Tree> root;
    int raised = 0, total = 0;
    for (int n = 0; n < 3000; ++n) {
        state.Expression = expression(1 + pick(5));
        core.CreateTree(root);
        for (const char *x : {"0", "-0", "1.5", "-2.25", "0.001", "2", "abc", "1e5000"}) {
            state.X = QString::fromLatin1(x);
            const Outcome laidOut = outcomeOf([&] { return core.Eval(*root); });
            const Outcome walked = outcomeOf([&] { return core.evalByWalk(*root); });
            ++total;
            raised += !walked.message.isEmpty();
            ASSERT_EQ(laidOut.message, walked.message) << state.Expression.toStdString() << " x=" << x;
            ASSERT_EQ(std::memcmp(&laidOut.value, &walked.value, 10), 0)
                << state.Expression.toStdString() << " x=" << x << ": " << double(laidOut.value) << " against "
                << double(walked.value);
        }
    }
    EXPECT_GT(raised, total / 20) << "errors are among the outcomes";
    EXPECT_LT(raised, total / 2);
}

} // namespace
