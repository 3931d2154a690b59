#pragma once
// Texts of the release commands beside the generators: form identifiers,
// loading-code limits, pseudo-translation and the fit check. English and
// German.
#include "uitext/Catalogue.h"

#include <QString>

enum class ReleaseText {
    FormStartOption,
    BadFormStart,     // %1 the value, %2 the highest identifier
    FormMeetsCpp,     // %1 the lowest form identifier, %2 the highest C++ identifier, %3 where
    CppMeetsForm,     // %1 the highest C++ identifier, %2 the lowest form identifier, %3 where
    FormIdsFull,      // %1 the unit, %2 the highest identifier
    TooLong,          // %1 language, %2 entry, %3 bytes, %4 code page, %5 limit
    TooLongAsSource,  // the same, when the source text is as long already
    StrictTooLong,    // %1 number of texts
    PseudoOption,
    CheckFitOption,
    PreviewOption,
    NeedsWidth,       // %1 language, %2 path, %3 needed px, %4 control px
    FontStandIn,      // %1 the form's font, %2 the font measured with
    FitFailed,        // %1 number of texts
    PreviewWritten,   // %1 file
    NeedsGui,
};
// Keep naming the last id: the table's compile-time check counts the ids by it.
inline constexpr ReleaseText kLastReleaseText = ReleaseText::NeedsGui;

QString releaseText(ReleaseText id, Language lang);
