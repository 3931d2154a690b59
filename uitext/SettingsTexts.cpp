#include "uitext/SettingsTexts.h"

namespace {
constexpr TextRow<SettingsText> kTexts[] = {
    {SettingsText::FolderNotRemembered,
     {u"A folder or the list of recent units could not be remembered in the "
      u"settings (%1).\n\nThe command goes on. This message is shown once per session.",
      u"Ein Ordner oder die Liste der zuletzt geöffneten Units konnte nicht in "
      u"den Einstellungen gespeichert werden (%1).\n\nDer Befehl wird trotzdem ausgeführt. Diese Meldung erscheint "
      u"nur einmal pro Sitzung."}},
};
static_assert(complete(kTexts, kLastSettingsText));
} // namespace

QString settingsText(SettingsText id, Language lang)
{
    return tableText(kTexts, id, lang);
}
