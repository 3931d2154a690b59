#include "generate/OutputTexts.h"

QString addToCppBlock(const QString &output, bool sourceOpen, Language lang)
{
    const QString crlf = QStringLiteral("\r\n");
    QString out = output;
    if (!out.isEmpty() && out.back() != u'\n' && out.back() != u'\r')
        out += crlf;
    return (sourceOpen ? crlf : QString()) + crlf + QStringLiteral("//") + QString(75, u'-') + crlf + crlf +
           outputText(3, lang) + crlf + outputText(4, lang) + crlf + QStringLiteral("/*") + crlf + out +
           QStringLiteral("*/") + crlf;
}
