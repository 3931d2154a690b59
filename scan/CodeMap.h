#pragma once
// What the literal scanner's runs are in a C++ page, read from the page's
// tokens (CppLexer). The scanner pairs quote characters; the map says for a
// run that starts at a quote whether it is one whole string literal, a group
// of adjacent literals that the compiler joins into one, or no literal at
// all, and where the next run can start.
#include "scan/CppLexer.h"
#include "scan/LiteralContext.h"

#include <QString>

#include <vector>

// Adjacent string literals, separated only by blanks, line breaks and
// comments: "a" "b" is one literal "ab". A lone literal is a group of one.
struct StringGroup
{
    int start = 0; // the first member's prefix
    int quote = 0; // the first member's opening quote
    int close = 0; // one past the last member's closing quote
    int end = 0;   // one past the last member (its suffix included)
    int members = 1;
    bool raw = false;       // a member is a raw string
    bool suffix = false;    // a member has a user-defined suffix
    bool directive = false; // on a preprocessor line
    bool codeText = false;  // extern "C", __declspec(...), asm(...), static_assert, _Pragma
    LiteralContext context; // how it is used; None on a preprocessor line
    bool comment = false;   // a comment between two members: "a" /* c */ "b"
};

// What a run of the scanner is.
enum class RunKind {
    Literal,      // one whole string literal
    Group,        // the first member of a group of adjacent literals
    Comment,      // starts inside a comment
    CharLiteral,  // starts inside a character literal
    RawString,    // a raw string or inside one
    Preprocessor, // on a preprocessor line
    Suffix,       // a literal with a user-defined suffix
    SpansCode,    // runs across code
};

struct RunPlace
{
    RunKind kind = RunKind::SpansCode;
    int start = 0;                      // the run's start
    int end = 0;                        // one past its end, cut at the end of what holds it
    const StringGroup *group = nullptr; // Literal, Group and literals that cannot be extracted
};

class CodeMap
{
public:
    explicit CodeMap(QStringView page);
    // Only what places the runs up to upTo: the page is read until the
    // group of adjacent literals that reaches upTo has ended, and no use is
    // read (every group's context stays None). For one run of a long page.
    CodeMap(QStringView page, int upTo);

    // The run from runStart (a quote) to runEnd (one past its closing quote).
    RunPlace place(int runStart, int runEnd) const;
    // The joined literal of a group, as one literal: "a" "b" -> "ab".
    QString value(const StringGroup &g) const;
    // Comments in page order, [begin, end).
    const std::vector<std::pair<int, int>> &comments() const { return m_comments; }
    // Preprocessor lines in page order, [begin, end).
    const std::vector<std::pair<int, int>> &directives() const { return m_directives; }

private:
    void read(int upTo);
    struct Member
    {
        int quote, close, group;
    };
    struct Region
    {
        int begin, end;
        RunKind kind;
    };

    QStringView m_page;
    std::vector<StringGroup> m_groups;
    std::vector<Member> m_members;  // every member of every group, in page order
    std::vector<Region> m_regions;  // comments, character literals, raw strings, unterminated literals
    std::vector<std::pair<int, int>> m_comments;
    std::vector<std::pair<int, int>> m_directives;
};

// Joins the quoted parts of adjacent literals into one literal without
// changing the value at the seams: "\x41" "B" -> "\x41\102", not "\x41B".
QString joinLiterals(const std::vector<QString> &quoted);
