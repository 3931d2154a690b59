#pragma once
// A literal as list and check write it in the text and JSON formats.
#include "batch/BatchExtract.h"
#include "cli/Units.h"

#include <QJsonObject>


// One literal as a line ("file:row:col: verdict [hints] text") or as JSON.
QString literalLine(const QString &path, const Batch::Literal &l);
QJsonObject literalJson(const QString &path, const Batch::Literal &l);

// Reads --page: cpp (default) or dfm; false for anything else.
bool pageOption(const QString &value, SourcePage *page);
