#pragma once
// "End with a line break, then append": what to append to a text whose last
// character is lastChar (null for an empty text) so that addition starts on a
// line of its own.
#include <QString>

inline QString onNewLine(QChar lastChar, const QString &addition)
{
    const bool atLineStart = lastChar.isNull() || lastChar == u'\n' || lastChar == u'\r';
    return atLineStart ? addition : QStringLiteral("\r\n") + addition;
}
