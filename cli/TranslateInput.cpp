#include "TranslateInput.h"

#include "Exception.h"
#include "Paths.h"
#include "SourceTexts.h"
#include "TextFile.h"
#include "Units.h"

#include <QDir>

namespace {
const QString kMode = QStringLiteral("mode");
} // namespace

void addModeOption(QCommandLineParser &parser)
{
    parser.addOption({kMode, cliText(CliText::StringModeOption, cliLanguage()), QStringLiteral("MODE")});
}

std::optional<int> parseCommand(QCommandLineParser &parser, const QStringList &arguments, CliStreams &io)
{
    const Language lang = cliLanguage();
    addHelpAndVersion(parser, lang);
    parser.addPositionalArgument(QStringLiteral("UNIT"),
                                 cliText(CliText::ListUnitArgument, lang));
    if (!parser.parse(arguments)) {
        io.err << "vtqx-cli " << arguments.value(0) << ": " << parseErrorText(parser, lang) << '\n';
        return ExitError;
    }
    if (answerHelpOrVersion(parser, arguments.value(0), io, lang))
        return ExitOk;
    if (parser.positionalArguments().size() != 1) {
        io.err << "vtqx-cli " << cliText(CliText::OneUnitExpected, lang).arg(arguments.value(0)) << '\n';
        return ExitError;
    }
    return std::nullopt;
}

std::optional<UnitList> readUnitList(const QString &unit, const QCommandLineParser &parser, CliStreams &io)
{
    UnitList out;
    const QString name = Paths::namePart(unit);
    const QString tail = Paths::extensionTail(name);
    const bool unitFile =
        tail != name
        && QStringList{QStringLiteral(".cpp"), QStringLiteral(".h"), QStringLiteral(".dfm")}.contains(tail.toLower());
    out.baseName = unitFile ? name.left(name.size() - tail.size()) : name;
    const QString folder = unit.size() > name.size() ? Paths::directoryPart(unit) : QStringLiteral(".");
    out.path =
        Paths::resolveCaseInsensitive(Paths::withTrailingSeparator(folder), out.baseName + QStringLiteral(".list.txt"));
    try {
        out.text = TextFile::load(out.path).text;
    } catch (const Exception &e) {
        io.err << "vtqx-cli: "
               << cliText(CliText::ListUnreadable, cliLanguage()).arg(QDir::toNativeSeparators(out.path), e.Message())
               << '\n';
        return std::nullopt;
    }
    if (!parser.isSet(kMode)) {
        out.mode = SourceTexts::likelyMode(out.text);
        return out;
    }
    const QString mode = parser.value(kMode).toLower();
    if (mode == u"global")
        out.mode = StringMode::Global;
    else if (mode == u"form")
        out.mode = StringMode::Form;
    else if (mode == u"function")
        out.mode = StringMode::Function;
    else {
        io.err << "vtqx-cli: " << cliText(CliText::UnknownStringMode, cliLanguage()).arg(parser.value(kMode)) << '\n';
        return std::nullopt;
    }
    return out;
}
