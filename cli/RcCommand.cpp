// vtqx-cli rc UNIT --po FILE [--po FILE ...] [--out FILE]: a resource script
// with the source table and one string table per translation.
#include "Command.h"
#include "Exception.h"
#include "OutputFile.h"
#include "TranslateInput.h"
#include "Translation.h"

#include <QIODevice>

int runRcCommand(const QStringList &arguments, CliStreams &io)
{
    const Language lang = cliLanguage();
    QCommandLineParser parser;
    parser.setApplicationDescription(cliText(CliText::RcDescription, lang));
    const QCommandLineOption po(QStringLiteral("po"), cliText(CliText::PoOption, lang), QStringLiteral("FILE"));
    const QCommandLineOption out(QStringLiteral("out"), cliText(CliText::RcOutOption, lang), QStringLiteral("FILE"));
    parser.addOption(po);
    parser.addOption(out);
    addModeOption(parser);
    if (const std::optional<int> done = parseCommand(parser, arguments, io))
        return *done;
    if (!parser.isSet(po)) {
        io.err << "vtqx-cli " << cliText(CliText::PoExpected, lang) << '\n';
        return ExitError;
    }
    const std::optional<UnitList> list = readUnitList(parser.positionalArguments().constFirst(), parser, io);
    if (!list)
        return ExitError;
    try {
        QList<Translation::Translations> translations;
        for (const QString &path : parser.values(po))
            translations << Translation::Translations{path, PoFile::read(path)};
        GeneratorInput in;
        in.list = list->text;
        in.mode = list->mode;
        const Translation::Script script = *Translation::translatedScript(in, translations);
        for (const QString &line : Translation::fallbackReport(script.fallbacks, lang))
            io.err << cliText(CliText::Fallback, lang).arg(line) << '\n';
        const QString text = script.lines.join(u'\n') + u'\n';
        if (parser.isSet(out)) {
            saveOutputText(parser.value(out), text, OutputKind::ResourceScript);
        } else if (QIODevice *device = io.out.device()) {
            // Standard output gets the bytes the file would hold, code page pragma included.
            io.out.flush();
            device->write(encodeOutputText(text, OutputKind::ResourceScript));
        } else {
            io.out << text; // a stream over a string holds characters
        }
    } catch (const Exception &e) {
        io.err << "vtqx-cli rc: " << e.Message() << '\n';
        return ExitError;
    }
    return ExitOk;
}
