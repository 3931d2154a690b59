// list and check as CI runs them: every format on real units, the SARIF log
// against the SARIF 2.1.0 schema, baselines, both pages, @FILE and -, and
// each command's help.
#include "tests/support/CliRun.h"
#include "cli/Command.h"
#include "cli/Findings.h"
#include "tests/support/QtPrint.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {
CliRun run(const QStringList &args)
{
    return runCliCaptured(args);
}

// Each test runs in a folder of its own, which is the current folder, so
// that paths below it are written relative.
class Findings : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    void write(const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(name).path());
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray read(const QString &name)
    {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A real unit copied below the current folder; false when there is none.
    bool copyRealUnit(const QString &unit, const QString &to)
    {
        const QString from = QStringLiteral(VTQX_SHARED_DIR "/units/") + unit;
        if (!QFile::exists(from + QStringLiteral(".cpp")))
            return false;
        QDir().mkpath(to);
        for (const char *ext : {".cpp", ".h", ".dfm"})
            QFile::copy(from + QLatin1String(ext), to + u'/' + QFileInfo(from).fileName() + QLatin1String(ext));
        return true;
    }

    QTemporaryDir dir;
    QString previous;
};

// The first literal of a labelled file that the hand labels call user text:
// {line, column}, or {0, 0} when there is none.
std::pair<int, int> firstLabelledUserText(const QString &labels, const QString &file)
{
    QFile f(QStringLiteral(VTQX_LABELS_DIR "/") + labels);
    std::pair<int, int> first{0, 0};
    if (!f.open(QIODevice::ReadOnly))
        return first;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        const QStringList c = line.trimmed().split(u'\t');
        if (c.size() < 4 || c[0] != file || c[3] != u"user")
            continue;
        const std::pair<int, int> at{c[1].toInt(), c[2].toInt()};
        if (first.first == 0 || at < first)
            first = at;
    }
    return first;
}

const QByteArray kCpp = "void TEditForm::Go()\r\n{\r\n  Caption = \"Hello world\";\r\n  Key = \"app.key\";\r\n}\r\n";
const QByteArray kDfm = "object EditForm: TEditForm\r\n  Caption = 'Edit the text'\r\n  Font.Name = 'Arial'\r\nend\r\n";

