#pragma once
// Names and property paths read from lines of a form description such as
//   object Form1: TForm1
//     object Label1: TLabel
//       Font.Name = 'Arial'
// All functions are pure functions of a line text.
#include <QString>
#include <QStringList>

#include <functional>

namespace FormDescription {

// A line names an object only when its first word (after blanks and control
// characters; a word ends at a blank or control character) is exactly
// "object"; the name runs from after that word and the one character after
// it to the next ":" or the line's end.
//   "object Form1: TForm1" -> "Form1"      "object objectList: TList" -> "objectList"
//   "inherited Form1: TForm1" -> ""        "Caption = 'object list'" -> ""
QString objectNameOfLine(const QString &line);

// The same scan with ":" as the word: "object Form1: TForm1" -> "TForm1".
// A later ":" turns collecting on again; "" for a line without ":".
QString classNameOfLine(const QString &line);

// Property parts of a line, read up to its first "=": every "." ends a part,
// the "=" ends the last one; parts are stripped. Without "=", what follows
// the last "." is dropped. "  Font.Name = 'Arial'" -> {"Font", "Name"}.
// step runs once per character walked (the caller pumps its messages there).
QStringList propertyParts(const QString &line, const std::function<void()> &step = {});

// root stripped, "->", then the parts joined by "->": "Form1->Label1->Caption".
QString propertyPath(const QString &root, const QStringList &parts);

// path " = \"" text "\";" where text is the found text without its first
// and its last character (the apostrophes of a form literal), unconverted.
QString propertyEntry(const QString &path, const QString &foundText);

} // namespace FormDescription
