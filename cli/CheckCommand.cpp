// vtqx-cli check: the literals of the C++ source judged user text that carry
// no keep marker. Exit 1 when there are any: a check for CI.
#include "Commands.h"
#include "Literals.h"

#include "Exception.h"


int runCheck(const QStringList &arguments, CliStreams &io)
{
    const Language lang = cliLanguage();
    QCommandLineParser parser;
    addCommonOptions(parser, lang);
    parser.addOption({QStringLiteral("json"), cliText(CliText::JsonOption, lang)});
    int exit = ExitOk;
    if (!parseCommon(parser, arguments, io, &exit))
        return exit;
    std::vector<UnitLiterals> units;
    try {
        std::vector<SourceUnit> located = resolveUnits(parser.positionalArguments(), lang);
        units = readLiterals(located, SourcePage::Cpp, jobsOf(parser), io,
                             lang);
    } catch (const Exception &e) {
        return fail(io, e.Message());
    }
    const bool json = parser.isSet(QStringLiteral("json"));
    bool failed = false;
    const int findings = writeLiterals(
        units, json,
        [](const Batch::Literal &l) { return isUnmarkedUserText(l.hints); },
        io, &failed);
    if (!json)
        io.err << (findings ? cliText(CliText::UnmarkedUserText, lang).arg(findings)
                            : cliText(CliText::NoUnmarkedUserText, lang))
               << '\n';
    io.out.flush();
    io.err.flush();
    if (failed)
        return ExitError;
    return findings ? ExitFindings : ExitOk;
}
