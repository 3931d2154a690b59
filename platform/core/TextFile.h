#pragma once
// Reading and writing the unit's text files. The encoding found on load is
// kept for the save: UTF-16 when a byte order mark says so (either order,
// mark kept), UTF-8 (with or without mark) when the bytes are valid UTF-8,
// Windows-1252 otherwise. Decoding then encoding gives every byte back.
// Saves are atomic.
#include <QByteArray>
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

// The text as an editor page holds it: every line break (CR LF, CR, LF) as
// CR LF.
QString withCrLfBreaks(const QString &text);
} // namespace TextFile
