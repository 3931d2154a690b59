#pragma once
// The literals of one page of each unit, read in parallel: what list and
// check print.
#include "BatchExtract.h"
#include "Units.h"

#include <QJsonObject>

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

// Reads --page: cpp (default) or dfm; false for anything else.
bool pageOption(const QString &value, SourcePage *page);
