#pragma once
// What pot and rc read: the units named on the command line and their lists.
#include "cli/CommandParser.h"
#include "extract/FormIds.h"
#include "extract/ListPositions.h"
#include "extract/StringMode.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

struct UnitList
{
    QString baseName; // "Unit1"
    QString path;     // the C++ page's list file
    QString text;     // the list as the window's list holds it ("" when the file is missing)
    bool hasList = false;
    StringMode mode = StringMode::Global;
    QString dfmText;  // the form page's list, <base>.dfm.list.txt ("" when there is none)
    TextEncoding codePage = TextEncoding::Cp1252; // the unit's, which its resource script takes
    // Where extract found the entries (<base>.list.pos, <base>.dfm.list.pos).
    QHash<QString, QList<ListPositions::Position>> cppPlaces, dfmPlaces;
    FormIds::Ids formIds; // the form entries' string identifiers (<base>.dfm.list.ids)
};

struct UnitLists
{
    QList<UnitList> units;
    bool project = false; // several units or a folder: contexts qualified by unit
};

// The lists of the parser's UNITs. One UNIT (any of the unit's files, or
// its path without extension): its lists beside it. Several UNITs or a
// folder: a project, every unit below that has a list; the base names must
// differ. Every list gets the --mode, or without one the mode its lines
// show; its files are read as the unit's pages are (--encoding, the project
// file's encoding, detection). Reports to io.err and returns nothing when --mode is unknown, a list
// cannot be read or no list is found. needCppList: a unit's C++ list, or
// identifiers of its form list, must exist (rc).
std::optional<UnitLists> readUnitLists(const CommandParser &parser, CliStreams &io, bool needCppList);
