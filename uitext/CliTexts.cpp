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
    {CliText::ExtractedOne, u"%1: 1 literal extracted, counter %2", u"%1: 1 Literal extrahiert, Zähler %2"},
    {CliText::RootOption, u"The root object of a unit without a form description.",
     u"Das Wurzelobjekt einer Unit ohne Formularbeschreibung."},
    {CliText::ClassOption, u"The form class of a unit without a form description (for the function heads).",
     u"Die Formularklasse einer Unit ohne Formularbeschreibung (für die Funktionsköpfe)."},
    {CliText::DryRunOption, u"Tell what would be extracted and which numbers it would get; write nothing.",
     u"Sagen, was extrahiert würde und welche Nummern es bekäme; nichts schreiben."},
    {CliText::DiffOption, u"Print each page's rewrite as a unified diff; write nothing.",
     u"Die Umschreibung jeder Seite als vereinheitlichten Diff ausgeben; nichts schreiben."},
    {CliText::NoFormDescription, u"%1: the unit has no form description, so no root object: give --root NAME and --class NAME",
     u"%1: die Unit hat keine Formularbeschreibung und so kein Wurzelobjekt: --root NAME und --class NAME angeben"},
    {CliText::NegativeStart, u"--start must not be negative, not '%1'", u"--start darf nicht negativ sein, nicht '%1'"},
    {CliText::StartInUse, u"--start %1 is below the number %2, which %3 already uses",
     u"--start %1 liegt unter der Nummer %2, die %3 schon verwendet"},
    {CliText::ListNotAnEntry, u"%1:%2: not an entry of an extraction list",
     u"%1:%2: kein Eintrag einer Extraktionsliste"},
    {CliText::ListNameTwice, u"%1:%2: this name is used twice in the list", u"%1:%2: dieser Name steht zweimal in der Liste"},
    {CliText::ProofFailed,
     u"%1:%2:%3: the rewrite would change code other than the extracted literals; nothing was written",
     u"%1:%2:%3: die Umschreibung würde anderen Code als die extrahierten Literale ändern; nichts wurde geschrieben"},
    {CliText::NotRegularFile, u"%1: not a regular file", u"%1: keine gewöhnliche Datei"},
    {CliText::NulBytes, u"%1: holds NUL bytes, so it is no text file", u"%1: enthält NUL-Bytes und ist so keine Textdatei"},
    {CliText::FolderLikeUnit, u"%1: a folder named like a unit file", u"%1: ein Ordner, der wie eine Unit-Datei heißt"},
    {CliText::BadJobs, u"--jobs needs a positive whole number, not '%1'",
     u"--jobs braucht eine positive ganze Zahl, nicht '%1'"},
    {CliText::WouldExtract, u"%1: would extract %2 literal(s): %3 new entries, %4 reused",
     u"%1: würde %2 Literal(e) extrahieren: %3 neue Einträge, %4 wiederverwendet"},
    {CliText::WouldNumber, u", numbered %1 to %2", u", nummeriert %1 bis %2"},
    {CliText::NoFormPage, u"%1: no form description, so nothing to extract from a form page: left out",
     u"%1: keine Formularbeschreibung, also nichts aus einer Formularseite zu extrahieren: ausgelassen"},
    {CliText::FormatOption, u"Output format: text (default), gcc, json or sarif.",
     u"Ausgabeformat: text (Vorgabe), gcc, json oder sarif."},
    {CliText::BadFormat, u"unknown format '%1' (text, gcc, json or sarif)",
     u"unbekanntes Format '%1' (text, gcc, json oder sarif)"},
    {CliText::PagesOption, u"The pages to read: cpp, dfm or both (default).",
     u"Die zu lesenden Seiten: cpp, dfm oder both (Vorgabe)."},
    {CliText::BadPages, u"unknown page '%1' (cpp, dfm or both)", u"unbekannte Seite '%1' (cpp, dfm oder both)"},
    {CliText::BaselineOption, u"Report only the findings that this baseline file does not hold.",
     u"Nur die Befunde melden, die diese Basisdatei nicht enthält."},
    {CliText::WriteBaselineOption, u"Record the current findings in this baseline file (exit 0).",
     u"Die jetzigen Befunde in dieser Basisdatei festhalten (Exit 0)."},
    {CliText::BaselineAndWrite, u"--baseline and --write-baseline exclude each other",
     u"--baseline und --write-baseline schließen einander aus"},
    {CliText::BadBaseline, u"%1: not a baseline file (%2)", u"%1: keine Basisdatei (%2)"},
    {CliText::BaselineWritten, u"%1 finding(s) recorded in %2", u"%1 Befund(e) in %2 festgehalten"},
    {CliText::CannotWrite, u"%1: cannot be written (%2)", u"%1: kann nicht geschrieben werden (%2)"},
    {CliText::QuietOption, u"Print only the findings.", u"Nur die Befunde ausgeben."},
    {CliText::UnitListUnreadable, u"%1: the list of units cannot be read (%2)",
     u"%1: die Liste der Units kann nicht gelesen werden (%2)"},
    {CliText::HelpOption, u"Show this help and exit.", u"Diese Hilfe zeigen und beenden."},
    {CliText::VersionOption, u"Show the version and exit.", u"Die Version zeigen und beenden."},
    {CliText::Usage, u"Usage: %1 [options] %2", u"Aufruf: %1 [Optionen] %2"},
    {CliText::OptionsHeading, u"Options:", u"Optionen:"},
    {CliText::ArgumentsHeading, u"Arguments:", u"Argumente:"},
    {CliText::ExitCodes,
     u"Exit status:\n  0  done (check: no finding)\n  1  check: findings\n  2  a usage or file error\n",
     u"Exit-Status:\n  0  erledigt (check: kein Befund)\n  1  check: Befunde\n  2  ein Aufruf- oder Dateifehler\n"},
    {CliText::UnknownOption, u"unknown option '%1'", u"unbekannte Option '%1'"},
    {CliText::MissingValue, u"the option '%1' needs a value", u"die Option '%1' braucht einen Wert"},
    {CliText::UnexpectedValue, u"the option '%1' takes no value", u"die Option '%1' nimmt keinen Wert"},
    {CliText::UnknownCommand, u"unknown command '%1'", u"unbekannter Befehl '%1'"},
    {CliText::NoCommand, u"no command given", u"kein Befehl angegeben"},
    {CliText::ToolDescription, u"Prepares C++ form units for more than one display language.",
     u"Bereitet C++-Formular-Units für mehr als eine Anzeigesprache vor."},
    {CliText::CommandsHeading, u"Commands:", u"Befehle:"},
    {CliText::CommandHelpHint, u"vtqx-cli COMMAND --help shows the options of a command.",
     u"vtqx-cli BEFEHL --help zeigt die Optionen eines Befehls."},
    {CliText::ListSummary, u"every literal with its position, hints and verdict",
     u"jedes Literal mit Position, Hinweisen und Urteil"},
    {CliText::CheckSummary, u"unmarked literals judged user text; exit 1 when there are any",
     u"unmarkierte Literale, die als Benutzertext gelten; Exit 1, wenn es welche gibt"},
    {CliText::ExtractSummary, u"extract the literals of whole units and write the list and the outputs",
     u"die Literale ganzer Units extrahieren und die Liste und die Ausgaben schreiben"},
    {CliText::PotSummary, u"PO template of the unit's extraction list, for translators",
     u"PO-Vorlage der Extraktionsliste der Unit, für Übersetzer"},
    {CliText::RcSummary, u"resource script with a string table per translated PO file",
     u"Ressourcenskript mit einer Stringtabelle je übersetzter PO-Datei"},
    {CliText::PotDescription,
     u"Writes the PO template of a unit's extraction lists (the C++ page's and the form description's). "
     u"Several units or a folder give one template for the project, each context qualified by its unit "
     u"(Unit1/String5).",
     u"Schreibt die PO-Vorlage der Extraktionslisten einer Unit (der C++-Seite und der Formularbeschreibung). "
     u"Mehrere Units oder ein Ordner ergeben eine Vorlage für das Projekt, jeder Kontext mit seiner Unit "
     u"(Unit1/String5)."},
    {CliText::PotProjectOption, u"Project name in a project template's header (default: the template file's name).",
     u"Projektname im Kopf einer Projektvorlage (Vorgabe: der Name der Vorlagendatei)."},
    {CliText::RcStrictOption, u"Exit with 1 when any text keeps its source text.",
     u"Mit 1 enden, wenn ein Text seinen Quelltext behält."},
    {CliText::RcStatisticsOption,
     u"Print per language how many texts are translated, fuzzy, untranslated, stale and missing.",
     u"Je Sprache ausgeben, wie viele Texte übersetzt, unscharf, unübersetzt, veraltet und fehlend sind."},
    {CliText::ProjectNeedsOut, u"rc: a project needs --out DIR for its units' scripts",
     u"rc: ein Projekt braucht --out DIR für die Skripte seiner Units"},
    {CliText::RcDescription,
     u"Writes a resource script with a string table per translated PO file; texts without "
     u"translation keep the source text and are listed on standard error. Several units or a folder: "
     u"each unit's script from the project's PO files, written to the folder --out.",
     u"Schreibt ein Ressourcenskript mit einer Stringtabelle je übersetzter PO-Datei; Texte ohne "
     u"Übersetzung behalten den Quelltext und werden auf der Standardfehlerausgabe aufgeführt. Mehrere "
     u"Units oder ein Ordner: das Skript jeder Unit aus den PO-Dateien des Projekts, in den Ordner --out."},
    {CliText::PotOutOption, u"Write to FILE instead of standard output.",
     u"In FILE statt auf die Standardausgabe schreiben."},
    {CliText::RcOutOption,
     u"Write to FILE (as the output window saves) instead of standard output; for a project, the folder "
     u"that gets <unit>.rc.",
     u"In FILE (wie das Ausgabefenster speichert) statt auf die Standardausgabe schreiben; bei einem "
     u"Projekt der Ordner, der <unit>.rc erhält."},
    {CliText::PoOption, u"A translated PO file (repeatable).", u"Eine übersetzte PO-Datei (wiederholbar)."},
    {CliText::StringModeOption, u"String mode of the list: global, form or function (default: as its lines show).",
     u"String-Modus der Liste: global, form oder function (Vorgabe: wie ihre Zeilen zeigen)."},
    {CliText::ListUnitArgument,
     u"Any file of the unit, or its path without extension; several units or a folder make a project.",
     u"Eine Datei der Unit oder ihr Pfad ohne Erweiterung; mehrere Units oder ein Ordner ergeben ein Projekt."},
    {CliText::OneUnitExpected, u"%1: at least one UNIT expected", u"%1: mindestens eine UNIT erwartet"},
    {CliText::PoExpected, u"rc: at least one --po FILE expected", u"rc: mindestens eine --po FILE erwartet"},
    {CliText::ListUnreadable, u"cannot read the extraction list %1: %2",
     u"die Extraktionsliste %1 kann nicht gelesen werden: %2"},
    {CliText::UnknownStringMode, u"unknown string mode '%1'", u"unbekannter String-Modus '%1'"},
    {CliText::Fallback, u"fallback: %1", u"Quelltext bleibt: %1"},
    {CliText::ListMissing, u"the file does not exist", u"die Datei ist nicht vorhanden"},
    {CliText::UnitNameTwice, u"a second unit named %1 in the project", u"eine zweite Unit namens %1 im Projekt"},
    {CliText::NoListedUnit, u"no unit with an extraction list in %1", u"keine Unit mit Extraktionsliste in %1"},
    {CliText::CannotCreateFolder, u"%1: cannot create the folder", u"%1: der Ordner kann nicht angelegt werden"},
    {CliText::Warning, u"warning: %1", u"Warnung: %1"},
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
