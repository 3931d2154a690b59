#include "scan/LiteralHints.h"

#include <QStringList>

#include <algorithm>
#include <cstring>

namespace {
bool inRangeList(const std::vector<std::pair<int, int>> &ranges, int pos)
{
    auto it = std::upper_bound(ranges.begin(), ranges.end(), pos, [](int p, const auto &r) { return p < r.first; });
    return it != ranges.begin() && pos < std::prev(it)->second;
}

// What the code map says of a run: the kind of its place, the group's code
// text and comments, a comment or preprocessor line that holds its quote.
LiteralHints codeHints(const CodeMap &code, const RunPlace &place)
{
    static const LiteralHint reasons[] = {LiteralHint(0),          LiteralHint::Adjacent,  LiteralHint::Comment,
                                          LiteralHint::CharLiteral, LiteralHint::RawString, LiteralHint::Preprocessor,
                                          LiteralHint::Suffix,      LiteralHint::SpansCode};
    LiteralHints h = reasons[int(place.kind)];
    if (place.group && place.group->codeText)
        h |= LiteralHint::CodeText;
    if (place.group && place.group->comment)
        h |= LiteralHint::CommentInside;
    if (inRangeList(code.comments(), place.start))
        h |= LiteralHint::Comment;
    if (inRangeList(code.directives(), place.start))
        h |= LiteralHint::Preprocessor;
    return h;
}

bool isIdentifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

bool isBlank(QChar c)
{
    return c.unicode() <= u' ';
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Calls whose literal argument is already fetched or translated at run time.
bool isLoadingCall(QStringView name)
{
    static const char *const names[] = {"_", "N_", "tr", "translate", "gettext", "LoadTextRC", "LoadStr",
                                        "LoadResString"};
    return std::any_of(std::begin(names), std::end(names), [&](const char *n) { return name == QLatin1String(n); });
}

// Length of the escape sequence at i (a backslash) in C++ source: \x, \u, \U
// and octal escapes take their digits.
qsizetype escapeLength(QStringView s, qsizetype i)
{
    if (i + 1 >= s.size())
        return 1;
    const QChar c = s.at(i + 1);
    qsizetype len = 2, max = 0;
    bool hex = true;
    if (c == u'x')
        max = s.size();
    else if (c == u'u')
        max = 4;
    else if (c == u'U')
        max = 8;
    else if (c >= u'0' && c <= u'7') {
        hex = false;
        max = 2;
    }
    for (qsizetype k = 0; k < max && i + len < s.size(); ++k, ++len) {
        const QChar d = s.at(i + len);
        if (hex ? !isHexDigit(d) : !(d >= u'0' && d <= u'7'))
            break;
    }
    return len;
}

// Length of the printf or positional format specifier at i (a "%"); 1 when
// none starts there.
qsizetype formatLength(QStringView s, qsizetype i)
{
    qsizetype k = i + 1;
    const auto in = [&](const char *set) { return k < s.size() && s.at(k).unicode() < 128 && std::strchr(set, s.at(k).toLatin1()); };
    if (in("%"))
        return 2;
    while (in("-+ #0"))
        ++k;
    while (in("0123456789*"))
        ++k;
    if (in(".")) {
        ++k;
        while (in("0123456789*"))
            ++k;
    }
    while (in("hlLqjzt"))
        ++k;
    if (in("diouxXeEfFgGaAcspn"))
        return k + 1 - i;
    return k > i + 1 && s.at(k - 1).isDigit() ? k - i : 1; // %1 of a positional text
}

bool hasLetter(QStringView s, bool cpp)
{
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s.at(i);
        if (cpp && c == u'\\')
            i += escapeLength(s, i);
        else if (c == u'%')
            i += formatLength(s, i);
        else if (c.isLetter())
            return true;
        else
            ++i;
    }
    return false;
}

bool looksLikeIdentifier(QStringView s, bool cpp)
{
    if (s.isEmpty() || std::any_of(s.begin(), s.end(), isBlank))
        return false;
    // A lone letter (a flag or a code), markup or a pattern (<AZ>, {4u}, *d),
    // a digit inside a word (32h, U9A).
    if (s.size() == 1 && s.front().isLetter())
        return true;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (cpp && c == u'\\') {
            i += escapeLength(s, i) - 1; // \x41 is no digit in a word
            continue;
        }
        if (c == u'<' || c == u'>' || c == u'{' || c == u'}' || c == u'[' || c == u']' || c == u'*' || c == u'|')
            return true;
        if (c.isDigit() && i > 0 && i + 1 < s.size() && (s.at(i - 1).isLetter() || s.at(i + 1).isLetter()))
            return true;
    }
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        const QChar next = i + 1 < s.size() ? s.at(i + 1) : QChar();
        if (c == u'/' || c == u'_' || (c == u':' && next == u':') || (c == u'.' && next.isLetterOrNumber()))
            return true;
        if (c == u'\\') {
            if (!cpp || next == u'\\')
                return true;
            ++i; // an escape such as \n is no path separator
        }
    }
    return false;
}
} // namespace

