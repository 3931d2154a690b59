#include "TranslateInput.h"

#include "Exception.h"
#include "Paths.h"
#include "SourceTexts.h"
#include "TextFile.h"
#include "Units.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {
const QString kMode = QStringLiteral("mode");

// The text of path, "" when it does not exist.
QString textOf(const QString &path)
{
    return QFileInfo(path).isFile() ? TextFile::load(path).text : QString();
}

// The lists of the unit folder + baseName.
UnitList readLists(const QString &folder, const QString &baseName)
{
    UnitList out;
    out.baseName = baseName;
    const QString dir = Paths::withTrailingSeparator(folder);
    out.path = Paths::resolveCaseInsensitive(dir, baseName + QStringLiteral(".list.txt"));
    out.hasList = QFileInfo::exists(out.path);
    if (out.hasList)
        out.text = TextFile::load(out.path).text;
    out.dfmText = textOf(Paths::resolveCaseInsensitive(dir, baseName + QStringLiteral(".dfm.list.txt")));
    out.cppPlaces = ListPositions::read(textOf(Paths::resolveCaseInsensitive(dir, baseName + QStringLiteral(".list.pos"))));
    out.dfmPlaces =
        ListPositions::read(textOf(Paths::resolveCaseInsensitive(dir, baseName + QStringLiteral(".dfm.list.pos"))));
    return out;
}
} // namespace

void addModeOption(QCommandLineParser &parser)
{
    parser.addOption({kMode, cliText(CliText::StringModeOption, cliLanguage()), QStringLiteral("MODE")});
}

std::optional<int> parseCommand(QCommandLineParser &parser, const QStringList &arguments, CliStreams &io)
{
    const Language lang = cliLanguage();
    addHelpAndVersion(parser, lang);
    parser.addPositionalArgument(QStringLiteral("UNIT"), cliText(CliText::ListUnitArgument, lang),
                                 QStringLiteral("UNIT..."));
    if (!parser.parse(arguments)) {
        io.err << "vtqx-cli " << arguments.value(0) << ": " << parseErrorText(parser, lang) << '\n';
        return ExitError;
    }
    if (answerHelpOrVersion(parser, arguments.value(0), io, lang))
        return ExitOk;
    if (parser.positionalArguments().isEmpty()) {
        io.err << "vtqx-cli " << cliText(CliText::OneUnitExpected, lang).arg(arguments.value(0)) << '\n';
        return ExitError;
    }
    return std::nullopt;
}

std::optional<UnitLists> readUnitLists(const QStringList &units, const QCommandLineParser &parser, CliStreams &io,
                                       bool needCppList)
{
    std::optional<StringMode> mode;
    if (parser.isSet(kMode)) {
        const QString name = parser.value(kMode).toLower();
        if (name == u"global")
            mode = StringMode::Global;
        else if (name == u"form")
            mode = StringMode::Form;
        else if (name == u"function")
            mode = StringMode::Function;
        else {
            io.err << "vtqx-cli: unknown string mode '" << parser.value(kMode) << "'\n";
            return std::nullopt;
        }
    }

    UnitLists out;
    out.project = units.size() > 1 || QFileInfo(units.constFirst()).isDir();
    QString reading; // the file being read, for the message
    try {
        if (!out.project) {
            const QString unit = units.constFirst();
            const QString name = Paths::namePart(unit);
            const QString tail = Paths::extensionTail(name);
            const bool unitFile = tail != name && QStringList{QStringLiteral(".cpp"), QStringLiteral(".h"),
                                                              QStringLiteral(".dfm")}
                                                       .contains(tail.toLower());
            const QString folder = unit.size() > name.size() ? Paths::directoryPart(unit) : QStringLiteral(".");
            reading = Paths::withTrailingSeparator(folder) + (unitFile ? name.left(name.size() - tail.size()) : name)
                      + QStringLiteral(".list.txt");
            UnitList list = readLists(folder, unitFile ? name.left(name.size() - tail.size()) : name);
            if (!list.hasList && (needCppList || list.dfmText.isEmpty()))
                throw Exception(QStringLiteral("the file does not exist"));
            out.units << list;
        } else {
            std::vector<SourceUnit> found;
            try {
                found = resolveUnits(units, Language::English);
            } catch (const Exception &e) {
                io.err << "vtqx-cli: " << e.Message() << '\n';
                return std::nullopt;
            }
            QSet<QString> names;
            for (const SourceUnit &unit : found) {
                reading = unit.folder() + unit.baseName() + QStringLiteral(".list.txt");
                UnitList list = readLists(unit.folder(), unit.baseName());
                if (!list.hasList && (needCppList || list.dfmText.isEmpty()))
                    continue; // nothing extracted from this unit
                if (names.contains(list.baseName.toLower()))
                    throw Exception(QStringLiteral("a second unit named %1 in the project").arg(list.baseName));
                names.insert(list.baseName.toLower());
                out.units << list;
            }
            if (out.units.isEmpty()) {
                io.err << "vtqx-cli: no unit with an extraction list in " << units.join(u' ') << '\n';
                return std::nullopt;
            }
        }
    } catch (const Exception &e) {
        io.err << "vtqx-cli: cannot read the extraction list " << QDir::toNativeSeparators(reading) << ": "
               << e.Message() << '\n';
        return std::nullopt;
    }
    for (UnitList &list : out.units)
        list.mode = mode.value_or(SourceTexts::likelyMode(list.text));
    return out;
}
