#pragma once
// What pot and rc read: the unit named on the command line and its list file.
#include "Command.h"
#include "StringMode.h"

#include <QCommandLineParser>
#include <QString>

#include <optional>

struct UnitList
{
    QString baseName; // "Unit1"
    QString path;     // the list file
    QString text;     // the list as the window's list holds it
    StringMode mode = StringMode::Global;
};

// Adds --mode to parser (global, form, function; default: as the list's lines show).
void addModeOption(QCommandLineParser &parser);

// UNIT is any of the unit's files or its path without extension; the list
// file is <base>.list.txt beside it. Reports to io.err and returns nothing
// when it cannot be read or --mode is unknown.
std::optional<UnitList> readUnitList(const QString &unit, const QCommandLineParser &parser, CliStreams &io);

// Parses arguments (command name first) with --help; returns the exit status
// to end with, or nothing to go on. Wants exactly one positional argument.
std::optional<int> parseCommand(QCommandLineParser &parser, const QStringList &arguments, CliStreams &io);
