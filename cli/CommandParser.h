#pragma once
// The option parser of every vtqx-cli command: Qt's parser with the tool's
// own -h/--help and -V/--version, help and messages in the user's language,
// the units as positional arguments, and the options several commands share
// (--jobs, --mode).
#include "cli/Command.h"
#include "extract/StringMode.h"
#include "scan/ProjectKeywords.h"
#include "platform/core/TextFile.h"

#include <QCommandLineParser>

#include <optional>

class CommandParser : public QCommandLineParser
{
public:
    // Who speaks in what parsing tells: list, check and extract as the tool
    // ("vtqx-cli: no unit given"), pot and rc by their name ("vtqx-cli pot:
    // at least one UNIT expected").
    enum class Voice { Tool, Command };
    // What --mode stands for when it is not given: global (extract), or the
    // mode each list's lines show (pot, rc).
    enum class ModeDefault { Global, AsListShows };

    // command: the name as typed; unitArgument: the help of UNIT.
    CommandParser(const char *command, Voice voice, CliText unitArgument);

    Language language() const { return m_lang; }
    // The paragraph under the help's usage line; without one the help shows
    // the command's summary.
    void describe(CliText description);
    // The help lists options in the order they are added: each command adds
    // its own before or after these.
    void addHelpAndVersion();
    void addJobsOption();
    void addModeOption(ModeDefault meaning);
    // --keyword NAME[:ARG] and --never NAME[:ARG], each as often as wanted.
    void addKeywordOptions();
    void addEncodingOption();

    // Parses arguments (the command's name first). Returns the exit status to
    // end with after the help, the version or a mistake (told on io), or
    // nothing to go on: then any --jobs is a positive number and a UNIT is
    // given.
    std::optional<int> read(const QStringList &arguments, CliStreams &io);

    QStringList units() const { return positionalArguments(); }
    int jobs() const; // 0: every core
    // --encoding, known once read() went on; nothing when not given.
    std::optional<TextEncoding> encoding() const;
    // --mode in any case: *mode is the mode named, or for an absent or empty
    // value the default (Global, or nothing for AsListShows). False after
    // telling an unknown name.
    bool mode(std::optional<StringMode> *mode, CliStreams &io) const;

    // What a unit in folder takes from its project file and the options:
    // the verdicts' rules (the built-in table, the project file's rows, then
    // --keyword and --never) and the project file's encoding. Raises
    // Exception "file:line: message" for a bad project file.
    ProjectSettings project(const QString &unitFolder) const;

    // text on the error stream in the command's voice; returns ExitError.
    int tell(CliStreams &io, const QString &text) const;

private:
    QString commandHelp() const;
    QString mistake() const;

    const QString m_command;
    const Voice m_voice;
    const Language m_lang;
    ModeDefault m_modeDefault = ModeDefault::Global;
    bool m_jobs = false; // --jobs was added
    bool m_keywords = false; // --keyword and --never were added
    bool m_encoding = false; // --encoding was added
};
