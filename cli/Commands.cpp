#include "Command.h"

// One line per command; each command lives in a file of its own.
const std::vector<CliCommand> &cliCommands()
{
    static const std::vector<CliCommand> commands = {
    };
    return commands;
}
