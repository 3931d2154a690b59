// Texts to long doubles and back: variables, constants, decimal marks,
// significant digits.
#include "platform/core/Exception.h"
#include "components/Vparser/ParserCore.h"
#include "components/tests/Vparser/ParserTestSupport.h"
#include "components/Vparser/Vparser.h"
#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

class NumberConversion : public PointLocaleTest
{
protected:
    TVParser parser;
};

// --- StrToLongDouble -----------------------------------------------------

TEST_F(NumberConversion, ReadsLikeStrtold)
{
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("2.5")), 2.5L);
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("  -1e3x")), -1000.0L) << "white space, sign, exponent, prefix";
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("3+4")), 3.0L);
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("abc")), 0.0L);
    EXPECT_EQ(parser.StrToLongDouble(QString()), 0.0L);
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("0x10")), 0.0L) << "decimal only";
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("inf")), 0.0L) << "decimal only";
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("0.1")), 0.1L) << "rounded in long double";
}

TEST_F(NumberConversion, SubstitutesVariablesAndConstantsInOrder)
{
    parser.setX(QStringLiteral("1.5"));
    parser.setA(QStringLiteral("2"));
    parser.setD(QStringLiteral("-4"));
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("x")), 1.5L);
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("X")), 1.5L) << "any letter case";
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("A")), 2.0L);
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("d")), -4.0L);
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("b")), 0.0L) << "an empty variable reads 0";
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("pi")), 3.1415927L) << "eight digits, not the full value";
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("E")), 2.7182818L);

    // A value naming a later variable or constant takes that one's value;
    // an earlier one is not looked up again.
    parser.setX(QStringLiteral("a"));
    parser.setA(QStringLiteral("PI"));
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("x")), 3.1415927L);
    parser.setB(QStringLiteral("x"));
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("b")), 0.0L);
}

TEST_F(NumberConversion, DecimalMarks)
{
    SetDecimalSeparator(u',');
    parser.setX(QStringLiteral("2,5"));
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("x")), 2.5L) << "the mark in use";
    parser.setX(QStringLiteral("2.5"));
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("x")), 2.5L) << "and the point";
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("pi")), 3.1415927L) << "constants use the mark in use";

    SetDecimalSeparator(u'.');
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("2,5")), 2.0L) << "a comma is no mark here";
    parser.setConvertAllColonsAndDots(true);
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("2,5")), 2.5L) << "unless both count";

    parser.setOverwriteDecimalSymbol(QStringLiteral("<>"));
    parser.setConvertAllColonsAndDots(false);
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("2<>5")), 2.0L) << "a long mark never matches a character";
}

TEST_F(NumberConversion, OverflowRaisesTheConversionMessage)
{
    parser.setX(QStringLiteral("1e5000"));
    try {
        parser.StrToLongDouble(QStringLiteral("x"));
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("1e5000 kann nicht in eine Zahl umgewandelt werden! (STD)"));
    }
    SetDecimalSeparator(u',');
    parser.setX(QStringLiteral("9,9e9999"));
    try {
        parser.StrToLongDouble(QStringLiteral("x"));
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("9.9e9999 kann nicht in eine Zahl umgewandelt werden! (STD)"))
            << "the text as handed to the conversion";
    }
    EXPECT_EQ(parser.StrToLongDouble(QStringLiteral("1e-9999")), 0.0L) << "underflow is no error";
}

// --- LongDoubleToStr ----------------------------------------------------

struct Text
{
    long double value;
    const char *text;
};

void PrintTo(const Text &c, std::ostream *os)
{
    *os << '"' << c.text << '"';
}

class ResultText : public PointLocaleTest, public ::testing::WithParamInterface<Text>
{
};

