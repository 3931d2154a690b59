#include "platform/core/TextFile.h"

#include "platform/core/Cp1252.h"
#include "platform/core/Exception.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>


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
    Encoder e(encoding);
    QByteArray out;
    out.reserve(text.size() + 3);
    e.encode(text, out);
    e.finish(out);
    return out;
}

void Encoder::encode(QStringView piece, QByteArray &out)
{
    if (!m_started) {
        m_started = true;
        if (m_encoding == TextEncoding::Utf8Bom)
            out += "\xEF\xBB\xBF";
        else if (m_encoding == TextEncoding::Utf16LeBom)
            out += "\xFF\xFE";
        else if (m_encoding == TextEncoding::Utf16BeBom)
            out += "\xFE\xFF";
    }
    qsizetype from = 0;
    if (m_encoding == TextEncoding::Cp1252) {
        bool ok = true;
        out += encodeCp1252(piece, &ok);
        if (!ok)
            for (qsizetype i = 0; i < piece.size(); ++i)
                if (!fitsCp1252(QString(piece.at(i))))
                    unfit(piece, i);
    } else {
        // An unpaired surrogate has no form in any Unicode encoding.
        if (!m_high.isNull()) {
            if (piece.isEmpty())
                return;
            if (!piece.front().isLowSurrogate())
                unpaired(m_high, piece, m_done - 1);
            const QChar pair[2] = {m_high, piece.front()};
            append(QStringView(pair, 2), out);
            m_high = QChar();
            from = 1;
        }
        qsizetype end = piece.size();
        for (qsizetype i = from; i < piece.size(); ++i) {
            const QChar c = piece.at(i);
            if (c.isHighSurrogate()) {
                if (i + 1 == piece.size()) {
                    m_high = c; // its partner may start the next piece
                    end = i;
                } else if (!piece.at(i + 1).isLowSurrogate()) {
                    unpaired(c, piece, m_done + i);
                } else {
                    ++i;
                }
            } else if (c.isLowSurrogate()) {
                unpaired(c, piece, m_done + i);
            }
        }
        append(piece.sliced(from, end - from), out);
    }
    for (qsizetype i = 0; i < piece.size(); ++i)
        if (piece.at(i) == u'\n') {
            ++m_lines;
            m_lineStart = m_done + i + 1;
        }
    m_done += piece.size();
}

void Encoder::finish(QByteArray &out)
{
    if (!m_started)
        encode({}, out);
    if (!m_high.isNull())
        unpaired(m_high, {}, m_done - 1);
}

void Encoder::append(QStringView chars, QByteArray &out) const
{
    QStringEncoder enc(m_encoding == TextEncoding::Utf16LeBom   ? QStringEncoder::Utf16LE
                       : m_encoding == TextEncoding::Utf16BeBom ? QStringEncoder::Utf16BE
                                                                : QStringEncoder::Utf8,
                       QStringEncoder::Flag::Stateless);
    const qsizetype old = out.size();
    out.resize(old + enc.requiredSpace(chars.size()));
    char *end = enc.appendToBuffer(out.data() + old, chars);
    out.resize(end - out.constData());
}

namespace {
// "line L, column C" of the character at absolute position at, given the
// line feeds and the last line's start before the piece, and the piece.
QString lineAndColumn(qsizetype lines, qsizetype lineStart, qsizetype done, QStringView piece, qsizetype at)
{
    for (qsizetype i = 0; i < at - done; ++i)
        if (piece.at(i) == u'\n') {
            ++lines;
            lineStart = done + i + 1;
        }
    return QStringLiteral("line %1, column %2").arg(lines + 1).arg(at - lineStart + 1);
}
} // namespace

void Encoder::unpaired(QChar c, QStringView piece, qsizetype at) const
{
    // A high surrogate held back ended the last piece: after its last line feed.
    const QString where = at < m_done ? QStringLiteral("line %1, column %2").arg(m_lines + 1).arg(at - m_lineStart + 1)
                                      : lineAndColumn(m_lines, m_lineStart, m_done, piece, at);
    throw Exception(QStringLiteral("The text holds an unpaired surrogate U+%1 at %2; it cannot be saved.")
                        .arg(QString::number(c.unicode(), 16).toUpper(), where));
}

void Encoder::unfit(QStringView piece, qsizetype i) const
{
    throw Exception(QStringLiteral("The character U+%1 at %2 cannot be saved in the file's encoding (Windows-1252).")
                        .arg(QString::number(piece.at(i).unicode(), 16).toUpper().rightJustified(4, u'0'),
                             lineAndColumn(m_lines, m_lineStart, m_done, piece, m_done + i)));
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
    // Sized by the file, not by the limit (a read of the limit reserves that
    // much); a file that grew since is read on up to the limit.
    QByteArray bytes = f.read(info.size() + 1);
    if (bytes.size() > info.size() && f.error() == QFileDevice::NoError)
        bytes += f.read(kMaxSize + 1 - bytes.size());
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
    AtomicFile f(path);
    f.write(bytes);
    f.commit();
}

AtomicFile::AtomicFile(const QString &path) : m_path(path), m_file(path)
{
    if (!m_file.open(QIODevice::WriteOnly))
        fail("create");
}

void AtomicFile::write(QByteArrayView bytes)
{
    // A short write reports no error of its own; writing the rest brings the
    // platform's reason.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = m_file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            fail("write");
        done += n;
    }
}

void AtomicFile::commit()
{
    // The explicit flush catches a failure of the last buffered bytes, which
    // commit() would let pass.
    if (!m_file.flush() || !m_file.commit())
        fail("write");
}

void AtomicFile::fail(const char *what)
{
    throw Exception(QStringLiteral("Cannot %1 file \"%2\". %3")
                        .arg(QLatin1String(what), QDir::toNativeSeparators(m_path), m_file.errorString()));
}

QString withCrLfBreaks(QString text)
{
    const qsizetype n = text.size();
    qsizetype bare = 0; // breaks that gain a character
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if ((c == u'\r' && (i + 1 == n || text.at(i + 1) != u'\n')) || (c == u'\n' && (i == 0 || text.at(i - 1) != u'\r')))
            ++bare;
    }
    if (bare == 0)
        return text;
    // Back to front, so that the text widens in place.
    text.resize(n + bare);
    QChar *d = text.data();
    qsizetype w = n + bare;
    for (qsizetype r = n; r-- > 0;) {
        const QChar c = d[r];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\n' && r > 0 && d[r - 1] == u'\r')
                --r;
            d[--w] = u'\n';
            d[--w] = u'\r';
        } else {
            d[--w] = c;
        }
    }
    return text;
}

} // namespace TextFile
