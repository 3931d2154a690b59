#pragma once
// A C++ lexer: a page read into tokens as a compiler's first phases read it,
// in one pass and linear time. It knows line splices (a backslash, optional
// blanks and a line break vanish everywhere except inside raw strings),
// comments, preprocessor lines (a "#" first on a line, up to the first line
// break that is not spliced), header names after #include, string literals
// with every encoding prefix, raw strings with any delimiter, character
// literals (also of several characters), numbers with digit separators and
// user-defined literal suffixes.
//
//   token        example                       kind
//   identifier   Label1  _x  Grüße             Identifier
//   number       1'000  0x1Fu  1.5e+3  .5      Number
//   string       "a"  L"a"  u8"a"  "a"_s        String     (quote: the opening ")
//   raw string   R"x(a")x"  LR"(a)"            RawString
//   character    'a'  '\''  L'"'  'ab'         Char
//   comment      // x   /* x */                Comment
//   header name  <stdio.h> after #include      HeaderName
//   punctuator   -> :: ( ; #                    Punct      (one character each)
//   anything else, an unterminated literal (to the line's end)   Other
#include <QString>
#include <QStringView>

namespace Cpp {

enum class TokenKind : unsigned char { Identifier, Number, String, RawString, Char, Comment, HeaderName, Punct, Other };

struct Token
{
    TokenKind kind = TokenKind::Other;
    bool directive = false; // on a preprocessor line, its "#" included
    bool lineStart = false; // the first token of its line (comments aside)
    bool suffix = false;    // String, RawString, Char: a user-defined suffix follows the closing quote
    int start = 0;          // first character (a literal's prefix)
    int quote = 0;          // String, RawString, Char: the opening quote; otherwise start
    int close = 0;          // String, RawString, Char: one past the closing quote; otherwise end
    int end = 0;            // one past the last character (the suffix included)
    int length() const { return end - start; }
};

class Lexer
{
public:
    explicit Lexer(QStringView text) : m_text(text), m_n(int(text.size())) {}
    // The next token, comments included; false at the end of the text.
    bool next(Token &t);

    // Where the lexer stands between two tokens. The tokens from there on
    // depend on nothing else but the text from pos on.
    struct State
    {
        int pos = 0;
        bool atLineStart = true;
        bool inDirective = false;
        int directiveTokens = 0;
        bool includeDirective = false;
        bool sameContext(const State &o) const
        {
            return atLineStart == o.atLineStart && inDirective == o.inDirective &&
                   directiveTokens == o.directiveTokens && includeDirective == o.includeDirective;
        }
    };
    State state() const { return {m_pos, m_atLineStart, m_inDirective, m_directiveTokens, m_includeDirective}; }
    void setState(const State &s)
    {
        m_pos = s.pos;
        m_atLineStart = s.atLineStart;
        m_inDirective = s.inDirective;
        m_directiveTokens = s.directiveTokens;
        m_includeDirective = s.includeDirective;
    }

private:
    QChar at(int p) const { return p < m_n ? m_text[p] : QChar(); }
    // p, or past the line splices that start there.
    int skipSplices(int p) const { return p < m_n && m_text[p] == u'\\' ? skipSplicesFrom(p) : p; }
    int skipSplicesFrom(int p) const;
    int step(int p) const { return skipSplices(p + 1); }
    int lexNumber(int p) const;
    int lexQuoted(int p, QChar quote, bool *terminated) const;
    int lexRaw(int quote, bool *ok) const;
    int lexSuffix(int p, bool string) const;
    int lexLineComment(int p) const;
    int lexBlockComment(int p) const;
    int lexHeaderName(int p) const;
    void lexLiteral(Token &t, int quote, bool raw);

    QStringView m_text;
    int m_n;
    int m_pos = 0;
    bool m_atLineStart = true;
    bool m_inDirective = false;
    int m_directiveTokens = 0; // tokens so far on the current directive line
    bool m_includeDirective = false;
};

// A String token's quoted part, from its opening to its closing quote, with
// its line splices removed: L"a\<line break>b"_s -> "ab".
QString quotedPart(QStringView text, const Token &t);

// Length of the line splice at p (a backslash, blanks, a line break); 0 when
// none starts there.
int spliceLength(QStringView text, int p);

} // namespace Cpp
