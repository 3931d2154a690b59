// Cutting texts at the operator of lowest precedence and building trees.
#include "components/Vparser/ParserCore.h"
#include "components/tests/Vparser/ParserTestSupport.h"
#include "components/Vparser/TreeBuilder.h"
#include "components/Vparser/Vparser.h"
#include "tests/support/CaseName.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <iterator>

namespace {

// --- SplitLowest ---------------------------------------------------------

struct Split
{
    const char *expression;
    const char *left;
    const char *op;
    const char *right;
};

void PrintTo(const Split &c, std::ostream *os)
{
    *os << '"' << c.expression << '"';
}

class SplitRule : public PointLocaleTest, public ::testing::WithParamInterface<Split>
{
};

TEST_P(SplitRule, CutsAtTheLowestOperator)
{
    TVParser parser;
    QString left = QStringLiteral("old"), right = QStringLiteral("old"), op = QStringLiteral("old");
    parser.SplitLowest(left, right, op, QString::fromLatin1(GetParam().expression));
    EXPECT_EQ(left, QString::fromLatin1(GetParam().left));
    EXPECT_EQ(op, QString::fromLatin1(GetParam().op));
    EXPECT_EQ(right, QString::fromLatin1(GetParam().right));
}

INSTANTIATE_TEST_SUITE_P(WorkedExample, SplitRule,
                         ::testing::Values(Split{"2*s#(x)^2+1", "2*s#(x)^2", "+", "1"},
                                           Split{"2*s#(x)^2", "2", "*", "s#(x)^2"},
                                           Split{"s#(x)^2", "s#(x)", "^", "2"}, //
                                           Split{"s#(x)", "s", "#", "x"}),
    [](const auto &info) { return caseName(info.param.expression, info.index); });

INSTANTIATE_TEST_SUITE_P(Precedence, SplitRule,
                         ::testing::Values(Split{"a+b+c", "a+b", "+", "c"},      // the last "+"
                                           Split{"a+b-c+d", "a+b", "-", "c-d"},  // the first "-", rewritten
                                           Split{"a-b-c", "a", "-", "b+c"},      //
                                           Split{"a*b+c", "a*b", "+", "c"},      // "+" before "*"
                                           Split{"a*bmc", "a", "*", "bmc"},      // the first of * / m
                                           Split{"7m3m2", "7", "m", "3m2"},      //
                                           Split{"a^b*c", "a^b", "*", "c"},      // "*" before "^"
                                           Split{"2^3^2", "2", "^", "3^2"},      // the first "^"
                                           Split{"s#x^2", "s#x", "^", "2"},      // "^" before "#"
                                           Split{"s#c#x", "s", "#", "c#x"},      // the first "#"
                                           Split{"(a+b)*c", "a+b", "*", "c"},    // parentheses count 16 each
                                           Split{"(a*b)+(c)", "a*b", "+", "c"},  // both parts lose their pair
                                           Split{"((a+b))*c", "(a+b)", "*", "c"}, // one pair only
                                           Split{"-x", "", "-", "x"},            //
                                           Split{"x", "", "", ""},               // no operator
                                           Split{"(x)", "", "", ""},             //
                                           Split{"", "", "", ""}),
    [](const auto &info) { return caseName(info.param.expression, info.index); });

// A product with "/" before its first "m" is cut at its last "*" or "/"
// before that "m": left to right, and no divisor the text does not divide by.
INSTANTIATE_TEST_SUITE_P(Division, SplitRule,
                         ::testing::Values(Split{"8/4/2", "8/4", "/", "2"},         //
                                           Split{"8/4*2", "8/4", "*", "2"},         //
                                           Split{"7*2/4*7", "7*2/4", "*", "7"},     //
                                           Split{"1/2*x^2", "1/2", "*", "x^2"},     //
                                           Split{"1/2+3/4", "1/2", "+", "3/4"},     //
                                           Split{"8/4m3", "8", "/", "4m3"},         //
                                           Split{"16/2/2m3/4", "16/2", "/", "2m3/4"}, //
                                           Split{"7m3/2*2", "7", "m", "3/2*2"},     // "m" first: as before
                                           Split{"(8/4)/(2)", "8/4", "/", "2"}),
    [](const auto &info) { return caseName(info.param.expression, info.index); });

// --- IsZahl --------------------------------------------------------------

struct Leaf
{
    const char *text;
    bool isLeaf;
};

void PrintTo(const Leaf &c, std::ostream *os)
{
    *os << '"' << c.text << '"';
}

class Leaves : public PointLocaleTest, public ::testing::WithParamInterface<Leaf>
{
};

TEST_P(Leaves, AreCodesNamesAndCanonicalNumbers)
{
    TVParser parser;
    EXPECT_EQ(parser.IsZahl(QString::fromLatin1(GetParam().text)), GetParam().isLeaf) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(CodesAndNames, Leaves,
                         ::testing::Values(Leaf{"s", true}, Leaf{"c", true}, Leaf{"t", true}, Leaf{"n", true},
                                           Leaf{"g", true}, Leaf{"r", true}, Leaf{"S", false}, Leaf{"x", true},
                                           Leaf{"X", true}, Leaf{"a", true}, Leaf{"D", true}, Leaf{"pi", true},
                                           Leaf{"Pi", true}, Leaf{"E", true}, Leaf{"f", false}, Leaf{"xx", false},
                                           Leaf{"m", false}, Leaf{"#", false}, Leaf{"", false}),
    [](const auto &info) { return caseName(info.param.text, info.index); });

INSTANTIATE_TEST_SUITE_P(NumberTexts, Leaves,
                         ::testing::Values(Leaf{"-8", true}, Leaf{"100", true}, Leaf{"2.5", true}, Leaf{"0", true},
                                           Leaf{"0.0001", true}, Leaf{"1E20", true}, Leaf{"1E-5", true},
                                           Leaf{"2.50", false}, Leaf{"007", false}, Leaf{".5", false},
                                           Leaf{"+5", false}, Leaf{"1e3", false}, Leaf{"1E3", false},
                                           Leaf{"0.00001", false}, Leaf{"-0", false}, Leaf{"5.", false},
                                           Leaf{" 5", false}, Leaf{"2,5", false},
                                           Leaf{"1.23456789012345", true},    // 15 digits
                                           Leaf{"1.234567890123456", false}, // 16 digits
                                           Leaf{"1E400", true}),
    [](const auto &info) { return caseName(info.param.text, info.index); });           // long double range

TEST_F(PointLocaleTest, NumbersAreLeavesOnlyInTheLocaleNotation)
{
    TVParser parser;
    SetDecimalSeparator(u',');
    EXPECT_TRUE(parser.IsZahl(QStringLiteral("2,5")));
    EXPECT_FALSE(parser.IsZahl(QStringLiteral("2.5")));
    EXPECT_TRUE(parser.IsLongDouble(QStringLiteral("2,5")));
    EXPECT_FALSE(parser.IsLongDouble(QStringLiteral("x"))) << "IsLongDouble is the number test alone";

    // The expression's 2.5 becomes 2,5 under the overwritten mark, which a
    // locale with "." does not take as a number.
    SetDecimalSeparator(u'.');
    parser.setOverwriteDecimalSymbol(QStringLiteral(","));
    parser.setConvertAllColonsAndDots(true);
    parser.setExpression(QStringLiteral("2.5*x"));
    EXPECT_FALSE(parser.CreateTree());
    EXPECT_EQ(parser.Expression(), QStringLiteral("2,5*x"));
}

// --- MakeTree and CreateTree ---------------------------------------------

struct Shape
{
    const char *expression;
    const char *tree;
};

void PrintTo(const Shape &c, std::ostream *os)
{
    *os << '"' << c.expression << '"';
}

class TreeShape : public PointLocaleTest, public ::testing::WithParamInterface<Shape>
{
};

TEST_P(TreeShape, IsBuiltBySplitting)
{
    TVParser parser;
    parser.setExpression(QString::fromLatin1(GetParam().expression));
    ASSERT_TRUE(parser.CreateTree());
    EXPECT_EQ(dumpTree(TVParser::TreeRoot()), QString::fromLatin1(GetParam().tree));
}

INSTANTIATE_TEST_SUITE_P(Cases, TreeShape,
                         ::testing::Values(Shape{"2*sin(x)^2+1", "+(*(2,^(#(s,x),2)),1)"}, // the worked example
                                           Shape{"-(x-1)*3", "-(0,*(-(x,1),3))"},         // leading minus: 0 - ...
                                           Shape{"(-8)^3", "^(-8,3)"},                     // a negative number leaf
                                           Shape{"2^(-1)", "^(2,-1)"},                     //
                                           Shape{"10-3-2", "-(10,+(3,2))"},                //
                                           Shape{"1-6+0+4", "-(1,-(6,+(0,4)))"},           //
                                           Shape{"8/4/2", "/(/(8,4),2)"},                  // left to right
                                           Shape{"7 mod 3 mod 2", "m(7,m(3,2))"},          //
                                           Shape{"2*7 mod 4", "*(2,m(7,4))"},              //
                                           Shape{"sin(cos(x))", "#(s,#(c,x))"},            //
                                           Shape{"c*cos(c)", "*(c,#(c,c))"},               //
                                           Shape{"x", "x"},                                //
                                           Shape{"(42)", "42"}),
    [](const auto &info) { return caseName(info.param.expression, info.index); });

struct Failure
{
    const char *expression;
    const char *why;
};

void PrintTo(const Failure &c, std::ostream *os)
{
    *os << '"' << c.expression << '"';
}

class BuildFailure : public PointLocaleTest, public ::testing::WithParamInterface<Failure>
{
};

TEST_P(BuildFailure, ReturnsFalseWithoutException)
{
    TVParser parser;
    parser.setExpression(QString::fromLatin1(GetParam().expression));
    EXPECT_FALSE(parser.CreateTree()) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildFailure,
                         ::testing::Values(Failure{"", "no operator, and the empty text is no number"},
                                           Failure{"x*-2", "a minus right after an operator"},
                                           Failure{"2^-1", "a minus right after an operator"},
                                           Failure{"+x", "a leading plus"}, Failure{"x+", "a trailing operator"},
                                           Failure{"3x", "no operator and no leaf"},
                                           Failure{"x(2)", "no operator and no leaf"},
                                           Failure{"2.50*x", "a number text that is not canonical"},
                                           Failure{"1e3", "a number text that is not canonical"},
                                           Failure{"((x+1))", "doubled enclosing parentheses"},
                                           Failure{"(x+1", "unbalanced"}, Failure{"y+1", "an unknown name"},
                                           Failure{"sin", "a function without argument"}),
    [](const auto &info) { return caseName(info.param.expression, info.index); });

TEST_F(PointLocaleTest, MakeTreeLeavesAFailedNodeUnchanged)
{
    TVParser parser;
    Tree node(QStringLiteral("before"));
    EXPECT_FALSE(parser.MakeTree(node, QStringLiteral("3x")));
    EXPECT_EQ(node.Value, QStringLiteral("before"));
    EXPECT_FALSE(node.Left);
    EXPECT_FALSE(parser.MakeTree(node, QStringLiteral("x+")));
    EXPECT_EQ(node.Value, QStringLiteral("before"));
    EXPECT_FALSE(node.isInner());

    EXPECT_TRUE(parser.MakeTree(node, QStringLiteral("x")));
    EXPECT_EQ(node.Value, QStringLiteral("x"));
}

TEST_F(PointLocaleTest, AFailedBuildKeepsThePartsThatWereCut)
{
    TVParser parser;
    parser.setExpression(QStringLiteral("(+)*2"));
    EXPECT_FALSE(parser.CreateTree());
    EXPECT_EQ(dumpTree(TVParser::TreeRoot()), QStringLiteral("*(+,2)"));
    EXPECT_FALSE(TVParser::TreeRoot().Left->isInner()) << "the failed node has empty links";

    parser.setExpression(QStringLiteral("3x+1"));
    EXPECT_FALSE(parser.CreateTree());
    EXPECT_EQ(dumpTree(TVParser::TreeRoot()), QStringLiteral("+(3x,1)"));

    parser.setExpression(QStringLiteral("3x"));
    EXPECT_FALSE(parser.CreateTree());
    EXPECT_EQ(dumpTree(TVParser::TreeRoot()), QString()) << "the fresh root stays an empty leaf";
}

TEST_F(PointLocaleTest, AllParsersShareOneTreeRoot)
{
    TVParser first, second;
    first.setExpression(QStringLiteral("x+1"));
    ASSERT_TRUE(first.CreateTree());
    first.setX(QStringLiteral("1"));
    second.setX(QStringLiteral("5"));
    EXPECT_EQ(first.Evaluate(), 2);
    EXPECT_EQ(second.Evaluate(), 6) << "each object with its own variables";

    second.setExpression(QStringLiteral("x*10"));
    ASSERT_TRUE(second.CreateTree());
    EXPECT_EQ(first.Evaluate(), 10) << "the other object's build replaced the tree";
    EXPECT_EQ(first.Expression(), QStringLiteral("x+1"));
}

// --- the iterative builder against the literal recursion -----------------

// Random texts over the parser's alphabet, long enough for the chain cuts,
// with deliberately broken parentheses and doubled operators.
QString randomExpression(QRandomGenerator &random, int length)
{
    static const char *const pieces[] = {"x", "2",  "1.5", "0",  "-",  "-",  "+",  "+",  "*",  "/",  "m", "^",
                                         "(", ")",  "(x)", "s#", "c#", "n#", "a",  "pi", "-1", "3",  "e", "(-2)",
                                         "+", "-x", "*2",  "/3", "^2", "(1", "2)", "-(", ")-", "1E-5"};
    QString text;
    while (text.size() < length)
        text += QLatin1String(pieces[random.bounded(int(std::size(pieces)))]);
    return text;
}

QString chainExpression(QRandomGenerator &random, int terms)
{
    static const char *const ops[] = {"+", "-", "*", "/", "m", "+", "-"};
    static const char *const operands[] = {"x", "2", "(x+1)", "(a-b-c)", "s#x", "2^x", "1.5", "(8/4/2)", "-3"};
    // One rank per text most of the time, so that long chains form.
    const int mix = random.bounded(4);
    QString text = QLatin1String(operands[random.bounded(int(std::size(operands)))]);
    for (int i = 0; i < terms; ++i) {
        const int op = mix == 0 ? random.bounded(2)           // + -
                     : mix == 1 ? 2 + random.bounded(3)        // * / m
                     : mix == 2 ? 2 + random.bounded(2)        // * /
                                : random.bounded(int(std::size(ops)));
        text += QLatin1String(ops[op]);
        text += QLatin1String(operands[random.bounded(int(std::size(operands)))]);
    }
    return text;
}

// With the chain threshold at 1 every text with operators runs through the
// chain cuts; at the normal threshold only long ones do.
TEST_F(PointLocaleTest, IterativeBuilderMatchesTheLiteralRecursion)
{
    QRandomGenerator random(20240607);
    for (int round = 0; round < 3000; ++round) {
        const QString text = round % 2 ? randomExpression(random, 1 + random.bounded(round % 10 ? 40 : 400))
                                       : chainExpression(random, 1 + random.bounded(300));
        Tree expected;
        const bool expectedBuilt = referenceMakeTree(expected, text);
        for (const qsizetype chainMinimum : {qsizetype(1), ChainMinimum}) {
            Tree actual;
            ASSERT_EQ(buildTree(actual, text, ParserCore::BuildBudget, chainMinimum), expectedBuilt)
                << text.toStdString();
            ASSERT_EQ(treeDifference(actual, expected), QString()) << text.toStdString();
        }
    }
}

} // namespace
