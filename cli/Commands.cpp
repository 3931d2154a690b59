#include "cli/Command.h"
#include "cli/Commands.h"

int runPotCommand(const QStringList &arguments, CliStreams &io);
int runRcCommand(const QStringList &arguments, CliStreams &io);

// One line per command; each command lives in a file of its own.
const std::vector<CliCommand> &cliCommands()
{
    static const std::vector<CliCommand> commands = {
        {"list", CliText::ListSummary, runList},
        {"check", CliText::CheckSummary, runCheck},
        {"extract", CliText::ExtractSummary, runExtract},
        {"pot", CliText::PotSummary, runPotCommand},
        {"rc", CliText::RcSummary, runRcCommand},
    };
    return commands;
}

QString cliVersion()
{
    return QStringLiteral(VTQX_VERSION);
}
