#pragma once
// Messages about the settings store, English and German.
#include "uitext/Catalogue.h"

#include <QString>

enum class SettingsText {
    FolderNotRemembered, // %1: the store's own error message
};
// Keep naming the last id: the table's compile-time check counts the ids by it.
inline constexpr SettingsText kLastSettingsText = SettingsText::FolderNotRemembered;

QString settingsText(SettingsText id, Language lang);
