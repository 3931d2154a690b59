#pragma once
// The literals of one page of each unit, read in parallel: what list and
// check print.
#include "BatchExtract.h"
#include "Units.h"

#include <QJsonObject>

#include <functional>

struct UnitLiterals
{
    QString path;  // the page's file
    QString error; // why it could not be read; "" when read
    std::vector<Batch::Literal> literals;
};

// Page page of every unit; errors are kept per unit.
std::vector<UnitLiterals> readLiterals(std::vector<SourceUnit> &units, SourcePage page, int jobs, CliStreams &io,
                                       Language lang);

// One literal as a line ("file:row:col: verdict [hints] text") or as JSON.
QString literalLine(const QString &path, const Batch::Literal &l);
QJsonObject literalJson(const QString &path, const Batch::Literal &l);

// Writes the literals of units that keep accepts, as lines or as one JSON
// array; a unit that could not be read is told on the error stream. Returns
// how many literals were written; *failed: some unit could not be read.
int writeLiterals(const std::vector<UnitLiterals> &units, bool json,
                  const std::function<bool(const Batch::Literal &)> &keep, CliStreams &io, bool *failed);

// Reads --page: cpp (default) or dfm; false for anything else.
bool pageOption(const QString &value, SourcePage *page);
