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
    }
    return QString();
}
