#pragma once
// Captions and messages of the literals panel, Extract checked, the marker
// and undo, English and German.
#include "uitext/Catalogue.h"

#include <QString>

enum class PanelText {
    PanelTitle,       // the dock's title and its Options menu item
    ColumnRow,        // table headers
    ColumnColumn,
    ColumnText,
    ColumnHints,
    ColumnVerdict,
    UserText,         // verdicts
    ProbablyNot,
    Filter,           // placeholder of the filter box
    ExtractChecked,   // the button and the Edit menu item
    ModeExtract,      // the choice next to the button
    ModeExtractC,
    MarkKeep,         // context menu: append the marker / remove it
    UnmarkKeep,
    Undo,             // Edit menu
    Redo,
    EqualStrings,     // %1 number of repeated texts: the one question of Extract checked
    Stopped,          // Extract checked was stopped: nothing changed
    CountRows,        // %1 rows shown, %2 of them checked (panelCount() picks the form)
    CountOneRow,      // the same for one row: %2 checked
    CountHidden,      // %1 rows hidden by the filter, after the count
    ExtractCheckedTip, // the button's tool tip
    LeftOut,          // %1 checked rows hidden by the filter: in the tool tip and the status bar
    FocusFilter,      // the window's item that puts the focus in the filter box (Ctrl+F)
    NotLiteral,       // the third verdict
    NotLiteralTip,    // %1 the reasons: the tool tip of a row that is no literal
    ProofFailed,      // %1 row, %2 column: Extract checked refused a rewrite
};
// Keep naming the last id: the table's compile-time check counts the ids by it.
inline constexpr PanelText kLastPanelText = PanelText::ProofFailed;

// The text id in lang, placeholders unfilled.
QString panelText(PanelText id, Language lang);

// "n rows, m checked", and "(k hidden by the filter)" when k > 0.
QString panelCount(int rows, int checked, int hidden, Language lang);
