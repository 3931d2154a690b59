#include "generate/OutputFile.h"

#include "platform/core/Cp1252.h"
#include "platform/core/TextFile.h"

#include <memory>

namespace {
// Lines of the text as a string list sees them, each followed by CR LF:
// every line break becomes CR LF and an unfinished last line gets one. The
// bytes go to write in chunks, in Windows-1252 or (utf8) in UTF-8 with the
// kind's mark in front.
class OutputEncoder
{
public:
    OutputEncoder(bool utf8, OutputKind kind, const std::function<void(QByteArrayView)> &write)
        : m_utf8(utf8), m_write(write)
    {
        if (utf8 && kind == OutputKind::CppCode)
            m_bytes = "\xEF\xBB\xBF";
        else if (utf8 && kind == OutputKind::ResourceScript)
            m_bytes = "#pragma code_page(65001)\r\n";
    }

    // False when a character does not fit Windows-1252 (nothing more then).
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
        if (!encode())
            return false;
        flush();
        return true;
    }

private:
    static constexpr qsizetype kChunk = 64 * 1024;

    bool encode()
    {
        if (m_utf8) {
            m_bytes += m_chars.toUtf8();
        } else {
            bool fits = false;
            m_bytes += encodeCp1252(m_chars, &fits);
            if (!fits)
                return false;
        }
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

    const bool m_utf8;
    const std::function<void(QByteArrayView)> &m_write;
    QString m_chars;
    QByteArray m_bytes;
    bool m_afterCr = false;
    bool m_atBreak = true; // the text so far ends with a break (or is empty)
};

// The text in Windows-1252 when every character fits, otherwise in UTF-8;
// restart() drops what write got before the second try.
void encodeOutput(const TextPieces &produce, OutputKind kind, const std::function<void(QByteArrayView)> &write,
                  const std::function<void()> &restart)
{
    for (const bool utf8 : {false, true}) {
        OutputEncoder e(utf8, kind, write);
        bool fits = true;
        produce([&](QStringView piece) { fits = fits && e.put(piece); });
        if (fits && e.finish())
            return;
        restart();
    }
}
} // namespace

void encodeOutputPieces(const TextPieces &produce, OutputKind kind, const std::function<void(QByteArrayView)> &write,
                        const std::function<void()> &restart)
{
    encodeOutput(produce, kind, write, restart);
}

QByteArray encodeOutputText(const QString &text, OutputKind kind)
{
    QByteArray out;
    encodeOutput([&](const auto &piece) { piece(text); }, kind, [&](QByteArrayView b) { out += b; },
                 [&] { out.clear(); });
    return out;
}

void saveOutputText(const QString &path, const QString &text, OutputKind kind)
{
    saveOutputPieces(path, [&](const auto &piece) { piece(text); }, kind);
}

void saveOutputPieces(const QString &path, const TextPieces &produce, OutputKind kind)
{
    auto file = std::make_unique<TextFile::AtomicFile>(path);
    // Dropping an uncommitted file leaves the old one as it was.
    encodeOutput(produce, kind, [&](QByteArrayView b) { file->write(b); },
                 [&] {
                     file.reset();
                     file = std::make_unique<TextFile::AtomicFile>(path);
                 });
    file->commit();
}
