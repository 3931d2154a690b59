#pragma once
// Where each entry of a lasting list stands: the list's companion
// file <base>.list.pos (C++ page) or <base>.dfm.list.pos (form page), one
// line per place, in page order, written anew by each extraction:
//
//   String5<TAB>Unit1.cpp:42
//   Form1->Button1->Caption<TAB>Unit1.dfm:17
//
// The list itself keeps its format; the places travel beside it so that a
// PO template can point translators at the source line.
#include <QHash>
#include <QList>
#include <QString>

#include <optional>
#include <vector>
#include <utility>

namespace ListPositions {

struct Position
{
    QString file; // the file's name, without folder
    int line = 0; // 1-based
    bool operator==(const Position &) const = default;
};

// Each whole-word name StringN and call LoadTextRC(N) of a C++ page as
// (N, 1-based line), in page order: where the page uses its entries.
std::vector<std::pair<int, int>> numbersInPage(QStringView page);

// "String5\tUnit1.cpp:42"
QString line(const QString &name, const Position &position);

// A line taken apart; nothing for a line of another shape.
std::optional<std::pair<QString, Position>> parse(const QString &line);

// The places of each name in the order of the file. Lines of another shape
// are left out: the file is a help for translators, never a reason to fail.
QHash<QString, QList<Position>> read(const QString &text);

} // namespace ListPositions
