#pragma once
// Entries of an extraction list that a generator would turn into code or a
// resource script that does not build. The generators still write what the
// list says; the window shows the warning first.
#include "generate/GeneratorTable.h"

#include <QList>

enum class ListFault {
    NameTwice,          // the same name as an earlier entry
    NumberTwice,        // another name with the same number (String-1 beside String1)
    IdentifierTooLarge, // string table identifier above 65,535 (identifiers are 16 bits)
    OpenLiteral,        // the literal does not close on its line
    CommentEnd,         // "*/" ends the comment block that Add to CPP writes
};

struct ListFinding
{
    int line = 0;       // 1-based line of the list
    QString entry;      // the line as it stands
    ListFault fault = ListFault::NameTwice;
    int earlierLine = 0; // NameTwice, NumberTwice: the first line with that name or number
    qint64 number = 0;   // NumberTwice: the number; IdentifierTooLarge: the identifier
    bool operator==(const ListFinding &) const = default;
};

// Findings in line order; blank lines are skipped. Only the faults that
// break the output of this generator on this page and in this mode count:
// names and numbers on the C++ page (numbers only where they become case
// labels or identifiers, identifiers only where a string table is used),
// open literals and "*/" everywhere. Nothing on the header page.
QList<ListFinding> checkList(const GeneratorInput &in, GeneratorKind kind);

// The warning: a heading, then one line per finding naming the line, the
// entry (shortened) and why; at most 20, then how many more.
QString listWarning(const QList<ListFinding> &findings, Language lang);
