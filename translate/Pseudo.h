#pragma once
// Pseudo-translation: a text as a translation would stress it, still
// readable. Shows before any translator starts which texts were missed (they
// stay plain) and which controls overflow.
//
//   "&Open %d files\n" -> "[&Öpéñ %d fîlés······]\n"
//
// Letters get accents (all within Windows-1252), the text grows by a third
// of its length and is bracketed; printf directives, the letter after an
// "&" accelerator ("&&" included) and every other character stay as they are.
// Line breaks at the start and the end stay outside the brackets, as
// msgfmt --check wants them to match.
#include <QString>

namespace Pseudo {

QString translate(const QString &text);

} // namespace Pseudo
