#pragma once
// The number texts of the classic runtime that the component set relies on:
// the locale's decimal separator, StrToFloat/FloatToStr, the C runtime's
// text-to-long-double conversion and ecvt-style digit conversion. Qt and the
// C++ library have close relatives, but none with exactly these rules.
#include <QChar>
#include <QString>
#include <QStringView>

#include <atomic>

namespace NumberTextDetail {
// The separator DecimalSeparator gives, once known; 0 before.
extern std::atomic<char16_t> separatorInUse;
char16_t readSeparator();
} // namespace NumberTextDetail

// The locale's decimal separator, read once from QLocale::system(). Inline:
// the expression parser asks before every evaluation.
inline QChar DecimalSeparator()
{
    const char16_t known = NumberTextDetail::separatorInUse.load(std::memory_order_relaxed);
    return QChar(known ? known : NumberTextDetail::readSeparator());
}
// Replaces the separator for the rest of the run (tests); ResetDecimalSeparator
// returns to the locale's.
void SetDecimalSeparator(QChar separator);
void ResetDecimalSeparator();

// StrToFloat: the whole text (blanks around it allowed) must be a decimal
// number with DecimalSeparator(): [sign] digits [sep digits] [E [sign] digits].
// Raises Exception "'<text>' is not a valid floating point value" otherwise.
long double StrToFloat(const QString &text);
// The same test without an exception, for hot paths.
bool TryStrToFloat(QStringView text, long double &value);

// FloatToStr: the shortest general form of 15 significant digits with
// DecimalSeparator(): fixed notation for decimal exponents -3..15, otherwise
// "1.5E20" / "1E-5"; zero is "0"; "INF", "-INF", "NAN".
QString FloatToStr(long double value);

// The C runtime's strtold without end pointer, restricted to decimal text
// with "." and independent of the C locale: leading white space is skipped,
// the longest prefix [sign] (digits [. digits] | . digits) [e [sign] digits]
// is read, and a text without such a prefix gives 0. The result is the
// correctly rounded long double, +-inf when the magnitude overflows.
long double TextToLongDouble(QStringView text);

// significand x 10^exponent (negated when `negative`), rounded as
// TextToLongDouble rounds it, when both parts are exact long doubles
// (significand below 10^19, |exponent| <= 27 unless the significand is 0);
// false and `value` untouched otherwise. TextToLongDouble takes this path.
bool ExactDecimal(bool negative, quint64 significand, qint64 exponent, long double &value);

// The two halves of ExactDecimal, inline for hot paths (the value stays in a
// register): whether it takes the case, and its value when it does.
inline bool IsExactDecimal(quint64 significand, qint64 exponent)
{
    return significand < 10000000000000000000ULL && (significand == 0 || (exponent >= -27 && exponent <= 27));
}
inline long double ExactDecimalValue(bool negative, quint64 significand, qint64 exponent)
{
    // An integer of at most 19 digits and a power of ten up to 10^27 are
    // both exact long doubles, so one multiplication or division rounds
    // exactly as strtold does.
    // Up to 10^22 the powers are exact doubles, which load faster than long
    // doubles; the five above are not.
    static constexpr double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    static constexpr long double largePowers[] = {1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
    long double value = static_cast<long double>(significand);
    if (significand != 0) {
        const qint64 magnitude = exponent < 0 ? -exponent : exponent;
        const long double power = magnitude <= 22 ? static_cast<long double>(powers[magnitude]) : largePowers[magnitude - 23];
        value = exponent >= 0 ? value * power : value / power;
    }
    return negative ? -value : value;
}

// ecvt: value rounded to exactly `count` significant digits (1..17; ties to
// even on the exact binary value). The value is digits[0..count) x 10^(decimalPoint - count).
struct EcvtDigits
{
    char digits[18] = {};
    int count = 0;
    int decimalPoint = 0; // position of the decimal point relative to the first digit
    bool negative = false;
};
// `value` must be finite.
EcvtDigits Ecvt(double value, int count);
