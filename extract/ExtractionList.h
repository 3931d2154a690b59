#pragma once
// The extraction list: one entry per extracted literal, and the rules by which
// Extract and the generators read and write its lines. All functions are pure.
//
// Entry formats:
//   value entry     String3 = "Hello"       (Global, Form, or no mode)
//                   String3, "Hello"        (Function)
//   property entry  Form1->Label1->Caption = "Hello";   (DFM page)
#include "platform/core/SourcePage.h"
#include "extract/StringMode.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace ExtractionList {

// Text without leading and trailing blanks and control characters.
QString stripBlanks(const QString &text);

// Lines as a string list sees them: CR LF, CR and LF each end a line, the
// empty remainder after a final line break is not a line, "" has no lines.
QStringList lines(const QString &text);
// The same lines handed to f one at a time, without a list of them all.
void forEachLine(const QString &text, const std::function<void(const QString &line)> &f);

// line = name sep value, sep = the first "=" or "," of the line.
// Both parts stripped; without a separator the name is "" and the value is
// the whole line stripped.
struct Entry
{
    QString name;
    QString value;
};
Entry splitEntry(const QString &line);

// Name of the first line of the list whose value equals value exactly;
// nothing when no line matches.
std::optional<QString> findEqualValue(const QString &listText, const QString &value);

// The same question asked of a list that grows: each value remembers the
// name of its first line.
class EqualValues
{
public:
    explicit EqualValues(const QString &listText = QString()) { add(listText); }
    // Adds the lines of text as the list's next lines.
    void add(const QString &text);
    std::optional<QString> find(const QString &value) const;

private:
    QHash<QString, QString> m_first;
};

// The list's last line as a string list sees it; "" for an empty list.
QString lastLine(const QString &listText);

// What the list gains when entry becomes its last line, given the list's
// last character ('\0' when empty): a line break unless the list ends with
// one, then the entry and a line break.
QString lineAddition(QChar lastChar, const QString &entry);

// Decimal text of a signed 32-bit integer: an optional sign followed by at
// least one digit. Nothing for any other text or a value out of range.
std::optional<int> parseInt32(const QString &text);

// number = all decimal digits of the text in order, read as an integer; 0
// when there are none. Raises Exception when the digits exceed 32 bits.
int numberOfName(const QString &text);

// "String" followed by n in decimal.
QString stringName(int n);

// name " = " value, or name ", " value in the Function mode.
QString valueEntry(const QString &name, const QString &value, StringMode mode);

// --- Lists that last from one extraction to the next ---

// Every name StringN and call LoadTextRC(N) in the page's text (whole
// words only): where it stands and its N, in page order. One pass.
struct NumberUse
{
    qsizetype at;
    int number;
    bool operator<(const NumberUse &o) const { return at < o.at; }
};
std::vector<NumberUse> numberUsesInPage(QStringView text);
// The highest of them; 0 when there is none.
int highestNumberInPage(QStringView text);

// The file that keeps a page's list beside its unit: <base>.list.txt for
// the C++ page, <base>.dfm.list.txt for the form page, <base>.h.list.txt for
// the header.
QString listFileName(const QString &baseName, SourcePage page);

// The form of a C++ page's entry: name, "text" in the Function mode,
// name = "text" in every other mode (its first separator decides).
enum class EntryForm { None, Function, Value };
EntryForm entryForm(const QString &line);
EntryForm entryFormOf(StringMode mode);

// A list file read back before it is continued.
struct ListFile
{
    enum Fault { None, NotAnEntry, NameTwice };
    Fault fault = None;
    int faultLine = 0;   // 1-based line of the first fault
    int nameTwiceLine = 0; // 1-based line of the first name given twice; 0 none
    int highest = 0;     // the highest number of a name (C++ page)
    QStringList names;   // the names (C++ page) or property paths (form page), in order
    // C++ page: the form of the first entry, and the first line of the
    // other form (0: the list has one form).
    EntryForm form = EntryForm::None;
    int otherFormLine = 0;
};
// C++ page: every line not blank is  name = "text"  or  name, "text"  with a
// name of letters, digits and "_". Form page:  path = "text";  A name or
// path may stand once. Every line is read, also after the first fault.
ListFile readListFile(const QString &text, bool formPage);

// The same list in the form of mode: each entry's separator rewritten.
QString convertListForm(const QString &text, StringMode mode);

// --- Taking a line apart for the generators ---

// Function mode: number of a name of the text before the first double quote.
// A line without any double quote gets the number of all its digits.
int entryNumber(const QString &line);
// Function mode: from the first double quote to the end of the line,
// unchanged; the whole line when it holds no double quote.
QString entryLiteral(const QString &line);
// Other modes: text before the first "=", stripped; the whole line unchanged
// when it has no "=".
QString entryName(const QString &line);
// Other modes: text after the first "=", stripped; "" without "=".
QString entryValue(const QString &line);
// Identifier in the string table: number + 100, in decimal. Computed wide so
// that a number near the 32-bit limit cannot overflow.
QString stringIdentifier(int number);
// String table identifiers are 16 bits: the highest one, and whether the
// entry numbered number gets one.
inline constexpr qint64 kLargestStringIdentifier = 65535;
inline constexpr bool hasStringIdentifier(qint64 number)
{
    return number + 100 <= kLargestStringIdentifier;
}

} // namespace ExtractionList