TEST_P(ResultText, HasEightSignificantDigits)
{
    TVParser parser;
    EXPECT_EQ(parser.LongDoubleToStr(GetParam().value), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, ResultText,
                         ::testing::Values(Text{2.5L, "2.5"}, Text{0.00123L, "0.00123"}, Text{1234.5L, "1234.5"},
                                           Text{123456789.0L, "123456790"}, Text{-0.5L, "-0.5"},
                                           Text{1.0L / 3, "0.33333333"}, Text{0.0L, "0"}),
    [](const auto &info) { return caseName(info.param.text, info.index); });

INSTANTIATE_TEST_SUITE_P(Edges, ResultText,
                         ::testing::Values(Text{-0.0L, "0"},                  // zero has no sign
                                           Text{100.0L, "100"},               // zeros before the mark stay
                                           Text{1e20L, "100000000000000000000"}, // magnitude kept
                                           Text{-1e-10L, "-0.0000000001"},    //
                                           Text{2.41614684L, "2.4161468"},    //
                                           Text{0.999999999L, "1"},           // rounding carries
                                           Text{std::numeric_limits<long double>::infinity(), "INF"},
                                           Text{-std::numeric_limits<long double>::infinity(), "-INF"},
                                           Text{std::numeric_limits<long double>::quiet_NaN(), "NAN"},
                                           Text{1e400L, "INF"}),
    [](const auto &info) { return caseName(info.param.text, info.index); }); // taken as a double

TEST_F(NumberConversion, PrecisionIsClampedToTheDigitsOfADouble)
{
    EXPECT_EQ(parser.Precision(), 8);
    parser.setPrecision(0);
    EXPECT_EQ(parser.Precision(), 1);
    EXPECT_EQ(parser.LongDoubleToStr(27.0L), QStringLiteral("30"));
    parser.setPrecision(-5);
    EXPECT_EQ(parser.Precision(), 1);
    parser.setPrecision(40);
    EXPECT_EQ(parser.Precision(), 17);
    EXPECT_EQ(parser.LongDoubleToStr(0.1L), QStringLiteral("0.10000000000000001"));
    parser.setPrecision(3);
    EXPECT_EQ(parser.LongDoubleToStr(2.0L / 3), QStringLiteral("0.667"));
}

TEST_F(NumberConversion, ResultTextsUseTheMarkInUse)
{
    parser.setOverwriteDecimalSymbol(QStringLiteral(","));
    EXPECT_EQ(parser.LongDoubleToStr(2.5L), QStringLiteral("2,5"));
    EXPECT_EQ(parser.LongDoubleToStr(100.0L), QStringLiteral("100"));
    parser.setOverwriteDecimalSymbol(QStringLiteral("<>"));
    EXPECT_EQ(parser.LongDoubleToStr(2.5L), QStringLiteral("2<>5000000")) << "nothing is removed";
}

// --- EntferneNullenUndPunkte --------------------------------------------

TEST_F(NumberConversion, TrailingZerosAndDanglingMarksGo)
{
    parser.InitLandDot();
    const std::pair<const char *, const char *> cases[] = {
        {"2.5000000", "2.5"}, {"100.0", "100"}, {"100", "100"},   {"1.0010", "1.001"}, {"5.", "5"},
        {".5", "0.5"},        {".", ""},       {"0.000", "0"},   {"10.01", "10.01"},  {"", ""},
        {"1.0x0", "1.0x"},    {"1.20.0", "1.20"}}; // one pass only
    for (const auto &[input, expected] : cases)
        EXPECT_EQ(parser.EntferneNullenUndPunkte(QString::fromLatin1(input)), QString::fromLatin1(expected)) << input;

    parser.setOverwriteDecimalSymbol(QStringLiteral("<>"));
    parser.InitLandDot();
    EXPECT_EQ(parser.EntferneNullenUndPunkte(QStringLiteral("2<>500")), QStringLiteral("2<>500"));
    EXPECT_EQ(parser.EntferneNullenUndPunkte(QStringLiteral("2.500")), QStringLiteral("2.500"));
}

// --- the direct path for plain variable texts ----------------------------

// Random decimal texts under every mark setting: where the direct path
// answers, it gives the general conversion's value to the last bit.
TEST(PlainNumberTexts, ReadExactlyAsTheGeneralConversion)
{
    std::mt19937 random(20261207);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    struct Setting
    {
        char16_t separator;
        const char16_t *overwrite;
        bool convert;
    };
    const Setting settings[] = {{u'.', u"", false}, {u',', u"", false}, {u'.', u"", true},   {u',', u"", true},
                                {u'.', u",", false}, {u'.', u"<>", true}, {u'.', u"5", false}, {u'.', u"e", false},
                                {u'.', u"-", true}};
    int direct = 0, total = 0;
    for (const Setting &setting : settings) {
        SetDecimalSeparator(QChar(setting.separator));
        ParserState state;
        state.OverwriteDecimalSymbol = QString::fromUtf16(setting.overwrite);
        state.ConvertAllColonsAndDots = setting.convert;
        ParserCore core(state);
        core.InitLandDot();
        const QString marks = QStringLiteral(".,") + state.LandDot;
        for (int n = 0; n < 4000; ++n) {
            QString text;
            if (pick(3) != 0)
                text += QLatin1Char("+-"[pick(2)]);
            for (int k = pick(12); k > 0; --k)
                text += QLatin1Char(char('0' + (pick(3) == 0 ? 0 : pick(10))));
            if (pick(3) != 0) {
                text += marks[pick(int(marks.size()))];
                for (int k = pick(14); k > 0; --k)
                    text += QLatin1Char(char('0' + pick(10)));
            }
            if (pick(3) == 0) {
                text += QLatin1Char("eE"[pick(2)]);
                if (pick(2) != 0)
                    text += QLatin1Char("+-"[pick(2)]);
                for (int k = pick(4); k > 0; --k)
                    text += QLatin1Char(char('0' + pick(10)));
            }
            if (pick(20) == 0)
                text.insert(pick(int(text.size()) + 1), QLatin1Char(" x.,"[pick(4)]));
            long double fast = 0;
            ++total;
            if (!core.readPlainNumber(text, fast))
                continue;
            ++direct;
            const long double general = core.StrToLongDouble(text);
            EXPECT_TRUE(fast == general && std::signbit(fast) == std::signbit(general))
                << text.toStdString() << " mark " << state.LandDot.toStdString() << " convert " << setting.convert;
        }
    }
    ResetDecimalSeparator();
    EXPECT_GT(direct, total / 2) << "the direct path answers most plain texts";
}

} // namespace
