#pragma once
// Batch extraction: the chosen literals of a page extracted in one pass. The
// result is what the window gives with On Extract Find Next on when Extract
// is pressed for each chosen literal in turn (Find Next alone for the
// others), starting with the caret at the top of the page: the same list,
// numbering, rewritten page and last edit position. Every decision is made
// by extract/; this file only walks the page.
#include "extract/ExtractStep.h"
#include "scan/LiteralHints.h"
#include "platform/core/RowCol.h"
#include "platform/core/SourcePage.h"
#include "extract/StringMode.h"
#include "scan/TokenProof.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace Batch {

// The equal-strings question answered once for all: Reuse answers Yes every
// time, NewEntry is the question switched off.
enum class EqualStrings { NewEntry, Reuse };

struct Options
{
    SourcePage page = SourcePage::Cpp; // Cpp or Dfm
    StringMode mode = StringMode::Global;
    bool extractC = false;
    EqualStrings equal = EqualStrings::NewEntry;
    QString root;                // the root object box
    bool includeMarked = false;  // also literals on a line marked // vtqx:keep
    const UseRules *rules = nullptr; // what the verdicts know of calls and properties; none: the built-in table
};

// What a page's extraction carries on from one literal to the next.
struct State
{
    QString list; // the extraction list, CR LF line breaks
    int counter = 0;
    RowCol lastEdit;
    bool operator==(const State &) const = default;
};

// A literal of the page, read from its tokens: on a C++ page each run of
// the literal scanner (a whole literal, a group of adjacent literals as one,
// or a run that is no literal, with the reason in its hints); on a form
// description page each text value, read whole.
struct Literal
{
    int start = 0; // position of the opening quote (the first piece) in the original page
    int length = 0;
    QString text;  // the page's text from start on: what a selection of it shows
    QString value; // what its entry holds: the literal, a group's joined literal, a form value as a C++ literal
    QStringList path; // form description: the property's path below the root object
    RowCol pos;       // row and column of its start, as the status bar counts them
    LiteralHints hints;
    LiteralUse use; // how it is used, as far as the page and the rules tell
    bool isLiteral() const { return !(hints & kNotLiteralHints); }
    LiteralVerdict verdict() const { return verdictOf(hints, use); }
    bool isUnmarkedUserText() const { return ::isUnmarkedUserText(hints, use); }
};

enum class Action {
    Extracted, // a new list entry (C++: the source names it)
    Reused,    // C++: the source names an equal entry; the list is unchanged
    Repeated,  // form description: the entry equals the list's last line
    Marked,    // left alone: its line carries the marker
    Skipped,   // not chosen
    NotLiteral, // left alone, whatever was chosen: no literal of the code, or a group with a comment inside
};

struct Outcome
{
    Literal literal;
    Action action = Action::Skipped;
    QString name; // C++: the entry the source names; "" otherwise
};

struct Result
{
    QString text; // the page afterwards (a form description page is never rewritten)
    State state;
    std::vector<Outcome> literals;                // every literal of the page, in order
    std::vector<Cpp::Replacement> replacements; // C++ page: what became of the extracted literals' text
};

// Whether result's text changed nothing of page but the extracted literals,
// each into the expression that names its entry (TokenProof): none when it
// holds, else the position in page where it fails. A form description page
// always holds.
std::optional<int> proofFailure(const QString &page, const Result &result);

// Every literal of the page from the top, with its hints. page: the page
// text with CR LF line breaks, as the editor holds it. Where every run of
// the scanner is a whole literal, these are the literals repeated Find Next
// finds; where one is not (a quote in a comment or a character literal),
// the next run starts behind what holds it.
std::vector<Literal> findLiterals(const QString &page, SourcePage kind,
                                  const UseRules &rules = UseRules::standard());
// The same literals handed to found one at a time, none kept: what a
// command that reports each as it is found needs.
void forEachLiteral(const QString &page, SourcePage kind, const std::function<void(const Literal &)> &found,
                    const UseRules &rules = UseRules::standard());

// Extracts the literals that choose accepts (every one when choose is
// empty) except marked ones unless asked and runs that are no literal. A
// group of adjacent literals becomes one entry, its whole text replaced by
// one expression. Raises Exception where Extract
// would (counter overflow, a reused name too large for the Function mode);
// nothing is returned then. Cost: one pass over the page plus, per literal,
// its length and its entry.
Result extract(const QString &page, const Options &options, const State &state,
               const std::function<bool(const Literal &)> &choose = {});

class Sink;
// extract() over the literals findLiterals() gave for page, which it does
// not read again. With outcomes, each outcome goes there as it is decided
// and the result's literals stay empty.
Result extract(const QString &page, const std::vector<Literal> &literals, const Options &options, const State &state,
               const std::function<bool(const Literal &)> &choose = {}, Sink *outcomes = nullptr);

// Receives what extract() would return, piece by piece in page order.
class Sink
{
public:
    virtual ~Sink() = default;
    // The next piece of the page afterwards (C++ page only).
    virtual void text(QStringView piece) = 0;
    // The next literal found and what became of it.
    virtual void outcome(const Outcome &o) = 0;
};

// extract() with nothing kept but the state: the page afterwards goes to
// sink in pieces as it is built, each outcome as it is decided. Memory
// beyond the page and the list stays small whatever the page's size.
State extractTo(const QString &page, const Options &options, const State &state,
                const std::function<bool(const Literal &)> &choose, Sink &sink);

} // namespace Batch
