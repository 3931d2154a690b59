#pragma once
// From an extraction list to a PO template, and from translated PO files to
// a resource script with one string table per language.
#include "generate/Generators.h"
#include "extract/ListPositions.h"
#include "platform/core/TextFile.h"
#include "translate/PoFile.h"
#include "translate/SourceTexts.h"

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
    // Where the entries were extracted, by entry name or property path as
    // the lists write them (ListPositions); an entry without a place refers
    // to the unit's file alone.
    QHash<QString, QList<ListPositions::Position>> cppPlaces, dfmPlaces;
};

// The PO template: one message per entry with a literal text (msgctxt the
// entry name, or the property path written with dots: Form1.Button1.Caption;
// msgid the text the program shows; the string identifier as a comment; the
// places as file:line references; c-format where the text is a printf
// format). Entries with an empty text need no translation and are left
// out; an entry repeated with the same name and text is one message.
// With pseudoLanguage, a PO file of that language instead, every message
// translated by Pseudo::translate.
QByteArray exportTemplate(const TemplateInput &in, const QString &pseudoLanguage = QString());

// One template for the units of a project: each unit's messages as
// exportTemplate gives them, each context qualified by the unit's base name
// (MainForm/String5), so equal texts of different entries stay apart. The
// base names must differ.
QByteArray exportProjectTemplate(const QString &project, const QDateTime &created, const QList<TemplateInput> &units,
                                 const QString &pseudoLanguage = QString());

// "MainForm/String5"
QString qualifiedContext(const QString &unit, const QString &context);

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

// Per PO file, how its messages served the table: every entry with a
// text counts once, by its name.
struct Counts
{
    QString language;
    int translated = 0, fuzzy = 0, untranslated = 0, stale = 0, missing = 0;
    Counts &operator+=(const Counts &other);
};

// A translation longer than the loading code's buffer holds in the code
// page of its language (LoadString cuts it off).
struct TooLong
{
    QString language; // as the PO file names it
    QString entry;    // entry name or property path (dots)
    qsizetype bytes = 0;
    int codePage = 0;
    // The source text is beyond the buffer too: the program cuts it in every
    // language, the translation adds nothing new (--strict lets it pass).
    bool sourceTooLong = false;
};

// The most bytes the loading code's buffer holds: char buff[255] and the NUL.
inline constexpr int kLoadableBytes = kLoadBufferSize - 1;

// text's length in bytes in the Windows code page (932, 1251, 1252 ...).
qsizetype bytesInCodePage(const QString &text, int codePage);

// A message a PO file translated, as its table holds it: entry name or
// property path.
struct Translated
{
    QString language;
    QString context;
    QString text;
};

struct Script
{
    QStringList lines;
    QList<Fallback> fallbacks;
    QList<TooLong> tooLong;
    QList<Translated> translated;
    QList<Counts> counts; // one per PO file, in their order
    // Per PO file, the text each form entry's table holds (translation or
    // source), by property path.
    QList<QHash<QString, QString>> formShown;
};

// A translation of a script that its code page cannot hold: the message's
// context, the PO file's language and the first such character.
struct Unfit
{
    QString context;
    QString language;
    QString character; // one character (a surrogate pair stays whole)
};
std::optional<Unfit> unfitTranslation(const Script &script, TextEncoding codePage);

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
// With unit, a project's PO files serve too: a message whose context is
// qualified by unit (Unit1/String5) counts as the entry's; messages of other
// units are not looked at.
// formTexts (SourceTexts::formTexts) follow: in a table of their own after
// the source table, and in each language's table after the C++ page's
// entries, with the same fallbacks and counts (their entry: the property
// path written with dots, as the PO context).
std::optional<Script> translatedScript(const GeneratorInput &in, const QList<Translations> &translations,
                                       const QString &unit = QString(),
                                       const QList<SourceTexts::Text> &formTexts = {});

// "de: String5 is 300 bytes in code page 1252; the loading code holds 254",
// one line each.
// How many of them a translation made too long.
qsizetype tooLongByTranslation(const QList<TooLong> &tooLong);
QStringList tooLongReport(const QList<TooLong> &tooLong, Language lang);

// "de: 12 translated, 1 fuzzy, 2 untranslated, 0 stale, 1 missing"
QString countsReport(const Counts &counts, Language lang);

// A warning for each file that has plural messages but no Plural-Forms
// header (a translator's tool then cannot know how many forms to ask for).
QStringList catalogWarnings(const QList<Translations> &translations, Language lang);

// "de: String5 - not translated", one line per fallback.
QStringList fallbackReport(const QList<Fallback> &fallbacks, Language lang);

} // namespace Translation
