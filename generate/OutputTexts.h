#pragma once
// What Add to CPP appends to a C++ source; the output window's texts and
// button captions come with it from uitext.
#include "uitext/OutputWindowTexts.h"

#include <QString>

// What Add to CPP appends to a C++ source: a rule, the two banner lines and
// the output text as a comment block. sourceOpen: the source's last line has
// no line break yet (one is added first). The output text gets a closing
// line break when it lacks one.
QString addToCppBlock(const QString &output, bool sourceOpen, Language lang);
