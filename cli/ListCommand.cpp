// vtqx-cli list: every literal with file, row, column, text, hints and verdict.
#include "Commands.h"
#include "Literals.h"

#include "Exception.h"

#include <QJsonArray>
#include <QJsonDocument>

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
    QJsonArray json;
    for (const UnitLiterals &u : units) {
        if (!u.error.isEmpty()) {
            exit = fail(io, u.error);
            continue;
        }
        for (const Batch::Literal &l : u.literals) {
            if (parser.isSet(QStringLiteral("json")))
                json.append(literalJson(u.path, l));
            else
                io.out << literalLine(u.path, l) << '\n';
        }
    }
    if (parser.isSet(QStringLiteral("json")))
        io.out << QJsonDocument(json).toJson();
    io.out.flush();
    return exit;
}
