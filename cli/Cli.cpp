#include "Command.h"

#include <QCoreApplication>

namespace {
void printUsage(QTextStream &to)
{
    to << "Usage: vtqx-cli COMMAND [OPTIONS] UNIT...\n"
          "Prepares C++ form units for more than one display language.\n\n"
          "Commands:\n";
    for (const CliCommand &command : cliCommands())
        to << "  " << QString::fromLatin1(command.name).leftJustified(10) << command.summary << '\n';
    to << "\nvtqx-cli COMMAND --help shows the options of a command.\n";
}
} // namespace

int runCli(const QStringList &argv, CliStreams &io)
{
    const QString first = argv.value(1);
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        io.out << "vtqx-cli " << QCoreApplication::applicationVersion() << '\n';
        return ExitOk;
    }
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        printUsage(io.out);
        return ExitOk;
    }
    for (const CliCommand &command : cliCommands())
        if (first == QLatin1String(command.name))
            return command.run(argv.mid(1), io);
    if (first.isEmpty())
        io.err << "vtqx-cli: no command given\n\n";
    else
        io.err << "vtqx-cli: unknown command '" << first << "'\n\n";
    printUsage(io.err);
    return ExitError;
}
