// vtqx-cli rc UNIT... --po FILE [--po FILE ...] [--out FILE|DIR]: a resource
// script with the source table and one string table per translation; for a
// project (several units or a folder) one script per unit from the
// project's PO files.
#include "cli/CommandParser.h"
#include "cli/Findings.h"
#include "preview/FormPicture.h"
#include "scan/FormValues.h"
#include "platform/core/TextFile.h"
#include "platform/core/Exception.h"
#include "generate/GeneratorTable.h"
#include "generate/OutputFile.h"
#include "platform/core/CodePages.h"
#include "platform/core/Paths.h"
#include "cli/TranslateInput.h"
#include "uitext/TranslateTexts.h"
#include "translate/Translation.h"
#include "uitext/ReleaseTexts.h"

#include <QDir>
#include <QGuiApplication>
#include <QFileInfo>
#include <QIODevice>

namespace {
// The fit check and the pictures of a run, over each unit's form.
struct FormLook
{
    bool check = false;
    QString pictures; // folder; "" for none
    std::unique_ptr<FindingWriter> writer;
    FormFonts fonts;
    int overflows = 0;
};

// Measures (and draws) the unit's form in each language of script.
void lookAtForm(const UnitList &list, const QList<Translation::Translations> &translations,
                const Translation::Script &script, FormLook &look, CliStreams &io, Language lang)
{
    const QString folder = Paths::directoryPart(list.path);
    const QString form = Paths::resolveCaseInsensitive(Paths::withTrailingSeparator(folder), list.baseName + QStringLiteral(".dfm"));
    if (list.formIds.empty() || !QFileInfo(form).isFile())
        return;
    const QString page = TextFile::load(form, std::nullopt, list.codePage).text;
    const std::vector<FormControl> layout = readFormLayout(page);
    if (layout.empty())
        return;
    QHash<QString, int> captionLine;
    for (const FormValue &v : readFormValues(page))
        if (v.path.constLast() == u"Caption" && v.path.size() <= 2)
            captionLine.insert(v.path.size() == 2 ? v.path.constFirst() : layout.front().name, v.line + 1);
    const PageRef ref = pageRef(SourcePage::Dfm, form, Paths::withTrailingSeparator(folder) + list.baseName);
    for (qsizetype f = 0; f < script.formShown.size(); ++f) {
        const QString language = translations.at(f).catalog.language;
        const QHash<QString, QString> captions = FitCheck::captionsOf(script.formShown.at(f));
        const std::vector<FitCheck::Fit> fits = FitCheck::measure(
            layout, captions, [&](const FormFont &font, const QString &text) { return look.fonts.width(font, text); });
        for (const FitCheck::Fit &fit : fits) {
            if (fit.fits || !look.check)
                continue;
            const FormControl &c = layout[size_t(fit.control)];
            const QString path = layout.front().name + u'.' + c.name + QStringLiteral(".Caption");
            look.writer->textFinding({ref, captionLine.value(c.name, 1), 1, "vtqx-text-overflow",
                                      releaseText(ReleaseText::NeedsWidth, lang).arg(language, path).arg(fit.needs).arg(c.width),
                                      fit.text});
            ++look.overflows;
        }
        if (look.pictures.isEmpty())
            continue;
        const QString file = Paths::withTrailingSeparator(look.pictures) + list.baseName + u'.' + language + QStringLiteral(".png");
        if (!drawForm(layout, captions, fits, look.fonts).save(file, "PNG"))
            throw Exception(cliText(CliText::CannotWrite, lang).arg(file, QStringLiteral("PNG")));
        io.err << releaseText(ReleaseText::PreviewWritten, lang).arg(QDir::toNativeSeparators(file)) << '\n';
    }
}
} // namespace