// One real unit in every format: the same findings, gcc lines as problem
// matchers read them, JSON and SARIF documents that parse.
TEST_F(Findings, EveryFormatOnARealUnitGivesTheSameFindings)
{
    if (!copyRealUnit(QStringLiteral("kasse/VerkaufFrm"), QStringLiteral("src")))
        GTEST_SKIP() << "no real units in " VTQX_SHARED_DIR;
    const auto check = [](const char *format) {
        return run({QStringLiteral("check"), QStringLiteral("--format"), QLatin1String(format), QStringLiteral("src")});
    };
    const CliRun text = check("text"), gcc = check("gcc"), json = check("json"), sarif = check("sarif");
    for (const CliRun *r : {&text, &gcc, &json, &sarif})
        EXPECT_EQ(r->exit, ExitFindings) << r->err.toStdString();

    const QStringList lines = gcc.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 10);
    const QRegularExpression pattern(
        QStringLiteral(R"(^src/VerkaufFrm\.(cpp|dfm):\d+:\d+: warning: user text ".*" \(.+\) \[vtqx-user-text\]$)"));
    for (const QString &line : lines)
        EXPECT_TRUE(pattern.match(line).hasMatch()) << line.toStdString();
    // The first finding is where the hand labels see the first user text.
    const auto [row, column] = firstLabelledUserText(QStringLiteral("kasse.tsv"), QStringLiteral("kasse/VerkaufFrm.cpp"));
    ASSERT_GT(row, 0) << "no label for kasse/VerkaufFrm.cpp";
    EXPECT_TRUE(lines.front().startsWith(QStringLiteral("src/VerkaufFrm.cpp:%1:%2: warning: user text ").arg(row).arg(column)))
        << lines.front().toStdString();
    EXPECT_TRUE(lines.filter(QStringLiteral(".dfm:")).size() > 0) << "the form description is checked too";
    EXPECT_EQ(text.out.count(u'\n'), lines.size());

    const QJsonDocument array = QJsonDocument::fromJson(json.out.toUtf8());
    ASSERT_TRUE(array.isArray()) << json.out.left(200).toStdString();
    EXPECT_EQ(array.array().size(), lines.size());
    EXPECT_EQ(array.array().at(0).toObject().value(QStringLiteral("verdict")).toString(), QStringLiteral("user-text"));

    const QJsonObject log = QJsonDocument::fromJson(sarif.out.toUtf8()).object();
    const QJsonObject firstRun = log.value(QStringLiteral("runs")).toArray().at(0).toObject();
    const QJsonArray results = firstRun.value(QStringLiteral("results")).toArray();
    ASSERT_EQ(results.size(), lines.size());
    const QJsonObject loc = results.at(0)[QStringLiteral("locations")][0][QStringLiteral("physicalLocation")].toObject();
    EXPECT_EQ(loc[QStringLiteral("artifactLocation")][QStringLiteral("uri")].toString(), QStringLiteral("src/VerkaufFrm.cpp"));
    EXPECT_EQ(loc[QStringLiteral("region")][QStringLiteral("startLine")].toInt(), row);
    EXPECT_EQ(loc[QStringLiteral("region")][QStringLiteral("startColumn")].toInt(), column);
    // Equal texts at two places are two findings with fingerprints of their own.
    QSet<QString> prints;
    for (const QJsonValue &r : results)
        prints.insert(r[QStringLiteral("partialFingerprints")][QStringLiteral("vtqxLiteral/v1")].toString());
    EXPECT_EQ(prints.size(), results.size());

    // list covers every literal, in every format alike.
    const CliRun listGcc = run({QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("gcc"), QStringLiteral("src")});
    const CliRun listJson = run({QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("json"), QStringLiteral("src")});
    EXPECT_GT(listGcc.out.count(u'\n'), lines.size());
    EXPECT_EQ(QJsonDocument::fromJson(listJson.out.toUtf8()).array().size(), listGcc.out.count(u'\n'));
    EXPECT_TRUE(listGcc.out.contains(QStringLiteral(": note: probably not user text ")));
}

// The log of a real unit and of a unit outside the current folder, validated
// against the SARIF 2.1.0 schema kept in tests/cli/sarif.
TEST_F(Findings, SarifLogIsValidAgainstTheSchema)
{
    QString python;
    for (const QString &candidate : {QStringLiteral("/usr/bin/python3"), QStandardPaths::findExecutable(QStringLiteral("python3"))})
        if (!candidate.isEmpty() && QProcess::execute(candidate, {QStringLiteral("-c"), QStringLiteral("import jsonschema")}) == 0) {
            python = candidate;
            break;
        }
    if (python.isEmpty())
        GTEST_SKIP() << "python3 with jsonschema is missing (scripts/setup.sh installs python3-jsonschema): not validated";
    write(QStringLiteral("u/EDIT.cpp"), kCpp);
    write(QStringLiteral("u/EDIT.dfm"), kDfm);
    QTemporaryDir outside;
    QFile::copy(QStringLiteral("u/EDIT.cpp"), outside.filePath(QStringLiteral("Other Unit.cpp")));
    QStringList units{QStringLiteral("u"), outside.filePath(QStringLiteral("Other Unit.cpp"))};
    if (copyRealUnit(QStringLiteral("winscp/Login"), QStringLiteral("real")) ||
        copyRealUnit(QStringLiteral("kasse/VerkaufFrm"), QStringLiteral("real")))
        units << QStringLiteral("real");
    for (const char *command : {"check", "list"}) {
        SCOPED_TRACE(command);
        const CliRun r = run(QStringList{QLatin1String(command), QStringLiteral("--format"), QStringLiteral("sarif")} + units);
        ASSERT_NE(r.exit, ExitError) << r.err.toStdString();
        write(QStringLiteral("log.sarif"), r.out.toUtf8());
        QProcess p;
        p.start(python, {QStringLiteral("-c"),
                         QStringLiteral("import json, sys, jsonschema\n"
                                        "schema = json.load(open(sys.argv[1]))\n"
                                        "log = json.load(open(sys.argv[2]))\n"
                                        "jsonschema.Draft4Validator(schema).validate(log)\n"
                                        "print(len(log['runs'][0]['results']))\n"),
                         QStringLiteral(VTQX_SARIF_SCHEMA), QStringLiteral("log.sarif")});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        EXPECT_GT(p.readAllStandardOutput().trimmed().toInt(), 1);
        EXPECT_TRUE(r.out.contains(QStringLiteral("\"uri\":\"file://") + outside.path() + QStringLiteral("/Other%20Unit.cpp\"")))
            << "a unit outside the current folder has an absolute URI";
    }
}

