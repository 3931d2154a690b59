#include "uitext/GuardTexts.h"

namespace {
constexpr TextRow<GuardText> kTexts[] = {
    {GuardText::ChangedOnDisk,
     {u"%1 was changed on disk by another program.\n\nReload it? Yes reloads the file "
      u"(Undo brings the window's text back); No keeps the window's text.",
      u"%1 wurde von einem anderen Programm auf der Festplatte geändert.\n\nNeu laden? "
      u"Ja lädt die Datei neu (Rückgängig holt den Text des Fensters zurück); Nein "
      u"behält den Text des Fensters."}},
    {GuardText::ChangedUnderEdits,
     {u"%1 was changed on disk by another program, and the page holds changes of its "
      u"own.\n\nReload it? Yes reloads the file over your changes (Undo brings them "
      u"back); No keeps the window's text.",
      u"%1 wurde von einem anderen Programm auf der Festplatte geändert, und die Seite "
      u"enthält eigene Änderungen.\n\nNeu laden? Ja lädt die Datei über Ihre Änderungen "
      u"(Rückgängig holt sie zurück); Nein behält den Text des Fensters."}},
    {GuardText::RemovedFromDisk,
     {u"%1 was removed from disk. The window keeps its text; Save writes the file again.",
      u"%1 wurde von der Festplatte entfernt. Das Fenster behält seinen Text; Speichern "
      u"schreibt die Datei wieder."}},
    {GuardText::ReloadFailed,
     {u"%1 could not be read again: %2\n\nThe window keeps its text.",
      u"%1 konnte nicht erneut gelesen werden: %2\n\nDas Fenster behält seinen Text."}},
    {GuardText::OverwriteChanged,
     {u"%1 was changed on disk since the window read it.\n\nWrite the window's text over "
      u"it? No leaves the file as it is and the page unsaved.",
      u"%1 wurde auf der Festplatte geändert, seit das Fenster die Datei gelesen hat.\n\n"
      u"Den Text des Fensters darüber schreiben? Nein lässt die Datei, wie sie ist, und "
      u"die Seite ungespeichert."}},
    {GuardText::NotALiteral,
     {u"The selection is no string literal of the code (%1). Extract leaves it as it is.",
      u"Die Auswahl ist kein String-Literal des Codes (%1). Extrahieren lässt sie, wie "
      u"sie ist."}},
    {GuardText::OpenReadOnly,
     {u"%1\n\nOpen the unit read-only? Its pages are protected, and its files are not "
      u"saved while the other program holds the unit. No cancels Open.",
      u"%1\n\nDie Unit schreibgeschützt öffnen? Ihre Seiten sind geschützt, und ihre "
      u"Dateien werden nicht gespeichert, solange das andere Programm die Unit hält. Nein "
      u"bricht das Öffnen ab."}},
    {GuardText::IdAboveLimit,
     {u"The new entry would get the string identifier %1, above %2, the highest a string table "
      u"holds. Nothing was extracted; set the counter lower.",
      u"Der neue Eintrag bekäme den String-Bezeichner %1, über %2, dem höchsten, den eine "
      u"Stringtabelle fasst. Nichts wurde extrahiert; setzen Sie den Zähler niedriger."}},
};
static_assert(complete(kTexts, kLastGuardText));
} // namespace

QString guardText(GuardText id, Language lang)
{
    return tableText(kTexts, id, lang);
}
