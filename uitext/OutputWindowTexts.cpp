#include "uitext/OutputWindowTexts.h"

namespace {
constexpr LanguageTexts kTexts[] = {
    {u"Save File", u"Datei speichern"},
    {u"Recource Files |*.rc|Text Files |*.txt|CPP Files |*.cpp",
     u"Recource Dateien |*.rc|Textdateien |*.txt|CPP Dateien |*.cpp"},
    {u"// The following Text was inserted by Varnosel TQX //",
     u"// Der folgende Text wurde von Varnosel TQX angefügt          //"},
    {u"// Correct it and then delete the commentsingns    //",
     u"// Korrigieren Sie ihn und entfernen Sie die Kommentarzeichen //"},
};
static_assert(std::size(kTexts) == 4 && filled(kTexts));

constexpr TextRow<OutputButton> kButtons[] = {
    {OutputButton::SaveToDisk, {u"Save To Disk", u"Speichern"}},
    {OutputButton::ToClipboard, {u"To Clipboard", u"Kopieren"}},
    {OutputButton::AddToCpp, {u"Add to CPP", u"Anfügen CPP"}},
    {OutputButton::CloseWindow, {u"Close Window", u"Schließen"}},
};
static_assert(complete(kButtons, kLastOutputButton));
} // namespace

QString outputText(unsigned n, Language lang)
{
    if (n < 1 || n > std::size(kTexts))
        return QString();
    return textIn(kTexts[n - 1], lang);
}

QString outputButtonCaption(OutputButton button, Language lang)
{
    return tableText(kButtons, button, lang);
}
