#include "cli/TranslateInput.h"

#include "platform/core/Exception.h"
#include "platform/core/Paths.h"
#include "translate/SourceTexts.h"
#include "platform/core/TextFile.h"
#include "cli/Units.h"
#include "extract/ExtractionList.h"
#include "generate/OutputFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {
// The lists of the unit folder + baseName, in its code page.
UnitList readLists(const QString &folder, const QString &baseName, const CommandParser &parser)
{
    UnitList out;
    out.baseName = baseName;
    const QString dir = Paths::withTrailingSeparator(folder);
    SourceUnit unit = SourceUnit::locate(dir + baseName + QStringLiteral(".cpp"), parser.language());
    unit.setEncodingChoice(parser.encoding());
    unit.setProjectEncoding(parser.project(folder).encoding);
    // The text of path, "" when it does not exist.
    const auto textOf = [&](const QString &path) { return QFileInfo(path).isFile() ? unit.loadBeside(path).text : QString(); };
    out.codePage = outputCodePage(unit.codePage());
    out.path = Paths::resolveCaseInsensitive(dir, baseName + QStringLiteral(".list.txt"));
    out.hasList = QFileInfo::exists(out.path);
    if (out.hasList)
        out.text = unit.loadBeside(out.path).text;
    out.dfmText = textOf(Paths::resolveCaseInsensitive(dir, baseName + QStringLiteral(".dfm.list.txt")));
    out.cppPlaces = ListPositions::read(textOf(Paths::resolveCaseInsensitive(dir, baseName + QStringLiteral(".list.pos"))));
    out.dfmPlaces =
        ListPositions::read(textOf(Paths::resolveCaseInsensitive(dir, baseName + QStringLiteral(".dfm.list.pos"))));
    out.formIds = FormIds::read(textOf(Paths::resolveCaseInsensitive(dir, baseName + QStringLiteral(".dfm.list.ids"))));
    return out;
}
} // namespace

std::optional<UnitLists> readUnitLists(const CommandParser &parser, CliStreams &io, bool needCppList)
{
    std::optional<StringMode> mode;
    if (!parser.mode(&mode, io))
        return std::nullopt;
    const QStringList units = parser.units();
    const Language lang = parser.language();

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
            UnitList list = readLists(folder, unitFile ? name.left(name.size() - tail.size()) : name, parser);
            if (!list.hasList && (needCppList ? list.formIds.empty() : list.dfmText.isEmpty()))
                throw Exception(cliText(CliText::ListMissing, lang));
            out.units << list;
        } else {
            std::vector<SourceUnit> found;
            try {
                found = resolveUnits(units, lang);
            } catch (const Exception &e) {
                fail(io, e.Message());
                return std::nullopt;
            }
            QSet<QString> names;
            for (const SourceUnit &unit : found) {
                reading = unit.folder() + unit.baseName() + QStringLiteral(".list.txt");
                UnitList list = readLists(unit.folder(), unit.baseName(), parser);
                if (!list.hasList && (needCppList ? list.formIds.empty() : list.dfmText.isEmpty()))
                    continue; // nothing extracted from this unit
                if (names.contains(list.baseName.toLower()))
                    throw Exception(cliText(CliText::UnitNameTwice, lang).arg(list.baseName));
                names.insert(list.baseName.toLower());
                out.units << list;
            }
            if (out.units.isEmpty()) {
                fail(io, cliText(CliText::NoListedUnit, lang).arg(units.join(u' ')));
                return std::nullopt;
            }
        }
    } catch (const Exception &e) {
        fail(io, cliText(CliText::ListUnreadable, lang).arg(QDir::toNativeSeparators(reading), e.Message()));
        return std::nullopt;
    }
    for (UnitList &list : out.units) {
        const ExtractionList::ListFile cpp = ExtractionList::readListFile(list.text, false);
        const QString dfmPath = list.path.chopped(9) + QStringLiteral(".dfm.list.txt");
        const ExtractionList::ListFile dfm = ExtractionList::readListFile(list.dfmText, true);
        if (cpp.nameTwiceLine > 0 || dfm.nameTwiceLine > 0) {
            fail(io, cliText(CliText::ListNameTwice, lang)
                         .arg(QDir::toNativeSeparators(cpp.nameTwiceLine > 0 ? list.path : dfmPath))
                         .arg(cpp.nameTwiceLine > 0 ? cpp.nameTwiceLine : dfm.nameTwiceLine));
            return std::nullopt;
        }
        if (cpp.otherFormLine > 0) {
            const bool function = cpp.form == ExtractionList::EntryForm::Function;
            fail(io, cliText(CliText::ListMixesForms, lang)
                         .arg(QDir::toNativeSeparators(list.path))
                         .arg(cpp.otherFormLine)
                         .arg(QLatin1String(function ? "global" : "function"), QLatin1String(function ? "function" : "global")));
            return std::nullopt;
        }
        list.mode = mode.value_or(SourceTexts::likelyMode(list.text));
    }
    return out;
}
