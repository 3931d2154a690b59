#pragma once
// Messages about the settings store, English and German.
#include "Catalogue.h"

#include <QString>

enum class SettingsText {
    FolderNotRemembered, // %1: the store's own error message
};

QString settingsText(SettingsText id, Language lang);
