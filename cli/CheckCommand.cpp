// vtqx-cli check: the literals of the units judged user text that carry no
// keep marker, written as they are found. Exit 1 when there are any (not
// counting those a baseline accepts): a check for CI.
#include "cli/Commands.h"
#include "cli/Findings.h"

#include "platform/core/Exception.h"

#include <optional>

int runCheck(const QStringList &arguments, CliStreams &io)
{
    CommandParser parser("check", CommandParser::Voice::Tool, CliText::UnitArgument);
    const Language lang = parser.language();
    addFindingOptions(parser);
    parser.addOption({QStringLiteral("baseline"), cliText(CliText::BaselineOption, lang), QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("write-baseline"), cliText(CliText::WriteBaselineOption, lang),
                      QStringLiteral("FILE")});
    FindingOptions options;
    if (const std::optional<int> done = readFindingOptions(parser, arguments, &options, io))
        return *done;
    const bool writing = parser.isSet(QStringLiteral("write-baseline"));
    if (writing && parser.isSet(QStringLiteral("baseline")))
        return fail(io, cliText(CliText::BaselineAndWrite, lang));
    std::optional<Baseline> baseline;
    std::vector<SourceUnit> units;
    try {
        if (writing)
            baseline.emplace(parser.value(QStringLiteral("write-baseline")));
        else if (parser.isSet(QStringLiteral("baseline"))) {
            baseline.emplace(parser.value(QStringLiteral("baseline")));
            baseline->load(lang);
        }
        units = resolveUnits(parser.units(), lang, parser.encoding());
    } catch (const Exception &e) {
        return fail(io, e.Message());
    }

    // Recording a baseline writes no findings.
    const std::unique_ptr<FindingWriter> writer = writing ? nullptr : findingWriter(options.format, io.out, lang);
    const ScanTotals totals = scanUnits(
        units, parser, options.pages, options.format == OutputFormat::Sarif,
        [](const Batch::Literal &l) { return l.isUnmarkedUserText(); },
        [&](const Finding &f) {
            if (writing) {
                baseline->record(f);
                return false;
            }
            if (baseline && baseline->accepts(f))
                return false;
            writer->finding(f);
            return true;
        },
        io);
    if (writer)
        writer->end();
    io.out.flush();
    if (writing) {
        if (totals.failed)
            return ExitError; // a baseline must hold every unit
        try {
            baseline->save(lang);
        } catch (const Exception &e) {
            return fail(io, e.Message());
        }
        if (!options.quiet)
            io.err << cliText(CliText::BaselineWritten, lang).arg(baseline->recorded()).arg(parser.value(
                          QStringLiteral("write-baseline")))
                   << '\n';
        io.err.flush();
        return ExitOk;
    }
    const bool lines = options.format == OutputFormat::Text || options.format == OutputFormat::Gcc;
    if (lines && !options.quiet)
        io.err << (totals.written ? cliText(CliText::UnmarkedUserText, lang).arg(totals.written)
                                  : cliText(CliText::NoUnmarkedUserText, lang))
               << '\n';
    io.err.flush();
    if (totals.failed)
        return ExitError;
    return totals.written ? ExitFindings : ExitOk;
}