LiteralVerdict verdictOf(LiteralHints hints)
{
    return verdictOf(hints, LiteralUse());
}

LiteralHint decidingHint(LiteralHints hints, const LiteralUse &use)
{
    const LiteralHints notLiteral = hints & kNotLiteralHints;
    const LiteralHints sure = hints & (LiteralHint::Empty | LiteralHint::NoLetter | LiteralHint::ResourceCall |
                                       LiteralHint::CodeText | LiteralHint::CommentInside);
    const auto lowest = [](LiteralHints h) { return LiteralHint(unsigned(h) & (~unsigned(h) + 1)); };
    if (notLiteral)
        return lowest(notLiteral);
    if (sure)
        return lowest(sure);
    if (use.verdict != UseVerdict::Unknown)
        return LiteralHint(0);
    if (hints & LiteralHint::Identifier)
        return LiteralHint::Identifier;
    if (hints & LiteralHint::Property)
        return LiteralHint::Property;
    return LiteralHint(0);
}

LiteralVerdict verdictOf(LiteralHints hints, const LiteralUse &use)
{
    const LiteralHint h = decidingHint(hints, use);
    if (h != LiteralHint(0))
        return (LiteralHints(h) & kNotLiteralHints) ? LiteralVerdict::NotLiteral : LiteralVerdict::ProbablyNot;
    return use.verdict == UseVerdict::NotUserText ? LiteralVerdict::ProbablyNot : LiteralVerdict::UserText;
}

bool isUnmarkedUserText(LiteralHints hints, const LiteralUse &use)
{
    return verdictOf(hints, use) == LiteralVerdict::UserText && !hints.testFlag(LiteralHint::Marker);
}

LiteralHints notLiteralReasons(const QString &page, int start, int length)
{
    if (start < 0 || start >= page.size() || page.at(start) != u'"')
        return {};
    // Only the page up to the run's group is read: the window asks this at
    // every Extract.
    const CodeMap code(page, start + length);
    return codeHints(code, code.place(start, start + length)) & kNotLiteralHints;
}

QStringList hintNames(LiteralHints hints)
{
    static const char *const names[] = {"preprocessor", "comment",   "prefix",     "empty",     "no-letter",
                                        "identifier",   "resource-call", "marker", "char-literal", "spans-code",
                                        "raw-string",   "suffix",    "code-text",  "property",  "adjacent",
                                        "comment-inside"};
    QStringList out;
    for (unsigned bit = 0; bit < std::size(names); ++bit)
        if (hints.testFlag(LiteralHint(1u << bit)))
            out << QLatin1String(names[bit]);
    return out;
}

int encodingPrefixLength(QStringView before)
{
    const qsizetype n = before.size();
    // A prefix stands alone: nothing of an identifier right in front of it.
    const auto standsAlone = [&](qsizetype len) { return n == len || !isIdentifierChar(before.at(n - len - 1)); };
    if (n >= 2 && before.at(n - 2) == u'u' && before.at(n - 1) == u'8' && standsAlone(2))
        return 2;
    if (n >= 1) {
        const QChar c = before.at(n - 1);
        if ((c == u'L' || c == u'u' || c == u'U') && standsAlone(1))
            return 1;
    }
    return 0;
}

