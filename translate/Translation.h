#pragma once
// From an extraction list to a PO template, and from translated PO files to
// a resource script with one string table per language.
#include "Generators.h"
#include "PoFile.h"
#include "SourceTexts.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace Translation {

struct TemplateInput
{
    QString cppList; // extraction list of the C++ page
    StringMode mode = StringMode::Global;
    QString dfmList;  // extraction list of the DFM page ("" for none)
    QString baseName; // the unit: "Unit1" refers to Unit1.cpp and Unit1.dfm
    QDateTime created;
};

// The PO template: one message per entry with a literal text (msgctxt the
// entry name or property path, msgid the text the program shows, the string
// identifier as a comment, the unit's file as reference). Entries with an
// empty text need no translation and are left out; an entry repeated with
// the same name and text is one message.
QByteArray exportTemplate(const TemplateInput &in);

// A PO file as read, with the path it came from (for messages).
struct Translations
{
    QString path;
    PoFile::Catalog catalog;
};

enum class Reason { Untranslated, Fuzzy, Stale, Missing, NotLiteral };

struct Fallback
{
    QString language; // as the PO file names it
    QString entry;    // entry name
    Reason reason;
};

struct Script
{
    QStringList lines;
    QList<Fallback> fallbacks;
};

// Text in double quotes as resource compilers read it: a quote doubled,
// backslash, tab, CR and LF escaped, other control characters in octal.
QString rcLiteral(const QString &text);

// Create RC-File's table of in (source language, no LANGUAGE statement),
// then per PO file its LANGUAGE statement and a table with every identifier
// of the source table, in the same order. Untranslated, fuzzy, stale
// (msgid differs from the list's text) and missing messages keep the source
// literal and are listed as fallbacks. Raises Exception (in in.language)
// for a PO file without language, with a language the table does not know,
// and for two files of one language; nothing for a page other than C++.
std::optional<Script> translatedScript(const GeneratorInput &in, const QList<Translations> &translations);

// "de: String5 - not translated", one line per fallback.
QStringList fallbackReport(const QList<Fallback> &fallbacks, Language lang);

} // namespace Translation
