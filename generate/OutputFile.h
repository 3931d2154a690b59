#pragma once
// Writing the output window's text to a file.
#include <QByteArray>
#include <QString>

#include <functional>

// What the text is, for the marks a compiler needs to read UTF-8 right.
enum class OutputKind { Text, CppCode, ResourceScript };

// Every line of text (string-list lines) followed by CR LF, in Windows-1252
// when every character fits, otherwise in UTF-8: C++ code then starts with a
// byte order mark, a resource script with "#pragma code_page(65001)".
QByteArray encodeOutputText(const QString &text, OutputKind kind = OutputKind::Text);

// Writes encodeOutputText(text, kind) to path atomically, replacing any file
// of that name. Raises Exception with the platform's message on failure; the
// old file then stays as it was.
void saveOutputText(const QString &path, const QString &text, OutputKind kind = OutputKind::Text);

// A text produced in pieces, as often as asked: produce(piece) calls piece
// with each piece in order.
using TextPieces = std::function<void(const std::function<void(QStringView piece)> &piece)>;

// The bytes of encodeOutputText() for the text that produce gives, handed
// to write in chunks; restart() is called before a second try drops what
// write got (a character did not fit Windows-1252).
void encodeOutputPieces(const TextPieces &produce, OutputKind kind, const std::function<void(QByteArrayView)> &write,
                        const std::function<void()> &restart);

// saveOutputText() of the text that produce gives, encoded and written in
// chunks so that a large output need not exist whole. produce runs a second
// time when a character does not fit Windows-1252.
void saveOutputPieces(const QString &path, const TextPieces &produce, OutputKind kind = OutputKind::Text);
