#include "scan/CppLexer.h"

#include <algorithm>
#include <string_view>

namespace Cpp {

namespace {
bool isHorizontalBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

bool isIdentifierStart(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || u == u'_' || u == u'$' || u >= 0x80;
}

bool isIdentifierChar(QChar c)
{
    return isIdentifierStart(c) || (c >= u'0' && c <= u'9');
}

// What a digit separator must stand before, as compilers read it: no "$",
// nothing beyond ASCII.
bool isAsciiIdentifierChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The spellings of an identifier that make the quote behind it part of a literal.
enum class Prefix { None, Encoding, Raw };
Prefix prefixOf(const char16_t *s, int n)
{
    const std::u16string_view v(s, size_t(n));
    if (v == u"L" || v == u"u" || v == u"U" || v == u"u8")
        return Prefix::Encoding;
    if (v == u"R" || v == u"LR" || v == u"uR" || v == u"UR" || v == u"u8R")
        return Prefix::Raw;
    return Prefix::None;
}
} // namespace

int spliceLength(QStringView text, int p)
{
    const int n = int(text.size());
    if (p >= n || text[p] != u'\\')
        return 0;
    int q = p + 1;
    while (q < n && isHorizontalBlank(text[q]))
        ++q;
    if (q >= n || !isLineBreak(text[q]))
        return 0;
    if (text[q] == u'\r' && q + 1 < n && text[q + 1] == u'\n')
        ++q;
    return q + 1 - p;
}

int Lexer::skipSplicesFrom(int p) const
{
    while (p < m_n && m_text[p] == u'\\') {
        const int len = spliceLength(m_text, p);
        if (len == 0)
            break;
        p += len;
    }
    return p;
}

// pp-number = digit | "." digit, then digits, identifier characters but "$",
// "'" before an ASCII digit or letter, "e+" "e-", "p+" "p-" after "0x" (a
// hexadecimal float; compilers differ on 1p+2, which is no number) and ".".
int Lexer::lexNumber(int p) const
{
    const QChar x = at(step(p));
    const bool hex = m_text[p] == u'0' && (x == u'x' || x == u'X');
    int end = p;
    for (int q = p; q < m_n;) {
        const QChar c = m_text[q];
        const int after = step(q);
        const bool exponent = c == u'e' || c == u'E' || (hex && (c == u'p' || c == u'P'));
        if (exponent && (at(after) == u'+' || at(after) == u'-')) {
            end = after + 1;
        } else if (c == u'\'' && isAsciiIdentifierChar(at(after))) {
            end = after + 1;
        } else if ((isIdentifierChar(c) && c != u'$') || c == u'.') {
            end = q + 1;
        } else {
            break;
        }
        q = skipSplices(end);
    }
    return end;
}

// From the character after an opening quote: one past the closing quote, or
// (unterminated) the line break or the end of the text.
int Lexer::lexQuoted(int p, QChar quote, bool *terminated) const
{
    for (p = skipSplices(p); p < m_n; p = step(p)) {
        // Plain characters at once, and the splices among them: a backslash
        // that starts none is an escape.
        while (p < m_n) {
            const char16_t u = m_text[p].unicode();
            if (u == u'\\') {
                const int splice = spliceLength(m_text, p);
                if (splice == 0)
                    break;
                p += splice;
                continue;
            }
            if (u == quote.unicode() || u == u'\n' || u == u'\r')
                break;
            ++p;
        }
        if (p >= m_n)
            break;
        const QChar c = m_text[p];
        if (c == quote) {
            *terminated = true;
            return p + 1;
        }
        if (isLineBreak(c))
            break;
        if (c == u'\\') {
            p = step(p); // the escaped character; a backslash before a line break is a splice
            if (p >= m_n || isLineBreak(m_text[p]))
                break;
        }
    }
    *terminated = false;
    return std::min(p, m_n);
}

// R"delim( ... )delim": the delimiter and the body are read raw. The
// delimiter is up to 16 basic characters other than blanks, parentheses and
// backslash; a quote is one of them. On an invalid delimiter the token runs
// to the next quote after the opening one; unterminated, to the end of the
// text.
int Lexer::lexRaw(int quote, bool *ok) const
{
    const auto isDelimiterChar = [](QChar c) {
        const char16_t u = c.unicode();
        return u > u' ' && u < 0x7f && u != u'(' && u != u')' && u != u'\\' && u != u'$' && u != u'@' && u != u'`';
    };
    int p = quote + 1;
    while (p < m_n && p - quote - 1 < 16 && isDelimiterChar(m_text[p]))
        ++p;
    *ok = false;
    if (p >= m_n || m_text[p] != u'(') {
        const qsizetype next = m_text.indexOf(u'"', quote + 1);
        return next < 0 ? m_n : int(next) + 1;
    }
    const QStringView delim = m_text.sliced(quote + 1, p - quote - 1);
    for (int q = p + 1; q < m_n; ++q) {
        if (m_text[q] != u')')
            continue;
        const int close = q + 1 + int(delim.size());
        if (close < m_n && m_text[close] == u'"' && m_text.sliced(q + 1, delim.size()) == delim) {
            *ok = true;
            return close + 1;
        }
    }
    return m_n;
}

// A user-defined suffix behind a literal's closing quote: an identifier
// (without "$") that starts with "_" or a letter beyond ASCII, or behind a
// string one whose ASCII start is a suffix of the standard library's
// literals ("s", "sv", "min", "i"...). Anything else is a token of its own,
// as compilers take it ("%d"PRId64).
int Lexer::lexSuffix(int p, bool string) const
{
    const int q = skipSplices(p);
    if (q >= m_n || !isIdentifierStart(m_text[q]) || m_text[q] == u'$')
        return p;
    int end = q;
    for (int r = q; r < m_n && isIdentifierChar(m_text[r]) && m_text[r] != u'$'; r = skipSplices(r))
        end = ++r;
    if (m_text[q] == u'_' || (m_text[q].unicode() >= 0x80 && m_text[q].isLetter()))
        return end;
    if (!string)
        return p;
    char16_t id[4] = {};
    int len = 0;
    for (int r = q; r < end && len < 4 && isAsciiIdentifierChar(m_text[r]); r = skipSplices(r + 1))
        id[len++] = m_text[r].unicode();
    static const char16_t *const standard[] = {u"s", u"sv", u"h", u"min", u"ms", u"us", u"ns", u"i", u"il", u"if", u"d", u"y"};
    const std::u16string_view v(id, size_t(len));
    return std::find(std::begin(standard), std::end(standard), v) != std::end(standard) ? end : p;
}

int Lexer::lexLineComment(int p) const
{
    for (p = skipSplices(p); p < m_n && !isLineBreak(m_text[p]); p = step(p)) {
        while (p + 1 < m_n && m_text[p + 1] != u'\\' && !isLineBreak(m_text[p + 1]))
            ++p;
    }
    return std::min(p, m_n);
}

int Lexer::lexBlockComment(int p) const
{
    for (p = skipSplices(p); p < m_n; p = step(p)) {
        if (m_text[p] == u'*') {
            const int q = step(p);
            if (at(q) == u'/')
                return q + 1;
        }
    }
    return m_n;
}

// "<" ... ">" on one line; p when there is no ">" before the line's end.
int Lexer::lexHeaderName(int p) const
{
    for (int q = step(p); q < m_n && !isLineBreak(m_text[q]); q = step(q))
        if (m_text[q] == u'>')
            return q + 1;
    return p;
}

void Lexer::lexLiteral(Token &t, int quote, bool raw)
{
    const QChar q = m_text[quote];
    t.quote = quote;
    bool ok = false;
    if (raw) {
        t.close = lexRaw(quote, &ok);
        t.kind = ok ? TokenKind::RawString : TokenKind::Other;
    } else {
        t.close = lexQuoted(quote + 1, q, &ok);
        // An empty character literal is no token a compiler accepts.
        ok = ok && !(q == u'\'' && t.close == step(quote) + 1);
        t.kind = !ok ? TokenKind::Other : q == u'"' ? TokenKind::String : TokenKind::Char;
    }
    t.end = ok ? lexSuffix(t.close, q == u'"') : t.close;
    t.suffix = t.end != t.close;
    if (!ok) { // no literal: quote and close are those of a plain token
        t.quote = t.start;
        t.close = t.end;
    }
}

bool Lexer::next(Token &t)
{
    int p = skipSplices(m_pos);
    while (p < m_n) {
        const QChar c = m_text[p];
        if (c == u' ' || c == u'\t') { // the common case, without a look for splices
            ++p;
            if (p < m_n && m_text[p] == u'\\')
                p = skipSplicesFrom(p);
            continue;
        }
        if (isLineBreak(c)) {
            m_atLineStart = true;
            m_inDirective = false;
        } else if (!isHorizontalBlank(c)) {
            break;
        }
        p = step(p);
    }
    if (p >= m_n) {
        m_pos = m_n;
        return false;
    }
    t = Token{};
    t.start = t.quote = p;
    const QChar c = m_text[p];
    const int after = step(p);
    if (c == u'/' && (at(after) == u'/' || at(after) == u'*')) {
        t.kind = TokenKind::Comment;
        t.directive = m_inDirective;
        t.end = at(after) == u'/' ? lexLineComment(after + 1) : lexBlockComment(after + 1);
        t.close = t.end;
        m_pos = t.end;
        return true;
    }
    if (m_atLineStart && c == u'#' && at(after) != u'#') { // "##" starts no directive
        m_inDirective = true;
        m_directiveTokens = 0;
        m_includeDirective = false;
    }
    t.directive = m_inDirective;
    t.lineStart = m_atLineStart;
    if (isIdentifierStart(c)) {
        // Keep the first few characters to tell a literal's prefix.
        char16_t spelling[4];
        int len = 0, end = p;
        for (int q = p; q < m_n && isIdentifierChar(m_text[q]); q = skipSplices(q)) {
            if (len < 4)
                spelling[len] = m_text[q].unicode();
            ++len;
            end = ++q;
            if (len >= 4) { // past any prefix: the rest of a plain run at once
                while (end < m_n && isIdentifierChar(m_text[end]))
                    ++end;
                q = end;
            }
        }
        const Prefix prefix = len <= 3 ? prefixOf(spelling, len) : Prefix::None;
        const int quote = skipSplices(end);
        const QChar next = at(quote);
        if (prefix == Prefix::Raw && next == u'"') {
            lexLiteral(t, quote, true);
        } else if (prefix == Prefix::Encoding && (next == u'"' || next == u'\'')) {
            lexLiteral(t, quote, false);
        } else {
            t.kind = TokenKind::Identifier;
            t.end = t.close = end;
            if (m_inDirective && m_directiveTokens == 1) {
                const QStringView id = m_text.sliced(p, end - p);
                m_includeDirective = id == u"include" || id == u"include_next" || id == u"import";
            }
        }
    } else if (isDigit(c) || (c == u'.' && isDigit(at(after)))) {
        t.kind = TokenKind::Number;
        t.end = t.close = lexNumber(p);
    } else if (c == u'"' || c == u'\'') {
        lexLiteral(t, p, false);
    } else if (c == u'<' && m_includeDirective && m_directiveTokens == 2 && lexHeaderName(p) != p) {
        t.kind = TokenKind::HeaderName;
        t.end = t.close = lexHeaderName(p);
    } else {
        t.kind = c.unicode() > u' ' && c.unicode() < 0x7f && c != u'\\' && c != u'`' && c != u'@'
                     ? TokenKind::Punct
                     : TokenKind::Other;
        t.end = t.close = p + 1;
    }
    m_atLineStart = false;
    if (m_inDirective)
        ++m_directiveTokens;
    m_pos = t.end;
    return true;
}

QString quotedPart(QStringView text, const Token &t)
{
    QString out;
    out.reserve(t.close - t.quote);
    for (int p = t.quote; p < t.close;) {
        const int splice = t.kind == TokenKind::RawString ? 0 : spliceLength(text, p);
        if (splice > 0) {
            p += splice;
        } else {
            out += text[p];
            ++p;
        }
    }
    return out;
}

} // namespace Cpp
