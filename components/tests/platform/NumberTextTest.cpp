// The runtime number texts: StrToFloat/FloatToStr, the C conversion and ecvt.
#include "platform/core/Exception.h"
#include "components/platform/core/NumberText.h"

#include <QLocale>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>

namespace {

class NumberText : public ::testing::Test
{
protected:
    void SetUp() override { SetDecimalSeparator(u'.'); }
    void TearDown() override { ResetDecimalSeparator(); }
};

TEST(DecimalSeparatorTest, IsTheLocalesUntilOverridden)
{
    ResetDecimalSeparator();
    EXPECT_EQ(DecimalSeparator(), QLocale::system().decimalPoint().front());
    SetDecimalSeparator(u',');
    EXPECT_EQ(DecimalSeparator(), QChar(u','));
    ResetDecimalSeparator();
    EXPECT_EQ(DecimalSeparator(), QLocale::system().decimalPoint().front());
}

TEST_F(NumberText, StrToFloatTakesWholeDecimalTexts)
{
    const std::pair<const char *, long double> valid[] = {
        {"2.5", 2.5L}, {" -8 ", -8}, {"+5", 5}, {".5", 0.5L}, {"5.", 5}, {"1e3", 1000}, {"1E-2", 0.01L}, {"007", 7}};
    for (const auto &[text, value] : valid)
        EXPECT_EQ(StrToFloat(QString::fromLatin1(text)), value) << text;
    for (const char *text : {"", " ", ".", "-", "1e", "1e+", "2,5", "1 2", "0x10", "inf", "nan", "1.5x"}) {
        long double value = 0;
        EXPECT_FALSE(TryStrToFloat(QString::fromLatin1(text), value)) << text;
    }
    try {
        StrToFloat(QStringLiteral("abc"));
        FAIL();
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("'abc' is not a valid floating point value"));
    }
    SetDecimalSeparator(u',');
    EXPECT_EQ(StrToFloat(QStringLiteral("2,5")), 2.5L);
    long double value = 0;
    EXPECT_FALSE(TryStrToFloat(QStringLiteral("2.5"), value));
}

TEST_F(NumberText, FloatToStrGivesTheShortestGeneralForm)
{
    const std::pair<long double, const char *> cases[] = {
        {0, "0"},
        {-0.0L, "0"},
        {-8, "-8"},
        {100, "100"},
        {2.5L, "2.5"},
        {0.1L, "0.1"},
        {1.0L / 3, "0.333333333333333"},
        {2.0L / 3, "0.666666666666667"},
        {999999999999999.0L, "999999999999999"},
        {1e15L, "1E15"},
        {1.5e20L, "1.5E20"},
        {0.0001L, "0.0001"},
        {0.00001L, "1E-5"},
        {-1.25e-7L, "-1.25E-7"},
        {1e400L, "1E400"},
        {std::numeric_limits<long double>::infinity(), "INF"},
        {-std::numeric_limits<long double>::infinity(), "-INF"},
        {std::numeric_limits<long double>::quiet_NaN(), "NAN"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(FloatToStr(value), QString::fromLatin1(text)) << text;
    SetDecimalSeparator(u',');
    EXPECT_EQ(FloatToStr(2.5L), QStringLiteral("2,5"));
    EXPECT_EQ(FloatToStr(1.5e20L), QStringLiteral("1,5E20"));
}

TEST_F(NumberText, TextToLongDoubleReadsThePrefixLikeStrtold)
{
    const std::pair<const char *, long double> cases[] = {
        {"  \t12abc", 12}, {"-1.5e3x", -1500}, {"1e", 1}, {"1e+", 1},  {".5", 0.5L}, {"5.", 5},
        {"+.5e-1", 0.05L}, {"abc", 0},         {"", 0},   {"0x1p3", 0}, {"inf", 0},   {"-", 0},
        {".", 0},          {"1,5", 1},         {"1e99999", std::numeric_limits<long double>::infinity()}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(TextToLongDouble(QString::fromLatin1(text)), value) << text;
    EXPECT_TRUE(std::signbit(TextToLongDouble(QStringLiteral("-0"))));
}

// The exact shortcut for short numbers must round as the C runtime does.
TEST_F(NumberText, TextToLongDoubleRoundsExactlyAsStrtold)
{
    const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    QRandomGenerator random(4711);
    for (int i = 0; i < 200000; ++i) {
        QByteArray text;
        if (random.bounded(4) == 0)
            text += '-';
        const int digits = 1 + random.bounded(i % 3 ? 20 : 40);
        const int point = random.bounded(digits + 1);
        for (int d = 0; d < digits; ++d) {
            if (d == point)
                text += '.';
            text += char('0' + random.bounded(10));
        }
        if (random.bounded(2))
            text += 'e' + QByteArray::number(random.bounded(-60, 60));
        const long double expected = strtold_l(text.constData(), nullptr, c);
        const long double actual = TextToLongDouble(QString::fromLatin1(text));
        ASSERT_EQ(std::memcmp(&expected, &actual, 10), 0) << text.constData();
    }
    freelocale(c);
}

TEST(EcvtTest, RoundsToSignificantDigits)
{
    const struct
    {
        double value;
        int count;
        const char *digits;
        int decimalPoint;
        bool negative;
    } cases[] = {{2.5, 8, "25000000", 1, false},      {0.00123, 8, "12300000", -2, false},
                 {123456789, 8, "12345679", 9, false}, {-0.5, 8, "50000000", 0, true},
                 {0, 8, "00000000", 1, false},         {0.999999999, 8, "10000000", 1, false},
                 {2.5, 1, "2", 1, false},              {3.5, 1, "4", 1, false}, // ties to even
                 {0.1, 0, "1", 0, false},              {0.1, 30, "10000000000000001", 0, false}};
    for (const auto &c : cases) {
        const EcvtDigits e = Ecvt(c.value, c.count);
        EXPECT_EQ(std::string(e.digits, e.count), c.digits) << c.value;
        EXPECT_EQ(e.decimalPoint, c.decimalPoint) << c.value;
        EXPECT_EQ(e.negative, c.negative) << c.value;
    }
}

} // namespace
