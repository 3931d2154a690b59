#include "translate/Pseudo.h"

#include "translate/PoFile.h"

#include <algorithm>

namespace Pseudo {

namespace {
QChar accented(QChar c)
{
    static const QString plain = QStringLiteral("AaCcDdEeIiNnOoSsUuYyZz");
    static const QString marked = QString::fromUtf16(u"ÅåÇçÐðÉéÎîÑñÖöŠšÜüÝýŽž");
    const qsizetype at = plain.indexOf(c);
    return at < 0 ? c : marked.at(at);
}
} // namespace

QString translate(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin) == u'\n')
        ++begin;
    while (end > begin && text.at(end - 1) == u'\n')
        --end;
    if (begin == end)
        return text;
    QString inner;
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = text.at(i);
        if (c == u'%') {
            const qsizetype length = std::max<qsizetype>(1, PoFile::directiveLength(text, i));
            inner += QStringView(text).sliced(i, std::min(length, end - i));
            i += length - 1;
        } else if (c == u'&' && i + 1 < end) {
            inner += c;
            inner += text.at(++i);
        } else {
            inner += accented(c);
        }
    }
    const qsizetype grown = (end - begin + 2) / 3;
    return text.left(begin) + u'[' + inner + QString(grown, QChar(0x00B7)) + u']' + text.mid(end);
}

} // namespace Pseudo
