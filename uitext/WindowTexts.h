#pragma once
// Tool tips of the main window's controls and the about box's title,
// English and German. A toolbar button's tool tip is its caption and its
// key, then what it does (windowToolTip()).
#include "uitext/Catalogue.h"

#include <QString>

enum class WindowText {
    AboutTitle,
    OpenTip,      // ToolButton1
    SaveTip,      // ToolButton12
    SaveAllTip,   // ToolButton2
    SearchTip,    // ToolButton13
    ToggleTip,    // ToolButton3 with Toggle Found checked
    ChangeTip,    // ... unchecked
    ExtractCTip,  // ToolButton6
    ExtractTip,   // ToolButton5
    FindNextTip,  // ToolButton4
    StopTip,      // ToolButton8
    ExitTip,      // ToolButton7
    NumberTip,    // Image1, beside "Resourcefile"
    ResourceTip,  // Image2
};
// Keep naming the last id: the table's compile-time check counts the ids by it.
inline constexpr WindowText kLastWindowText = WindowText::ResourceTip;

QString windowText(WindowText id, Language lang);

// "Caption (key)\nwhat it does"; the key in the toolkit's native spelling,
// left out when empty. The caption loses the padding some captions carry.
// Panel 1 of the status bar: texts 17 and 18 of the catalogue with the
// caret's row and column, in the order the language names them.
QString caretPositionText(int row, int col, Language lang);

QString buttonToolTip(const QString &caption, const QString &key, WindowText what, Language lang);
