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
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a resource script with a string table per translated PO file; texts without "
                       "translation keep the source text and are listed on standard error."));
    const QCommandLineOption po(QStringLiteral("po"), QStringLiteral("A translated PO file (repeatable)."),
                                QStringLiteral("FILE"));
    const QCommandLineOption out(
        QStringLiteral("out"), QStringLiteral("Write to FILE (as the output window saves) instead of standard output."),
        QStringLiteral("FILE"));
    parser.addOption(po);
    parser.addOption(out);
    addModeOption(parser);
    if (const std::optional<int> done = parseCommand(parser, arguments, io))
        return *done;
    if (!parser.isSet(po)) {
        io.err << "vtqx-cli rc: at least one --po FILE expected\n";
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
        for (const QString &line : Translation::fallbackReport(script.fallbacks, Language::English))
            io.err << "fallback: " << line << '\n';
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
