#pragma once
// Facts about a literal that a reviewer needs before extracting it, and the
// verdict drawn from them. Hints never change what Find Next finds: they are
// read for literals the scanner has already found.
#include "SourcePage.h"

#include <QFlags>
#include <QString>
#include <QStringView>

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
};
Q_DECLARE_FLAGS(LiteralHints, LiteralHint)
Q_DECLARE_OPERATORS_FOR_FLAGS(LiteralHints)

// User text unless a hint other than Prefix or Marker says otherwise:
//   "Hello" L"Hello" "%d files"          -> UserText
//   "" "42" "a.h" "#x" in a comment ...  -> ProbablyNot
enum class LiteralVerdict { UserText, ProbablyNot };
LiteralVerdict verdictOf(LiteralHints hints);
// User text whose line carries no keep marker: checked in the literals
// panel, reported by vtqx-cli check.
bool isUnmarkedUserText(LiteralHints hints);

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

// Hints for the literals of one page text. The constructor reads the text
// once (comments, preprocessor lines and markers of a C++ page); hints()
// then costs the literal's length plus a search among the comments.
class LiteralHinter
{
public:
    LiteralHinter(const QString &text, SourcePage page);
    // The literal at start (its opening quote) of the given length.
    LiteralHints hints(int start, int length) const;

private:
    int lineOf(int pos) const;
    bool inRanges(const std::vector<std::pair<int, int>> &ranges, int pos) const;

    const QString m_text;
    const bool m_cpp;
    std::vector<int> m_lineStarts;
    std::vector<std::pair<int, int>> m_comments;     // [begin, end), in order
    std::vector<std::pair<int, int>> m_preprocessor; // [begin, end), in order
    std::vector<bool> m_marked;                      // per line
};
