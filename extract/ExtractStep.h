#pragma once
// The decisions of one Extract or Extract C command, apart from the editor
// that holds the page: the owner of a form description property, the entry
// that repeats the last one, the counter, equal-value reuse and the text the
// list gains. The window and batch extraction both decide through these.
#include "platform/core/RowCol.h"
#include "extract/StringMode.h"

#include <QString>

#include <functional>
#include <optional>

namespace Extract {

// --- Form description page ---

// The object that owns line selLine of a form description: the name of the
// nearest line at or above it, down to line 1, that names one (line 0 is the
// root object itself); "" when none does. It remembers its last answer, so
// asking for later and later lines (one pass over a page) reads each line
// once; a fresh search walks up from selLine. step runs once per line read.
class OwnerSearch
{
public:
    explicit OwnerSearch(std::function<QString(int)> lineAt, std::function<void()> step = {});
    QString ownerOf(int selLine);

private:
    std::function<QString(int)> m_lineAt;
    std::function<void()> m_step;
    int m_lastLine = -1; // line of the last answer; -1 before the first
    QString m_lastOwner;
};

// List entry of the literal found on line selectedLine:
//   root->owner->parts = "text";      parts of the line up to its "="
// without "owner->" when owner is "". step runs per character walked.
QString dfmEntry(const QString &root, const QString &owner, const QString &selectedLine, const QString &found,
                 const std::function<void()> &step = {});

// An entry equal to the list's last line is not added a second time.
bool repeatsLastEntry(const QString &lastLine, const QString &entry);

// --- C++ page ---

// The counter for a new entry: counter + 1. Raises Exception at the 32-bit
// limit (nothing has changed then).
int nextCounter(int counter);

// What the user chose for a text the list already holds.
enum class EqualChoice { Reuse, NewEntry, Cancel };

struct CppInput
{
    int counter = 0;
    QString found; // the found text box
    StringMode mode = StringMode::Global;
    bool extractC = false;
    QString root;                     // the root object box
    std::optional<QString> equalName; // list name of an equal value; none when absent or not asked
};

struct CppStep
{
    bool cancelled = false; // nothing changes, not even the counter
    QString name;           // the entry the source now names
    bool reused = false;    // an equal entry's name: the list gains nothing
    int counter = 0;        // the counter after the step (rolled back on reuse)
    QString replacement;    // what replaces the literal (and its prefix)
    QString entry;          // the new list line; "" when reused or cancelled
};

// One extraction on the C++ page:
//   no equal value, or NewEntry   StringN, N = counter + 1, new entry
//   Reuse                         the equal entry's name, counter unchanged
//   Cancel                        nothing
// ask is called only for an equal value, with the counter the new entry
// would take. Raises Exception on counter overflow and (Function mode) on a
// reused name whose digits exceed 32 bits.
CppStep extractCpp(const CppInput &in, const std::function<EqualChoice(const QString &equalName, int counter)> &ask);

} // namespace Extract
