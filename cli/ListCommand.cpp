// vtqx-cli list: every literal with file, row, column, text, hints and
// verdict, written as it is found.
#include "Commands.h"
#include "Findings.h"

#include "Exception.h"

int runList(const QStringList &arguments, CliStreams &io)
{
    const Language lang = cliLanguage();
    QCommandLineParser parser;
    addCommonOptions(parser, lang);
    addFindingOptions(parser, lang);
    int exit = ExitOk;
    FindingOptions options;
    if (!parseCommon(parser, arguments, io, &exit))
        return exit;
    if (!findingOptions(parser, &options, io, lang))
        return ExitError;
    std::vector<SourceUnit> units;
    try {
        units = resolveUnits(parser.positionalArguments(), lang);
    } catch (const Exception &e) {
        return fail(io, e.Message());
    }
    const std::unique_ptr<FindingWriter> writer = findingWriter(options.format, io.out);
    const ScanTotals totals = scanUnits(
        units, options.pages, options.format == OutputFormat::Sarif, [](const Batch::Literal &) { return true; },
        [&](const Finding &f) {
            writer->finding(f);
            return true;
        },
        io);
    writer->end();
    io.out.flush();
    return totals.failed ? ExitError : ExitOk;
}
