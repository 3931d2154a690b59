#pragma once
// A subcommand of vtqx-cli: its name, a one-line summary for the usage text
// and the function that runs it with the arguments after its name.
#include "uitext/CliTexts.h"

#include <QStringList>
#include <QTextStream>

#include <vector>

// Exit status of every command: 0 done (nothing found, for check), 1 findings
// (check), 2 a usage or file error.
enum CliExit { ExitOk = 0, ExitFindings = 1, ExitError = 2 };

struct CliStreams
{
    QTextStream &out;
    QTextStream &err;
    bool terminal; // standard error is a terminal: progress lines may go there
};

struct CliCommand
{
    const char *name;
    CliText summary;
    int (*run)(const QStringList &arguments, CliStreams &io);
};

// Every command, in the order the usage text lists them (Commands.cpp).
const std::vector<CliCommand> &cliCommands();

// The tool's version, as -V and --version print it.
QString cliVersion();

// Runs vtqx-cli with argv as given (program name first); the testable core
// of main().
int runCli(const QStringList &argv, CliStreams &io);
