#pragma once
// The run functions of the commands, one file each.
#include "cli/Command.h"

int runList(const QStringList &arguments, CliStreams &io);
int runCheck(const QStringList &arguments, CliStreams &io);
int runExtract(const QStringList &arguments, CliStreams &io);
