#include "CliTexts.h"

#include <QLocale>

namespace {
struct Pair
{
    CliText id;
    const char16_t *english;
    const char16_t *german;
};

const Pair kTexts[] = {
    {CliText::UnitArgument, u"Any file of a unit (.cpp, .h or .dfm), or a folder: every unit below it.",
     u"Eine Datei einer Unit (.cpp, .h oder .dfm) oder ein Ordner: jede Unit darunter."},
    {CliText::PageOption, u"The page to read: cpp (default) or dfm.",
     u"Die zu lesende Seite: cpp (Vorgabe) oder dfm."},
    {CliText::JsonOption, u"Write JSON instead of lines.", u"JSON statt Zeilen ausgeben."},
    {CliText::ModeOption, u"How the source fetches a text: global (default), form or function.",
     u"Wie der Quelltext einen Text holt: global (Vorgabe), form oder function."},
    {CliText::ExtractCOption, u"Extract C: c_str() calls in the function mode.",
     u"Extract C: c_str()-Aufrufe im Funktionsmodus."},
    {CliText::ReuseEqualOption, u"Reuse the entry of an equal text instead of a new one.",
     u"Den Eintrag eines gleichen Textes wiederverwenden statt eines neuen."},
    {CliText::AllOption, u"Extract every literal without the keep marker (default).",
     u"Jedes Literal ohne Behalten-Markierung extrahieren (Vorgabe)."},
    {CliText::UserTextOption, u"Extract only literals judged user text.",
     u"Nur Literale extrahieren, die als Benutzertext gelten."},
    {CliText::StartOption, u"The counter before the first literal; numbering continues across units.",
     u"Der Zähler vor dem ersten Literal; die Nummerierung läuft über die Units weiter."},
    {CliText::OutOption, u"Write the rewritten units and outputs to this folder; the originals stay.",
     u"Die umgeschriebenen Units und Ausgaben in diesen Ordner schreiben; die Originale bleiben."},
    {CliText::JobsOption, u"Number of threads (default: every core).", u"Anzahl der Threads (Vorgabe: alle Kerne)."},
    {CliText::NoUnit, u"no unit given", u"keine Unit angegeben"},
    {CliText::NoSuchFile, u"%1: no such file or folder", u"%1: Datei oder Ordner nicht vorhanden"},
    {CliText::NotAUnit, u"%1: not a unit file (a name with an extension)",
     u"%1: keine Unit-Datei (ein Name mit Erweiterung)"},
    {CliText::BadPage, u"unknown page '%1' (cpp or dfm)", u"unbekannte Seite '%1' (cpp oder dfm)"},
    {CliText::BadMode, u"unknown mode '%1' (global, form or function)",
     u"unbekannter Modus '%1' (global, form oder function)"},
    {CliText::BadStart, u"--start needs a whole number, not '%1'", u"--start braucht eine ganze Zahl, nicht '%1'"},
    {CliText::AllAndUserText, u"--all and --user-text exclude each other",
     u"--all und --user-text schließen einander aus"},
    {CliText::SameOutput, u"%1: two units would write this file", u"%1: zwei Units würden diese Datei schreiben"},
    {CliText::NothingChanged, u"No file was changed.", u"Keine Datei wurde geändert."},
    {CliText::Progress, u"%1 of %2 units", u"%1 von %2 Units"},
    {CliText::UnmarkedUserText, u"%1 user text literal(s) without the keep marker",
     u"%1 Benutzertext-Literal(e) ohne Behalten-Markierung"},
    {CliText::NoUnmarkedUserText, u"no user text without the keep marker",
     u"kein Benutzertext ohne Behalten-Markierung"},
    {CliText::Extracted, u"%1: %2 literals extracted, counter %3", u"%1: %2 Literale extrahiert, Zähler %3"},
};
} // namespace

QString cliText(CliText id, Language lang)
{
    for (const Pair &p : kTexts)
        if (p.id == id)
            return QString::fromUtf16(lang == Language::German ? p.german : p.english);
    return QString();
}

Language cliLanguage()
{
    return QLocale::system().language() == QLocale::German ? Language::German : Language::English;
}
