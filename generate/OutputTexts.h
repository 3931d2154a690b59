#pragma once
// The output window's own texts and button captions, English and German.
#include "Catalogue.h"

#include <QString>

// Text n of the output window (1 save title, 2 save filter, 3 and 4 the
// insertion banner); "" for any other number.
QString outputText(unsigned n, Language lang);

enum class OutputButton { SaveToDisk, ToClipboard, AddToCpp, CloseWindow };
QString outputButtonCaption(OutputButton button, Language lang);

// What Add to CPP appends to a C++ source: a rule, the two banner lines and
// the output text as a comment block. sourceOpen: the source's last line has
// no line break yet (one is added first). The output text gets a closing
// line break when it lacks one.
QString addToCppBlock(const QString &output, bool sourceOpen, Language lang);
