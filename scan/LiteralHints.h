#pragma once
// Facts about a literal that a reviewer needs before extracting it, and the
// verdict drawn from them. Hints never change what Find Next finds: they are
// read for literals the scanner has already found.
#include "scan/CodeMap.h"
#include "scan/UseTable.h"
#include "platform/core/SourcePage.h"

#include <QFlags>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

enum class LiteralHint : unsigned {
    Preprocessor = 1u << 0, // on a preprocessor line          #include "a.h"   #define T "x"
    Comment = 1u << 1,      // inside a comment                 // say "hi"      /* "x" */
    Prefix = 1u << 2,       // an encoding prefix               L"x"  u"x"  U"x"  u8"x"
    Empty = 1u << 3,        // nothing between the quotes       ""  ''
    NoLetter = 1u << 4,     // no letter outside escapes and format specifiers   "%d: %s"  "42"  "\n"  "-->"
    Identifier = 1u << 5,   // no blank, with . / \\ _ or ::    "config.ini"  "a/b"  "C:\\x"  "MAX_LEN"  "std::x"
    ResourceCall = 1u << 6, // already the text of a loading call   _("x")  tr("x")  LoadStr("x")
    Marker = 1u << 7,       // the line carries // vtqx:keep    f("x"); // vtqx:keep
    CharLiteral = 1u << 8,  // inside a character literal        c = '"';
    SpansCode = 1u << 9,    // runs across code                  "open<line break>x = "
    RawString = 1u << 10,   // a raw string or inside one        R"x(a")x"
    Suffix = 1u << 11,      // a user-defined suffix             "a"_s
    CodeText = 1u << 12,    // text the compiler reads           extern "C"  asm("nop")  static_assert(x, "m")
    Property = 1u << 13,    // a form property without display text   Font.Name = 'Arial'  DataField = 'ID'
    Adjacent = 1u << 14,    // adjacent literals, joined into one  "a" "b"
    CommentInside = 1u << 15, // a comment between adjacent literals  "a" /* c */ "b"
};
Q_DECLARE_FLAGS(LiteralHints, LiteralHint)
Q_DECLARE_OPERATORS_FOR_FLAGS(LiteralHints)

// Not a literal where the run is no string literal of the code (a comment,
// a character literal, a raw string, a preprocessor line, a suffix, code);
// otherwise user text unless a hint other than Prefix, Marker or Adjacent
// says otherwise:
//   "Hello" L"Hello" "%d files" "a" "b"    -> UserText
//   "" "42" "a.h" extern "C"                -> ProbablyNot
//   // say "x"   '"'   #include "a.h"        -> NotLiteral
enum class LiteralVerdict { UserText, ProbablyNot, NotLiteral };
LiteralVerdict verdictOf(LiteralHints hints);
// The verdict with the literal's use (UseRules) weighed in. Most decisive first:
//   not a literal (a comment, a preprocessor line...)        -> NotLiteral
//   empty, no letter, a loading call's text, code text       -> ProbablyNot
//   a use that is never shown: ReadString("S", "K")           -> ProbablyNot
//   a use that is shown: ShowMessage("x"), Caption = "Date/Time" -> UserText
//   a path or identifier ("a/b", "MAX_LEN")                   -> ProbablyNot
//   a form property without display text                      -> ProbablyNot
//   nothing known: the literal's own characters               -> UserText
LiteralVerdict verdictOf(LiteralHints hints, const LiteralUse &use);
// What decided the verdict: a hint (its bit), or none when the use decided
// it or nothing speaks against user text.
LiteralHint decidingHint(LiteralHints hints, const LiteralUse &use);
// The hints that make a run no literal.
inline constexpr LiteralHints kNotLiteralHints = LiteralHints(
    unsigned(LiteralHint::Comment) | unsigned(LiteralHint::Preprocessor) | unsigned(LiteralHint::CharLiteral) |
    unsigned(LiteralHint::SpansCode) | unsigned(LiteralHint::RawString) | unsigned(LiteralHint::Suffix));
// User text whose line carries no keep marker: checked in the literals
// panel, reported by vtqx-cli check.
bool isUnmarkedUserText(LiteralHints hints, const LiteralUse &use = {});

// What makes a selection of a C++ page that starts at a quote no string
// literal of the code, as the panel's verdict says; none for a literal, a
// member of a group, or a selection that starts elsewhere:
//   #include "a.h"  -> Preprocessor    // say "x"  -> Comment    c = '"';  -> CharLiteral
LiteralHints notLiteralReasons(const QString &page, int start, int length);

// Short names of the hints ("comment", "prefix", ...), in the order above.
QStringList hintNames(LiteralHints hints);

// The line comment that marks every literal of its line as not for
// translation (after the code).
inline constexpr QLatin1String kKeepMarker("vtqx:keep");

// Length of the encoding prefix (L, u, U, u8) right in front of a quote,
// given up to three characters before it (fewer at the start of a text); 0
// when there is none or it is the tail of a longer identifier:
//   x = L"   -> 1     u8"  -> 2     xL"   -> 0     _u8"  -> 0     8"  -> 0
int encodingPrefixLength(QStringView before);

// Hints for text as a literal's value: Empty, NoLetter, Identifier.
// quoted: the value with its quotes ("..." or '...').
LiteralHints valueHints(QStringView quoted, SourcePage page);

// Hints for the literals of one page text. The constructor reads a C++
// page's tokens once (CodeMap: comments, preprocessor lines, markers,
// literals); hints() then costs the literal's length plus a search.
class LiteralHinter
{
public:
    // rules: what is known about calls and properties (kept by reference).
    LiteralHinter(const QString &text, SourcePage page, const UseRules &rules = UseRules::standard());
    // The literal at start (its opening quote) of the given length.
    LiteralHints hints(int start, int length) const;
    // A C++ run placed by the code map, with the value it would extract
    // (the joined literal of a group).
    LiteralHints hints(const RunPlace &place, QStringView value) const;
    const CodeMap &code() const { return *m_code; }
    // How a C++ literal group placed by the code map is used.
    LiteralUse use(const RunPlace &place) const;
    // How a form value with this property path and text is used.
    LiteralUse use(const QStringList &path, QStringView value, QStringView rootName) const
    {
        return m_rules.judgeProperty(path, value, rootName);
    }

private:
    int lineOf(int pos) const;
    bool inRanges(const std::vector<std::pair<int, int>> &ranges, int pos) const;
    LiteralHints positionHints(int start, int end) const;

    const QString m_text;
    const bool m_cpp;
    const UseRules &m_rules;
    std::vector<int> m_lineStarts;
    std::unique_ptr<const CodeMap> m_code; // C++ page only
    std::vector<bool> m_marked;            // per line
};
