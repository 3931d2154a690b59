#pragma once
// What pot and rc read: the units named on the command line and their lists.
#include "Command.h"
#include "ListPositions.h"
#include "StringMode.h"

#include <QCommandLineParser>
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
    // Where extract found the entries (<base>.list.pos, <base>.dfm.list.pos).
    QHash<QString, QList<ListPositions::Position>> cppPlaces, dfmPlaces;
};

struct UnitLists
{
    QList<UnitList> units;
    bool project = false; // several units or a folder: contexts qualified by unit
};

// Adds --mode to parser (global, form, function; default: as the list's lines show).
void addModeOption(QCommandLineParser &parser);

// One UNIT (any of the unit's files, or its path without extension): its
// lists beside it. Several UNITs or a folder: a project, every unit below
// that has a list; the base names must differ. Reports to io.err and
// returns nothing when a list cannot be read, no list is found or --mode is
// unknown. needCppList: a unit's C++ list must exist (rc).
std::optional<UnitLists> readUnitLists(const QStringList &units, const QCommandLineParser &parser, CliStreams &io,
                                       bool needCppList);

// Parses arguments (command name first) with --help; returns the exit status
// to end with, or nothing to go on. Wants at least one positional argument.
std::optional<int> parseCommand(QCommandLineParser &parser, const QStringList &arguments, CliStreams &io);