// SARIF regions: rows and columns are 1-based and count UTF-16 code units,
// a tab as one, as the log says (columnKind utf16CodeUnits). A region ends
// after its last character, and has an endLine only when the literal runs
// over several lines. (The gcc form counts the file's bytes: see the code
// page tests.)
struct RegionCase
{
    const char *name;
    SourcePage page;
    const char16_t *text;
    int line, column, endLine, endColumn; // endLine 0: none
};

class Regions : public ::testing::TestWithParam<RegionCase> {};

TEST_P(Regions, MultiLineLiteralsHaveAnEndLine)
{
    const RegionCase &c = GetParam();
    const std::vector<Batch::Literal> literals = Batch::findLiterals(QString::fromUtf16(c.text), c.page);
    ASSERT_FALSE(literals.empty());
    const PageRef ref{c.page, QStringLiteral("u.cpp"), QStringLiteral("u.cpp"), QStringLiteral("u"), QStringLiteral("/u"), true};
    const Finding f{ref, literals[0], 0, QStringLiteral("0")};
    const auto written = [&](OutputFormat format) {
        QString out;
        QTextStream stream(&out);
        const std::unique_ptr<FindingWriter> w = findingWriter(format, stream, Language::English);
        w->finding(f);
        w->end();
        stream.flush();
        return out;
    };
    const QJsonObject region = QJsonDocument::fromJson(written(OutputFormat::Sarif).toUtf8())[QStringLiteral("runs")][0]
        [QStringLiteral("results")][0][QStringLiteral("locations")][0][QStringLiteral("physicalLocation")]
        [QStringLiteral("region")].toObject();
    EXPECT_EQ(region[QStringLiteral("startLine")].toInt(), c.line);
    EXPECT_EQ(region[QStringLiteral("startColumn")].toInt(), c.column);
    EXPECT_EQ(region[QStringLiteral("endLine")].toInt(), c.endLine);
    EXPECT_EQ(region[QStringLiteral("endColumn")].toInt(), c.endColumn);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, Regions,
    ::testing::Values(
        RegionCase{"one_line", SourcePage::Cpp, u"x = \"ab\";", 1, 5, 0, 9},
        RegionCase{"second_line", SourcePage::Cpp, u"{\r\n  x = \"ab\";", 2, 7, 0, 11},
        RegionCase{"tab_counts_one", SourcePage::Cpp, u"\tx = \"ab\";", 1, 6, 0, 10},
        RegionCase{"umlaut_before", SourcePage::Cpp, u"/*\u00fc*/ x = \"ab\";", 1, 11, 0, 15},
        RegionCase{"astral_before_counts_two", SourcePage::Cpp, u"/*\U0001D11E*/x = \"a\";", 1, 11, 0, 14},
        RegionCase{"astral_inside", SourcePage::Cpp, u"x = \"\U0001D11E\";", 1, 5, 0, 9},
        RegionCase{"line_splice", SourcePage::Cpp, u"x = \"ab\\\r\ncd\";", 1, 5, 2, 4},
        RegionCase{"form_value_of_two_lines", SourcePage::Dfm,
                   u"object F: TF\r\n  Caption = 'a' +\r\n    'bc'\r\nend\r\n", 2, 13, 3, 9}),
    [](const auto &info) { return std::string(info.param.name); });

