// vtqx-cli list: every literal with file, row, column, text, hints and
// verdict, written as it is found.
#include "cli/Commands.h"
#include "cli/Findings.h"

#include "platform/core/Exception.h"

int runList(const QStringList &arguments, CliStreams &io)
{
    CommandParser parser("list", CommandParser::Voice::Tool, CliText::UnitArgument);
    addFindingOptions(parser);
    FindingOptions options;
    if (const std::optional<int> done = readFindingOptions(parser, arguments, &options, io))
        return *done;
    const Language lang = parser.language();
    std::vector<SourceUnit> units;
    try {
        units = resolveUnits(parser.units(), lang, parser.encoding());
    } catch (const Exception &e) {
        return fail(io, e.Message());
    }
    const std::unique_ptr<FindingWriter> writer = findingWriter(options.format, io.out, lang);
    const ScanTotals totals = scanUnits(
        units, parser, options.pages, options.format == OutputFormat::Sarif, [](const Batch::Literal &) { return true; },
        [&](const Finding &f) {
            writer->finding(f);
            return true;
        },
        io);
    writer->end();
    io.out.flush();
    return totals.failed ? ExitError : ExitOk;
}
