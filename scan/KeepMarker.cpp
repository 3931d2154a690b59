#include "scan/KeepMarker.h"

#include "scan/LiteralHints.h"

namespace {
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Start of the trailing "// <blanks> vtqx:keep <blanks>" comment; -1 when none.
qsizetype markerCommentStart(const QString &line)
{
    qsizetype end = line.size();
    while (end > 0 && isBlank(line.at(end - 1)))
        --end;
    const QStringView body = QStringView(line).left(end);
    if (!body.endsWith(kKeepMarker))
        return -1;
    qsizetype i = end - kKeepMarker.size();
    while (i > 0 && isBlank(line.at(i - 1)))
        --i;
    if (i < 2 || line.at(i - 1) != u'/' || line.at(i - 2) != u'/')
        return -1;
    return i - 2;
}
} // namespace

QString withKeepMarker(const QString &line)
{
    if (markerCommentStart(line) >= 0)
        return line;
    return line + QStringLiteral(" // ") + kKeepMarker;
}

QString withoutKeepMarker(const QString &line)
{
    qsizetype i = markerCommentStart(line);
    if (i < 0)
        return line;
    while (i > 0 && isBlank(line.at(i - 1)))
        --i;
    return line.left(i);
}
