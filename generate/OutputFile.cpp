#include "generate/OutputFile.h"

#include "platform/core/CodePages.h"
#include "platform/core/Cp1252.h"
#include "platform/core/Exception.h"
#include "platform/core/TextFile.h"

#include <memory>

namespace {
// Lines of the text as a string list sees them, each followed by CR LF:
// every line break becomes CR LF and an unfinished last line gets one. The
// bytes go to write in chunks, in the code page or (UTF-8) in UTF-8 with the
// kind's mark in front.
class OutputEncoder
{
public:
    OutputEncoder(TextEncoding encoding, OutputKind kind, const std::function<void(QByteArrayView)> &write)
        : m_encoding(encoding), m_write(write)
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
        if (!encode())
            return false;
        flush();
        return true;
    }

private:
    static constexpr qsizetype kChunk = 64 * 1024;

    bool encode()
    {
        if (m_encoding == TextEncoding::Utf8) {
            m_bytes += m_chars.toUtf8();
        } else if (m_encoding == TextEncoding::Cp1252) {
            bool fits = false;
            m_bytes += encodeCp1252(m_chars, &fits);
            if (!fits)
                return false;
        } else {
            try {
                m_bytes += TextFile::encode(m_chars, m_encoding);
            } catch (const Exception &) {
                return false;
            }
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

    const TextEncoding m_encoding;
    const std::function<void(QByteArrayView)> &m_write;
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
