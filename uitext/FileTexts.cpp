#include "FileTexts.h"

QString fileText(FileText id, Language lang)
{
    const bool german = lang == Language::German;
    switch (id) {
    case FileText::NameNotReachable:
        return german ? QStringLiteral("Der Name von \"%1\" ist kein gültiger UTF-8-Text; die Datei kann unter "
                                       "diesem Namen weder geöffnet noch gespeichert werden. Benennen Sie die "
                                       "Datei um und öffnen Sie sie erneut.")
                      : QStringLiteral("The name of \"%1\" is not valid UTF-8 text, so the file can be neither "
                                       "opened nor saved under its name. Rename the file and open it again.");
    case FileText::PageNotRead:
        return german ? QStringLiteral("\"%1\" konnte beim Öffnen der Unit nicht gelesen werden; die Seite enthält "
                                       "daher nicht ihren Text. Sie wird nicht über die Datei gespeichert; sichern "
                                       "Sie die Seite mit Speichern unter.")
                      : QStringLiteral("\"%1\" could not be read when the unit was opened, so the page does not hold "
                                       "its text. It is not saved over the file; use Save as to keep the page.");
    case FileText::SaveAsOverUnread:
        return german ? QStringLiteral("\"%1\" konnte beim Öffnen der Unit nicht gelesen werden; die Seite wird "
                                       "nicht darüber gespeichert. Wählen Sie eine andere Datei.")
                      : QStringLiteral("\"%1\" could not be read when the unit was opened; the page is not saved "
                                       "over it. Choose another file.");
    case FileText::TooLargeToSave:
        return german ? QStringLiteral("\"%1\" wird nicht gespeichert: die Datei wäre %2 Bytes groß, mehr als die "
                                       "64 MiB, die eine Unit-Datei haben darf.")
                      : QStringLiteral("\"%1\" is not saved: it would be %2 bytes long, more than the 64 MiB a unit "
                                       "file may have.");
    case FileText::ListNotSaved:
        return german ? QStringLiteral("Die Extraktionsliste von %1 enthält Texte, die noch nicht gespeichert "
                                       "wurden.\n\nWollen Sie sie jetzt speichern?")
                      : QStringLiteral("The extraction list of %1 holds texts that were not saved yet.\n\nDo you "
                                       "want to save them now?");
    case FileText::ListSaveTitle:
        return german ? QStringLiteral("Extraktionsliste speichern") : QStringLiteral("Save Extraction List");
    case FileText::ListSaveFilter:
        return german ? QStringLiteral("Textdateien |*.txt") : QStringLiteral("Text Files |*.txt");
    case FileText::ListOpenMenu:
        return german ? QStringLiteral("Extraktionsliste öffnen ...") : QStringLiteral("Open Extraction List ...");
    case FileText::ListOpenTitle:
        return german ? QStringLiteral("Extraktionsliste öffnen") : QStringLiteral("Open Extraction List");
    case FileText::ListOpenFilter:
        return german ? QStringLiteral("Extraktionslisten |*.list.txt") : QStringLiteral("Extraction Lists |*.list.txt");
    case FileText::ListNotAnEntry:
        return german ? QStringLiteral("%1, Zeile %2: kein Eintrag einer Extraktionsliste. Die Liste bleibt, wie sie ist.")
                      : QStringLiteral("%1, line %2: not an entry of an extraction list. The list stays as it is.");
    case FileText::ListNameTwice:
        return german ? QStringLiteral("%1, Zeile %2: dieser Name steht zweimal in der Liste. Die Liste bleibt, wie sie ist.")
                      : QStringLiteral("%1, line %2: this name is used twice in the list. The list stays as it is.");
    case FileText::ListBeside:
        return german ? QStringLiteral("Die Extraktionsliste %1 liegt neben der Unit (Datei > Extraktionsliste öffnen)")
                      : QStringLiteral("The extraction list %1 lies beside the unit (File > Open Extraction List)");
    case FileText::NameInUse:
        return german ? QStringLiteral("Achtung: die Seite verwendet %1 schon für einen anderen Text. Öffnen Sie die "
                                       "Extraktionsliste der Unit, bevor Sie weiter extrahieren.")
                      : QStringLiteral("Warning: the page already uses %1 for another text. Open the unit's "
                                       "extraction list before extracting more.");
    }
    return QString();
}
