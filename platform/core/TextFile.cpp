#include "TextFile.h"

#include "Cp1252.h"
#include "Exception.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace {
QString lineAndColumn(const QString &text, qsizetype index)
{
    const qsizetype lineStart = index > 0 ? text.lastIndexOf(u'\n', index - 1) + 1 : 0;
    return QStringLiteral("line %1, column %2")
        .arg(text.left(index).count(u'\n') + 1)
        .arg(index - lineStart + 1);
}
} // namespace

namespace TextFile {

LoadedText decode(const QByteArray &bytes)
{
    // Only the first mark is a marker: the decoders are told to keep any
    // mark they see, so a second one stays text.
    constexpr auto keepMarks = QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
    const auto tryDecode = [&](QStringDecoder::Encoding e, qsizetype skip) -> std::optional<QString> {
        QStringDecoder dec(e, keepMarks);
        QString text = dec.decode(QByteArrayView(bytes).sliced(skip));
        if (dec.hasError() || !QStringView(text).isValidUtf16())
            return std::nullopt;
        return text;
    };
    // An odd byte count or an unpaired surrogate is not UTF-16: such a file
    // is read byte by byte below.
    if ((bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) && bytes.size() % 2 == 0) {
        const bool le = bytes.startsWith("\xFF\xFE");
        if (auto text = tryDecode(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, 2))
            return {*text, le ? TextEncoding::Utf16LeBom : TextEncoding::Utf16BeBom};
    }
    const bool mark = bytes.startsWith("\xEF\xBB\xBF");
    if (auto text = tryDecode(QStringDecoder::Utf8, mark ? 3 : 0))
        return {*text, mark ? TextEncoding::Utf8Bom : TextEncoding::Utf8};
    return {decodeCp1252(bytes), TextEncoding::Cp1252};
}

QByteArray encode(const QString &text, TextEncoding encoding)
{
    if (encoding != TextEncoding::Cp1252) {
        // An unpaired surrogate has no form in any Unicode encoding.
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            const bool paired = c.isHighSurrogate() ? i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                                                    : !c.isLowSurrogate();
            if (!paired)
                throw Exception(QStringLiteral("The text holds an unpaired surrogate U+%1 at %2; it cannot be "
                                               "saved.")
                                    .arg(QString::number(c.unicode(), 16).toUpper(), lineAndColumn(text, i)));
            if (c.isHighSurrogate())
                ++i;
        }
    }
    switch (encoding) {
    case TextEncoding::Utf8:
        return text.toUtf8();
    case TextEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf16LeBom:
    case TextEncoding::Utf16BeBom: {
        QStringEncoder enc(encoding == TextEncoding::Utf16LeBom ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                           QStringEncoder::Flag::Stateless | QStringEncoder::Flag::WriteBom);
        return enc.encode(text);
    }
    case TextEncoding::Cp1252:
        break;
    }
    bool ok = true;
    QByteArray bytes = encodeCp1252(text, &ok);
    if (!ok) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (!fitsCp1252(QString(text.at(i))))
                throw Exception(QStringLiteral("The character U+%1 at %2 cannot be saved in the file's "
                                               "encoding (Windows-1252).")
                                    .arg(QString::number(text.at(i).unicode(), 16).toUpper().rightJustified(4, u'0'),
                                         lineAndColumn(text, i)));
        }
    }
    return bytes;
}

LoadedText load(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw Exception(QStringLiteral("File \"%1\" does not exist.").arg(path));
    if (!info.isFile())
        throw Exception(QStringLiteral("\"%1\" is not a file.").arg(path));
    if (info.size() > kMaxSize)
        throw Exception(QStringLiteral("File \"%1\" is larger than 64 MiB.").arg(path));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(path, f.errorString()));
    const QByteArray bytes = f.read(kMaxSize + 1);
    if (f.error() != QFileDevice::NoError)
        throw Exception(QStringLiteral("Cannot read file \"%1\". %2").arg(path, f.errorString()));
    if (bytes.size() > kMaxSize)
        throw Exception(QStringLiteral("File \"%1\" is larger than 64 MiB.").arg(path));
    return decode(bytes);
}

void save(const QString &path, const QString &text, TextEncoding encoding)
{
    writeAtomically(path, encode(text, encoding));
}

void writeAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    const auto fail = [&](const char *what) {
        throw Exception(QStringLiteral("Cannot %1 file \"%2\". %3")
                            .arg(QLatin1String(what), QDir::toNativeSeparators(path), f.errorString()));
    };
    if (!f.open(QIODevice::WriteOnly))
        fail("create");
    // A short write reports no error of its own; writing the rest brings the
    // platform's reason. The explicit flush catches a failure of the last
    // buffered bytes, which commit() would let pass.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = f.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            fail("write");
        done += n;
    }
    if (!f.flush() || !f.commit())
        fail("write");
}

QString withCrLfBreaks(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 32);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            out.append(QLatin1String("\r\n"));
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
        } else {
            out.append(c);
        }
    }
    return out;
}

} // namespace TextFile
