#pragma once
// Texts of the File menu's recent units, in English and German.
#include "uitext/Catalogue.h"

#include <QString>

enum class RecentText {
    MenuTitle,    // the File menu's submenu
    UnitGone,     // a recent entry whose files are gone; %1 is the path
};
// Keep naming the last id: the table's compile-time check counts the ids by it.
inline constexpr RecentText kLastRecentText = RecentText::UnitGone;

QString recentText(RecentText id, Language lang);
