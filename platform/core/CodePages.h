#pragma once
// The code pages a unit may be written in: their names, numbers and the
// toolkit's converters (ICU through QStringDecoder/QStringEncoder; Windows-1252
// keeps its own table in Cp1252). No table of our own.
#include "platform/core/TextFile.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace CodePages {
// Every encoding a unit can be read in, in the order a choice lists them:
// UTF-8, UTF-16, Windows-1252, then the other code pages by number.
const std::vector<TextEncoding> &all();

// True for the 8-bit and double-byte Windows code pages, 1252 included.
bool isCodePage(TextEncoding e);
// The Windows code page number: 65001 for UTF-8, 1200/1201 for UTF-16.
int number(TextEncoding e);
// The converter's name ("windows-932"); empty for UTF-8, UTF-16 and 1252.
const char *converterName(TextEncoding e);
// What a person reads: "UTF-8", "UTF-8 with BOM", "UTF-16 LE",
// "Windows-1251", "Shift-JIS (932)".
QString displayName(TextEncoding e);
// The short name a command line or setting takes and gives back
// ("utf-8", "utf-16le", "cp1251", "cp932").
QString key(TextEncoding e);

// Every key, comma-separated: what a message about an unknown name lists.
QString knownKeys();

// The encoding a name stands for, in any case: a key, a number ("1251"),
// "windows-1251", "cp1251", "utf8", "shift_jis", "sjis", "gbk", "big5",
// "uhc", "euc-kr", "tis-620". Nothing for an unknown name.
std::optional<TextEncoding> named(const QString &name);

struct Guess
{
    TextEncoding encoding = TextEncoding::Cp1252;
    int confidence = 0; // percent
};

// A statistical guess at the code page of bytes that are neither marked nor
// valid UTF-8 (for a unit, its 8-bit files together). Nothing when no code
// page other than Windows-1252 fits well: the caller keeps Windows-1252.
// The confidence is the share of the decoded non-ASCII characters that are
// letters of a script.
std::optional<Guess> guess(const QByteArray &bytes);
} // namespace CodePages
