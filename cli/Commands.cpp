#include "Command.h"

int runPotCommand(const QStringList &arguments, CliStreams &io);
int runRcCommand(const QStringList &arguments, CliStreams &io);

// One line per command; each command lives in a file of its own.
const std::vector<CliCommand> &cliCommands()
{
    static const std::vector<CliCommand> commands = {
        {"pot", "PO template of the unit's extraction list, for translators", runPotCommand},
        {"rc", "resource script with a string table per translated PO file", runRcCommand},
    };
    return commands;
}