LiteralHinter::LiteralHinter(const QString &text, SourcePage page, const UseRules &rules)
    : m_text(text), m_cpp(page != SourcePage::Dfm), m_rules(rules)
{
    m_lineStarts.push_back(0);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i)
        if (text.at(i) == u'\n')
            m_lineStarts.push_back(int(i + 1));
    m_marked.assign(m_lineStarts.size(), false);
    if (!m_cpp)
        return;
    m_code = std::make_unique<const CodeMap>(QStringView(m_text));
    // A line comment that starts with the marker marks its line.
    for (const auto &[begin, end] : m_code->comments()) {
        QStringView c = QStringView(m_text).sliced(begin, end - begin);
        if (!c.startsWith(u"//"))
            continue;
        c = c.sliced(2);
        while (!c.isEmpty() && (c.front() == u' ' || c.front() == u'\t'))
            c = c.sliced(1);
        if (c.startsWith(kKeepMarker))
            m_marked[size_t(lineOf(begin))] = true;
    }
}

int LiteralHinter::lineOf(int pos) const
{
    return int(std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), pos) - m_lineStarts.begin()) - 1;
}

bool LiteralHinter::inRanges(const std::vector<std::pair<int, int>> &ranges, int pos) const
{
    return inRangeList(ranges, pos);
}

LiteralHints valueHints(QStringView quoted, SourcePage page)
{
    const bool cpp = page != SourcePage::Dfm;
    const QStringView inner = quoted.size() >= 2 ? quoted.sliced(1, quoted.size() - 2) : QStringView();
    LiteralHints h;
    if (inner.isEmpty())
        h |= LiteralHint::Empty;
    if (!hasLetter(inner, cpp))
        h |= LiteralHint::NoLetter;
    if (looksLikeIdentifier(inner, cpp))
        h |= LiteralHint::Identifier;
    return h;
}

LiteralHints LiteralHinter::hints(const RunPlace &place, QStringView value) const
{
    return valueHints(value, SourcePage::Cpp) | positionHints(place.start, place.end) | codeHints(*m_code, place);
}

LiteralUse LiteralHinter::use(const RunPlace &place) const
{
    if (!place.group || (place.kind != RunKind::Literal && place.kind != RunKind::Group))
        return {};
    return m_rules.judge(place.group->context, m_text);
}

LiteralHints LiteralHinter::positionHints(int start, int end) const
{
    LiteralHints h;
    const int last = lineOf(std::max(start, end - 1));
    for (int line = lineOf(start); line <= last; ++line)
        if (m_marked[size_t(line)])
            h |= LiteralHint::Marker;
    if (!m_cpp)
        return h;
    const QStringView text(m_text);
    if (inRanges(m_code->comments(), start))
        h |= LiteralHint::Comment;
    if (inRanges(m_code->directives(), start))
        h |= LiteralHint::Preprocessor;
    const int from = std::max(0, start - 3);
    const int prefix = encodingPrefixLength(text.mid(from, start - from));
    if (prefix > 0)
        h |= LiteralHint::Prefix;
    // The argument of a call: "(" and a loading call's name in front.
    qsizetype k = start - prefix - 1;
    while (k >= 0 && isBlank(text.at(k)))
        --k;
    if (k >= 0 && text.at(k) == u'(') {
        --k;
        while (k >= 0 && isBlank(text.at(k)))
            --k;
        const qsizetype end = k + 1;
        while (k >= 0 && isIdentifierChar(text.at(k)))
            --k;
        if (isLoadingCall(text.mid(k + 1, end - k - 1)))
            h |= LiteralHint::ResourceCall;
    }
    return h;
}

LiteralHints LiteralHinter::hints(int start, int length) const
{
    return valueHints(QStringView(m_text).mid(start, length), m_cpp ? SourcePage::Cpp : SourcePage::Dfm) |
           positionHints(start, start + length);
}
