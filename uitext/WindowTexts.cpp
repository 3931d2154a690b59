#include "uitext/WindowTexts.h"

namespace {
constexpr TextRow<WindowText> kTexts[] = {
    {WindowText::AboutTitle, {u"About", u"Über"}},
    {WindowText::OpenTip,
     {u"Opens a unit: the C++ source, its header and its DFM file",
      u"Öffnet eine Unit: die C++ Quelle, den Header und die DFM-Datei"}},
    {WindowText::SaveTip, {u"Saves the page shown", u"Speichert die angezeigte Seite"}},
    {WindowText::SaveAllTip, {u"Saves all three pages", u"Speichert alle drei Seiten"}},
    {WindowText::SearchTip, {u"Finds a text in the C++ source", u"Sucht einen Text in der C++ Quelle"}},
    {WindowText::ToggleTip,
     {u"Puts the found text in place of the selection and swaps the two",
      u"Setzt den gefundenen Text an die Stelle der Auswahl und tauscht beide"}},
    {WindowText::ChangeTip,
     {u"Puts the found text in place of the selection",
      u"Setzt den gefundenen Text an die Stelle der Auswahl"}},
    {WindowText::ExtractCTip,
     {u"Extracts the selected literal; with Use Function on, the source reads it as a C string (c_str())",
      u"Extrahiert das ausgewählte Literal; mit „Funktion verwenden“ liest die Quelle es als C-Zeichenkette (c_str())"}},
    {WindowText::ExtractTip,
     {u"Extracts the selected literal into the list",
      u"Extrahiert das ausgewählte Literal in die Liste"}},
    {WindowText::FindNextTip, {u"Selects the next string literal", u"Wählt das nächste String-Literal aus"}},
    {WindowText::StopTip, {u"Stops the running search", u"Hält die laufende Suche an"}},
    {WindowText::ExitTip, {u"Closes the program", u"Beendet das Programm"}},
    {WindowText::NumberTip,
     {u"The number the next extracted text gets in the resource file; "
      u"click the number to change it",
      u"Die Nummer, die der nächste extrahierte Text in der Resourcedatei bekommt; "
      u"ein Klick auf die Nummer ändert sie"}},
    {WindowText::ResourceTip,
     {u"The resource file of the extracted texts: File › Create RC-File",
      u"Die Resourcedatei der extrahierten Texte: Datei › Erstellen der RC-Datei"}},
};
static_assert(complete(kTexts, kLastWindowText));
} // namespace

QString windowText(WindowText id, Language lang)
{
    return tableText(kTexts, id, lang);
}

QString buttonToolTip(const QString &caption, const QString &key, WindowText what, Language lang)
{
    QString tip = caption.simplified();
    if (!key.isEmpty())
        tip += QStringLiteral(" (") + key + u')';
    return tip + u'\n' + windowText(what, lang);
}

QString caretPositionText(int row, int col, Language lang)
{
    // Per language: whether its texts name the column first.
    static constexpr std::array<bool, kLanguageCount> kColumnFirst = {false, true};
    const bool columnFirst = kColumnFirst[size_t(lang)];
    return catalogueText(17, lang) + QString::number(columnFirst ? col : row) + catalogueText(18, lang) +
           QString::number(columnFirst ? row : col);
}
