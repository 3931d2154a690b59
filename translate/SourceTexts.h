#pragma once
// The texts of an extraction list as translators see them: one per entry,
// named by its context, with the text the running program shows.
#include "extract/FormIds.h"
#include "extract/StringMode.h"

#include <QList>
#include <QString>

#include <optional>

namespace SourceTexts {

struct Text
{
    enum class Kind { Value, Property };
    Kind kind = Kind::Value;
    QString context;             // entry name ("String5") or property path ("Form1->Label1->Caption")
    QString identifier;          // string identifier of a value entry; "" for a property entry
    QString written;             // the literal as the list holds it
    std::optional<QString> text; // what the program shows; nothing when written is no literal
};

// C++ literal text -> characters: one literal or adjacent ones ("a" "b"),
// each with an optional prefix (L, u, U, u8), escapes decoded. Octal and hex
// escapes of narrow literals are bytes of Windows-1252. Nothing for any other
// text, for a run across a line break and for a literal that holds a NUL
// character.
std::optional<QString> decodeCppLiteral(const QString &literal);

// Inner text of a form literal -> characters: a doubled apostrophe is one.
QString decodeFormLiteral(const QString &inner);

// The mode a list was written in, as far as its lines show: Function when
// every line with a separator has "," before any "=" (String3, "Hello"),
// Global otherwise (the Form mode writes the same lines as Global).
StringMode likelyMode(const QString &list);

// One Text per line of the C++ page's list, read with the same rules as
// Create RC-File (identifiers included). Raises Exception where Create
// RC-File does (a number beyond 32 bits).
QList<Text> valueTexts(const QString &list, StringMode mode);

// One Text per property entry of the DFM page's list (path = "text";).
// A value with a backslash is a C++ literal as extract writes it (escapes
// decoded); any other is the inside of a form literal as the window's
// Extract writes it ('' is one apostrophe). Lines of another shape are left
// out.
QList<Text> propertyTexts(const QString &list);

// The property texts of the form page's list that have a string identifier
// in ids (FormIds), with it; the others are left out.
QList<Text> formTexts(const QString &list, const FormIds::Ids &ids);

} // namespace SourceTexts
