// vtqx-cli rc UNIT... --po FILE [--po FILE ...] [--out FILE|DIR]: a resource
// script with the source table and one string table per translation; for a
// project (several units or a folder) one script per unit from the
// project's PO files.
#include "cli/CommandParser.h"
#include "platform/core/Exception.h"
#include "generate/GeneratorTable.h"
#include "platform/core/Paths.h"
#include "cli/TranslateInput.h"
#include "uitext/TranslateTexts.h"
#include "translate/Translation.h"
#include "uitext/ReleaseTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>

int runRcCommand(const QStringList &arguments, CliStreams &io)
{
    CommandParser parser("rc", CommandParser::Voice::Command, CliText::ListUnitArgument);
    const Language lang = parser.language();
    parser.describe(CliText::RcDescription);
    const QCommandLineOption po(QStringLiteral("po"), cliText(CliText::PoOption, lang), QStringLiteral("FILE"));
    const QCommandLineOption out(QStringLiteral("out"), cliText(CliText::RcOutOption, lang), QStringLiteral("FILE|DIR"));
    const QCommandLineOption strict(QStringLiteral("strict"), cliText(CliText::RcStrictOption, lang));
    const QCommandLineOption statistics(QStringLiteral("statistics"), cliText(CliText::RcStatisticsOption, lang));
    parser.addOptions({po, out, strict, statistics});
    parser.addModeOption(CommandParser::ModeDefault::AsListShows);
    parser.addHelpAndVersion();
    if (const std::optional<int> done = parser.read(arguments, io))
        return *done;
    if (!parser.isSet(po)) {
        io.err << "vtqx-cli " << cliText(CliText::PoExpected, lang) << '\n';
        return ExitError;
    }
    if (!parser.isSet(out) && (parser.units().size() > 1 || QFileInfo(parser.units().constFirst()).isDir())) {
        io.err << "vtqx-cli " << cliText(CliText::ProjectNeedsOut, lang) << '\n';
        return ExitError;
    }
    const std::optional<UnitLists> lists = readUnitLists(parser, io, true);
    if (!lists)
        return ExitError;
    const GeneratorInfo &rc = generator(GeneratorKind::ResourceScript);
    qsizetype fallbacks = 0, tooLong = 0;
    try {
        QList<Translation::Translations> translations;
        for (const QString &path : parser.values(po))
            translations << Translation::Translations{path, PoFile::read(path)};
        for (const QString &warning : Translation::catalogWarnings(translations, lang))
            io.err << cliText(CliText::Warning, lang).arg(warning) << '\n';
        if (lists->project && !QDir().mkpath(parser.value(out)))
            throw Exception(cliText(CliText::CannotCreateFolder, lang).arg(parser.value(out)));

        QList<Translation::Counts> total;
        for (const UnitList &list : lists->units) {
            GeneratorInput in;
            in.list = list.text;
            in.mode = list.mode;
            const Translation::Script script =
                *Translation::translatedScript(in, translations, lists->project ? list.baseName : QString(),
                                               SourceTexts::formTexts(list.dfmText, list.formIds));
            for (const Translation::Fallback &f : script.fallbacks) {
                if (f.reason == Translation::Reason::NotLiteral)
                    continue; // no message: nothing a translator could give
                ++fallbacks;
            }
            for (QString line : Translation::fallbackReport(script.fallbacks, lang)) {
                if (lists->project)
                    line.insert(line.indexOf(u':') + 2, Translation::qualifiedContext(list.baseName, QString()));
                io.err << cliText(CliText::Fallback, lang).arg(line) << '\n';
            }
            tooLong += Translation::tooLongByTranslation(script.tooLong);
            for (QString line : Translation::tooLongReport(script.tooLong, lang)) {
                if (lists->project)
                    line.insert(line.indexOf(u':') + 2, Translation::qualifiedContext(list.baseName, QString()));
                io.err << cliText(CliText::Warning, lang).arg(line) << '\n';
            }
            for (qsizetype i = 0; i < script.counts.size(); ++i) {
                if (total.size() <= i)
                    total << Translation::Counts{script.counts.at(i).language};
                total[i] += script.counts.at(i);
            }
            const QString text = script.lines.join(u'\n') + u'\n';
            if (lists->project) {
                saveOutputText(Paths::withTrailingSeparator(parser.value(out)) + list.baseName
                                   + QLatin1String(rc.suffix),
                               text, rc.outputKind);
            } else if (parser.isSet(out)) {
                saveOutputText(parser.value(out), text, rc.outputKind);
            } else if (QIODevice *device = io.out.device()) {
                // Standard output gets the bytes the file would hold, code page pragma included.
                io.out.flush();
                device->write(encodeOutputText(text, rc.outputKind));
            } else {
                io.out << text; // a stream over a string holds characters
            }
        }
        if (parser.isSet(statistics))
            for (const Translation::Counts &c : total)
                io.err << Translation::countsReport(c, lang) << '\n';
    } catch (const Exception &e) {
        return parser.tell(io, e.Message());
    }
    if (parser.isSet(strict) && (fallbacks > 0 || tooLong > 0)) {
        if (fallbacks > 0)
            parser.tell(io, translateText(TranslateText::StrictFailed, lang).arg(fallbacks));
        if (tooLong > 0)
            parser.tell(io, releaseText(ReleaseText::StrictTooLong, lang).arg(tooLong));
        return ExitFindings;
    }
    return ExitOk;
}
