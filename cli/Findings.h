#pragma once
// What list and check share: the pages of the units read one at a time, each
// literal written the moment it is found in the chosen format, and the
// baseline of accepted findings.
#include "batch/BatchExtract.h"
#include "cli/CommandParser.h"
#include "cli/Units.h"

#include <functional>
#include <map>
#include <memory>
#include <tuple>

enum class OutputFormat { Text, Gcc, Json, Sarif };

// The pages a run reads.
enum class PageChoice { Cpp, Dfm, Both };

// Machine names: "cpp", "dfm"; "user-text", "probably-not", "not-literal".
QString pageName(SourcePage page);
QString verdictName(LiteralVerdict v);

// A page being read: the file as located; the file and the unit (folder and
// base name) relative to the current folder when below it, else absolute.
struct PageRef
{
    SourcePage page = SourcePage::Cpp;
    QString path;
    QString relativePath;
    QString unit;
    QString absoluteUnit;
    bool belowCurrent = false;
};

// A literal of the page with its position among equal texts (0 for the
// first) and its identity: unit, page, text and that position, hashed.
struct Finding
{
    const PageRef &page;
    const Batch::Literal &literal;
    int copy = 0;
    QString fingerprint;
    int byteColumn = 0; // the column in bytes of the file, as gcc counts it
};

// A finding about a text that is no literal of the page (rc's fit check):
// where it is, the rule's id, the message and the text.
struct TextFinding
{
    const PageRef &page;
    int row = 1, col = 1;
    const char *rule;
    QString message;
    QString text;
};

// Writes findings as they come; end() closes the document.
class FindingWriter
{
public:
    virtual ~FindingWriter() = default;
    virtual void finding(const Finding &f) = 0;
    virtual void textFinding(const TextFinding &f) = 0;
    virtual void end() {}
};

// The format of a --format value: "" and text, gcc, json, sarif.
std::optional<OutputFormat> outputFormatNamed(const QString &name);

// The page at path of the unit folder + base name, named as findings name it.
PageRef pageRef(SourcePage page, const QString &path, const QString &unitBase);

// The writer of a format; a document format starts at once. Reasons of
// verdicts (gcc and SARIF messages, the JSON field "reason") are in lang.
std::unique_ptr<FindingWriter> findingWriter(OutputFormat format, QTextStream &out, Language lang);

// Accepted findings, each by unit, page, text and how many equal texts,
// never by line. Units are named relative to the baseline file's folder.
class Baseline
{
public:
    explicit Baseline(const QString &file);
    // Reads the file; raises Exception naming it when it is no baseline.
    void load(Language lang);
    // Counts f as accepted when the file holds one more of its text.
    bool accepts(const Finding &f);
    void record(const Finding &f);
    // Sorted by unit, page and text, so that its diffs read well.
    void save(Language lang) const;
    int recorded() const { return m_recorded; }

private:
    using Key = std::tuple<QString, QString, QString>; // unit, page, text
    Key keyOf(const Finding &f) const;

    QString m_file;
    std::map<Key, int> m_counts;
    int m_recorded = 0;
};

// The options list and check share: -h, -V, --jobs, --format (and --json),
// --page, --quiet.
void addFindingOptions(CommandParser &parser);
struct FindingOptions
{
    OutputFormat format = OutputFormat::Text;
    PageChoice pages = PageChoice::Both;
    bool quiet = false;
};
// Parses arguments and reads those options; the exit status to end with
// (after the help, the version or a mistake), or nothing to go on.
std::optional<int> readFindingOptions(CommandParser &parser, const QStringList &arguments, FindingOptions *options,
                                      CliStreams &io);

struct ScanTotals
{
    int written = 0;
    bool failed = false; // some page could not be read
};

// Reads each chosen page of each unit in turn and passes every literal that
// keep accepts to found, as it is found. When both pages are read, a unit
// without a form description has no form page, and a form without a C++
// source no C++ page. A page that cannot be read is
// told on the error stream, as is a bad project file (parser.project()).
// Holds one page at a time.
ScanTotals scanUnits(std::vector<SourceUnit> &units, const CommandParser &parser, PageChoice pages, bool fingerprints,
                     const std::function<bool(const Batch::Literal &)> &keep,
                     const std::function<bool(const Finding &)> &found, CliStreams &io);
