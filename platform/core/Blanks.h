#pragma once
// "Blank" as the list and the scanner mean it: a space or any control
// character (every code unit up to U+0020).
#include <QStringView>

inline bool isBlankOrControl(QChar c)
{
    return c.unicode() <= u' ';
}

// text without its leading and trailing blanks and control characters.
inline QStringView withoutBlanks(QStringView text)
{
    qsizetype from = 0, to = text.size();
    while (from < to && isBlankOrControl(text.at(from)))
        ++from;
    while (to > from && isBlankOrControl(text.at(to - 1)))
        --to;
    return text.mid(from, to - from);
}
