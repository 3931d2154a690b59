#pragma once
// Reading and writing the unit's text files. The encoding found on load is
// kept for the save: UTF-16 when a byte order mark says so (either order,
// mark kept), UTF-8 with a mark; else the encoding chosen for the unit;
// else UTF-8 when the bytes are valid UTF-8; else the unit's code page
// (Windows-1252 unless told or guessed otherwise). Where decoding then
// encoding would not give every byte back, the loaded text says where.
// Saves are atomic.
#include "platform/core/RowCol.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <optional>

// The Windows code pages after Utf16BeBom: CodePages names them.
enum class TextEncoding {
    Utf8, Utf8Bom, Cp1252, Utf16LeBom, Utf16BeBom,
    Cp874, Cp932, Cp936, Cp949, Cp950,
    Cp1250, Cp1251, Cp1253, Cp1254, Cp1255, Cp1256, Cp1257, Cp1258
};

struct LoadedText
{
    QString text; // line breaks as in the file
    TextEncoding encoding = TextEncoding::Utf8;
    // Line and column (in characters) of the first byte that encoding the
    // text again would not give back; row 0 when every byte comes back.
    RowCol notKept;
};

namespace TextFile {
constexpr qint64 kMaxSize = 64ll * 1024 * 1024;

// Decodes file bytes, telling the encoding: a byte order mark wins, then
// chosen, then valid UTF-8, then eightBit.
LoadedText decode(const QByteArray &bytes, std::optional<TextEncoding> chosen = std::nullopt,
                  TextEncoding eightBit = TextEncoding::Cp1252);
// True when the bytes carry a byte order mark or are valid UTF-8: no code
// page is guessed for them.
bool isUnicode(const QByteArray &bytes);
// Encodes text; raises Exception naming the first character the encoding
// cannot hold.
QByteArray encode(const QString &text, TextEncoding encoding);

// The index of the first character of text the encoding cannot hold; -1
// when every one fits.
qsizetype firstUnfit(QStringView text, TextEncoding encoding);

// How many bytes text takes in the encoding, no mark counted (a character
// the encoding cannot hold as one substitute).
qsizetype byteLength(QStringView text, TextEncoding encoding);

// Raises Exception when the file is missing, a folder, unreadable or larger
// than kMaxSize.
QByteArray read(const QString &path);
// decode(read(path), chosen, eightBit).
LoadedText load(const QString &path, std::optional<TextEncoding> chosen = std::nullopt,
                TextEncoding eightBit = TextEncoding::Cp1252);
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
