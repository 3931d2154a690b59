#pragma once
// Texts of the unit's encoding in the window: the Options submenu and the
// status bar's button, in English and German.
#include "uitext/Catalogue.h"

#include <QString>

enum class EncodingText {
    MenuTitle,   // the Options menu's submenu
    Detect,      // the item that forgets the choice
    Guessed,     // %1 encoding, %2 confidence in percent: the status bar
    ButtonTip,   // tool tip of the status bar's button
};
// Keep naming the last id: the table's compile-time check counts the ids by it.
inline constexpr EncodingText kLastEncodingText = EncodingText::ButtonTip;

QString encodingText(EncodingText id, Language lang);
