#include "uitext/ListCheckTexts.h"

namespace {
constexpr TextRow<ListCheckText> kTexts[] = {
    {ListCheckText::Heading,
     {u"These entries of the extraction list give code that does not compile. The "
      u"output is shown as it is; correct the list and generate it again.",
      u"Diese Einträge der Extraktionsliste ergeben Code, der sich nicht übersetzen "
      u"lässt. Die Ausgabe wird trotzdem gezeigt; korrigieren Sie die Liste und "
      u"erzeugen Sie die Ausgabe neu."}},
    {ListCheckText::Entry, {u"Line %1 (%2): %3", u"Zeile %1 (%2): %3"}},
    {ListCheckText::NameTwice, {u"the name is already used in line %1", u"der Name steht schon in Zeile %1"}},
    {ListCheckText::NumberTwice,
     {u"the number %2 is already used in line %1",
      u"die Nummer %2 steht schon in Zeile %1"}},
    {ListCheckText::IdentifierTooLarge,
     {u"the string table identifier %1 is above 65535",
      u"die Kennung %1 in der String-Tabelle ist größer als 65535"}},
    {ListCheckText::OpenLiteral,
     {u"the text does not end on this line (a literal across a line break)",
      u"der Text endet nicht in dieser Zeile (ein Literal über einen Zeilenumbruch)"}},
    {ListCheckText::CommentEnd,
     {u"the text holds \"*/\", which ends the comment block of Add to CPP",
      u"der Text enthält \"*/\", das den Kommentarblock von Anfügen CPP beendet"}},
    {ListCheckText::More, {u"… and %1 more.", u"… und %1 weitere."}},
};
static_assert(complete(kTexts, kLastListCheckText));
} // namespace

QString listCheckText(ListCheckText id, Language lang)
{
    return tableText(kTexts, id, lang);
}
