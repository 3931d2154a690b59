#include "Command.h"
#include "Commands.h"

int runPotCommand(const QStringList &arguments, CliStreams &io);
int runRcCommand(const QStringList &arguments, CliStreams &io);

// One line per command; each command lives in a file of its own.
const std::vector<CliCommand> &cliCommands()
{
    static const std::vector<CliCommand> commands = {
        {"list", "every literal with its position, hints and verdict", runList},
        {"check", "unmarked literals judged user text; exit 1 when there are any", runCheck},
        {"extract", "extract the literals of whole units and write the list and the outputs", runExtract},
        {"pot", "PO template of the unit's extraction list, for translators", runPotCommand},
        {"rc", "resource script with a string table per translated PO file", runRcCommand},
    };
    return commands;
}
