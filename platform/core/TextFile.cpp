#include "TextFile.h"

#include "Cp1252.h"
#include "Exception.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {
QString lineAndColumn(const QString &text, qsizetype index)
{
    const qsizetype lineStart = text.lastIndexOf(u'\n', index - 1) + 1;
    return QStringLiteral("line %1, column %2")
        .arg(text.left(index).count(u'\n') + 1)
        .arg(index - lineStart + 1);
}
} // namespace

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

} // namespace TextFile
