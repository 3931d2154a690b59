#pragma once
// Texts about a unit's files and its extraction lists, English and German.
#include "uitext/Catalogue.h"

#include <QString>

enum class FileText {
    NameNotReachable,  // %1 path: the name is not valid UTF-8
    PageNotRead,       // %1 path: Save over a file the page failed to read
    SaveAsOverUnread,  // %1 path: Save as onto that same file
    TooLargeToSave,    // %1 path, %2 bytes
    ListNotSaved,      // %1 file name of the page: question of the close and Open prompts
    ListSaveTitle,     // title of the list's save dialog
    ListSaveFilter,    // filter of the list's save dialog
    ListOpenMenu,      // File menu: load a list file into the page's list
    ListOpenTitle,     // title of its dialog
    ListOpenFilter,    // filter of its dialog
    ListNotAnEntry,    // %1 file, %2 line
    ListNameTwice,     // %1 file, %2 line
    ListBeside,        // %1 file name: the status bar's hint after Open (its tool tip)
    ListBesideButton,  // the hint's button: opens the list
    NameInUse,         // %1 name: Extract gave a name the page used already
    UnitLocked,        // %1 lock file, %2 program, %3 process id
    UnitLockNotMade,   // %1 lock file
    RecoveryCleaned,   // %1 unit, %2 count of temporary files removed
    RecoveryForward,   // %1 unit, %2 files completed
    RecoveryBack,      // %1 unit, %2 files left as they were
    RecoveryFailed,    // %1 unit, %2 reason
    BytesNotKept,      // %1 path, %2 line, %3 column, %4 encoding: the page opens protected
};
// Keep naming the last id: the table's compile-time check counts the ids by it.
inline constexpr FileText kLastFileText = FileText::BytesNotKept;

// The text id in lang, placeholders unfilled.
QString fileText(FileText id, Language lang);
