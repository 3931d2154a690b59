#pragma once
// What the commands share: the units the arguments name, their pages read
// with the window's file rules, and running units on all cores.
#include "CliTexts.h"
#include "Command.h"
#include "SourcePage.h"
#include "SourceUnit.h"
#include "TextFile.h"

#include <QCommandLineParser>
#include <QString>

#include <functional>
#include <vector>

// The units the arguments name, located (not loaded): a file names its unit
// as Open takes it, a folder every unit below it (each C++ source, any
// case). In path order, each once. Raises Exception naming the first
// argument that names none.
// An argument @FILE stands for the units FILE names, one per line; "-" for
// those standard input names.
std::vector<SourceUnit> resolveUnits(const QStringList &arguments, Language lang);

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

// The options every command has (--help, --version, --jobs) and the parse;
// returns false with the exit status in *exit when the command should stop:
// after the help or the version, or on an error.
void addCommonOptions(QCommandLineParser &parser, Language lang);
bool parseCommon(QCommandLineParser &parser, const QStringList &arguments, CliStreams &io, int *exit);
int jobsOf(const QCommandLineParser &parser);

// -h/--help and -V/--version, described in lang. Qt's own help option is
// not used: it offers --help-all and speaks only English.
void addHelpAndVersion(QCommandLineParser &parser, Language lang);
// Writes the help or the version when asked for; true when it did.
bool answerHelpOrVersion(const QCommandLineParser &parser, const QString &command, CliStreams &io, Language lang);
// What COMMAND --help prints: "Usage: vtqx-cli COMMAND [options] UNIT...",
// the options, the arguments and the exit status, all in lang.
QString commandHelp(const QCommandLineParser &parser, const QString &command, Language lang);
// Why parse() failed, in lang.
QString parseErrorText(const QCommandLineParser &parser, Language lang);

// "error: text" on the error stream; returns ExitError.
int fail(CliStreams &io, const QString &text);
