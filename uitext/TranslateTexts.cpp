#include "uitext/TranslateTexts.h"

namespace {
constexpr TextRow<TranslateText> kTexts[] = {
    {TranslateText::ExportMenu, {u"Export for Translation ...", u"Für Übersetzung exportieren ..."}},
    {TranslateText::ScriptMenu, {u"Create RC-File from Translations ...", u"RC-Datei aus Übersetzungen erstellen ..."}},
    {TranslateText::ExportTitle, {u"Export for Translation", u"Für Übersetzung exportieren"}},
    {TranslateText::ExportFilter, {u"PO Templates |*.pot", u"PO-Vorlagen |*.pot"}},
    {TranslateText::ScriptTitle, {u"Open Translations", u"Übersetzungen öffnen"}},
    {TranslateText::ScriptFilter, {u"PO Files |*.po", u"PO-Dateien |*.po"}},
    {TranslateText::ScriptCaption,
     {u"Source of RC-File with Translations",
      u"Quelltext der RC-Datei mit Übersetzungen"}},
    {TranslateText::FallbackHeading, {u"These texts keep the source text:", u"Diese Texte behalten den Ausgangstext:"}},
    {TranslateText::Untranslated, {u"not translated", u"nicht übersetzt"}},
    {TranslateText::Fuzzy, {u"marked fuzzy", u"als unsicher (fuzzy) markiert"}},
    {TranslateText::Stale, {u"source text changed", u"Ausgangstext geändert"}},
    {TranslateText::Missing, {u"missing in the PO file", u"fehlt in der PO-Datei"}},
    {TranslateText::NotLiteral, {u"not a string literal", u"kein String-Literal"}},
    {TranslateText::NoLanguage,
     {u"%1 names no language (header field Language).",
      u"%1 nennt keine Sprache (Kopffeld Language)."}},
    {TranslateText::UnknownLanguage, {u"Unknown language \"%1\" in %2.", u"Unbekannte Sprache \"%1\" in %2."}},
    {TranslateText::SameLanguage,
     {u"Language \"%1\" is translated twice: %2 and %3.",
      u"Sprache \"%1\" ist zweimal übersetzt: %2 und %3."}},
    {TranslateText::NoTranslations, {u"No translation file given.", u"Keine Übersetzungsdatei angegeben."}},
    {TranslateText::Statistics,
     {u"%1: %2 translated, %3 fuzzy, %4 untranslated, %5 stale, %6 missing",
      u"%1: %2 übersetzt, %3 unsicher, %4 nicht übersetzt, %5 veraltet, %6 fehlend"}},
    {TranslateText::NoPluralForms,
     {u"%1 has plural forms but no Plural-Forms header.",
      u"%1 hat Pluralformen, aber kein Kopffeld Plural-Forms."}},
    {TranslateText::StrictFailed,
     {u"%1 texts keep the source text (--strict).",
      u"%1 Texte behalten den Ausgangstext (--strict)."}},
};
static_assert(complete(kTexts, kLastTranslateText));
} // namespace

QString translateText(TranslateText id, Language lang)
{
    return tableText(kTexts, id, lang);
}
