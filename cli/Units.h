#pragma once
// What the commands share: the units the arguments name, their pages read
// with the window's file rules, and running units on all cores.
#include "uitext/CliTexts.h"
#include "cli/Command.h"
#include "platform/core/SourcePage.h"
#include "unit/SourceUnit.h"
#include "platform/core/TextFile.h"
#include "unit/UnitLock.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

// The units the arguments name, located (not loaded): a file names its unit
// as Open takes it, a folder every unit below it (each C++ source, any
// case). In path order, each once. Raises Exception naming the first
// argument that names none.
// An argument @FILE stands for the units FILE names, one per line; "-" for
// those standard input names.
// encoding: the unit files' encoding chosen on the command line.
std::vector<SourceUnit> resolveUnits(const QStringList &arguments, Language lang,
                                     std::optional<TextEncoding> encoding = std::nullopt);

// The arguments with @FILE and "-" replaced by the lines they read (empty
// lines left out). Raises Exception naming a file that cannot be read.
QStringList expandUnitArguments(const QStringList &arguments, Language lang);

struct CliPage
{
    QString path;
    QString text; // CR LF line breaks, as the editor page holds it
    TextEncoding encoding = TextEncoding::Utf8;
};

// Page p of unit, loaded; raises Exception naming the file when it cannot
// be read.
CliPage loadPage(SourceUnit &unit, SourcePage p);

// First line of the unit's form description ("" when it has none or it
// cannot be read): the root object and the class name come from it.
QString formHeadLine(SourceUnit &unit);

// Runs work(i) for every i below n on jobs threads (all cores when 0). On a
// terminal, a progress line shows for runs longer than a second.
void runParallel(int n, int jobs, const std::function<void(int)> &work, CliStreams &io, Language lang);

// Tells on the error stream, once per unit, a code page that was guessed.
void noteGuess(const SourceUnit &unit, CliStreams &io, Language lang);

// "error: text" on the error stream; returns ExitError.
int fail(CliStreams &io, const QString &text);

// How long a run waits for another writer of a unit to finish.
inline constexpr int kUnitLockWaitMs = 3000;

using UnitLocks = std::vector<std::unique_ptr<UnitLock>>;

// Takes the lock of every unit (folder with its separator, base name), in
// the order given, waiting at most kUnitLockWaitMs for each, and finishes
// or undoes what a killed run left of it (recoverUnit), telling on io.err
// what it did. The locks are held until the result is destroyed. Raises
// Exception naming the holder of a lock that stays held. Reading only
// (writing false), a folder where no lock file can be made is read as it is.
UnitLocks lockUnits(const std::vector<std::pair<QString, QString>> &units, bool writing, CliStreams &io, Language lang);
