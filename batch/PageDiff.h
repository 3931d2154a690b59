#pragma once
// A rewritten page as a unified diff, in the style of diff -u: three lines
// of context, hunks joined where their context meets.
#include "scan/TokenProof.h"

#include <QString>

#include <vector>

// before and after: the page texts (CR LF breaks); replacements: where they
// differ, in text order (everything else is equal). "" when nothing changed.
QString unifiedDiff(const QString &path, const QString &before, const QString &after,
                    const std::vector<Cpp::Replacement> &replacements);
