#pragma once
// Captions and messages of the translation commands, English and German.
#include "uitext/Catalogue.h"

#include <QString>

enum class TranslateText {
    ExportMenu, // File menu: export a PO template
    ScriptMenu, // File menu: resource script from PO files
    ExportTitle,
    ExportFilter,
    ScriptTitle,
    ScriptFilter,
    ScriptCaption,   // output window caption
    FallbackHeading, // above the list of fallbacks
    Untranslated,
    Fuzzy,
    Stale,
    Missing,
    NotLiteral,
    NoLanguage,      // %1 file
    UnknownLanguage, // %1 language, %2 file
    SameLanguage,    // %1 language, %2 and %3 files
    NoTranslations,
    Statistics,    // %1 language, %2 translated, %3 fuzzy, %4 untranslated, %5 stale, %6 missing
    NoPluralForms, // %1 file
    StrictFailed,  // %1 number of fallbacks
};
// Keep naming the last id: the table's compile-time check counts the ids by it.
inline constexpr TranslateText kLastTranslateText = TranslateText::StrictFailed;

QString translateText(TranslateText id, Language lang);
