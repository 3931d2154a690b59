#pragma once
// Windows-1252, the single-byte code page of the tool's texts. Bytes 0x80 to
// 0x9F have their own table; the five bytes that code page leaves undefined
// map to the C1 control characters of the same value, so every byte decodes
// to one character and decoding then encoding gives the bytes back.
#include <QByteArray>
#include <QString>

// Every byte to one character.
QString decodeCp1252(const QByteArray &bytes);

// Each character to its byte. A character the code page cannot hold is
// written as '?' and clears *ok (when given); *ok is set otherwise.
QByteArray encodeCp1252(QStringView text, bool *ok = nullptr);

// Whether every character of text has a byte in the code page.
bool fitsCp1252(const QString &text);
