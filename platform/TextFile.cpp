#include "TextFile.h"

#include "Exception.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {
// 0x80..0x9F of Windows-1252.
const char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int cp1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return 0x80 + i;
    return -1;
}

QString lineAndColumn(const QString &text, qsizetype index)
{
    const qsizetype lineStart = text.lastIndexOf(u'\n', index - 1) + 1;
    return QStringLiteral("line %1, column %2")
        .arg(text.left(index).count(u'\n') + 1)
        .arg(index - lineStart + 1);
}
} // namespace

QString decodeCp1252(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHigh[b - 0x80]) : QChar(b);
    }
    return out;
}

QByteArray encodeCp1252(const QString &text, bool *ok)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    bool good = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = cp1252Byte(text.at(i).unicode());
        if (b < 0)
            good = false;
        out[i] = char(b < 0 ? '?' : b);
    }
    if (ok)
        *ok = good;
    return out;
}

namespace TextFile {

LoadedText decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        QStringDecoder dec(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = dec.decode(bytes.mid(3));
        if (!dec.hasError())
            return {text, TextEncoding::Utf8Bom};
    } else {
        QStringDecoder dec(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = dec.decode(bytes);
        if (!dec.hasError())
            return {text, TextEncoding::Utf8};
    }
    return {decodeCp1252(bytes), TextEncoding::Cp1252};
}

QByteArray encode(const QString &text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return text.toUtf8();
    case TextEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Cp1252:
        break;
    }
    bool ok = true;
    QByteArray bytes = encodeCp1252(text, &ok);
    if (!ok) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (cp1252Byte(text.at(i).unicode()) < 0)
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
    const QByteArray bytes = encode(text, encoding);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw Exception(QStringLiteral("Cannot create file \"%1\". %2").arg(path, f.errorString()));
    if (f.write(bytes) != bytes.size() || !f.commit())
        throw Exception(QStringLiteral("Cannot write file \"%1\". %2").arg(path, f.errorString()));
}

} // namespace TextFile
