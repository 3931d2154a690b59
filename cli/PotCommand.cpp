// vtqx-cli pot UNIT... [--out FILE]: the PO template of a unit's lists, or
// one template for a project (several units or a folder).
#include "cli/CommandParser.h"
#include "platform/core/Exception.h"
#include "platform/core/Paths.h"
#include "platform/core/TextFile.h"
#include "cli/TranslateInput.h"
#include "translate/Translation.h"
#include "uitext/ReleaseTexts.h"

#include <QDateTime>
#include <QFileInfo>

namespace {
Translation::TemplateInput templateInput(const UnitList &list, const QDateTime &created)
{
    Translation::TemplateInput in;
    in.cppList = list.text;
    in.mode = list.mode;
    in.dfmList = list.dfmText;
    in.baseName = list.baseName;
    in.created = created;
    in.cppPlaces = list.cppPlaces;
    in.dfmPlaces = list.dfmPlaces;
    return in;
}
} // namespace

int runPotCommand(const QStringList &arguments, CliStreams &io)
{
    CommandParser parser("pot", CommandParser::Voice::Command, CliText::ListUnitArgument);
    const Language lang = parser.language();
    parser.describe(CliText::PotDescription);
    const QCommandLineOption out(QStringLiteral("out"), cliText(CliText::PotOutOption, lang), QStringLiteral("FILE"));
    const QCommandLineOption project(QStringLiteral("project"), cliText(CliText::PotProjectOption, lang),
                                     QStringLiteral("NAME"));
    const QCommandLineOption pseudo(QStringLiteral("pseudo"), releaseText(ReleaseText::PseudoOption, lang),
                                    QStringLiteral("LANG"));
    parser.addOptions({out, project, pseudo});
    parser.addModeOption(CommandParser::ModeDefault::AsListShows);
    parser.addEncodingOption();
    parser.addHelpAndVersion();
    if (const std::optional<int> done = parser.read(arguments, io))
        return *done;
    const std::optional<UnitLists> lists = readUnitLists(parser, io, false);
    if (!lists)
        return ExitError;
    try {
        const QDateTime created = QDateTime::currentDateTime();
        QByteArray bytes;
        if (!lists->project) {
            Translation::TemplateInput in = templateInput(lists->units.constFirst(), created);
            bytes = Translation::exportTemplate(in, parser.value(pseudo));
        } else {
            QList<Translation::TemplateInput> units;
            for (const UnitList &list : lists->units)
                units << templateInput(list, created);
            const QString name = parser.isSet(project) ? parser.value(project)
                                 : parser.isSet(out)   ? QFileInfo(parser.value(out)).completeBaseName()
                                                       : QStringLiteral("PROJECT");
            bytes = Translation::exportProjectTemplate(name, created, units, parser.value(pseudo));
        }
        const QString pot = QString::fromUtf8(bytes);
        if (parser.isSet(out))
            TextFile::save(parser.value(out), pot, TextEncoding::Utf8);
        else
            io.out << pot;
    } catch (const Exception &e) {
        return parser.tell(io, e.Message());
    }
    return ExitOk;
}
