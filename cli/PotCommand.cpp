// vtqx-cli pot UNIT [--out FILE]: the PO template of the unit's extraction list.
#include "Command.h"
#include "Exception.h"
#include "TextFile.h"
#include "TranslateInput.h"
#include "Translation.h"

#include <QDateTime>

int runPotCommand(const QStringList &arguments, CliStreams &io)
{
    const Language lang = cliLanguage();
    QCommandLineParser parser;
    parser.setApplicationDescription(cliText(CliText::PotDescription, lang));
    const QCommandLineOption out(QStringLiteral("out"), cliText(CliText::PotOutOption, lang), QStringLiteral("FILE"));
    parser.addOption(out);
    addModeOption(parser);
    if (const std::optional<int> done = parseCommand(parser, arguments, io))
        return *done;
    const std::optional<UnitList> list = readUnitList(parser.positionalArguments().constFirst(), parser, io);
    if (!list)
        return ExitError;
    try {
        Translation::TemplateInput in;
        in.cppList = list->text;
        in.mode = list->mode;
        in.baseName = list->baseName;
        in.created = QDateTime::currentDateTime();
        const QString pot = QString::fromUtf8(Translation::exportTemplate(in));
        if (parser.isSet(out))
            TextFile::save(parser.value(out), pot, TextEncoding::Utf8);
        else
            io.out << pot;
    } catch (const Exception &e) {
        io.err << "vtqx-cli pot: " << e.Message() << '\n';
        return ExitError;
    }
    return ExitOk;
}
