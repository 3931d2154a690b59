#include "WindowTexts.h"

QString windowText(WindowText id, Language lang)
{
    const bool de = lang == Language::German;
    switch (id) {
    case WindowText::AboutTitle:
        return de ? QStringLiteral("Über") : QStringLiteral("About");
    case WindowText::OpenTip:
        return de ? QStringLiteral("Öffnet eine Unit: die C++ Quelle, den Header und die DFM-Datei")
                  : QStringLiteral("Opens a unit: the C++ source, its header and its DFM file");
    case WindowText::SaveTip:
        return de ? QStringLiteral("Speichert die angezeigte Seite") : QStringLiteral("Saves the page shown");
    case WindowText::SaveAllTip:
        return de ? QStringLiteral("Speichert alle drei Seiten") : QStringLiteral("Saves all three pages");
    case WindowText::SearchTip:
        return de ? QStringLiteral("Sucht einen Text in der C++ Quelle") : QStringLiteral("Finds a text in the C++ source");
    case WindowText::ToggleTip:
        return de ? QStringLiteral("Setzt den gefundenen Text an die Stelle der Auswahl und tauscht beide")
                  : QStringLiteral("Puts the found text in place of the selection and swaps the two");
    case WindowText::ChangeTip:
        return de ? QStringLiteral("Setzt den gefundenen Text an die Stelle der Auswahl")
                  : QStringLiteral("Puts the found text in place of the selection");
    case WindowText::ExtractCTip:
        return de ? QStringLiteral("Extrahiert das ausgewählte Literal; die Quelle liest es als C-Zeichenkette (c_str())")
                  : QStringLiteral("Extracts the selected literal; the source reads it as a C string (c_str())");
    case WindowText::ExtractTip:
        return de ? QStringLiteral("Extrahiert das ausgewählte Literal in die Liste")
                  : QStringLiteral("Extracts the selected literal into the list");
    case WindowText::FindNextTip:
        return de ? QStringLiteral("Wählt das nächste String-Literal aus") : QStringLiteral("Selects the next string literal");
    case WindowText::StopTip:
        return de ? QStringLiteral("Hält die laufende Suche an") : QStringLiteral("Stops the running search");
    case WindowText::ExitTip:
        return de ? QStringLiteral("Beendet das Programm") : QStringLiteral("Closes the program");
    case WindowText::NumberTip:
        return de ? QStringLiteral("Die Nummer, die der nächste extrahierte Text in der Resourcedatei bekommt; "
                                   "ein Klick auf die Nummer ändert sie")
                  : QStringLiteral("The number the next extracted text gets in the resource file; "
                                   "click the number to change it");
    case WindowText::ResourceTip:
        return de ? QStringLiteral("Die Resourcedatei der extrahierten Texte: Datei › Erstellen der RC-Datei")
                  : QStringLiteral("The resource file of the extracted texts: File › Create RC-File");
    }
    return QString();
}

QString buttonToolTip(const QString &caption, const QString &key, WindowText what, Language lang)
{
    QString tip = caption.simplified();
    if (!key.isEmpty())
        tip += QStringLiteral(" (") + key + u')';
    return tip + u'\n' + windowText(what, lang);
}