// The baseline matches by unit (relative to its own folder), page and text,
// and each entry accepts as many findings as its count (1 when it has none).
TEST_F(Findings, BaselineMatchesUnitPageTextAndCount)
{
    write(QStringLiteral("ci/base.json"),
          R"({"findings": [{"unit": "../src/EDIT", "page": "cpp", "text": "\"Hello\"", "count": 2},
                           {"unit": "../src/EDIT", "page": "dfm", "text": "'Edit'"},
                           {"unit": "../src/EDIT", "page": "cpp", "text": "\"Bye\""}]})");
    Baseline baseline(QStringLiteral("ci/base.json"));
    baseline.load(Language::English);
    struct Query
    {
        const char *unit;
        SourcePage page;
        const char *text;
        bool accepted;
    };
    const Query queries[] = {
        {"src/EDIT", SourcePage::Cpp, "\"Hello\"", true},  {"src/EDIT", SourcePage::Cpp, "\"Hello\"", true},
        {"src/EDIT", SourcePage::Cpp, "\"Hello\"", false}, // its count is used up
        {"src/EDIT", SourcePage::Cpp, "'Edit'", false},    // another page
        {"src/EDIT", SourcePage::Dfm, "'Edit'", true},     {"src/EDIT", SourcePage::Dfm, "'Edit'", false},
        {"src/OTHER", SourcePage::Cpp, "\"Bye\"", false},  // another unit
        {"src/EDIT", SourcePage::Cpp, "\"bye\"", false},   // another text
        {"src/EDIT", SourcePage::Cpp, "\"Bye\"", true},
    };
    for (const Query &q : queries) {
        const PageRef ref{q.page, {}, {}, {}, QDir::current().absoluteFilePath(QLatin1String(q.unit)), true};
        Batch::Literal literal;
        literal.text = QLatin1String(q.text);
        EXPECT_EQ(baseline.accepts(Finding{ref, literal, 0, {}}), q.accepted) << q.unit << ' ' << q.text;
    }
}

// Findings match the baseline by unit, page, text and count, not by line.
TEST_F(Findings, BaselineRoundTrips)
{
    write(QStringLiteral("src/EDIT.cpp"), kCpp);
    write(QStringLiteral("src/EDIT.dfm"), kDfm);
    const QString base = QStringLiteral("ci/vtqx-baseline.json");
    QDir().mkpath(QStringLiteral("ci"));
    CliRun r = run({QStringLiteral("check"), QStringLiteral("--write-baseline"), base, QStringLiteral("src")});
    ASSERT_EQ(r.exit, ExitOk) << r.err.toStdString();
    EXPECT_EQ(r.out, QString());
    const QByteArray written = read(base);
    EXPECT_TRUE(written.contains("\"unit\": \"../src/EDIT\"")) << written.toStdString();
    ASSERT_EQ(run({QStringLiteral("check"), QStringLiteral("--write-baseline"), base, QStringLiteral("src")}).exit, ExitOk);
    EXPECT_EQ(read(base), written) << "stable";

    const auto checked = [&] {
        return run({QStringLiteral("check"), QStringLiteral("--format"), QStringLiteral("gcc"), QStringLiteral("--baseline"), base,
                    QStringLiteral("src")});
    };
    r = checked();
    EXPECT_EQ(r.exit, ExitOk) << "unchanged: " << r.out.toStdString();
    EXPECT_EQ(r.out, QString());

    QByteArray moved = kCpp;
    moved.replace("{\r\n", "{\r\n  int x = 0;\r\n\r\n"); // every literal two lines lower
    write(QStringLiteral("src/EDIT.cpp"), moved);
    EXPECT_EQ(checked().exit, ExitOk) << "moved";

    QByteArray twice = moved;
    twice.replace("}\r\n", "  Hint = \"Hello world\";\r\n}\r\n");
    write(QStringLiteral("src/EDIT.cpp"), twice);
    r = checked();
    EXPECT_EQ(r.exit, ExitFindings) << "a second copy";
    EXPECT_EQ(r.out, QStringLiteral("src/EDIT.cpp:7:10: warning: user text \"Hello world\" (assigned to `Hint`: a text on screen) [vtqx-user-text]\n"));

    QByteArray added = moved;
    added.replace("}\r\n", "  Hint = \"A new text\";\r\n}\r\n");
    write(QStringLiteral("src/EDIT.cpp"), added);
    r = checked();
    EXPECT_EQ(r.exit, ExitFindings) << "a new literal";
    EXPECT_TRUE(r.out.contains(QStringLiteral("\"A new text\""))) << r.out.toStdString();

    write(base, "{ no json");
    r = checked();
    EXPECT_EQ(r.exit, ExitError);
    EXPECT_TRUE(r.err.contains(base)) << r.err.toStdString();
}

