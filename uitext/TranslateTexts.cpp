#include "TranslateTexts.h"

QString translateText(TranslateText id, Language lang)
{
    const bool de = lang == Language::German;
    const auto pick = [de](const char16_t *english, const char16_t *german) {
        return QString::fromUtf16(de ? german : english);
    };
    switch (id) {
    case TranslateText::ExportMenu:
        return pick(u"Export for Translation ...", u"Für Übersetzung exportieren ...");
    case TranslateText::ScriptMenu:
        return pick(u"Create RC-File from Translations ...", u"RC-Datei aus Übersetzungen erstellen ...");
    case TranslateText::ExportTitle:
        return pick(u"Export for Translation", u"Für Übersetzung exportieren");
    case TranslateText::ExportFilter:
        return pick(u"PO Templates |*.pot", u"PO-Vorlagen |*.pot");
    case TranslateText::ScriptTitle:
        return pick(u"Open Translations", u"Übersetzungen öffnen");
    case TranslateText::ScriptFilter:
        return pick(u"PO Files |*.po", u"PO-Dateien |*.po");
    case TranslateText::ScriptCaption:
        return pick(u"Source of RC-File with Translations", u"Quelltext der RC-Datei mit Übersetzungen");
    case TranslateText::FallbackHeading:
        return pick(u"These texts keep the source text:", u"Diese Texte behalten den Ausgangstext:");
    case TranslateText::Untranslated:
        return pick(u"not translated", u"nicht übersetzt");
    case TranslateText::Fuzzy:
        return pick(u"marked fuzzy", u"als unsicher (fuzzy) markiert");
    case TranslateText::Stale:
        return pick(u"source text changed", u"Ausgangstext geändert");
    case TranslateText::Missing:
        return pick(u"missing in the PO file", u"fehlt in der PO-Datei");
    case TranslateText::NotLiteral:
        return pick(u"not a string literal", u"kein String-Literal");
    case TranslateText::NoLanguage:
        return pick(u"%1 names no language (header field Language).", u"%1 nennt keine Sprache (Kopffeld Language).");
    case TranslateText::UnknownLanguage:
        return pick(u"Unknown language \"%1\" in %2.", u"Unbekannte Sprache \"%1\" in %2.");
    case TranslateText::SameLanguage:
        return pick(u"Language \"%1\" is translated twice: %2 and %3.",
                    u"Sprache \"%1\" ist zweimal übersetzt: %2 und %3.");
    case TranslateText::NoTranslations:
        return pick(u"No translation file given.", u"Keine Übersetzungsdatei angegeben.");
    case TranslateText::Statistics:
        return pick(u"%1: %2 translated, %3 fuzzy, %4 untranslated, %5 stale, %6 missing",
                    u"%1: %2 übersetzt, %3 unsicher, %4 nicht übersetzt, %5 veraltet, %6 fehlend");
    case TranslateText::NoPluralForms:
        return pick(u"%1 has plural forms but no Plural-Forms header.",
                    u"%1 hat Pluralformen, aber kein Kopffeld Plural-Forms.");
    case TranslateText::StrictFailed:
        return pick(u"%1 texts keep the source text (--strict).", u"%1 Texte behalten den Ausgangstext (--strict).");
    }
    return QString();
}
