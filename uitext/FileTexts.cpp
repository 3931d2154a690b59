#include "uitext/FileTexts.h"

namespace {
constexpr TextRow<FileText> kTexts[] = {
    {FileText::NameNotReachable,
     {u"The name of \"%1\" is not valid UTF-8 text, so the file can be neither "
      u"opened nor saved under its name. Rename the file and open it again.",
      u"Der Name von \"%1\" ist kein gültiger UTF-8-Text; die Datei kann unter "
      u"diesem Namen weder geöffnet noch gespeichert werden. Benennen Sie die "
      u"Datei um und öffnen Sie sie erneut."}},
    {FileText::PageNotRead,
     {u"\"%1\" could not be read when the unit was opened, so the page does not hold "
      u"its text. It is not saved over the file; use Save as to keep the page.",
      u"\"%1\" konnte beim Öffnen der Unit nicht gelesen werden; die Seite enthält "
      u"daher nicht ihren Text. Sie wird nicht über die Datei gespeichert; sichern "
      u"Sie die Seite mit Speichern unter."}},
    {FileText::SaveAsOverUnread,
     {u"\"%1\" could not be read when the unit was opened; the page is not saved "
      u"over it. Choose another file.",
      u"\"%1\" konnte beim Öffnen der Unit nicht gelesen werden; die Seite wird "
      u"nicht darüber gespeichert. Wählen Sie eine andere Datei."}},
    {FileText::TooLargeToSave,
     {u"\"%1\" is not saved: it would be %2 bytes long, more than the 64 MiB a unit "
      u"file may have.",
      u"\"%1\" wird nicht gespeichert: die Datei wäre %2 Bytes groß, mehr als die "
      u"64 MiB, die eine Unit-Datei haben darf."}},
    {FileText::ListNotSaved,
     {u"The extraction list of %1 holds texts that were not saved yet.\n\nDo you "
      u"want to save them now?",
      u"Die Extraktionsliste von %1 enthält Texte, die noch nicht gespeichert "
      u"wurden.\n\nWollen Sie sie jetzt speichern?"}},
    {FileText::ListSaveTitle, {u"Save Extraction List", u"Extraktionsliste speichern"}},
    {FileText::ListSaveFilter, {u"Text Files |*.txt", u"Textdateien |*.txt"}},
    {FileText::ListOpenMenu, {u"Open Extraction List ...", u"Extraktionsliste öffnen ..."}},
    {FileText::ListOpenTitle, {u"Open Extraction List", u"Extraktionsliste öffnen"}},
    {FileText::ListOpenFilter, {u"Extraction Lists |*.list.txt", u"Extraktionslisten |*.list.txt"}},
    {FileText::ListNotAnEntry,
     {u"%1, line %2: not an entry of an extraction list. The list stays as it is.",
      u"%1, Zeile %2: kein Eintrag einer Extraktionsliste. Die Liste bleibt, wie sie ist."}},
    {FileText::ListNameTwice,
     {u"%1, line %2: this name is used twice in the list. The list stays as it is.",
      u"%1, Zeile %2: dieser Name steht zweimal in der Liste. Die Liste bleibt, wie sie ist."}},
    {FileText::ListBeside,
     {u"The extraction list %1 lies beside the unit (File > Open Extraction List)",
      u"Die Extraktionsliste %1 liegt neben der Unit (Datei > Extraktionsliste öffnen)"}},
    {FileText::ListBesideButton, {u"List found: open it", u"Liste gefunden: öffnen"}},
    {FileText::NameInUse,
     {u"Warning: the page already uses %1 for another text. Open the unit's "
      u"extraction list before extracting more.",
      u"Achtung: die Seite verwendet %1 schon für einen anderen Text. Öffnen Sie die "
      u"Extraktionsliste der Unit, bevor Sie weiter extrahieren."}},
    {FileText::UnitLocked,
     {u"The unit is being written by %2 (process %3), which holds %1. Try again when it has finished.",
      u"Die Unit wird gerade von %2 (Prozess %3) geschrieben, der %1 hält. Versuchen Sie es erneut, "
      u"wenn er fertig ist."}},
    {FileText::UnitLockNotMade,
     {u"%1 cannot be created, so the unit cannot be locked for writing.",
      u"%1 kann nicht angelegt werden; die Unit kann daher nicht zum Schreiben gesperrt werden."}},
    {FileText::RecoveryCleaned,
     {u"%1: %2 temporary files of a run that stopped before it had finished were removed; the unit's "
      u"files are as before that run.",
      u"%1: %2 temporäre Dateien eines Laufs, der vor seinem Ende abbrach, wurden entfernt; die Dateien "
      u"der Unit sind wie vor diesem Lauf."}},
    {FileText::RecoveryForward,
     {u"%1: a run that stopped while replacing the unit's files has been completed: %2.",
      u"%1: ein Lauf, der beim Ersetzen der Dateien der Unit abbrach, wurde zu Ende geführt: %2."}},
    {FileText::RecoveryBack,
     {u"%1: a run that stopped before its files were complete has been undone; %2 stay as they were.",
      u"%1: ein Lauf, der abbrach, bevor seine Dateien vollständig waren, wurde rückgängig gemacht; "
      u"%2 bleiben, wie sie waren."}},
    {FileText::RecoveryFailed,
     {u"%1: a run that stopped while replacing the unit's files could not be completed (%2). Its "
      u"journal is kept; check the unit's files.",
      u"%1: ein Lauf, der beim Ersetzen der Dateien der Unit abbrach, konnte nicht zu Ende geführt "
      u"werden (%2). Sein Journal bleibt erhalten; prüfen Sie die Dateien der Unit."}},
    {FileText::BytesNotKept,
     {u"\"%1\", line %2, column %3: these bytes would not come back unchanged from %4. "
      u"The page is protected and is never saved over the file; choose another code page "
      u"(status bar) if the unit is written in one.",
      u"\"%1\", Zeile %2, Spalte %3: diese Bytes kämen aus %4 nicht unverändert zurück. "
      u"Die Seite ist geschützt und wird nie über die Datei gespeichert; wählen Sie eine "
      u"andere Codepage (Statusleiste), wenn die Unit in einer geschrieben ist."}},
};
static_assert(complete(kTexts, kLastFileText));
} // namespace

QString fileText(FileText id, Language lang)
{
    return tableText(kTexts, id, lang);
}