// A project's own calls, from the command line and from vtqx.project; a bad
// value or line stops the run, naming it.
TEST_F(Findings, KeywordsFromOptionsAndTheProjectFile)
{
    write(QStringLiteral("EDIT.cpp"), "void T::Go()\r\n{\r\n  Note(\"Hello world\");\r\n  Say(\"MAX_LEN\");\r\n}\r\n");
    const auto check = [](QStringList extra) {
        return run(QStringList{QStringLiteral("check"), QStringLiteral("-q"), QStringLiteral("--format"),
                               QStringLiteral("gcc"), QStringLiteral("--page"), QStringLiteral("cpp")} + extra + QStringList{QStringLiteral("EDIT.cpp")});
    };
    EXPECT_EQ(check({}).out.count(u'\n'), 1) << "Note's text alone";
    EXPECT_EQ(check({QStringLiteral("--never"), QStringLiteral("Note")}).exit, ExitOk);
    const CliRun both = check({QStringLiteral("--never"), QStringLiteral("Note:1"), QStringLiteral("--keyword"), QStringLiteral("Say")});
    EXPECT_TRUE(both.out.startsWith(QStringLiteral("EDIT.cpp:4:7:"))) << both.out.toStdString();
    EXPECT_EQ(both.out.count(u'\n'), 1);
    EXPECT_EQ(check({QStringLiteral("--keyword"), QStringLiteral("Say:0")}).exit, ExitError);

    write(QStringLiteral("vtqx.project"), "never = Note\nkeyword = Say:1\n");
    EXPECT_TRUE(check({}).out.startsWith(QStringLiteral("EDIT.cpp:4:7:")));
    write(QStringLiteral("vtqx.project"), "never = Note\nshow = Say\n");
    const CliRun bad = check({});
    EXPECT_EQ(bad.exit, ExitError);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("vtqx.project:2: unknown key \"show\""))) << bad.err.toStdString();
}

// The form description's caption is user text; Font.Name is a property
// without display text. --page chooses.
TEST_F(Findings, CaptionInTheFormDescriptionIsReported)
{
    write(QStringLiteral("EDIT.cpp"), kCpp);
    write(QStringLiteral("EDIT.dfm"), kDfm);
    CliRun r = run({QStringLiteral("check"), QStringLiteral("--format"), QStringLiteral("gcc"), QStringLiteral("EDIT.cpp")});
    EXPECT_EQ(r.exit, ExitFindings);
    EXPECT_EQ(r.out, QStringLiteral("EDIT.cpp:3:13: warning: user text \"Hello world\" (assigned to `Caption`: a text on screen) [vtqx-user-text]\n"
                                    "EDIT.dfm:2:13: warning: user text \"Edit the text\" (the form property `Caption`: a text on screen) [vtqx-user-text]\n"));
    r = run({QStringLiteral("list"), QStringLiteral("--page"), QStringLiteral("dfm"), QStringLiteral("EDIT.dfm")});
    EXPECT_TRUE(r.out.contains(QStringLiteral("EDIT.dfm:3:15: probably-not [property] 'Arial'"))) << r.out.toStdString();
    r = run({QStringLiteral("check"), QStringLiteral("--page"), QStringLiteral("cpp"), QStringLiteral("-q"), QStringLiteral("EDIT.cpp")});
    EXPECT_EQ(r.out.count(u'\n'), 1);
    EXPECT_EQ(r.err, QString()) << "--quiet prints only the findings";
    EXPECT_EQ(run({QStringLiteral("check"), QStringLiteral("--page"), QStringLiteral("h"), QStringLiteral("EDIT.cpp")}).exit, ExitError);
    EXPECT_EQ(run({QStringLiteral("check"), QStringLiteral("--format"), QStringLiteral("xml"), QStringLiteral("EDIT.cpp")}).exit, ExitError);
}

