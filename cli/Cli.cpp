#include "cli/Command.h"

namespace {
void printUsage(QTextStream &to, Language lang)
{
    to << cliText(CliText::Usage, lang).arg(QStringLiteral("vtqx-cli COMMAND"), QStringLiteral("UNIT...")) << '\n'
       << cliText(CliText::ToolDescription, lang) << "\n\n"
       << cliText(CliText::CommandsHeading, lang) << '\n';
    for (const CliCommand &command : cliCommands())
        to << "  " << QString::fromLatin1(command.name).leftJustified(10) << cliText(command.summary, lang) << '\n';
    to << "\n" << cliText(CliText::CommandHelpHint, lang) << '\n';
}
} // namespace

int runCli(const QStringList &argv, CliStreams &io)
{
    const Language lang = cliLanguage();
    const QString first = argv.value(1);
    if (first == QLatin1String("--version") || first == QLatin1String("-V") || first == QLatin1String("-v")) {
        io.out << "vtqx-cli " << cliVersion() << '\n';
        return ExitOk;
    }
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        printUsage(io.out, lang);
        return ExitOk;
    }
    for (const CliCommand &command : cliCommands())
        if (first == QLatin1String(command.name))
            return command.run(argv.mid(1), io);
    io.err << "vtqx-cli: "
           << (first.isEmpty() ? cliText(CliText::NoCommand, lang) : cliText(CliText::UnknownCommand, lang).arg(first))
           << "\n\n";
    printUsage(io.err, lang);
    return ExitError;
}
