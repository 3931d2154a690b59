#pragma once
// Texts of vtqx-cli: option help and messages, English and German. Machine
// output (JSON keys, hint names, verdicts) stays English.
#include "Catalogue.h"

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
};

QString cliText(CliText id, Language lang);

// The language of the user's locale: German for German, else English.
Language cliLanguage();