// Units from a file (@FILE) and from standard input (-).
TEST_F(Findings, UnitsFromAFileAndFromStandardInput)
{
    write(QStringLiteral("a/ONE.cpp"), kCpp);
    write(QStringLiteral("b/TWO.cpp"), kCpp);
    write(QStringLiteral("units.txt"), "a/ONE.cpp\r\n\r\nb/TWO.cpp\n");
    CliRun r = run({QStringLiteral("check"), QStringLiteral("--format"), QStringLiteral("gcc"), QStringLiteral("@units.txt")});
    EXPECT_EQ(r.exit, ExitFindings) << r.err.toStdString();
    EXPECT_EQ(r.out.count(u'\n'), 2);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("a/ONE.cpp:3:13:")) && r.out.contains(QStringLiteral("\nb/TWO.cpp:3:13:")))
        << r.out.toStdString();
    r = run({QStringLiteral("check"), QStringLiteral("@missing.txt")});
    EXPECT_EQ(r.exit, ExitError);
    EXPECT_TRUE(r.err.contains(QStringLiteral("missing.txt"))) << r.err.toStdString();

    // Standard input from the same list, as a hook pipes it.
    const int saved = ::dup(STDIN_FILENO);
    const int list = ::open("units.txt", O_RDONLY);
    ASSERT_GE(list, 0);
    ::dup2(list, STDIN_FILENO);
    ::close(list);
    r = run({QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("gcc"), QStringLiteral("-")});
    ::dup2(saved, STDIN_FILENO);
    ::close(saved);
    EXPECT_EQ(r.exit, ExitOk) << r.err.toStdString();
    EXPECT_EQ(r.out.count(u'\n'), 4) << r.out.toStdString();
}

// Each command's help names it, shows its exit status and offers no
// --help-all; -V works everywhere.
TEST_F(Findings, EachCommandHasHelpAndVersion)
{
    for (const CliCommand &command : cliCommands()) {
        const QString name = QLatin1String(command.name);
        SCOPED_TRACE(command.name);
        const CliRun help = run({name, QStringLiteral("--help")});
        EXPECT_EQ(help.exit, ExitOk);
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: vtqx-cli ") + name + QStringLiteral(" [options] UNIT")))
            << help.out.toStdString();
        EXPECT_TRUE(help.out.contains(QStringLiteral("Exit status:\n  0 ")));
        EXPECT_TRUE(help.out.contains(QStringLiteral("-V, --version")));
        EXPECT_FALSE(help.out.contains(QStringLiteral("help-all")));
        EXPECT_EQ(run({name, QStringLiteral("--help-all")}).exit, ExitError);
        const CliRun version = run({name, QStringLiteral("-V")});
        EXPECT_EQ(version.exit, ExitOk);
        EXPECT_EQ(version.out, QStringLiteral("vtqx-cli ") + cliVersion() + u'\n');
    }
    EXPECT_TRUE(run({QStringLiteral("check"), QStringLiteral("--help")}).out.contains(QStringLiteral("--baseline <FILE>")));
    EXPECT_EQ(run({QStringLiteral("-V")}).out, QStringLiteral("vtqx-cli ") + cliVersion() + u'\n');
    const CliRun bad = run({QStringLiteral("list"), QStringLiteral("--bogus"), QStringLiteral("x.cpp")});
    EXPECT_EQ(bad.err, QStringLiteral("vtqx-cli: unknown option '--bogus'\n"));

    // Under a German locale every line is German, Qt's parts included.
    write(QStringLiteral("EDIT.cpp"), kCpp);
    const auto german = [](const QStringList &args) { return runCliInGerman(QStringLiteral(VTQX_CLI), args); };
    const QString help = german({QStringLiteral("check"), QStringLiteral("--help")});
    EXPECT_TRUE(help.startsWith(QStringLiteral("Aufruf: vtqx-cli check [Optionen] UNIT...\n"))) << help.toStdString();
    for (const char *english : {"Usage", "Options:", "Arguments:", "Exit status", "Show ", "Displays"})
        EXPECT_FALSE(help.contains(QLatin1String(english))) << english;
    EXPECT_EQ(german({QStringLiteral("check"), QStringLiteral("--page")}),
              QStringLiteral("vtqx-cli: die Option '--page' braucht einen Wert\n"));
    EXPECT_EQ(german({QStringLiteral("check"), QStringLiteral("--page"), QStringLiteral("cpp"), QStringLiteral("EDIT.cpp")}),
              QDir::currentPath() + QStringLiteral("/EDIT.cpp:3:13: user-text \"Hello world\"\n"
                                                   "1 Benutzertext-Literal(e) ohne Behalten-Markierung\n"));
}
} // namespace
