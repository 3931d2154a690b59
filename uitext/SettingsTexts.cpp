#include "SettingsTexts.h"

QString settingsText(SettingsText id, Language lang)
{
    const bool german = lang == Language::German;
    switch (id) {
    case SettingsText::FolderNotRemembered:
        return german ? QStringLiteral("Der Ordner konnte nicht in den Einstellungen gespeichert werden "
                                       "(%1).\n\nDer Befehl wird trotzdem ausgeführt. Diese Meldung erscheint "
                                       "nur einmal pro Sitzung.")
                      : QStringLiteral("The folder could not be remembered in the settings (%1).\n\nThe "
                                       "command goes on. This message is shown once per session.");
    }
    return QString();
}
