#pragma once
// Writing and removing the keep marker on a C++ line; LiteralHinter is what
// reads it.
#include <QString>

// The line with " // vtqx:keep" appended; unchanged when it already ends
// with the marker comment:   f("x");  ->  f("x"); // vtqx:keep
QString withKeepMarker(const QString &line);

// The line without a trailing marker comment and the blanks before it;
// unchanged when it does not end with one:   f("x"); // vtqx:keep  ->  f("x");
QString withoutKeepMarker(const QString &line);
