// vtqx-cli list: every literal with file, row, column, text, hints and verdict.
#include "Commands.h"
#include "Literals.h"

#include "Exception.h"


int runList(const QStringList &arguments, CliStreams &io)
{
    const Language lang = cliLanguage();
    QCommandLineParser parser;
    addCommonOptions(parser, lang);
    parser.addOption({QStringLiteral("page"), cliText(CliText::PageOption, lang), QStringLiteral("cpp|dfm")});
    parser.addOption({QStringLiteral("json"), cliText(CliText::JsonOption, lang)});
    int exit = ExitOk;
    if (!parseCommon(parser, arguments, io, &exit))
        return exit;
    SourcePage page;
    if (!pageOption(parser.value(QStringLiteral("page")), &page))
        return fail(io, cliText(CliText::BadPage, lang).arg(parser.value(QStringLiteral("page"))));
    std::vector<UnitLiterals> units;
    try {
        std::vector<SourceUnit> located = resolveUnits(parser.positionalArguments(), lang);
        units = readLiterals(located, page, jobsOf(parser), io, lang);
    } catch (const Exception &e) {
        return fail(io, e.Message());
    }
    bool failed = false;
    writeLiterals(units, parser.isSet(QStringLiteral("json")), [](const Batch::Literal &) { return true; }, io, &failed);
    if (failed)
        exit = ExitError;
    io.out.flush();
    return exit;
}
