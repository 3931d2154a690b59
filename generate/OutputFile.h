#pragma once
// Writing the output window's text to a file.
#include <QByteArray>
#include <QString>

// Every line of text (string-list lines) followed by CR LF, in Windows-1252
// when every character fits, otherwise in UTF-8 (no byte order mark).
QByteArray encodeOutputText(const QString &text);

// Writes encodeOutputText(text) to path atomically, replacing any file of
// that name. Raises Exception with the platform's message on failure; the
// old file then stays as it was.
void saveOutputText(const QString &path, const QString &text);
