#include "tests/batch/FormValuesFuzzCheck.h"

#include "scan/FormValues.h"

#include <cctype>
#include <optional>

namespace {
// The span of a value decoded piece by piece: 'text' with '' for one
// apostrophe, #n or #$h for a character, and "+" with blanks and line
// breaks between pieces. Nothing when the span is no such sequence.
std::optional<QString> plainDecoding(QStringView span)
{
    QString out;
    qsizetype i = 0;
    bool needPiece = true;
    while (i < span.size()) {
        const QChar c = span[i];
        if (c == u'\'') {
            const qsizetype close = [&] {
                for (qsizetype k = i + 1; k < span.size(); ++k)
                    if (span[k] == u'\'') {
                        if (k + 1 < span.size() && span[k + 1] == u'\'') {
                            ++k;
                            continue;
                        }
                        return k;
                    }
                return qsizetype(-1);
            }();
            if (close < 0)
                return std::nullopt;
            out += span.sliced(i + 1, close - i - 1).toString().replace(QLatin1String("''"), QLatin1String("'"));
            i = close + 1;
            needPiece = false;
        } else if (c == u'#') {
            const bool hex = i + 1 < span.size() && span[i + 1] == u'$';
            qsizetype k = i + 1 + hex;
            while (k < span.size() && span[k].unicode() < 128 &&
                   (hex ? std::isxdigit(span[k].toLatin1()) : std::isdigit(span[k].toLatin1())))
                ++k;
            bool ok = false;
            const uint code = span.sliced(i + 1 + hex, k - i - 1 - hex).toUInt(&ok, hex ? 16 : 10);
            if (!ok || code > 0x10FFFF)
                return std::nullopt;
            out += QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1);
            i = k;
            needPiece = false;
        } else if (c == u'+' && !needPiece) {
            ++i;
            needPiece = true;
        } else if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n') {
            ++i;
        } else {
            return std::nullopt;
        }
    }
    if (needPiece)
        return std::nullopt;
    return out;
}
} // namespace

QString checkFormValuesInput(const uint8_t *data, size_t size)
{
    const QString page = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    int last = 0;
    for (const FormValue &v : readFormValues(page)) {
        if (v.start < last || v.end <= v.start || v.end > page.size())
            return QStringLiteral("value out of order or out of the page at %1").arg(v.start);
        if (page[v.start] != u'\'' && page[v.start] != u'#')
            return QStringLiteral("value at %1 starts no piece").arg(v.start);
        const std::optional<QString> plain = plainDecoding(QStringView(page).sliced(v.start, v.end - v.start));
        if (!plain || *plain != v.text)
            return QStringLiteral("value at %1 decodes differently").arg(v.start);
        if (v.path.isEmpty() || v.path.back().isEmpty())
            return QStringLiteral("value at %1 has no property").arg(v.start);
        if (cppStringLiteral(v.text).count(u'\n') != 0)
            return QStringLiteral("the C++ literal of the value at %1 breaks its line").arg(v.start);
        last = v.end;
    }
    return QString();
}
