#include "scan/FormValues.h"

#include <cctype>

namespace {
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

struct Level
{
    QStringList prefix;
    bool collection = false;
    int nextItem = 0;
};

class Reader
{
public:
    explicit Reader(QStringView page) : m_page(page), m_n(int(page.size())) {}

    std::vector<FormValue> read()
    {
        while (m_p < m_n) {
            skipBlanks();
            if (m_p >= m_n)
                break;
            if (isBreak(at(m_p))) {
                newLine();
                continue;
            }
            statement();
        }
        return std::move(m_values);
    }

private:
    QChar at(int p) const { return p < m_n ? m_page[p] : QChar(); }
    void skipBlanks()
    {
        while (m_p < m_n && isBlank(m_page[m_p]))
            ++m_p;
    }
    void newLine()
    {
        if (m_page[m_p] == u'\n')
            ++m_line;
        ++m_p;
    }
    // Blanks and line breaks.
    void skipSpace()
    {
        while (m_p < m_n && (isBlank(m_page[m_p]) || isBreak(m_page[m_p])))
            isBreak(m_page[m_p]) ? newLine() : void(++m_p);
    }
    void skipToLineEnd()
    {
        while (m_p < m_n && !isBreak(m_page[m_p]))
            ++m_p;
    }
    QStringView word()
    {
        const int from = m_p;
        while (m_p < m_n && (m_page[m_p].isLetterOrNumber() || m_page[m_p] == u'_' || m_page[m_p] == u'.'))
            ++m_p;
        return m_page.sliced(from, m_p - from);
    }
    QStringList top() const { return m_levels.empty() ? QStringList() : m_levels.back().prefix; }

    void statement()
    {
        const int lineStart = m_p;
        const QStringView w = word();
        if (w == u"object" || w == u"inherited" || w == u"inline") {
            // The name runs to the ":" (or the line's end).
            const int from = m_p;
            skipToLineEnd();
            QStringView rest = m_page.sliced(from, m_p - from);
            const qsizetype colon = rest.indexOf(u':');
            const QString name = (colon >= 0 ? rest.first(colon) : rest).trimmed().toString();
            // The object on the first line is the root; its properties need no owner.
            m_levels.push_back({m_line == 0 ? QStringList() : QStringList{name}});
            return;
        }
        if (w == u"end") {
            if (!m_levels.empty())
                m_levels.pop_back();
            skipBlanks();
            if (at(m_p) == u'>' && !m_levels.empty() && m_levels.back().collection)
                m_levels.pop_back();
            skipToLineEnd();
            return;
        }
        if (w == u"item" && !m_levels.empty() && m_levels.back().collection) {
            Level &c = m_levels.back();
            QStringList prefix = c.prefix;
            prefix << QStringLiteral("Items[%1]").arg(c.nextItem++);
            m_levels.push_back({prefix});
            skipToLineEnd();
            return;
        }
        skipBlanks();
        // A property name: letters first, parts joined by single dots.
        const bool name = !w.isEmpty() && (w.front().isLetter() || w.front() == u'_') && !w.endsWith(u'.') &&
                          !w.contains(u"..");
        if (!name || at(m_p) != u'=') {
            m_p = std::max(m_p, lineStart + 1);
            skipToLineEnd();
            return;
        }
        const int nameLine = m_line;
        ++m_p;
        skipBlanks();
        QStringList path = top();
        for (QStringView part : w.split(u'.'))
            if (!part.isEmpty())
                path << part.toString();
        const QChar c = at(m_p);
        if (c == u'\'' || c == u'#') {
            value(path, nameLine);
        } else if (c == u'(') {
            list(path, nameLine);
        } else if (c == u'<') {
            ++m_p;
            skipBlanks();
            if (at(m_p) == u'>')
                ++m_p;
            else
                m_levels.push_back({path, true});
            skipToLineEnd();
        } else if (c == u'{') {
            while (m_p < m_n && m_page[m_p] != u'}')
                isBreak(m_page[m_p]) ? newLine() : void(++m_p);
            skipToLineEnd();
        } else {
            skipToLineEnd();
        }
    }

