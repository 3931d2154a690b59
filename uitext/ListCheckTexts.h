#pragma once
// The generators' warning about extraction list entries that give code that
// does not build, English and German.
#include "uitext/Catalogue.h"

#include <QString>

enum class ListCheckText {
    Heading,
    Entry,              // %1 line number, %2 the entry, %3 the reason
    NameTwice,          // %1 the earlier line
    NumberTwice,        // %1 the earlier line, %2 the number
    IdentifierTooLarge, // %1 the identifier
    OpenLiteral,
    CommentEnd,
    More,               // %1 how many findings are not listed
};
// Keep naming the last id: the table's compile-time check counts the ids by it.
inline constexpr ListCheckText kLastListCheckText = ListCheckText::More;

QString listCheckText(ListCheckText id, Language lang);
