#pragma once
// The window's guards over the user's work, English and German: files
// changed on disk, the unit's lock, the repair at Open, and what Extract
// refuses.
#include "uitext/Catalogue.h"

#include <QString>

enum class GuardText {
    ChangedOnDisk,       // %1 file name: changed by someone else, the page has no edits
    ChangedUnderEdits,   // %1 file name: the same while the page holds edits of its own
    RemovedFromDisk,     // %1 file name
    ReloadFailed,        // %1 file name, %2 the reason
    OverwriteChanged,    // %1 file name: a save would write over a change made on disk
    NotALiteral,         // %1 the reasons (the panel's hint names): one-by-one Extract refuses
    OpenReadOnly,        // %1 why the unit's lock was not taken (names the holder): open read-only?
    IdAboveLimit,        // %1 the string identifier Extract would give, %2 the highest there is
};
// Keep naming the last id: the table's compile-time check counts the ids by it.
inline constexpr GuardText kLastGuardText = GuardText::IdAboveLimit;

// The text id in lang, placeholders unfilled.
QString guardText(GuardText id, Language lang);
