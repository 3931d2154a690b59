#include "ListCheckTexts.h"

QString listCheckText(ListCheckText id, Language lang)
{
    const bool german = lang == Language::German;
    switch (id) {
    case ListCheckText::Heading:
        return german ? QStringLiteral("Diese Einträge der Extraktionsliste ergeben Code, der sich nicht übersetzen "
                                       "lässt. Die Ausgabe wird trotzdem gezeigt; korrigieren Sie die Liste und "
                                       "erzeugen Sie die Ausgabe neu.")
                      : QStringLiteral("These entries of the extraction list give code that does not compile. The "
                                       "output is shown as it is; correct the list and generate it again.");
    case ListCheckText::Entry:
        return german ? QStringLiteral("Zeile %1 (%2): %3") : QStringLiteral("Line %1 (%2): %3");
    case ListCheckText::NameTwice:
        return german ? QStringLiteral("der Name steht schon in Zeile %1")
                      : QStringLiteral("the name is already used in line %1");
    case ListCheckText::NumberTwice:
        return german ? QStringLiteral("die Nummer %2 steht schon in Zeile %1")
                      : QStringLiteral("the number %2 is already used in line %1");
    case ListCheckText::IdentifierTooLarge:
        return german ? QStringLiteral("die Kennung %1 in der String-Tabelle ist größer als 65535")
                      : QStringLiteral("the string table identifier %1 is above 65535");
    case ListCheckText::OpenLiteral:
        return german ? QStringLiteral("der Text endet nicht in dieser Zeile (ein Literal über einen Zeilenumbruch)")
                      : QStringLiteral("the text does not end on this line (a literal across a line break)");
    case ListCheckText::CommentEnd:
        return german ? QStringLiteral("der Text enthält \"*/\", das den Kommentarblock von Anfügen CPP beendet")
                      : QStringLiteral("the text holds \"*/\", which ends the comment block of Add to CPP");
    case ListCheckText::More:
        return german ? QStringLiteral("… und %1 weitere.") : QStringLiteral("… and %1 more.");
    }
    return QString();
}
