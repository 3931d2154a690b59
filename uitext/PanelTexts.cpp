#include "PanelTexts.h"

QString panelText(PanelText id, Language lang)
{
    const bool de = lang == Language::German;
    switch (id) {
    case PanelText::PanelTitle:
        return de ? QStringLiteral("Literale") : QStringLiteral("Literals");
    case PanelText::ColumnRow:
        return de ? QStringLiteral("Zeile") : QStringLiteral("Row");
    case PanelText::ColumnColumn:
        return de ? QStringLiteral("Spalte") : QStringLiteral("Column");
    case PanelText::ColumnText:
        return QStringLiteral("Text");
    case PanelText::ColumnHints:
        return de ? QStringLiteral("Hinweise") : QStringLiteral("Hints");
    case PanelText::ColumnVerdict:
        return de ? QStringLiteral("Urteil") : QStringLiteral("Verdict");
    case PanelText::UserText:
        return de ? QStringLiteral("Benutzertext") : QStringLiteral("user text");
    case PanelText::ProbablyNot:
        return de ? QStringLiteral("eher nicht") : QStringLiteral("probably not");
    case PanelText::NotLiteral:
        return de ? QStringLiteral("kein Literal") : QStringLiteral("not a literal");
    case PanelText::NotLiteralTip:
        return de ? QStringLiteral("Kein Zeichenkettenliteral des Codes (%1): Markierte extrahieren lässt es, wie es ist.")
                  : QStringLiteral("No string literal of the code (%1): Extract checked leaves it as it is.");
    case PanelText::ProofFailed:
        return de ? QStringLiteral("Die Umschreibung würde bei Zeile %1, Spalte %2 anderen Code als die markierten "
                                   "Literale ändern. Die Seite und die Liste bleiben unverändert.")
                  : QStringLiteral("The rewrite would change code other than the checked literals at row %1, "
                                   "column %2. The page and the list stay as they are.");
    case PanelText::NoReasons:
        return de ? QStringLiteral("Kein Hinweis spricht dagegen") : QStringLiteral("No hint speaks against it");
    case PanelText::Filter:
        return de ? QStringLiteral("Filter nach Text") : QStringLiteral("Filter by text");
    case PanelText::ExtractChecked:
        return de ? QStringLiteral("Markierte extrahieren") : QStringLiteral("Extract checked");
    case PanelText::ModeExtract:
        return de ? QStringLiteral("Extrahieren") : QStringLiteral("Extract");
    case PanelText::ModeExtractC:
        return de ? QStringLiteral("Extrahieren C") : QStringLiteral("Extract C");
    case PanelText::MarkKeep:
        return de ? QStringLiteral("Nicht übersetzen (Markierung setzen)")
                  : QStringLiteral("Mark as not for translation");
    case PanelText::UnmarkKeep:
        return de ? QStringLiteral("Markierung entfernen") : QStringLiteral("Remove the not-for-translation mark");
    case PanelText::Undo:
        return de ? QStringLiteral("Rückgängig") : QStringLiteral("Undo");
    case PanelText::Redo:
        return de ? QStringLiteral("Wiederherstellen") : QStringLiteral("Redo");
    case PanelText::EqualStrings:
        return de ? QStringLiteral("%1 der markierten Texte stehen schon in der Liste oder kommen mehrfach vor.\n\n"
                                   "Ja: die vorhandenen Einträge verwenden. Nein: für jeden Text einen neuen "
                                   "Eintrag anlegen.")
                  : QStringLiteral("%1 of the checked texts are in the list already or occur more than once.\n\n"
                                   "Yes: use the existing entries. No: a new entry for every text.");
    case PanelText::Stopped:
        return de ? QStringLiteral("Abgebrochen: die Seite und die Liste sind unverändert.")
                  : QStringLiteral("Stopped: the page and the list are unchanged.");
    case PanelText::CountRows:
        return de ? QStringLiteral("%1 Zeilen, %2 markiert") : QStringLiteral("%1 rows, %2 checked");
    case PanelText::CountOneRow:
        return de ? QStringLiteral("1 Zeile, %2 markiert") : QStringLiteral("1 row, %2 checked");
    case PanelText::CountHidden:
        return de ? QStringLiteral("(%1 vom Filter ausgeblendet)") : QStringLiteral("(%1 hidden by the filter)");
    case PanelText::ExtractCheckedTip:
        return de ? QStringLiteral("Extrahiert die markierten Zeilen, die der Filter zeigt")
                  : QStringLiteral("Extracts the checked rows the filter shows");
    case PanelText::LeftOut:
        return de ? QStringLiteral("%1 markierte Zeilen sind vom Filter ausgeblendet und werden nicht extrahiert.")
                  : QStringLiteral("%1 checked rows are hidden by the filter and left out.");
    case PanelText::FocusFilter:
        return de ? QStringLiteral("Literale filtern") : QStringLiteral("Filter literals");
    }
    return QString();
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
