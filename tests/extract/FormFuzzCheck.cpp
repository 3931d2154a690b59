#include "tests/extract/FormFuzzCheck.h"

#include "platform/core/Exception.h"
#include "extract/ExtractionList.h"
#include "extract/FormDescription.h"

#include <QStringList>

#include <limits>
#include <optional>

namespace EL = ExtractionList;

namespace {
bool blank(QChar c) { return c.unicode() <= u' '; }

QString stripped(const QString &s)
{
    qsizetype a = 0, b = s.size();
    while (a < b && blank(s.at(a)))
        ++a;
    while (b > a && blank(s.at(b - 1)))
        --b;
    return s.mid(a, b - a);
}

// Class name: every ':' starts a piece after the one character that follows
// it; the piece runs to the next ':' or the end.
QString plainClassName(const QString &line)
{
    QString out;
    for (qsizetype colon = line.indexOf(u':'); colon >= 0;) {
        const qsizetype from = colon + 2;
        const qsizetype next = from < line.size() ? line.indexOf(u':', from) : -1;
        if (from < line.size())
            out += line.mid(from, (next < 0 ? line.size() : next) - from);
        colon = next;
    }
    return out;
}

// Property parts: the text before the first '=' split at '.', each part
// stripped; without '=' what follows the last '.' is dropped.
QStringList plainPropertyParts(const QString &line)
{
    const qsizetype eq = line.indexOf(u'=');
    QStringList parts = (eq < 0 ? line : line.left(eq)).split(u'.');
    if (eq < 0)
        parts.removeLast();
    for (QString &p : parts)
        p = stripped(p);
    return parts;
}

// The value of a decimal digit text when it fits 32 bits.
std::optional<qint64> digitsValue(QString digits, bool negative)
{
    while (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    if (digits.size() > 10)
        return std::nullopt;
    const qint64 v = (negative ? -1 : 1) * digits.toLongLong();
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return std::nullopt;
    return v;
}

QString allDigits(const QString &s)
{
    QString d;
    for (QChar c : s)
        if (c >= u'0' && c <= u'9')
            d += c;
    return d;
}

std::optional<qint64> plainNumberOfName(const QString &s)
{
    const QString d = allDigits(s);
    return d.isEmpty() ? std::optional<qint64>(0) : digitsValue(d, false);
}

std::optional<qint64> plainParseInt32(const QString &s)
{
    const bool sign = !s.isEmpty() && (s.front() == u'-' || s.front() == u'+');
    const QString digits = s.mid(sign ? 1 : 0);
    if (digits.isEmpty() || allDigits(digits) != digits)
        return std::nullopt;
    return digitsValue(digits, sign && s.front() == u'-');
}

std::optional<qint64> numberOfName(const QString &s)
{
    try {
        return EL::numberOfName(s);
    } catch (const Exception &) {
        return std::nullopt;
    }
}

QString show(std::optional<qint64> v) { return v ? QString::number(*v) : QStringLiteral("none"); }
} // namespace

QString checkFormInput(const uint8_t *data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    // Object name: only a line whose first word is "object" names one, from
    // after that word and the character that follows it to the next ':'.
    const QString object = FormDescription::objectNameOfLine(line);
    qsizetype first = 0;
    while (first < line.size() && blank(line.at(first)))
        ++first;
    QString wantObject;
    if (QStringView(line).sliced(first).startsWith(u"object") &&
        (first + 6 == line.size() || blank(line.at(first + 6)))) {
        const QString rest = line.mid(first + 7);
        wantObject = rest.left(rest.indexOf(u':') < 0 ? rest.size() : rest.indexOf(u':'));
    }
    if (object != wantObject)
        return QStringLiteral("object name '%1', the rule gives '%2'").arg(object, wantObject);

    if (const QString got = FormDescription::classNameOfLine(line), want = plainClassName(line); got != want)
        return QStringLiteral("class name '%1', the rule gives '%2'").arg(got, want);

    int steps = 0;
    const QStringList parts = FormDescription::propertyParts(line, [&] { ++steps; });
    if (parts != plainPropertyParts(line))
        return QStringLiteral("property parts [%1], the rule gives [%2]")
            .arg(parts.join(u'|'), plainPropertyParts(line).join(u'|'));
    const int walked = line.indexOf(u'=') < 0 ? int(line.size()) : int(line.indexOf(u'=')) + 1;
    if (steps != walked)
        return QStringLiteral("%1 steps for %2 characters walked").arg(steps).arg(walked);

    if (numberOfName(line) != plainNumberOfName(line))
        return QStringLiteral("number of name %1, the rule gives %2")
            .arg(show(numberOfName(line)), show(plainNumberOfName(line)));
    const std::optional<int> parsed = EL::parseInt32(line);
    if ((parsed ? std::optional<qint64>(*parsed) : std::nullopt) != plainParseInt32(line))
        return QStringLiteral("integer %1, the rule gives %2")
            .arg(show(parsed ? std::optional<qint64>(*parsed) : std::nullopt), show(plainParseInt32(line)));
    const qsizetype quote = line.indexOf(u'"');
    try {
        if (EL::entryNumber(line) != plainNumberOfName(quote < 0 ? line : line.left(quote)))
            return QStringLiteral("entry number differs from the number of the text before the quote");
        const int n = EL::entryNumber(line);
        if (EL::stringIdentifier(n) != QString::number(qint64(n) + 100))
            return QStringLiteral("identifier of %1 is %2").arg(n).arg(EL::stringIdentifier(n));
    } catch (const Exception &) {
        if (plainNumberOfName(quote < 0 ? line : line.left(quote)))
            return QStringLiteral("entry number raised for digits that fit");
    }
    return QString();
}
