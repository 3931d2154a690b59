// vtqx-cli check: the literals of the C++ source judged user text that carry
// no keep marker. Exit 1 when there are any: a check for CI.
#include "Commands.h"
#include "Literals.h"

#include "Exception.h"

#include <QJsonArray>
#include <QJsonDocument>

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
    QJsonArray json;
    int findings = 0;
    bool failed = false;
    for (const UnitLiterals &u : units) {
        if (!u.error.isEmpty()) {
            fail(io, u.error);
            failed = true;
            continue;
        }
        for (const Batch::Literal &l : u.literals) {
            if (verdictOf(l.hints) != LiteralVerdict::UserText || l.hints.testFlag(LiteralHint::Marker))
                continue;
            ++findings;
            if (parser.isSet(QStringLiteral("json")))
                json.append(literalJson(u.path, l));
            else
                io.out << literalLine(u.path, l) << '\n';
        }
    }
    if (parser.isSet(QStringLiteral("json")))
        io.out << QJsonDocument(json).toJson();
    else
        io.err << (findings ? cliText(CliText::UnmarkedUserText, lang).arg(findings)
                            : cliText(CliText::NoUnmarkedUserText, lang))
               << '\n';
    io.out.flush();
    io.err.flush();
    if (failed)
        return ExitError;
    return findings ? ExitFindings : ExitOk;
}
