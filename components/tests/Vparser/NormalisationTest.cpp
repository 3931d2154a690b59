// The text rewrites before and during tree building: decimal mark, blanks,
// enclosing parentheses, function names, associativity.
#include "components/tests/Vparser/ParserTestSupport.h"
#include "components/Vparser/Vparser.h"
#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

namespace {

struct Rewrite
{
    const char *input;
    const char *expected;
};

void PrintTo(const Rewrite &c, std::ostream *os)
{
    *os << '"' << c.input << '"';
}

class Normalisation : public PointLocaleTest
{
protected:
    TVParser parser;
};

// --- InitLandDot --------------------------------------------------------

TEST_F(Normalisation, LandDotIsTheLocaleSeparatorUnlessOverwritten)
{
    EXPECT_EQ(parser.LandDot(), QString()) << "written only by InitLandDot";
    parser.InitLandDot();
    EXPECT_EQ(parser.LandDot(), QStringLiteral("."));

    SetDecimalSeparator(u',');
    parser.InitLandDot();
    EXPECT_EQ(parser.LandDot(), QStringLiteral(","));

    parser.setOverwriteDecimalSymbol(QStringLiteral("<>"));
    parser.InitLandDot();
    EXPECT_EQ(parser.LandDot(), QStringLiteral("<>")) << "whatever its length";
}

// --- EntferneLeerzeichen -------------------------------------------------

TEST_F(Normalisation, BlanksGoTabsAndLineBreaksStay)
{
    EXPECT_EQ(parser.EntferneLeerzeichen(QStringLiteral(" sin( x ) + 2 ")), QStringLiteral("sin(x)+2"));
    EXPECT_EQ(parser.EntferneLeerzeichen(QStringLiteral("1\t+\r\n2")), QStringLiteral("1\t+\r\n2"));
    EXPECT_EQ(parser.EntferneLeerzeichen(QString()), QString());
}

// --- EntferneKlammern ----------------------------------------------------

class EntferneKlammernTable : public PointLocaleTest, public ::testing::WithParamInterface<Rewrite>
{
};

TEST_P(EntferneKlammernTable, RemovesOneEnclosingPair)
{
    TVParser parser;
    const QString input = QString::fromLatin1(GetParam().input);
    const QString copy = input;
    EXPECT_EQ(parser.EntferneKlammern(input), QString::fromLatin1(GetParam().expected));
    EXPECT_EQ(input, copy) << "the argument is not modified";
}

INSTANTIATE_TEST_SUITE_P(Cases, EntferneKlammernTable,
                         ::testing::Values(Rewrite{"(xmod3)", "xmod3"},  //
                                           Rewrite{"((x+1))", "(x+1)"},  // exactly one pair
                                           Rewrite{"(a)+(b)", "(a)+(b)"}, // first pair closes early
                                           Rewrite{"()", ""},             //
                                           Rewrite{"(", "("},             //
                                           Rewrite{")(", ")("},           //
                                           Rewrite{"", ""},               //
                                           Rewrite{"(x", "(x"},           //
                                           Rewrite{"x)", "x)"},           //
                                           Rewrite{"(2*(3+4))", "2*(3+4)"}),
    [](const auto &info) { return caseName(info.param.input, info.index); });

// --- WandleSinCosTanUm ---------------------------------------------------

class FunctionNames : public PointLocaleTest, public ::testing::WithParamInterface<Rewrite>
{
};

TEST_P(FunctionNames, BecomeFunctionCodes)
{
    TVParser parser;
    parser.InitLandDot();
    EXPECT_EQ(parser.WandleSinCosTanUm(QString::fromLatin1(GetParam().input)),
              QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, FunctionNames,
                         ::testing::Values(Rewrite{"sin(x)+cos(x)*tan(x)", "s#(x)+c#(x)*t#(x)"},
                                           Rewrite{"ln(x)-lg(x)+abs(x)", "n#(x)-g#(x)+r#(x)"},
                                           Rewrite{"xmod3", "xm3"},        //
                                           Rewrite{"SIN(x)+Lg(X)", "s#(x)+g#(X)"}, // any case; the rest keeps its case
                                           Rewrite{"sinh(x)", "s#h(x)"},   // only the names are matched
                                           Rewrite{"model", "mel"},        //
                                           Rewrite{"c+cos(c)", "c+c#(c)"}, // a lone c stays the variable
                                           Rewrite{"2.5,3", "2.5,3"},      // conversion off: marks stay
                                           Rewrite{"", ""}),
    [](const auto &info) { return caseName(info.param.input, info.index); });

TEST_F(Normalisation, ConversionTurnsEveryPointAndCommaIntoTheDecimalMark)
{
    parser.setConvertAllColonsAndDots(true);
    parser.setOverwriteDecimalSymbol(QStringLiteral(","));
    parser.InitLandDot();
    EXPECT_EQ(parser.WandleSinCosTanUm(QStringLiteral("abs(-2.5)+1,5")), QStringLiteral("r#(-2,5)+1,5"));

    parser.setOverwriteDecimalSymbol(QStringLiteral("<>"));
    parser.InitLandDot();
    EXPECT_EQ(parser.WandleSinCosTanUm(QStringLiteral("2.5+1,5")), QStringLiteral("2<>5+1<>5"))
        << "a multi-character mark replaces each character whole";
}

// --- the chain of CreateTree --------------------------------------------

struct Chain
{
    const char *input;
    bool convert;
    const char *normalised;
};

void PrintTo(const Chain &c, std::ostream *os)
{
    *os << '"' << c.input << '"';
}

class CreateTreeChain : public PointLocaleTest, public ::testing::WithParamInterface<Chain>
{
};

TEST_P(CreateTreeChain, StoresTheNormalisedExpression)
{
    TVParser parser;
    parser.setOverwriteDecimalSymbol(QStringLiteral(","));
    parser.setConvertAllColonsAndDots(GetParam().convert);
    parser.setExpression(QString::fromLatin1(GetParam().input));
    parser.CreateTree();
    EXPECT_EQ(parser.Expression(), QString::fromLatin1(GetParam().normalised));
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, CreateTreeChain,
                         ::testing::Values(Chain{" sin( x ) + 2*TAN(pi/4) ", false, "s#(x)+2*t#(pi/4)"},
                                           Chain{"(x mod 3)", false, "xm3"},      //
                                           Chain{"LN(x)^2", false, "n#(x)^2"},    //
                                           Chain{"abs(-2.5)", true, "r#(-2,5)"}, //
                                           Chain{"((x+1))", false, "(x+1)"},      //
                                           Chain{"(a)+(b)", false, "(a)+(b)"},    //
                                           Chain{"", false, ""}),
    [](const auto &info) { return caseName(info.param.input, info.index); });

TEST_F(Normalisation, ASecondBuildNormalisesAgain)
{
    parser.setExpression(QStringLiteral("((x+1))"));
    EXPECT_FALSE(parser.CreateTree());
    EXPECT_EQ(parser.Expression(), QStringLiteral("(x+1)"));
    EXPECT_TRUE(parser.CreateTree()) << "the second pair goes now";
    EXPECT_EQ(parser.Expression(), QStringLiteral("x+1"));
}

// --- Assiotiativitaet ----------------------------------------------------

class Associativity : public PointLocaleTest, public ::testing::WithParamInterface<Rewrite>
{
};

TEST_P(Associativity, RewritesForLeftToRightEvaluation)
{
    TVParser parser;
    EXPECT_EQ(parser.Assiotiativitaet(QString::fromLatin1(GetParam().input)),
              QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Subtraction, Associativity,
                         ::testing::Values(Rewrite{"10-3-2", "10-3+2"},         //
                                           Rewrite{"10-3+2", "10-3-2"},         //
                                           Rewrite{"a-(b-c)-d", "a-(b-c)+d"},   //
                                           Rewrite{"-x+3", "-x-3"},             //
                                           Rewrite{"1-6+0+4", "1-6-0-4"},       //
                                           Rewrite{"6-0-4", "6-0+4"},           //
                                           Rewrite{"2-(3-4-5)", "2-(3-4-5)"},   // inside parentheses: alone
                                           Rewrite{"1+2+3", "1+2+3"},           //
                                           Rewrite{"", ""}),
    [](const auto &info) { return caseName(info.param.input, info.index); });

// "/" chains go left to right by where they are cut, not by a rewrite.
INSTANTIATE_TEST_SUITE_P(Division, Associativity,
                         ::testing::Values(Rewrite{"8/4/2", "8/4/2"},         //
                                           Rewrite{"8/4*2/3", "8/4*2/3"},     //
                                           Rewrite{"8/4/2-1-1", "8/4/2-1+1"}, // only "-" chains are rewritten
                                           Rewrite{"8/4/2m3/2", "8/4/2m3/2"}),
    [](const auto &info) { return caseName(info.param.input, info.index); });

} // namespace
