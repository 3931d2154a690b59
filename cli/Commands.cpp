#include "Command.h"
#include "Commands.h"

// One line per command; each command lives in a file of its own.
const std::vector<CliCommand> &cliCommands()
{
    static const std::vector<CliCommand> commands = {
        {"list", "every literal with its position, hints and verdict", runList},
        {"check", "unmarked literals judged user text; exit 1 when there are any", runCheck},
        {"extract", "extract the literals of whole units and write the list and the outputs", runExtract},
    };
    return commands;
}
