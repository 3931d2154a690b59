#pragma once
// Texts of vtqx-cli: option help and messages, English and German. Machine
// output (JSON keys, hint names, verdicts) stays English.
#include "uitext/Catalogue.h"

#include <QString>

enum class CliText {
    UnitArgument,
    PageOption,
    JsonOption,
    ModeOption,
    ExtractCOption,
    ReuseEqualOption,
    AllOption,
    UserTextOption,
    StartOption,
    OutOption,
    JobsOption,
    NoUnit,          // no UNIT given
    NoSuchFile,      // %1: a path
    NotAUnit,        // %1: a path
    BadPage,         // %1: the value
    BadMode,         // %1: the value
    BadStart,        // %1: the value
    AllAndUserText,
    SameOutput,      // %1: a path
    NothingChanged,
    Progress,        // %1 done, %2 all
    UnmarkedUserText, // %1 count
    NoUnmarkedUserText,
    Extracted,       // %1 unit, %2 literals, %3 counter
    ExtractedOne,    // %1 unit, %2 counter
    RootOption,
    ClassOption,
    DryRunOption,
    DiffOption,
    NoFormDescription, // %1 unit
    NegativeStart,     // %1 the value
    StartInUse,        // %1 the value, %2 the number in use, %3 where
    ListNotAnEntry,    // %1 file, %2 line
    ListNameTwice,     // %1 file, %2 line
    ProofFailed,       // %1 file, %2 row, %3 column
    NotRegularFile,    // %1 path
    NulBytes,          // %1 path
    FolderLikeUnit,    // %1 path
    BadJobs,           // %1 the value
    WouldExtract,      // %1 unit, %2 literals, %3 new entries, %4 reused
    WouldNumber,       // %1 first, %2 last number
    NoFormPage,        // %1 unit: --page dfm on a unit without a form description
    // list and check: formats, pages, baselines
    FormatOption,
    BadFormat,         // %1 the value
    PagesOption,
    BadPages,          // %1 the value
    BaselineOption,
    WriteBaselineOption,
    BaselineAndWrite,
    BadBaseline,       // %1 file, %2 why
    BaselineWritten,   // %1 count, %2 file
    CannotWrite,       // %1 file, %2 why
    QuietOption,
    UnitListUnreadable, // %1 file, %2 why
    // what every command shares: help, version, parse errors
    HelpOption,
    VersionOption,
    Usage,             // %1 "vtqx-cli COMMAND", %2 the arguments
    OptionsHeading,
    ArgumentsHeading,
    ExitCodes,
    UnknownOption,     // %1 the option
    MissingValue,      // %1 the option
    UnexpectedValue,   // %1 the option
    UnknownCommand,    // %1 the word
    NoCommand,
    ToolDescription,
    CommandsHeading,
    CommandHelpHint,
    ListSummary,
    CheckSummary,
    ExtractSummary,
    PotSummary,
    RcSummary,
    // pot and rc
    PotDescription,
    PotProjectOption,
    RcStrictOption,
    RcStatisticsOption,
    ProjectNeedsOut,
    RcDescription,
    PotOutOption,
    RcOutOption,
    PoOption,
    StringModeOption,
    ListUnitArgument,
    OneUnitExpected,   // %1 the command
    PoExpected,
    ListUnreadable,    // %1 path, %2 why
    UnknownStringMode, // %1 the value
    Fallback,          // %1 what kept the source text
    ListMissing,
    UnitNameTwice,     // %1 the base name
    NoListedUnit,      // %1 the arguments
    CannotCreateFolder, // %1 path
    Warning,           // %1 the warning
    ChangedWhileRun,   // %1 path
    ListOfOtherMode,   // %1 list, %2 mode it was written in, %3 mode asked for
    ConvertListOption,
    ListMixesForms,    // %1 list, %2 line, %3 mode of that line, %4 mode of the first entry
    EmptyOut,
    Unreadable,        // %1 path, %2 why
    IdAboveLimit,      // %1 the highest identifier the run would give, %2 the limit
    EncodingOption,
    BadEncoding,       // %1 the value, %2 the names known
    GuessedCodePage,   // %1 unit, %2 code page, %3 confidence in percent
    Utf8TableOption,
    TranslationUnfit,  // %1 message, %2 language, %3 character, %4 its code, %5 code page
};
// Keep naming the last id: the table's compile-time check counts the ids by it.
inline constexpr CliText kLastCliText = CliText::TranslationUnfit;

QString cliText(CliText id, Language lang);

// The language of the user's locale: German for German, else English.
Language cliLanguage();
