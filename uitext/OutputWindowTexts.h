#pragma once
// The output window's own texts and button captions, English and German.
#include "uitext/Catalogue.h"

#include <QString>

// Text n of the output window (1 save title, 2 save filter, 3 and 4 the
// insertion banner); "" for any other number.
QString outputText(unsigned n, Language lang);

enum class OutputButton { SaveToDisk, ToClipboard, AddToCpp, CloseWindow };
// Keep naming the last id: the table's compile-time check counts the ids by it.
inline constexpr OutputButton kLastOutputButton = OutputButton::CloseWindow;
QString outputButtonCaption(OutputButton button, Language lang);
