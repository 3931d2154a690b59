#pragma once
// Reading and writing the unit's text files. The encoding found on load is
// kept for the save: UTF-16 when a byte order mark says so (either order,
// mark kept), UTF-8 (with or without mark) when the bytes are valid UTF-8,
// Windows-1252 otherwise. Decoding then encoding gives every byte back.
// Saves are atomic.
#include <QByteArray>
#include <QSaveFile>
#include <QString>

enum class TextEncoding { Utf8, Utf8Bom, Cp1252, Utf16LeBom, Utf16BeBom };

struct LoadedText
{
    QString text; // line breaks as in the file
    TextEncoding encoding = TextEncoding::Utf8;
};

namespace TextFile {
constexpr qint64 kMaxSize = 64ll * 1024 * 1024;

// Decodes file bytes, telling the encoding.
LoadedText decode(const QByteArray &bytes);
// Encodes text; raises Exception naming the first character the encoding
// cannot hold.
QByteArray encode(const QString &text, TextEncoding encoding);

// Raises Exception when the file is missing, a folder, unreadable or larger
// than kMaxSize.
LoadedText load(const QString &path);
// Writes encode(text, encoding) through writeAtomically(). Checks no size:
// unit files are saved through SourceUnit, which refuses what could not be
// loaded again.
void save(const QString &path, const QString &text, TextEncoding encoding);
// Replaces path by bytes atomically (QSaveFile). On failure the old file
// stays as it was and an Exception names the file and the platform's reason
// (for example "No space left on device").
void writeAtomically(const QString &path, const QByteArray &bytes);

// encode() of a text handed over in pieces, so that a large text need not
// exist whole: the same bytes and the same errors (positions count over the
// whole text). A surrogate pair may be split between two pieces.
class Encoder
{
public:
    explicit Encoder(TextEncoding encoding) : m_encoding(encoding) {}
    // Appends the bytes of the next piece to out (the mark before the first).
    void encode(QStringView piece, QByteArray &out);
    // Ends the text: raises on a high surrogate left unpaired at its end.
    void finish(QByteArray &out);

private:
    void append(QStringView chars, QByteArray &out) const;
    [[noreturn]] void unpaired(QChar c, QStringView piece, qsizetype at) const;
    [[noreturn]] void unfit(QStringView piece, qsizetype i) const;

    TextEncoding m_encoding;
    bool m_started = false;
    QChar m_high;          // a high surrogate that ended the last piece
    qsizetype m_done = 0;  // characters before the current piece
    qsizetype m_lines = 0; // line feeds before the current piece
    qsizetype m_lineStart = 0;
};

// writeAtomically() with the bytes written in parts: the file is replaced by
// commit() only; an error, or destruction before commit(), leaves the old
// file as it was. Raises with the same messages.
class AtomicFile
{
public:
    explicit AtomicFile(const QString &path); // creates the temporary file
    void write(QByteArrayView bytes);
    void commit();

private:
    [[noreturn]] void fail(const char *what);
    QString m_path;
    QSaveFile m_file;
};

// The text as an editor page holds it: every line break (CR LF, CR, LF) as
// CR LF. Converts in place (no second copy) when text is not shared.
QString withCrLfBreaks(QString text);
} // namespace TextFile