int runRcCommand(const QStringList &arguments, CliStreams &io)
{
    CommandParser parser("rc", CommandParser::Voice::Command, CliText::ListUnitArgument);
    const Language lang = parser.language();
    parser.describe(CliText::RcDescription);
    const QCommandLineOption po(QStringLiteral("po"), cliText(CliText::PoOption, lang), QStringLiteral("FILE"));
    const QCommandLineOption out(QStringLiteral("out"), cliText(CliText::RcOutOption, lang), QStringLiteral("FILE|DIR"));
    const QCommandLineOption strict(QStringLiteral("strict"), cliText(CliText::RcStrictOption, lang));
    const QCommandLineOption statistics(QStringLiteral("statistics"), cliText(CliText::RcStatisticsOption, lang));
    const QCommandLineOption checkFit(QStringLiteral("check-fit"), releaseText(ReleaseText::CheckFitOption, lang));
    const QCommandLineOption preview(QStringLiteral("preview"), releaseText(ReleaseText::PreviewOption, lang),
                                     QStringLiteral("DIR"));
    const QCommandLineOption format(QStringLiteral("format"), cliText(CliText::FormatOption, lang),
                                    QStringLiteral("FORMAT"));
    const QCommandLineOption utf8(QStringLiteral("utf8"), cliText(CliText::Utf8TableOption, lang));
    parser.addOptions({po, out, strict, statistics, checkFit, preview, format, utf8});
    parser.addModeOption(CommandParser::ModeDefault::AsListShows);
    parser.addEncodingOption();
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
    const std::optional<OutputFormat> findingFormat = outputFormatNamed(parser.value(format));
    if (!findingFormat)
        return parser.tell(io, cliText(CliText::BadFormat, lang).arg(parser.value(format)));
    const std::optional<UnitLists> lists = readUnitLists(parser, io, true);
    if (!lists)
        return ExitError;
    FormLook look;
    look.check = parser.isSet(checkFit);
    look.pictures = parser.value(preview);
    // Fonts need the GUI application (main makes one for these options).
    if ((look.check || parser.isSet(preview)) && !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return parser.tell(io, releaseText(ReleaseText::NeedsGui, lang));
    // Findings go where the script does not.
    QTextStream &findings = parser.isSet(out) ? io.out : io.err;
    if (look.check)
        look.writer = findingWriter(*findingFormat, findings, lang);
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
        if (!look.pictures.isEmpty() && !QDir().mkpath(look.pictures))
            throw Exception(cliText(CliText::CannotCreateFolder, lang).arg(look.pictures));

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
            if (look.check || !look.pictures.isEmpty())
                lookAtForm(list, translations, script, look, io, lang);
            // A unit in a code page of its own keeps it: a translation it
            // cannot hold is refused, unless a UTF-8 script is asked for.
            if (list.codePage != TextEncoding::Cp1252 && !parser.isSet(utf8))
                if (const auto unfit = Translation::unfitTranslation(script, list.codePage))
                    throw Exception(cliText(CliText::TranslationUnfit, lang)
                                        .arg(lists->project ? Translation::qualifiedContext(list.baseName, unfit->context)
                                                            : unfit->context,
                                             unfit->language, unfit->character,
                                             QString::number(unfit->character.toUcs4().value(0), 16).toUpper(),
                                             CodePages::displayName(list.codePage)));
            const QString text = script.lines.join(u'\n') + u'\n';
            if (lists->project) {
                saveOutputText(Paths::withTrailingSeparator(parser.value(out)) + list.baseName
                                   + QLatin1String(rc.suffix),
                               text, rc.outputKind, list.codePage);
            } else if (parser.isSet(out)) {
                saveOutputText(parser.value(out), text, rc.outputKind, list.codePage);
            } else if (QIODevice *device = io.out.device()) {
                // Standard output gets the bytes the file would hold, code page pragma included.
                io.out.flush();
                device->write(encodeOutputText(text, rc.outputKind, list.codePage));
            } else {
                io.out << text; // a stream over a string holds characters
            }
        }
        if (look.writer)
            look.writer->end();
        for (auto it = look.fonts.standIns().cbegin(); it != look.fonts.standIns().cend(); ++it)
            io.err << "vtqx-cli rc: " << releaseText(ReleaseText::FontStandIn, lang).arg(it.key(), it.value()) << '\n';
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
    if (look.overflows > 0) {
        parser.tell(io, releaseText(ReleaseText::FitFailed, lang).arg(look.overflows));
        return ExitFindings;
    }
    return ExitOk;
}
