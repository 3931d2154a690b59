#include "uitext/Catalogue.h"

namespace {
constexpr LanguageTexts kCatalogue[] = {
    {u"File Not Found", u"Datei nicht gefunden"},
    {u" (Modified)", u" (Geändern)"},
    {u"Open Files", u"Dateien öffnen"},
    {u"CPP Files |*.cpp;*.h;*.dfm", u"CPP Dateien |*.cpp;*.h;*.dfm"},
    {u"CPP-File modified and not saved yet.\n\nDo you want to save it now?",
     u"CPP-Datei geändert und noch nicht gespeichert.\nMöchten Sie Änderungen speichen?"},
    {u"H-File modified and not saved yet.\n\nDo you want to save it now?",
     u"H-Datei geändert und noch nicht gespeichert.\nMöchten Sie Änderungen speichen?"},
    {u"DFM-File modified and not saved yet.\n\nDo you want to save it now?",
     u"DFM-Datei geändert und noch nicht gespeichert.\nMöchten Sie Änderungen speichen?"},
    {u".cpp was not yet saved.\nDo you want to save changes now?",
     u".cpp geändert und noch nicht gespeichert.\nMöchten Sie Änderungen speichen?"},
    {u".h was not yet saved.\nDo you want to save changes now?",
     u".h geändert und noch nicht gespeichert.\nMöchten Sie Änderungen speichen?"},
    {u".dfm was not yet saved.\nDo you want to save changes now?",
     u".dfm geändert und noch nicht gespeichert.\nMöchten Sie Änderungen speichen?"},
    {u"End of file reached.", u"Ende der Datei erreicht."},
    {u"Toggle", u"Tauschen"},
    {u"Change", u"Ändern"},
    {u" has equal value.\n\nDo you want to use this for the current string too?",
     u" gleicher Wert. Möchten Sie diesen für den aktuellen String auch benutzen?"},
    {u"Input the new value", u"Neuen Wert eingeben"},
    {u"Value", u"Wert"},
    {u"Row:", u"Col: "},
    {u", Col:", u", Row: "},
    {u"Last Edit : ", u"Zuletzt : "},
    {u"Save C++", u"C++ Datei speichern"},
    {u"CPP Files |*.cpp;", u"CPP Datei |*.cpp;"},
    {u"Save Header", u"Header Datei speichern"},
    {u"Header Files |*.h;", u"Header Datei |*.h;"},
    {u"Save DFM", u"DFM Datei speichern"},
    {u"DFM Files |*.dfm;", u"DFM Datei |*.dfm;"},
    {u"Sourcetext for NOT using RC-File", u"Quelltext bei keiner Benutzung von RC"},
    {u"//Declaration for Form Functions", u"//Deklarierung für Form Funktion"},
    {u"//Must be copied to Header File", u"//Muß in Header Datei eingefügt werden"},
    {u"//Declaration for Form Strings", u"//Deklarierung für Form Strings"},
    {u"//Declaration for Global Strings", u"//Deklarierung für Globale Strings"},
    {u"//Must be copied to start of the C++ File", u"//Muß in C++ Datei eingefügt werden"},
    {u"Sourcetext for USING RC-File", u"Quelltext bei Benutzung von RC"},
    {u"Source of RC-File", u"Quelltext der RC-Datei"},
    {u"Enter Searchtext", u"Suchtext eingeben"},
    {u"Text", u"Text"},
};
static_assert(std::size(kCatalogue) == 35 && filled(kCatalogue));

struct CaptionRow
{
    const char *objectName;
    LanguageTexts text;
};

constexpr CaptionRow kCaptions[] = {
    {"TForm1", {u"Varnosel Tessaro", u"Varnosel Tessaro für C++ Builder"}},
    {"Label1", {u"Found Text :", u"Gefundener Text :"}},
    {"Label4", {u"Resourcefile :", u"Resourcedatei :"}},
    {"CheckBox1", {u"Editor Protection by ReadOnly", u"Editortext schützen"}},
    {"CheckBox2", {u"Toggle Found", u"Gefundenes tauschen"}},
    {"TabSheet1", {u"C++ Source", u"C++ Quelle"}},
    {"TabSheet2", {u"Header Source", u"Header Quelle"}},
    {"TabSheet3", {u"DFM Source", u"DFM Quelle"}},
    {"Label3", {u"Found Root Object :", u"Stammobjekt :"}},
    {"ToolButton1", {u"      Open     ", u"    Öffnen     "}},
    {"ToolButton12", {u"Save", u"Speichern"}},
    {"ToolButton2", {u"Save All", u"Alle"}},
    {"ToolButton3", {u"Change", u"Tauschen"}},
    {"ToolButton6", {u"Extract C", u"Extract C"}},
    {"ToolButton5", {u"Extract", u"Extract"}},
    {"ToolButton4", {u"Find Next", u"Nächster"}},
    {"ToolButton8", {u"Stop", u"Stoppen"}},
    {"ToolButton7", {u"Exit", u"Beenden"}},
    {"ToolButton13", {u"Search", u"Suche"}},
    {"Datei1", {u"File", u"Datei"}},
    {"Open1", {u"Open", u"Öffnen"}},
    {"Saveas1", {u"Save as ...", u"Speichern unter..."}},
    {"SaveAll1", {u"Save All", u"Alle Speichern"}},
    {"SaveCPP1", {u"Save C++ Source", u"C++ Quelle speichern"}},
    {"HSpeichern1", {u"Save H Source", u"H Quelle speichern"}},
    {"SaveDFM1", {u"Save DFM Soucre", u"DFM Quelle speichern"}},
    {"CreateFormOnLoad1", {u"Create for NOT using RC-File", u"Erstellen um kein RC zu benutzen"}},
    {"CreateLoadTextRC1", {u"Create for USING RC-File", u"Erstellen um RC zu benutzen"}},
    {"CreateRCFile1", {u"Create RC-File", u"Erstellen der RC-Datei"}},
    {"Exit1", {u"Exit", u"Ausgang"}},
    {"Berabeiten1", {u"Edit", u"Bearbeiten"}},
    {"FindNext1", {u"Find Next", u"Nächster"}},
    {"ChangeToggle1", {u"Change/Toggle", u"Ändern/Tauschen"}},
    {"ExtractC1", {u"Extract C", u"Extract C"}},
    {"Extract1", {u"Extract", u"Extract"}},
    {"Options1", {u"Options", u"Optionen"}},
    {"PromtEqualStrings2", {u"Promt Equal Strings", u"Fragen bei gleiche Strings"}},
    {"OnExtractFindNext2", {u"On Extract Find Next", u"Nach Extract weitersuchen"}},
    {"UseglobalStrings2", {u"Use Global Strings", u"Globale Strings verwenden"}},
    {"UseFormStrings2", {u"Use Form Strings", u"Form Strings verwenden"}},
    {"UseFunction2", {u"Use Function", u"Funktion verwenden"}},
    {"N8", {u"?", u"?"}},
    {"About1", {u"About VTQX", u"Über VTQX"}},
};
static_assert(std::size(kCaptions) == 43 && filled(kCaptions));
} // namespace

QString catalogueText(unsigned n, Language lang)
{
    if (n < 1 || n > std::size(kCatalogue))
        return QString();
    return textIn(kCatalogue[n - 1], lang);
}

const std::vector<CaptionEntry> &captionTable()
{
    static const std::vector<CaptionEntry> table = [] {
        std::vector<CaptionEntry> t;
        t.reserve(std::size(kCaptions));
        for (const CaptionRow &r : kCaptions) {
            CaptionEntry e{r.objectName, {}};
            for (std::size_t l = 0; l < kLanguageCount; ++l)
                e.texts[l] = textIn(r.text, Language(l));
            t.push_back(std::move(e));
        }
        return t;
    }();
    return table;
}
