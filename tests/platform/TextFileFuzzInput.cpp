#include "tests/platform/TextFileFuzzInput.h"

#include "platform/core/CodePages.h"
#include "platform/core/Cp1252.h"
#include "platform/core/Exception.h"
#include "extract/ExtractionList.h"
#include "generate/OutputFile.h"
#include "platform/core/TextFile.h"

#include <QStringDecoder>

#include <cstring>

namespace {
// Decodes with a known encoding, the mark removed: the reader's view of a
// file the tool wrote.
QString decodeAs(const QByteArray &bytes, TextEncoding e)
{
    const auto decode = [&](QStringDecoder::Encoding enc, qsizetype mark) {
        QStringDecoder dec(enc, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        QString text = dec.decode(QByteArrayView(bytes).sliced(mark));
        return dec.hasError() ? QStringLiteral("<invalid>") : text;
    };
    switch (e) {
    case TextEncoding::Utf8: return decode(QStringDecoder::Utf8, 0);
    case TextEncoding::Utf8Bom: return decode(QStringDecoder::Utf8, 3);
    case TextEncoding::Utf16LeBom: return decode(QStringDecoder::Utf16LE, 2);
    case TextEncoding::Utf16BeBom: return decode(QStringDecoder::Utf16BE, 2);
    default: break;
    }
    return decodeCp1252(bytes);
}

bool holdable(const QString &text, TextEncoding e)
{
    return e == TextEncoding::Cp1252 ? fitsCp1252(text) : text.isValidUtf16();
}
} // namespace

QString runTextFileFuzzInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const LoadedText loaded = TextFile::decode(bytes);
    try {
        if (TextFile::encode(loaded.text, loaded.encoding) != bytes)
            return QStringLiteral("decode then encode changed the bytes");
    } catch (const Exception &e) {
        return QStringLiteral("a decoded text failed to encode: ") + e.Message();
    }

    // In every code page: bytes said to survive do survive.
    for (const TextEncoding e : CodePages::all()) {
        const LoadedText as = TextFile::decode(bytes, e);
        try {
            if (as.notKept == RowCol{} && TextFile::encode(as.text, as.encoding) != bytes)
                return QStringLiteral("bytes said to survive %1 changed").arg(CodePages::key(e));
        } catch (const Exception &ex) {
            return QStringLiteral("bytes said to survive %1 failed to encode: ").arg(CodePages::key(e)) + ex.Message();
        }
    }

    // The same bytes as UTF-16 code units, unpaired surrogates included.
    QString units(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(static_cast<void *>(units.data()), data, size_t(units.size()) * 2);
    for (const TextEncoding e : {TextEncoding::Utf8, TextEncoding::Utf8Bom, TextEncoding::Cp1252,
                                 TextEncoding::Utf16LeBom, TextEncoding::Utf16BeBom}) {
        QByteArray encoded;
        try {
            encoded = TextFile::encode(units, e);
        } catch (const Exception &) {
            if (holdable(units, e))
                return QStringLiteral("encoding %1 refused a text it can hold").arg(int(e));
            continue;
        }
        if (!holdable(units, e))
            return QStringLiteral("encoding %1 accepted a text it cannot hold").arg(int(e));
        if (decodeAs(encoded, e) != units)
            return QStringLiteral("encoding %1 lost a character").arg(int(e));
    }
    // Save To Disk: every line of a valid text comes back, each with CR LF.
    if (units.isValidUtf16()) {
        const QByteArray out = encodeOutputText(units);
        const QString expected = ExtractionList::lines(units).join(QStringLiteral("\r\n")) +
                                 (ExtractionList::lines(units).isEmpty() ? QString() : QStringLiteral("\r\n"));
        const QString back = fitsCp1252(expected) ? decodeCp1252(out) : decodeAs(out, TextEncoding::Utf8);
        if (back != expected)
            return QStringLiteral("the output encoder lost a character");
    }
    return QString();
}
