#include "platform/core/TextFile.h"

#include "platform/core/CodePages.h"
#include "platform/core/Cp1252.h"
#include "platform/core/Exception.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>


namespace TextFile {

namespace {
// Only the first mark is a marker: the decoders are told to keep any mark
// they see, so a second one stays text.
constexpr auto kKeepMarks = QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;

std::optional<QString> strictDecode(QStringDecoder::Encoding e, QByteArrayView bytes)
{
    QStringDecoder dec(e, kKeepMarks);
    QString text = dec.decode(bytes);
    if (dec.hasError() || !QStringView(text).isValidUtf16())
        return std::nullopt;
    return text;
}

bool isUtf16Marked(const QByteArray &bytes)
{
    return (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) && bytes.size() % 2 == 0;
}

// The toolkit's converter of a Unicode encoding or a code page other than 1252.
QStringDecoder decoderOf(TextEncoding e)
{
    switch (e) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom: return QStringDecoder(QStringDecoder::Utf8, kKeepMarks);
    case TextEncoding::Utf16LeBom: return QStringDecoder(QStringDecoder::Utf16LE, kKeepMarks);
    case TextEncoding::Utf16BeBom: return QStringDecoder(QStringDecoder::Utf16BE, kKeepMarks);
    default: return QStringDecoder(CodePages::converterName(e), QStringDecoder::Flag::Stateless);
    }
}

QStringEncoder encoderOf(TextEncoding e)
{
    switch (e) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom: return QStringEncoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    case TextEncoding::Utf16LeBom: return QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::Stateless);
    case TextEncoding::Utf16BeBom: return QStringEncoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::Stateless);
    default: return QStringEncoder(CodePages::converterName(e), QStringEncoder::Flag::Stateless);
    }
}

const char *markOf(TextEncoding e)
{
    return e == TextEncoding::Utf8Bom      ? "\xEF\xBB\xBF"
           : e == TextEncoding::Utf16LeBom ? "\xFF\xFE"
           : e == TextEncoding::Utf16BeBom ? "\xFE\xFF"
                                           : "";
}

// Row and column (in characters of bytes decoded as e) of byte at.
RowCol placeOf(const QByteArray &bytes, qsizetype at, TextEncoding e)
{
    const qsizetype lineStart = at == 0 ? 0 : bytes.lastIndexOf('\n', at - 1) + 1;
    const int row = int(QByteArrayView(bytes).first(lineStart).count('\n')) + 1;
    QStringDecoder dec = decoderOf(e);
    const QString before = dec.decode(QByteArrayView(bytes).sliced(lineStart, at - lineStart));
    return {row, int(before.size()) + 1};
}

// The bytes decoded as the chosen encoding, no mark read; notKept says
// where encoding the text again (with the mark a save writes) differs.
LoadedText decodeAs(const QByteArray &bytes, TextEncoding e)
{
    if (e == TextEncoding::Cp1252)
        return {decodeCp1252(bytes), e, {}};
    LoadedText out{decoderOf(e).decode(bytes), e, {}};
    QStringEncoder enc = encoderOf(e);
    const QByteArray back = QByteArray(markOf(e)) + QByteArray(enc.encode(out.text));
    if (back != bytes) {
        qsizetype at = 0;
        while (at < bytes.size() && at < back.size() && bytes.at(at) == back.at(at))
            ++at;
        out.notKept = placeOf(bytes, std::min(at, bytes.size()), e);
    }
    return out;
}
} // namespace

qsizetype firstUnfit(QStringView text, TextEncoding encoding)
{
    const auto fits = [&](QStringView chars) {
        try {
            Encoder e(encoding);
            QByteArray out;
            e.encode(chars, out);
            e.finish(out);
            return true;
        } catch (const Exception &) {
            return false;
        }
    };
    if (fits(text))
        return -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        if (!fits(text.sliced(i, n)))
            return i;
        i += n - 1;
    }
    return 0;
}

qsizetype byteLength(QStringView text, TextEncoding encoding)
{
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    // UTF-16: gcc reads no such file; its columns stay in code units.
    if (ascii || encoding == TextEncoding::Cp1252 || encoding == TextEncoding::Utf16LeBom
        || encoding == TextEncoding::Utf16BeBom)
        return text.size();
    QStringEncoder enc = encoderOf(encoding);
    return QByteArray(enc.encode(text)).size();
}

bool isUnicode(const QByteArray &bytes)
{
    if (isUtf16Marked(bytes) && strictDecode(bytes.startsWith("\xFF") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                                             QByteArrayView(bytes).sliced(2)))
        return true;
    return bool(strictDecode(QStringDecoder::Utf8, bytes));
}

LoadedText decode(const QByteArray &bytes, std::optional<TextEncoding> chosen, TextEncoding eightBit)
{
    // An odd byte count or an unpaired surrogate is not UTF-16: such a file
    // is read by the rules below.
    if (isUtf16Marked(bytes)) {
        const bool le = bytes.startsWith("\xFF\xFE");
        if (auto text = strictDecode(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, QByteArrayView(bytes).sliced(2)))
            return {*text, le ? TextEncoding::Utf16LeBom : TextEncoding::Utf16BeBom, {}};
    }
    const bool mark = bytes.startsWith("\xEF\xBB\xBF");
    if (!chosen || mark)
        if (auto text = strictDecode(QStringDecoder::Utf8, QByteArrayView(bytes).sliced(mark ? 3 : 0)))
            return {*text, mark ? TextEncoding::Utf8Bom : TextEncoding::Utf8, {}};
    return decodeAs(bytes, chosen.value_or(eightBit));
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
        out += markOf(m_encoding);
    }
    qsizetype from = 0;
    if (m_encoding == TextEncoding::Cp1252) {
        bool ok = true;
        out += encodeCp1252(piece, &ok);
        if (!ok)
            for (qsizetype i = 0; i < piece.size(); ++i)
                if (!fitsCp1252(QString(piece.at(i))))
                    unfit(piece, i);
    } else if (CodePages::isCodePage(m_encoding)) {
        // A character the page cannot hold is an error, and so is one the
        // converter writes as another (a best fit): decoding must give it back.
        const auto fits = [this](QStringView chars, QByteArray *bytes) {
            QStringEncoder enc = encoderOf(m_encoding);
            *bytes = enc.encode(chars);
            return !enc.hasError() && QString(decoderOf(m_encoding).decode(*bytes)) == chars;
        };
        QByteArray bytes;
        if (!fits(piece, &bytes)) {
            QByteArray one;
            for (qsizetype i = 0; i < piece.size(); ++i)
                if (!fits(piece.sliced(i, 1), &one))
                    unfit(piece, i);
            unfit(piece, 0);
        }
        out += bytes;
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
    throw Exception(QStringLiteral("The character U+%1 at %2 cannot be saved in the file's encoding (%3).")
                        .arg(QString::number(piece.at(i).unicode(), 16).toUpper().rightJustified(4, u'0'),
                             lineAndColumn(m_lines, m_lineStart, m_done, piece, m_done + i),
                             CodePages::displayName(m_encoding)));
}

LoadedText load(const QString &path, std::optional<TextEncoding> chosen, TextEncoding eightBit)
{
    return decode(read(path), chosen, eightBit);
}

QByteArray read(const QString &path)
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
    return bytes;
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
