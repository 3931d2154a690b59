#pragma once
// The stretch in which two page texts differ, so that an edit replaces only
// that stretch (the rest keeps its undo history, check marks and view).
#include <QString>

// [from, from + oldLength) of before becomes after.mid(from, newLength).
// Never splits a CR LF pair.
struct TextDifference
{
    int from = 0, oldLength = 0, newLength = 0;
};

TextDifference differenceOf(const QString &before, const QString &after);
