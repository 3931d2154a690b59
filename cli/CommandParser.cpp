#include "cli/CommandParser.h"

#include "cli/Units.h"
#include "platform/core/CodePages.h"

#include "scan/ProjectKeywords.h"
#include "uitext/ReasonTexts.h"

namespace {
const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");
const QString kJobs = QStringLiteral("jobs");
const QString kMode = QStringLiteral("mode");
const QString kKeyword = QStringLiteral("keyword");
const QString kNever = QStringLiteral("never");
const QString kEncoding = QStringLiteral("encoding");

// The string mode of a name in any case.
std::optional<StringMode> stringModeNamed(const QString &name)
{
    static const std::pair<const char *, StringMode> modes[] = {
        {"global", StringMode::Global}, {"form", StringMode::Form}, {"function", StringMode::Function}};
    for (const auto &[known, mode] : modes)
        if (name.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return mode;
    return std::nullopt;
}
} // namespace

CommandParser::CommandParser(const char *command, Voice voice, CliText unitArgument)
    : m_command(QLatin1String(command)), m_voice(voice), m_lang(cliLanguage())
{
    addPositionalArgument(QStringLiteral("UNIT"), cliText(unitArgument, m_lang), QStringLiteral("UNIT..."));
}

void CommandParser::describe(CliText description)
{
    setApplicationDescription(cliText(description, m_lang));
}

// Qt's own help option is not used: it offers --help-all and speaks only English.
void CommandParser::addHelpAndVersion()
{
    addOption({{QStringLiteral("h"), kHelp}, cliText(CliText::HelpOption, m_lang)});
    addOption({{QStringLiteral("V"), kVersion}, cliText(CliText::VersionOption, m_lang)});
}

void CommandParser::addJobsOption()
{
    m_jobs = true;
    addOption({{QStringLiteral("j"), kJobs}, cliText(CliText::JobsOption, m_lang), QStringLiteral("N")});
}

void CommandParser::addModeOption(ModeDefault meaning)
{
    m_modeDefault = meaning;
    if (meaning == ModeDefault::Global)
        addOption({kMode, cliText(CliText::ModeOption, m_lang), QStringLiteral("global|form|function")});
    else
        addOption({kMode, cliText(CliText::StringModeOption, m_lang), QStringLiteral("MODE")});
}

void CommandParser::addKeywordOptions()
{
    m_keywords = true;
    addOption({kKeyword, reasonText(ReasonText::KeywordOption, m_lang), QStringLiteral("NAME:ARG")});
    addOption({kNever, reasonText(ReasonText::NeverOption, m_lang), QStringLiteral("NAME[:ARG]")});
}

ProjectSettings CommandParser::project(const QString &unitFolder) const
{
    ProjectSettings project = readProjectSettings(unitFolder, m_lang);
    if (m_keywords) {
        for (const QString &spec : values(kKeyword))
            addCallSpec(project.rules, spec, UseVerdict::UserText);
        for (const QString &spec : values(kNever))
            addCallSpec(project.rules, spec, UseVerdict::NotUserText);
    }
    return project;
}

void CommandParser::addEncodingOption()
{
    m_encoding = true;
    addOption({kEncoding, cliText(CliText::EncodingOption, m_lang), QStringLiteral("NAME")});
}

std::optional<TextEncoding> CommandParser::encoding() const
{
    return m_encoding && isSet(kEncoding) ? CodePages::named(value(kEncoding)) : std::nullopt;
}

std::optional<int> CommandParser::read(const QStringList &arguments, CliStreams &io)
{
    if (!parse(arguments))
        return tell(io, mistake());
    if (isSet(kHelp)) {
        io.out << commandHelp();
        return ExitOk;
    }
    if (isSet(kVersion)) {
        io.out << "vtqx-cli " << cliVersion() << '\n';
        return ExitOk;
    }
    if (m_jobs && isSet(kJobs)) {
        bool ok = false;
        if (const int jobs = value(kJobs).toInt(&ok); !ok || jobs <= 0)
            return tell(io, cliText(CliText::BadJobs, m_lang).arg(value(kJobs)));
    }
    if (m_keywords) {
        for (const QString &option : {kKeyword, kNever}) {
            UseRules probe;
            for (const QString &spec : values(option))
                if (!addCallSpec(probe, spec, UseVerdict::UserText))
                    return tell(io, reasonText(ReasonText::BadNameOption, m_lang).arg(QLatin1String("--") + option, spec));
        }
    }
    if (m_encoding && isSet(kEncoding) && !encoding())
        return tell(io, cliText(CliText::BadEncoding, m_lang).arg(value(kEncoding), CodePages::knownKeys()));
    if (units().isEmpty()) {
        if (m_voice == Voice::Tool)
            return tell(io, cliText(CliText::NoUnit, m_lang));
        io.err << "vtqx-cli " << cliText(CliText::OneUnitExpected, m_lang).arg(m_command) << '\n' << Qt::flush;
        return ExitError;
    }
    return std::nullopt;
}

int CommandParser::jobs() const
{
    return m_jobs ? value(kJobs).toInt() : 0;
}

bool CommandParser::mode(std::optional<StringMode> *mode, CliStreams &io) const
{
    const QString name = value(kMode);
    *mode = m_modeDefault == ModeDefault::Global ? std::optional(StringMode::Global) : std::nullopt;
    if (name.isEmpty())
        return true;
    *mode = stringModeNamed(name);
    if (*mode)
        return true;
    // The messages of the two defaults differ: extract lists the names.
    fail(io, cliText(m_modeDefault == ModeDefault::Global ? CliText::BadMode : CliText::UnknownStringMode, m_lang)
                 .arg(name));
    return false;
}

int CommandParser::tell(CliStreams &io, const QString &text) const
{
    if (m_voice == Voice::Tool)
        return fail(io, text);
    io.err << "vtqx-cli " << m_command << ": " << text << '\n' << Qt::flush;
    return ExitError;
}

// "Usage: vtqx-cli COMMAND [options] UNIT...", the options, the arguments
// and the exit status, all in the command's language.
QString CommandParser::commandHelp() const
{
    // Qt's text from the second line on: the options and arguments, laid
    // out; only its headings are in English.
    QStringList lines = helpText().split(u'\n');
    const QString usage = lines.isEmpty() ? QString() : lines.takeFirst();
    const qsizetype options = usage.indexOf(QLatin1String(" [options]"));
    const QString arguments = options < 0 ? QString() : usage.mid(options + 11);
    for (QString &line : lines) {
        if (line == u"Options:")
            line = cliText(CliText::OptionsHeading, m_lang);
        else if (line == u"Arguments:")
            line = cliText(CliText::ArgumentsHeading, m_lang);
    }
    QString summary;
    for (const CliCommand &c : cliCommands())
        if (m_command == QLatin1String(c.name))
            summary = cliText(c.summary, m_lang);
    QString text = cliText(CliText::Usage, m_lang).arg(QStringLiteral("vtqx-cli ") + m_command, arguments) + u'\n';
    if (!summary.isEmpty() && (lines.isEmpty() || lines.constFirst().isEmpty()))
        text += summary + u'\n';
    text += lines.join(u'\n');
    if (!text.endsWith(u'\n'))
        text += u'\n';
    return text + u'\n' + cliText(CliText::ExitCodes, m_lang);
}

// Why parse() failed.
QString CommandParser::mistake() const
{
    if (!unknownOptionNames().isEmpty()) {
        const QString name = unknownOptionNames().constFirst();
        return cliText(CliText::UnknownOption, m_lang).arg(QLatin1String(name.size() == 1 ? "-" : "--") + name);
    }
    // Qt names the option between quotes: "Missing value after '--page'."
    const QString qt = errorText();
    const qsizetype open = qt.indexOf(u'\''), close = qt.lastIndexOf(u'\'');
    const QString name = open >= 0 && close > open ? qt.mid(open + 1, close - open - 1) : QString();
    if (qt.startsWith(QLatin1String("Missing value")))
        return cliText(CliText::MissingValue, m_lang).arg(name);
    if (qt.startsWith(QLatin1String("Unexpected value")))
        return cliText(CliText::UnexpectedValue, m_lang).arg(name);
    return qt;
}
