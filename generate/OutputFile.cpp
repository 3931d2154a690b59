#include "generate/OutputFile.h"

#include "platform/core/CodePages.h"
#include "platform/core/Cp1252.h"
#include "platform/core/Exception.h"
#include "platform/core/TextFile.h"

#include <memory>

QString widenResourceLines(QStringView lines, TextEncoding codePage)
{
    QString out;
    out.reserve(lines.size());
    const auto endsInBackslash = [&](QChar c) {
        const QByteArray bytes = TextFile::encode(QString(c), codePage);
        return bytes.size() > 1 && bytes.back() == '\\';
    };
    for (qsizetype start = 0; start < lines.size();) {
        qsizetype end = lines.indexOf(u'\n', start);
        end = end < 0 ? lines.size() : end + 1;
        const QStringView line = lines.sliced(start, end - start);
        start = end;
        bool widen = false;
        for (const QChar c : line)
            if (c.unicode() >= 0x80 && !c.isSurrogate()) {
                try {
                    widen = widen || endsInBackslash(c);
                } catch (const Exception &) {
                    // Not in the code page: the encoder says so.
                }
            }
        if (!widen) {
            out += line;
            continue;
        }
        // Every string becomes wide, its characters beyond ASCII written as
        // \xHHHH: escapes and doubled quotes keep their meaning.
        bool inside = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            if (!inside && c == u'"') {
                if (out.isEmpty() || out.back() != u'L')
                    out += u'L';
                inside = true;
                out += c;
            } else if (inside && c == u'"') {
                out += c;
                if (i + 1 < line.size() && line.at(i + 1) == u'"')
                    out += line.at(++i);
                else
                    inside = false;
            } else if (inside && c == u'\\' && i + 1 < line.size()) {
                out += c;
                out += line.at(++i);
            } else if (inside && c.unicode() >= 0x80) {
                out += QStringLiteral("\\x%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            } else {
                out += c;
            }
        }
    }
    return out;
}

namespace {
// Lines of the text as a string list sees them, each followed by CR LF:
// every line break becomes CR LF and an unfinished last line gets one. The
// bytes go to write in chunks, in the code page or (UTF-8) in UTF-8 with the
// kind's mark in front.
class OutputEncoder
{
public:
    OutputEncoder(TextEncoding encoding, OutputKind kind, const std::function<void(QByteArrayView)> &write)
        : m_encoding(encoding), m_write(write),
          m_widen(kind == OutputKind::ResourceScript && encoding != TextEncoding::Utf8 && encoding != TextEncoding::Cp1252)
    {
        const bool utf8 = encoding == TextEncoding::Utf8;
        if (utf8 && kind == OutputKind::CppCode)
            m_bytes = "\xEF\xBB\xBF";
        else if (kind == OutputKind::ResourceScript && encoding != TextEncoding::Cp1252)
            m_bytes = "#pragma code_page(" + QByteArray::number(CodePages::number(encoding)) + ")\r\n";
    }

    // False when a character does not fit the code page (nothing more then).
    bool put(QStringView piece)
    {
        for (qsizetype i = 0; i < piece.size();) {
            qsizetype end = i;
            while (end < piece.size() && piece[end] != u'\r' && piece[end] != u'\n')
                ++end;
            if (end > i) {
                m_chars += piece.sliced(i, end - i);
                m_afterCr = m_atBreak = false;
            }
            if (end < piece.size()) {
                const QChar c = piece[end];
                if (c == u'\n' && m_afterCr) {
                    m_afterCr = false;
                } else {
                    m_chars += QLatin1String("\r\n");
                    m_afterCr = c == u'\r';
                    m_atBreak = true;
                }
                ++end;
            }
            i = end;
        }
        // A surrogate pair stays in one chunk.
        if (m_chars.size() >= kChunk && !m_chars.back().isHighSurrogate())
            return encode();
        return true;
    }

    bool finish()
    {
        if (!m_atBreak)
            m_chars += QLatin1String("\r\n");
        if (!encode(true))
            return false;
        flush();
        return true;
    }

private:
    static constexpr qsizetype kChunk = 64 * 1024;

    bool encode(bool last = false)
    {
        // A resource script's lines are widened whole.
        QString widened;
        if (m_widen) {
            const qsizetype end = last ? m_chars.size() : m_chars.lastIndexOf(u'\n') + 1;
            widened = widenResourceLines(QStringView(m_chars).first(end), m_encoding);
            m_chars.remove(0, end);
        }
        const QString &chars = m_widen ? widened : m_chars;
        if (m_encoding == TextEncoding::Utf8) {
            m_bytes += chars.toUtf8();
        } else if (m_encoding == TextEncoding::Cp1252) {
            bool fits = false;
            m_bytes += encodeCp1252(chars, &fits);
            if (!fits)
                return false;
        } else {
            try {
                m_bytes += TextFile::encode(chars, m_encoding);
            } catch (const Exception &) {
                return false;
            }
        }
        if (!m_widen)
            m_chars.resize(0);
        if (m_bytes.size() >= kChunk)
            flush();
        return true;
    }
    void flush()
    {
        m_write(m_bytes);
        m_bytes.resize(0);
    }

    const TextEncoding m_encoding;
    const std::function<void(QByteArrayView)> &m_write;
    const bool m_widen; // a resource script in a code page of the toolkit's
    QString m_chars;
    QByteArray m_bytes;
    bool m_afterCr = false;
    bool m_atBreak = true; // the text so far ends with a break (or is empty)
};

// The text in the code page when every character fits, otherwise in UTF-8;
// restart() drops what write got before the second try.
void encodeOutput(const TextPieces &produce, OutputKind kind, const std::function<void(QByteArrayView)> &write,
                  const std::function<void()> &restart, TextEncoding codePage)
{
    for (const TextEncoding encoding : {codePage, TextEncoding::Utf8}) {
        OutputEncoder e(encoding, kind, write);
        bool fits = true;
        produce([&](QStringView piece) { fits = fits && e.put(piece); });
        if (fits && e.finish())
            return;
        restart();
    }
}
} // namespace

void encodeOutputPieces(const TextPieces &produce, OutputKind kind, const std::function<void(QByteArrayView)> &write,
                        const std::function<void()> &restart, TextEncoding codePage)
{
    encodeOutput(produce, kind, write, restart, codePage);
}

QByteArray encodeOutputText(const QString &text, OutputKind kind, TextEncoding codePage)
{
    QByteArray out;
    encodeOutput([&](const auto &piece) { piece(text); }, kind, [&](QByteArrayView b) { out += b; },
                 [&] { out.clear(); }, codePage);
    return out;
}

TextEncoding outputCodePage(TextEncoding pageEncoding)
{
    return CodePages::isCodePage(pageEncoding) ? pageEncoding : TextEncoding::Cp1252;
}

void saveOutputText(const QString &path, const QString &text, OutputKind kind, TextEncoding codePage)
{
    saveOutputPieces(path, [&](const auto &piece) { piece(text); }, kind, codePage);
}

void saveOutputPieces(const QString &path, const TextPieces &produce, OutputKind kind, TextEncoding codePage)
{
    auto file = std::make_unique<TextFile::AtomicFile>(path);
    // Dropping an uncommitted file leaves the old one as it was.
    encodeOutput(produce, kind, [&](QByteArrayView b) { file->write(b); },
                 [&] {
                     file.reset();
                     file = std::make_unique<TextFile::AtomicFile>(path);
                 },
                 codePage);
    file->commit();
}
