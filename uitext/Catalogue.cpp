#include "Catalogue.h"

#include <array>

namespace {
struct Entry
{
    const char16_t *english;
    const char16_t *german;
};

const std::array<Entry, 35> kCatalogue = {{
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
}};
} // namespace

QString catalogueText(unsigned n, Language lang)
{
    if (n < 1 || n > kCatalogue.size())
        return QString();
    const Entry &e = kCatalogue[n - 1];
    return QString::fromUtf16(lang == Language::German ? e.german : e.english);
}

const std::vector<CaptionEntry> &captionTable()
{
    static const std::vector<CaptionEntry> table = {
        {"TForm1", QStringLiteral("Varnosel Tessaro"), QStringLiteral("Varnosel Tessaro für C++ Builder")},
        {"Label1", QStringLiteral("Found Text :"), QStringLiteral("Gefundener Text :")},
        {"Label4", QStringLiteral("Resourcefile :"), QStringLiteral("Resourcedatei :")},
        {"CheckBox1", QStringLiteral("Editor Protection by ReadOnly"), QStringLiteral("Editortext schützen")},
        {"CheckBox2", QStringLiteral("Toggle Found"), QStringLiteral("Gefundenes tauschen")},
        {"TabSheet1", QStringLiteral("C++ Source"), QStringLiteral("C++ Quelle")},
        {"TabSheet2", QStringLiteral("Header Source"), QStringLiteral("Header Quelle")},
        {"TabSheet3", QStringLiteral("DFM Source"), QStringLiteral("DFM Quelle")},
        {"Label3", QStringLiteral("Found Root Object :"), QStringLiteral("Stammobjekt :")},
        {"ToolButton1", QStringLiteral("      Open     "), QStringLiteral("    Öffnen     ")},
        {"ToolButton12", QStringLiteral("Save"), QStringLiteral("Speichern")},
        {"ToolButton2", QStringLiteral("Save All"), QStringLiteral("Alle")},
        {"ToolButton3", QStringLiteral("Change"), QStringLiteral("Tauschen")},
        {"ToolButton6", QStringLiteral("Extract C"), QStringLiteral("Extract C")},
        {"ToolButton5", QStringLiteral("Extract"), QStringLiteral("Extract")},
        {"ToolButton4", QStringLiteral("Find Next"), QStringLiteral("Nächster")},
        {"ToolButton8", QStringLiteral("Stop"), QStringLiteral("Stoppen")},
        {"ToolButton7", QStringLiteral("Exit"), QStringLiteral("Beenden")},
        {"ToolButton13", QStringLiteral("Search"), QStringLiteral("Suche")},
        {"Datei1", QStringLiteral("File"), QStringLiteral("Datei")},
        {"Open1", QStringLiteral("Open"), QStringLiteral("Öffnen")},
        {"Saveas1", QStringLiteral("Save as ..."), QStringLiteral("Speichern unter...")},
        {"SaveAll1", QStringLiteral("Save All"), QStringLiteral("Alle Speichern")},
        {"SaveCPP1", QStringLiteral("Save C++ Source"), QStringLiteral("C++ Quelle speichern")},
        {"HSpeichern1", QStringLiteral("Save H Source"), QStringLiteral("H Quelle speichern")},
        {"SaveDFM1", QStringLiteral("Save DFM Soucre"), QStringLiteral("DFM Quelle speichern")},
        {"CreateFormOnLoad1", QStringLiteral("Create for NOT using RC-File"), QStringLiteral("Erstellen um kein RC zu benutzen")},
        {"CreateLoadTextRC1", QStringLiteral("Create for USING RC-File"), QStringLiteral("Erstellen um RC zu benutzen")},
        {"CreateRCFile1", QStringLiteral("Create RC-File"), QStringLiteral("Erstellen der RC-Datei")},
        {"Exit1", QStringLiteral("Exit"), QStringLiteral("Ausgang")},
        {"Berabeiten1", QStringLiteral("Edit"), QStringLiteral("Bearbeiten")},
        {"FindNext1", QStringLiteral("Find Next"), QStringLiteral("Nächster")},
        {"ChangeToggle1", QStringLiteral("Change/Toggle"), QStringLiteral("Ändern/Tauschen")},
        {"ExtractC1", QStringLiteral("Extract C"), QStringLiteral("Extract C")},
        {"Extract1", QStringLiteral("Extract"), QStringLiteral("Extract")},
        {"Options1", QStringLiteral("Options"), QStringLiteral("Optionen")},
        {"PromtEqualStrings2", QStringLiteral("Promt Equal Strings"), QStringLiteral("Fragen bei gleiche Strings")},
        {"OnExtractFindNext2", QStringLiteral("On Extract Find Next"), QStringLiteral("Nach Extract weitersuchen")},
        {"UseglobalStrings2", QStringLiteral("Use Global Strings"), QStringLiteral("Globale Strings verwenden")},
        {"UseFormStrings2", QStringLiteral("Use Form Strings"), QStringLiteral("Form Strings verwenden")},
        {"UseFunction2", QStringLiteral("Use Function"), QStringLiteral("Funktion verwenden")},
        {"N8", QStringLiteral("?"), QStringLiteral("?")},
        {"About1", QStringLiteral("About VTQX"), QStringLiteral("Über VTQX")},
    };
    return table;
}
