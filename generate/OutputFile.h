#pragma once
// Writing the output window's text to a file.
#include <QByteArray>
#include <QString>

#include "platform/core/TextFile.h"

#include <functional>

// What the text is, for the marks a compiler needs to read UTF-8 right.
enum class OutputKind { Text, CppCode, ResourceScript };

// Every line of text (string-list lines) followed by CR LF, in the unit's
// code page (Windows-1252 unless told otherwise) when every character fits,
// otherwise in UTF-8: C++ code then starts with a byte order mark, a
// resource script with "#pragma code_page(65001)". A resource script in a
// code page other than 1252 starts with "#pragma code_page(N)" and has its
// lines widened (widenResourceLines). codePage
// must be one of CodePages' 8-bit or double-byte pages.
QByteArray encodeOutputText(const QString &text, OutputKind kind = OutputKind::Text,
                            TextEncoding codePage = TextEncoding::Cp1252);

// Lines of a resource script in a double-byte code page as resource
// compilers read them: a line that holds a character whose second byte is
// 0x5C (a backslash to a compiler that reads bytes) has its strings made
// wide, every character beyond ASCII written as \xHHHH. Other lines stay.
QString widenResourceLines(QStringView lines, TextEncoding codePage);

// The code page outputs of a page take: the page's own when it is one,
// else Windows-1252.
TextEncoding outputCodePage(TextEncoding pageEncoding);

// Writes encodeOutputText(text, kind) to path atomically, replacing any file
// of that name. Raises Exception with the platform's message on failure; the
// old file then stays as it was.
void saveOutputText(const QString &path, const QString &text, OutputKind kind = OutputKind::Text,
                    TextEncoding codePage = TextEncoding::Cp1252);

// A text produced in pieces, as often as asked: produce(piece) calls piece
// with each piece in order.
using TextPieces = std::function<void(const std::function<void(QStringView piece)> &piece)>;

// The bytes of encodeOutputText() for the text that produce gives, handed
// to write in chunks; restart() is called before a second try drops what
// write got (a character did not fit Windows-1252).
void encodeOutputPieces(const TextPieces &produce, OutputKind kind, const std::function<void(QByteArrayView)> &write,
                        const std::function<void()> &restart, TextEncoding codePage = TextEncoding::Cp1252);

// saveOutputText() of the text that produce gives, encoded and written in
// chunks so that a large output need not exist whole. produce runs a second
// time when a character does not fit Windows-1252.
void saveOutputPieces(const QString &path, const TextPieces &produce, OutputKind kind = OutputKind::Text,
                      TextEncoding codePage = TextEncoding::Cp1252);
