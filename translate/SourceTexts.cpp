#include "translate/SourceTexts.h"

#include "platform/core/Cp1252.h"
#include "extract/ExtractionList.h"

namespace EL = ExtractionList;

namespace SourceTexts {

namespace {
int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool isOctal(QChar c)
{
    return c >= u'0' && c <= u'7';
}

// Appends code point value: a narrow literal's byte goes through the code
// page, anything else is taken as a code point.
bool appendCode(QString &out, char32_t value, bool narrow)
{
    if (value == 0)
        return false;
    if (narrow && value < 0x100) {
        out += decodeCp1252(QByteArray(1, char(value)));
        return true;
    }
    if (value > 0x10FFFF)
        return false;
    out += QString::fromUcs4(&value, 1);
    return true;
}

// Reads the escape sequence after the backslash at i; i ends behind it.
bool readEscape(const QString &s, qsizetype &i, QString &out, bool narrow)
{
    if (i >= s.size())
        return false;
    const QChar c = s.at(i++);
    switch (c.unicode()) {
    case u'n':
        out += u'\n';
        return true;
    case u't':
        out += u'\t';
        return true;
    case u'r':
        out += u'\r';
        return true;
    case u'a':
        out += u'\a';
        return true;
    case u'b':
        out += u'\b';
        return true;
    case u'f':
        out += u'\f';
        return true;
    case u'v':
        out += u'\v';
        return true;
    case u'x': {
        char32_t value = 0;
        int digits = 0;
        for (int d; i < s.size() && (d = hexValue(s.at(i))) >= 0; ++i, ++digits)
            value = value > 0x10FFFF ? value : value * 16 + char32_t(d);
        return digits > 0 && appendCode(out, value, narrow);
    }
    case u'u':
    case u'U': {
        const int want = c == u'u' ? 4 : 8;
        char32_t value = 0;
        for (int k = 0; k < want; ++k, ++i) {
            const int d = i < s.size() ? hexValue(s.at(i)) : -1;
            if (d < 0)
                return false;
            value = value * 16 + char32_t(d);
        }
        return appendCode(out, value, false);
    }
    default:
        break;
    }
    if (isOctal(c)) {
        char32_t value = c.unicode() - u'0';
        for (int k = 1; k < 3 && i < s.size() && isOctal(s.at(i)); ++k, ++i)
            value = value * 8 + (s.at(i).unicode() - u'0');
        return appendCode(out, value, narrow);
    }
    // \\ \" \' \? and the escapes compilers accept with a warning: the character.
    out += c;
    return true;
}
} // namespace

std::optional<QString> decodeCppLiteral(const QString &literal)
{
    const QString s = EL::stripBlanks(literal);
    QString out;
    qsizetype i = 0;
    bool any = false;
    while (i < s.size()) {
        bool narrow = true;
        for (const char *prefix : {"u8", "u", "U", "L"}) {
            const QLatin1String p(prefix);
            if (s.mid(i, p.size()) == p && s.mid(i + p.size(), 1) == u"\"") {
                narrow = p == QLatin1String("u8");
                i += p.size();
                break;
            }
        }
        if (i >= s.size() || s.at(i) != u'"')
            return std::nullopt;
        ++i;
        for (;;) {
            if (i >= s.size())
                return std::nullopt;
            const QChar c = s.at(i++);
            if (c == u'"')
                break;
            if (c == u'\r' || c == u'\n')
                return std::nullopt; // a run across lines is no literal
            if (c == u'\\') {
                if (!readEscape(s, i, out, narrow))
                    return std::nullopt;
            } else {
                out += c;
            }
        }
        any = true;
        while (i < s.size() && s.at(i).unicode() <= u' ')
            ++i;
    }
    if (!any)
        return std::nullopt;
    return out;
}

QString decodeFormLiteral(const QString &inner)
{
    QString out = inner;
    out.replace(QStringLiteral("''"), QStringLiteral("'"));
    return out;
}

StringMode likelyMode(const QString &list)
{
    bool any = false;
    for (const QString &line : EL::lines(list)) {
        const qsizetype eq = line.indexOf(u'='), comma = line.indexOf(u',');
        if (eq < 0 && comma < 0)
            continue;
        if (comma < 0 || (eq >= 0 && eq < comma))
            return StringMode::Global;
        any = true;
    }
    return any ? StringMode::Function : StringMode::Global;
}

QList<Text> valueTexts(const QString &list, StringMode mode)
{
    QList<Text> out;
    for (const QString &line : EL::lines(list)) {
        Text t;
        if (mode == StringMode::Function) {
            t.context = EL::splitEntry(line.left(line.indexOf(u'"'))).name;
            t.identifier = EL::stringIdentifier(EL::entryNumber(line));
            t.written = EL::entryLiteral(line);
        } else {
            t.context = EL::entryName(line);
            t.identifier = EL::stringIdentifier(EL::numberOfName(t.context));
            t.written = EL::entryValue(line);
        }
        t.text = decodeCppLiteral(t.written);
        out << t;
    }
    return out;
}

QList<Text> propertyTexts(const QString &list)
{
    QList<Text> out;
    for (const QString &line : EL::lines(list)) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString value = EL::stripBlanks(line.mid(eq + 1));
        if (value.size() < 3 || !value.startsWith(u'"') || !value.endsWith(QLatin1String("\";")))
            continue;
        Text t;
        t.kind = Text::Kind::Property;
        t.context = EL::stripBlanks(line.left(eq));
        t.written = value;
        // The command line writes the value as a C++ literal, escapes and all;
        // the window writes the form literal's inside as it stands.
        const std::optional<QString> cpp =
            value.contains(u'\\') ? decodeCppLiteral(value.chopped(1)) : std::optional<QString>();
        t.text = cpp ? *cpp : decodeFormLiteral(value.mid(1, value.size() - 3));
        out << t;
    }
    return out;
}

QList<Text> formTexts(const QString &list, const FormIds::Ids &ids)
{
    QHash<QString, int> id;
    for (const auto &[path, n] : ids)
        id.insert(path, n);
    QList<Text> out;
    for (Text &t : propertyTexts(list))
        if (const int n = id.value(t.context)) {
            t.identifier = QString::number(n);
            out << t;
        }
    return out;
}

} // namespace SourceTexts
