#include "components/platform/core/NumberText.h"

#include "platform/core/Exception.h"

#include <QLocale>
#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

bool g_hasSeparatorOverride = false;
QChar g_separatorOverride;

// Number text in C form, kept on the stack for the usual short numbers.
using NumberBuffer = QVarLengthArray<char, 64>;

bool isDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// A decimal number in C form (plain ASCII, "." as decimal mark,
// NUL-terminated), and its value as integer x 10^exponent when the integer
// has at most 19 significant digits.
struct DecimalText
{
    NumberBuffer text;
    bool negative = false;
    quint64 significand = 0;
    int significantDigits = 0;
    bool significandComplete = true;
    qint64 exponent = 0;
};

// Reads the longest decimal number [sign] (digits [point digits] | point
// digits) [(e|E) [sign] digits] at text[pos..] into `number`. Returns the end
// of the number, or pos when there is none.
qsizetype scanDecimal(QStringView text, qsizetype pos, QChar point, DecimalText &number)
{
    const qsizetype n = text.size();
    NumberBuffer &out = number.text;
    const auto addDigit = [&](char16_t c, bool fraction) {
        out.append(char(c));
        if (number.significantDigits == 0 && c == u'0') {
            if (fraction)
                --number.exponent;
            return;
        }
        if (number.significantDigits < 19) {
            number.significand = number.significand * 10 + (c - u'0');
            ++number.significantDigits;
            if (fraction)
                --number.exponent;
        } else {
            number.significandComplete = false;
        }
    };
    qsizetype i = pos;
    out.clear();
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        number.negative = text[i] == u'-';
        out.append(char(text[i++].unicode()));
    }
    qsizetype digits = 0;
    for (; i < n && isDigit(text[i]); ++i, ++digits)
        addDigit(text[i].unicode(), false);
    if (i < n && text[i] == point) {
        qsizetype j = i + 1;
        qsizetype fraction = 0;
        while (j + fraction < n && isDigit(text[j + fraction]))
            ++fraction;
        if (digits + fraction > 0) {
            out.append('.');
            for (qsizetype k = 0; k < fraction; ++k)
                addDigit(text[j + k].unicode(), true);
            i = j + fraction;
            digits += fraction;
        }
    }
    if (digits == 0)
        return pos;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        const bool sign = j < n && (text[j] == u'+' || text[j] == u'-');
        if (sign)
            ++j;
        if (j < n && isDigit(text[j])) {
            const bool negativeExponent = sign && text[j - 1] == u'-';
            out.append('e');
            if (sign)
                out.append(char(text[j - 1].unicode()));
            qint64 exponent = 0;
            for (; j < n && isDigit(text[j]); ++j) {
                out.append(char(text[j].unicode()));
                exponent = std::min<qint64>(exponent * 10 + (text[j].unicode() - u'0'), 1000000);
            }
            number.exponent += negativeExponent ? -exponent : exponent;
            i = j;
        }
    }
    out.append('\0');
    return i;
}

long double convertC(const DecimalText &number)
{
    long double value;
    if (number.significandComplete && ExactDecimal(number.negative, number.significand, number.exponent, value))
        return value;
    // strtold follows the C locale that QCoreApplication sets from the
    // environment; the number texts here always use ".".
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtold_l(number.text.constData(), nullptr, cLocale);
}

bool isCSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || (u >= '\t' && u <= '\r');
}

} // namespace

std::atomic<char16_t> NumberTextDetail::separatorInUse{0};

char16_t NumberTextDetail::readSeparator()
{
    if (g_hasSeparatorOverride)
        return g_separatorOverride.unicode();
    static const QChar localeSeparator = [] {
        const QString point = QLocale::system().decimalPoint();
        return point.isEmpty() ? QChar(u'.') : point.front();
    }();
    separatorInUse.store(localeSeparator.unicode(), std::memory_order_relaxed);
    return localeSeparator.unicode();
}

void SetDecimalSeparator(QChar separator)
{
    g_separatorOverride = separator;
    g_hasSeparatorOverride = true;
    NumberTextDetail::separatorInUse.store(separator.unicode(), std::memory_order_relaxed);
}

void ResetDecimalSeparator()
{
    g_hasSeparatorOverride = false;
    NumberTextDetail::separatorInUse.store(0, std::memory_order_relaxed);
}

bool TryStrToFloat(QStringView text, long double &value)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    DecimalText number;
    const qsizetype end = scanDecimal(text, i, DecimalSeparator(), number);
    if (end == i)
        return false;
    i = end;
    while (i < n && text[i] == u' ')
        ++i;
    if (i != n)
        return false;
    value = convertC(number);
    return true;
}

long double StrToFloat(const QString &text)
{
    long double value = 0;
    if (!TryStrToFloat(text, value))
        throw Exception(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

QString FloatToStr(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");

    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf - 1, std::fabs(value), std::chars_format::scientific, 14);
    *res.ptr = '\0'; // for atoi below
    // buf: d.dddddddddddddde[+-]xx
    const char *e = std::find(buf, res.ptr, 'e');
    QByteArray digits;
    digits.append(buf[0]);
    digits.append(buf + 2, e - (buf + 2));
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);
    const int decimalPoint = std::atoi(e + 1) + 1;
    const QChar sep = DecimalSeparator();

    QString text;
    if (value < 0)
        text += u'-';
    if (decimalPoint > 15 || decimalPoint < -3) {
        text += QLatin1Char(digits[0]);
        if (digits.size() > 1)
            text += sep + QString::fromLatin1(digits.mid(1));
        text += u'E' + QString::number(decimalPoint - 1);
    } else if (decimalPoint <= 0) {
        text += u'0' + QString(sep) + QString(-decimalPoint, u'0') + QString::fromLatin1(digits);
    } else if (decimalPoint >= digits.size()) {
        text += QString::fromLatin1(digits) + QString(decimalPoint - digits.size(), u'0');
    } else {
        text += QString::fromLatin1(digits.left(decimalPoint)) + sep
            + QString::fromLatin1(digits.mid(decimalPoint));
    }
    return text;
}

bool ExactDecimal(bool negative, quint64 significand, qint64 exponent, long double &value)
{
    if (!IsExactDecimal(significand, exponent))
        return false;
    value = ExactDecimalValue(negative, significand, exponent);
    return true;
}

long double TextToLongDouble(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    DecimalText number;
    if (scanDecimal(text, i, QChar(u'.'), number) == i)
        return 0;
    return convertC(number);
}

EcvtDigits Ecvt(double value, int count)
{
    count = std::clamp(count, 1, 17);
    EcvtDigits result;
    result.negative = std::signbit(value);
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf - 1, std::fabs(value), std::chars_format::scientific, count - 1);
    *res.ptr = '\0'; // for atoi below
    // buf: d[.ddd]e[+-]xx
    const char *p = buf;
    for (; p < res.ptr && *p != 'e'; ++p) {
        if (*p != '.')
            result.digits[result.count++] = *p;
    }
    result.decimalPoint = std::atoi(p + 1) + 1;
    return result;
}
