#pragma once
// MakeTree's recursion "split, then build each part that is no leaf", run on
// an explicit stack over slices of shared buffers, so that neither the depth
// of a tree nor the length of a text can exhaust the stack.
#include "components/Vparser/Tree.h"

#include <QString>

// Texts shorter than this are scanned again rather than cut as a chain.
constexpr qsizetype ChainMinimum = 256;

/* node = leaf | operator(part left, part right) as SplitLowest cuts the text;
   false when a part does not build or more than `budget` characters would
   have to be examined. `chainMinimum` exists for tests. */
bool buildTree(Tree &node, const QString &expression, qint64 budget, qsizetype chainMinimum = ChainMinimum);