    // A string value at m_p: pieces joined by nothing or by "+" (which may
    // end a line). Nothing is kept when a piece is not terminated.
    void value(const QStringList &path, int nameLine)
    {
        FormValue v;
        v.start = m_p;
        v.line = nameLine;
        v.path = path;
        for (;;) {
            const QChar c = at(m_p);
            if (c == u'\'') {
                ++m_p;
                for (;;) {
                    if (m_p >= m_n || isBreak(m_page[m_p]))
                        return; // unterminated
                    if (m_page[m_p] == u'\'') {
                        if (at(m_p + 1) != u'\'')
                            break;
                        ++m_p;
                    }
                    v.text += m_page[m_p++];
                }
                ++m_p;
            } else if (c == u'#') {
                ++m_p;
                const bool hex = at(m_p) == u'$';
                m_p += hex;
                const int from = m_p;
                while (m_p < m_n && (hex ? isxdigit(m_page[m_p].toLatin1()) : m_page[m_p].isDigit()) &&
                       m_page[m_p].unicode() < 128)
                    ++m_p;
                bool ok = false;
                const uint code = m_page.sliced(from, m_p - from).toUInt(&ok, hex ? 16 : 10);
                if (!ok || code > 0x10FFFF)
                    return;
                v.text += QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1);
            } else {
                break;
            }
            v.end = m_p;
            const int save = m_p, saveLine = m_line;
            skipBlanks();
            if (at(m_p) != u'+') {
                m_p = save;
                continue; // the next piece may follow at once ('a'#13'b'); otherwise the value ends
            }
            ++m_p;
            skipSpace();
            if (at(m_p) != u'\'' && at(m_p) != u'#') {
                m_p = save;
                m_line = saveLine;
                break;
            }
        }
        if (v.end > v.start)
            m_values.push_back(std::move(v));
    }

    // "(" items ")": each string item a value with the index on the last part.
    void list(QStringList path, int nameLine)
    {
        ++m_p;
        const QString last = path.isEmpty() ? QString() : path.takeLast();
        for (int index = 0;; ++index) {
            skipSpace();
            const QChar c = at(m_p);
            if (m_p >= m_n || c == u')') {
                ++m_p;
                return;
            }
            QStringList itemPath = path;
            itemPath << QStringLiteral("%1[%2]").arg(last).arg(index);
            const int before = m_p;
            if (c == u'\'' || c == u'#')
                value(itemPath, nameLine);
            if (m_p == before) // not a string, or a broken one: skip the item
                while (m_p < m_n && !isBlank(m_page[m_p]) && !isBreak(m_page[m_p]) && m_page[m_p] != u')')
                    ++m_p;
        }
    }

    QStringView m_page;
    int m_n;
    int m_p = 0;
    int m_line = 0;
    std::vector<Level> m_levels;
    std::vector<FormValue> m_values;
};
} // namespace

std::vector<FormValue> readFormValues(QStringView page)
{
    return Reader(page).read();
}

bool isNonDisplayProperty(const QStringList &path)
{
    static const char16_t *const exact[] = {u"SQL", u"ConnectionString", u"CommandText", u"DefaultExt",
                                            u"PasswordChar", u"InitialDir", u"Params"};
    static const char16_t *const endings[] = {u"Name", u"Names", u"Field", u"Fields", u"FileName", u"File"};
    for (const QString &raw : path) {
        const QString part = raw.section(u'[', 0, 0);
        if (part == u"Hint")
            continue;
        if (part.startsWith(u"Help"))
            return true;
        for (const char16_t *e : exact)
            if (part.compare(QStringView(e), Qt::CaseInsensitive) == 0)
                return true;
        for (const char16_t *e : endings)
            if (part.endsWith(QStringView(e)))
                return true;
    }
    return false;
}

QString cppStringLiteral(const QString &value)
{
    QString out(1, u'"');
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'"':
            out += u"\\\"";
            break;
        case u'\\':
            out += u"\\\\";
            break;
        case u'\n':
            out += u"\\n";
            break;
        case u'\r':
            out += u"\\r";
            break;
        case u'\t':
            out += u"\\t";
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                out += QStringLiteral("\\%1").arg(c.unicode(), 3, 8, QChar(u'0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out;
}
