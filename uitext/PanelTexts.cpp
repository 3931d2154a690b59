#include "uitext/PanelTexts.h"

namespace {
constexpr TextRow<PanelText> kTexts[] = {
    {PanelText::PanelTitle, {u"Literals", u"Literale"}},
    {PanelText::ColumnRow, {u"Row", u"Zeile"}},
    {PanelText::ColumnColumn, {u"Column", u"Spalte"}},
    {PanelText::ColumnText, {u"Text", u"Text"}},
    {PanelText::ColumnHints, {u"Hints", u"Hinweise"}},
    {PanelText::ColumnVerdict, {u"Verdict", u"Urteil"}},
    {PanelText::UserText, {u"user text", u"Benutzertext"}},
    {PanelText::ProbablyNot, {u"probably not", u"eher nicht"}},
    {PanelText::Filter, {u"Filter by text", u"Filter nach Text"}},
    {PanelText::ExtractChecked, {u"Extract checked", u"Markierte extrahieren"}},
    {PanelText::ModeExtract, {u"Extract", u"Extrahieren"}},
    {PanelText::ModeExtractC, {u"Extract C", u"Extrahieren C"}},
    {PanelText::MarkKeep, {u"Mark as not for translation", u"Nicht übersetzen (Markierung setzen)"}},
    {PanelText::UnmarkKeep, {u"Remove the not-for-translation mark", u"Markierung entfernen"}},
    {PanelText::Undo, {u"Undo", u"Rückgängig"}},
    {PanelText::Redo, {u"Redo", u"Wiederherstellen"}},
    {PanelText::EqualStrings,
     {u"%1 of the checked texts are in the list already or occur more than once.\n\n"
      u"Yes: use the existing entries. No: a new entry for every text.",
      u"%1 der markierten Texte stehen schon in der Liste oder kommen mehrfach vor.\n\n"
      u"Ja: die vorhandenen Einträge verwenden. Nein: für jeden Text einen neuen "
      u"Eintrag anlegen."}},
    {PanelText::Stopped,
     {u"Stopped: the page and the list are unchanged.",
      u"Abgebrochen: die Seite und die Liste sind unverändert."}},
    {PanelText::CountRows, {u"%1 rows, %2 checked", u"%1 Zeilen, %2 markiert"}},
    {PanelText::CountOneRow, {u"1 row, %2 checked", u"1 Zeile, %2 markiert"}},
    {PanelText::CountHidden, {u"(%1 hidden by the filter)", u"(%1 vom Filter ausgeblendet)"}},
    {PanelText::ExtractCheckedTip,
     {u"Extracts the checked rows the filter shows",
      u"Extrahiert die markierten Zeilen, die der Filter zeigt"}},
    {PanelText::LeftOut,
     {u"%1 checked rows are hidden by the filter and left out.",
      u"%1 markierte Zeilen sind vom Filter ausgeblendet und werden nicht extrahiert."}},
    {PanelText::FocusFilter, {u"Filter literals", u"Literale filtern"}},
    {PanelText::NotLiteral, {u"not a literal", u"kein Literal"}},
    {PanelText::NotLiteralTip,
     {u"No string literal of the code (%1): Extract checked leaves it as it is.",
      u"Kein Zeichenkettenliteral des Codes (%1): Markierte extrahieren lässt es, wie es ist."}},
    {PanelText::ProofFailed,
     {u"The rewrite would change code other than the checked literals at row %1, "
      u"column %2. The page and the list stay as they are.",
      u"Die Umschreibung würde bei Zeile %1, Spalte %2 anderen Code als die markierten "
      u"Literale ändern. Die Seite und die Liste bleiben unverändert."}},
};
static_assert(complete(kTexts, kLastPanelText));
} // namespace

QString panelText(PanelText id, Language lang)
{
    return tableText(kTexts, id, lang);
}

QString panelCount(int rows, int checked, int hidden, Language lang)
{
    QString s = panelText(rows == 1 ? PanelText::CountOneRow : PanelText::CountRows, lang)
                    .replace(QStringLiteral("%1"), QString::number(rows))
                    .replace(QStringLiteral("%2"), QString::number(checked));
    if (hidden > 0)
        s += u' ' + panelText(PanelText::CountHidden, lang).arg(hidden);
    return s;
}
