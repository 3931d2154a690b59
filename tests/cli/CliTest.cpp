// vtqx-cli driven in-process: exit codes, written files, and files left
// untouched when anything fails.
#include "tests/support/CliRun.h"
#include "cli/Command.h"
#include "tests/support/QtPrint.h"
#include "tests/support/TempFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

namespace {
const QByteArray kCpp = "#include \"EDITFRM.H\"\r\n"
                        "void TEditForm::Go()\r\n"
                        "{\r\n"
                        "  Caption = \"Hello world\";\r\n"
                        "  Key = \"app.key\";\r\n"
                        "}\r\n";
const QByteArray kDfm = "object EditForm: TEditForm\r\n  Caption = 'Edit'\r\nend\r\n";

class Cli : public ::testing::Test, protected TempFolder
{
protected:
    using Run = CliRun;
    Run run(const QStringList &args) { return runCliCaptured(args); }


    // A unit written as units from Windows often are: upper-case names.
    void writeUnit(const QString &base, const QByteArray &cpp = kCpp, const QByteArray &dfm = kDfm)
    {
        write(base + QStringLiteral(".CPP"), cpp);
        write(base + QStringLiteral(".H"), "class TEditForm;\r\n");
        write(base + QStringLiteral(".DFM"), dfm);
    }

    // Every file below the folder, dot-named ones too, with a hash of its bytes.
    std::map<QString, std::string> snapshot() const
    {
        std::map<QString, std::string> out;
        QDirIterator it(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            QFile file(f);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            out[f] = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex().toStdString();
        }
        return out;
    }

};

TEST_F(Cli, CheckFailsOnUnmarkedUserTextAndPassesWithTheMarker)
{
    writeUnit(QStringLiteral("EDITFRM"));
    // a lower-case name finds the upper-case files
    Run r = run({QStringLiteral("check"), QStringLiteral("--page"), QStringLiteral("cpp"), path(QStringLiteral("editfrm.cpp"))});
    EXPECT_EQ(r.exit, ExitFindings) << r.err.toStdString();
    EXPECT_EQ(r.out.count(u'\n'), 1) << r.out.toStdString(); // the include and the key are not user text
    EXPECT_TRUE(r.out.contains(QStringLiteral("EDITFRM.CPP:4:13: user-text \"Hello world\""))) << r.out.toStdString();

    QByteArray marked = kCpp;
    marked.replace("\"Hello world\";", "\"Hello world\"; // vtqx:keep");
    write(QStringLiteral("EDITFRM.CPP"), marked);
    r = run({QStringLiteral("check"), QStringLiteral("--page"), QStringLiteral("cpp"), dir.path()});
    EXPECT_EQ(r.exit, ExitOk) << r.out.toStdString();
    EXPECT_EQ(r.out, QString());

    r = run({QStringLiteral("check"), path(QStringLiteral("NOPE.CPP"))});
    EXPECT_EQ(r.exit, ExitError);
    EXPECT_TRUE(r.err.contains(QStringLiteral("NOPE.CPP")));
    EXPECT_EQ(run({QStringLiteral("check")}).exit, ExitError);
    EXPECT_EQ(run({QStringLiteral("check"), QStringLiteral("--bogus"), dir.path()}).exit, ExitError);
}

TEST_F(Cli, ListGivesPositionHintsAndVerdictAlsoAsJson)
{
    writeUnit(QStringLiteral("EDITFRM"));
    Run r = run({QStringLiteral("list"), QStringLiteral("--page"), QStringLiteral("cpp"), path(QStringLiteral("EDITFRM.H"))});
    EXPECT_EQ(r.exit, ExitOk);
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("EDITFRM.CPP:1:10: not-literal [preprocessor,identifier] \"EDITFRM.H\"")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(":5:9: probably-not [identifier] \"app.key\"")));
    r = run({QStringLiteral("list"), QStringLiteral("--json"), QStringLiteral("--page"), QStringLiteral("dfm"),
             path(QStringLiteral("EDITFRM.DFM"))});
    EXPECT_EQ(r.exit, ExitOk);
    EXPECT_TRUE(r.out.contains(QStringLiteral("\"text\": \"'Edit'\""))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("\"verdict\": \"user-text\"")));
    EXPECT_EQ(run({QStringLiteral("list"), QStringLiteral("--page"), QStringLiteral("h"), dir.path()}).exit, ExitError);
}

TEST_F(Cli, ExtractWritesTheUnitListAndOutputsNumberingOnAcrossUnits)
{
    writeUnit(QStringLiteral("A/ONE"));
    writeUnit(QStringLiteral("B/TWO"));
    const auto extract = [&](const QString &jobs, const QString &out) {
        return run({QStringLiteral("extract"), QStringLiteral("--mode"), QStringLiteral("function"),
                    QStringLiteral("--user-text"), QStringLiteral("--start"), QStringLiteral("10"),
                    QStringLiteral("--jobs"), jobs, QStringLiteral("--out"), path(out), path(QStringLiteral("A")),
                    path(QStringLiteral("B"))});
    };
    Run r = extract(QStringLiteral("1"), QStringLiteral("out1"));
    ASSERT_EQ(r.exit, ExitOk) << r.err.toStdString();
    EXPECT_EQ(read(QStringLiteral("A/ONE.CPP")), kCpp) << "the original stays with --out";
    QByteArray one = kCpp, two = kCpp;
    one.replace("\"Hello world\"", "EditForm->LoadTextRC(11)");
    two.replace("\"Hello world\"", "EditForm->LoadTextRC(12)");
    EXPECT_EQ(read(QStringLiteral("out1/ONE.CPP")), one);
    EXPECT_EQ(read(QStringLiteral("out1/TWO.CPP")), two);
    EXPECT_EQ(read(QStringLiteral("out1/ONE.list.txt")), "String11, \"Hello world\"\r\n");
    EXPECT_EQ(read(QStringLiteral("out1/TWO.DFM")), kDfm);
    EXPECT_TRUE(read(QStringLiteral("out1/TWO.rc")).contains("112, \"Hello world\""));
    for (const char *f : {"ONE.H", "ONE.norc.cpp", "ONE.loadrc.cpp"})
        EXPECT_TRUE(QFile::exists(path(QStringLiteral("out1/") + QLatin1String(f)))) << f;

    // Two threads write the same bytes.
    ASSERT_EQ(extract(QStringLiteral("2"), QStringLiteral("out2")).exit, ExitOk);
    for (const QString &f : QDir(path(QStringLiteral("out1"))).entryList(QDir::Files))
        EXPECT_EQ(read(QStringLiteral("out2/") + f), read(QStringLiteral("out1/") + f)) << f.toStdString();

    // In place, every literal but the marked ones.
    r = run({QStringLiteral("extract"), path(QStringLiteral("A/one.dfm"))});
    ASSERT_EQ(r.exit, ExitOk) << r.err.toStdString();
    EXPECT_EQ(read(QStringLiteral("A/ONE.CPP")), "#include \"EDITFRM.H\"\r\n"
                                                 "void TEditForm::Go()\r\n"
                                                 "{\r\n"
                                                 "  Caption = String1;\r\n"
                                                 "  Key = String2;\r\n"
                                                 "}\r\n");
    EXPECT_EQ(read(QStringLiteral("A/ONE.list.txt")), "String1 = \"Hello world\"\r\nString2 = \"app.key\"\r\n");
}

TEST_F(Cli, ExtractLeavesEveryFileUntouchedOnError)
{
    struct Case
    {
        const char *name;
        std::function<void()> prepare;
        QStringList options;
        const char *named; // a part of the message
        QStringList units = {};
    } const cases[] = {
        {"missing source", [&] { QFile::remove(path(QStringLiteral("Z/BAD.CPP"))); }, {}, "Z/BAD."},
        {"too large", [&] {
             QFile f(path(QStringLiteral("Z/BAD.CPP")));
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             ASSERT_TRUE(f.resize(65ll * 1024 * 1024));
         }, {}, "BAD.CPP"},
        // a Windows-1252 source cannot hold the root object's name
        {"encoding", [&] {
             write(QStringLiteral("Z/BAD.CPP"), "// caf\xE9\r\nx = \"Hi\";\r\n");
             write(QStringLiteral("Z/BAD.DFM"), "object Form\xCE\xA9: TForm\r\nend\r\n");
         }, {QStringLiteral("--mode"), QStringLiteral("form")}, "BAD.CPP"},
        {"counter overflow", [] {}, {QStringLiteral("--start"), QStringLiteral("2147483647")}, "GOOD.CPP"},
        {"bad mode", [] {}, {QStringLiteral("--mode"), QStringLiteral("local")}, "local"},
        {"same output names", [&] { writeUnit(QStringLiteral("Y/GOOD")); },
         {QStringLiteral("--out"), path(QStringLiteral("O"))}, "GOOD", {path(QStringLiteral("Y"))}},
        {"empty --out", [] {}, {QStringLiteral("--out"), QString()}, "--out"},
        {"identifier above 65535", [] {}, {QStringLiteral("--start"), QStringLiteral("65435")}, "65535"},
        {"read-only source", [&] { QFile::setPermissions(path(QStringLiteral("Z/BAD.CPP")), QFile::ReadOwner); },
         {}, "BAD.CPP"},
        {"list of the other mode", [&] { write(QStringLiteral("Z/BAD.list.txt"), "String1, \"x\"\r\n"); }, {},
         "written in function mode"},
        {"list of both forms", [&] { write(QStringLiteral("Z/BAD.list.txt"), "String1, \"x\"\r\nString2 = \"y\"\r\n"); },
         {QStringLiteral("--mode"), QStringLiteral("function")}, "BAD.list.txt, line 2"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        writeUnit(QStringLiteral("A/GOOD"));
        writeUnit(QStringLiteral("Z/BAD"));
        c.prepare();
        const auto before = snapshot();
        // the good unit by its folder, the bad one by its header
        const QStringList units = QStringList{path(QStringLiteral("A"))} +
                                  (c.units.isEmpty() ? QStringList{path(QStringLiteral("Z/BAD.H"))} : c.units);
        const Run r = run(QStringList{QStringLiteral("extract")} + c.options + units);
        EXPECT_EQ(r.exit, ExitError);
        EXPECT_TRUE(r.err.contains(QLatin1String(c.named))) << r.err.toStdString();
        EXPECT_EQ(snapshot(), before);
    }
}
} // namespace

namespace {
// A second run continues the first: entries and numbers stay, a new literal
// gets the next number, and the outputs hold both; the form page keeps a
// list of its own.
TEST_F(Cli, ExtractContinuesTheListAndNeverGivesANumberTwice)
{
    writeUnit(QStringLiteral("U/ONE"));
    const QStringList fn{QStringLiteral("extract"), QStringLiteral("--mode"), QStringLiteral("function")};
    ASSERT_EQ(run(fn + QStringList{path(QStringLiteral("U/ONE.CPP"))}).exit, ExitOk);
    QByteArray cpp = read(QStringLiteral("U/ONE.CPP"));
    cpp.replace("}\r\n", "  Hint = \"New text\";\r\n  Again = \"Hello world\";\r\n}\r\n");
    write(QStringLiteral("U/ONE.CPP"), cpp);
    Run r = run(fn + QStringList{QStringLiteral("--reuse-equal"), path(QStringLiteral("U/ONE.CPP"))});
    ASSERT_EQ(r.exit, ExitOk) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QLatin1String("2 literals extracted, counter 3"))) << r.out.toStdString();
    EXPECT_EQ(read(QStringLiteral("U/ONE.list.txt")),
              "String1, \"Hello world\"\r\nString2, \"app.key\"\r\nString3, \"New text\"\r\n");
    EXPECT_TRUE(read(QStringLiteral("U/ONE.CPP")).contains("Hint = EditForm->LoadTextRC(3);\r\n"
                                                         "  Again = EditForm->LoadTextRC(1);"));
    const QByteArray rc = read(QStringLiteral("U/ONE.rc"));
    EXPECT_TRUE(rc.contains("101, \"Hello world\"") && rc.contains("103, \"New text\"")) << rc.toStdString();

    r = run({QStringLiteral("extract"), QStringLiteral("--page"), QStringLiteral("dfm"), path(QStringLiteral("U/ONE.CPP"))});
    ASSERT_EQ(r.exit, ExitOk) << r.err.toStdString();
    EXPECT_EQ(read(QStringLiteral("U/ONE.dfm.list.txt")), "EditForm->Caption = \"Edit\";\r\n");
    EXPECT_TRUE(read(QStringLiteral("U/ONE.list.txt")).startsWith("String1, \"Hello world\"")) << "the C++ list stays";

    // Numbers in use are refused as a start; so are negative ones and a list that is no list.
    for (const char *start : {"2", "-5"}) {
        const auto before = snapshot();
        r = run(fn + QStringList{QStringLiteral("--start"), QLatin1String(start), path(QStringLiteral("U/ONE.CPP"))});
        EXPECT_EQ(r.exit, ExitError);
        EXPECT_TRUE(r.err.contains(QLatin1String(start[0] == '-' ? "negative" : "number 3"))) << r.err.toStdString();
        EXPECT_EQ(snapshot(), before);
    }
    write(QStringLiteral("U/ONE.list.txt"), "String1, \"a\"\r\nString1, \"b\"\r\n");
    r = run(fn + QStringList{path(QStringLiteral("U/ONE.CPP"))});
    EXPECT_EQ(r.exit, ExitError);
    EXPECT_TRUE(r.err.contains(QLatin1String("ONE.list.txt:2:"))) << r.err.toStdString();
}

// Nothing is written when a unit has no form description, a source is a
// FIFO or a target cannot be written; --dry-run and --diff write nothing.
TEST_F(Cli, ExtractWritesAllOrNothing)
{
    writeUnit(QStringLiteral("A/GOOD"));
    write(QStringLiteral("A/MAIN.CPP"), "x = \"Hi\";\r\n");
    auto before = snapshot();
    Run r = run({QStringLiteral("extract"), path(QStringLiteral("A"))});
    EXPECT_EQ(r.exit, ExitError);
    EXPECT_TRUE(r.err.contains(QLatin1String("MAIN.CPP: the unit has no form description"))) << r.err.toStdString();
    EXPECT_EQ(snapshot(), before);

    r = run({QStringLiteral("extract"), QStringLiteral("--dry-run"), path(QStringLiteral("A/GOOD.CPP"))});
    EXPECT_EQ(r.exit, ExitOk);
    EXPECT_TRUE(r.out.contains(QLatin1String("would extract 2 literal(s): 2 new entries, 0 reused, numbered 1 to 2")))
        << r.out.toStdString();
    r = run({QStringLiteral("extract"), QStringLiteral("--diff"), path(QStringLiteral("A/GOOD.CPP"))});
    EXPECT_TRUE(r.out.contains(QLatin1String("@@ -1,6 +1,6 @@\n #include \"EDITFRM.H\"\n void TEditForm::Go()\n {\n"
                                             "-  Caption = \"Hello world\";\n-  Key = \"app.key\";\n"
                                             "+  Caption = String1;\n+  Key = String2;\n }\n")))
        << r.out.toStdString();
    EXPECT_EQ(snapshot(), before);

    r = run({QStringLiteral("extract"), QStringLiteral("--root"), QStringLiteral("Main"), QStringLiteral("--class"),
             QStringLiteral("TMain"), path(QStringLiteral("A"))});
    ASSERT_EQ(r.exit, ExitOk) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QLatin1String("MAIN.CPP: 1 literal extracted, counter 3"))) << r.out.toStdString();
    // --root stands in only where the form description is missing; a form page it lacks is left out, and said so.
    r = run({QStringLiteral("extract"), QStringLiteral("--page"), QStringLiteral("dfm"), QStringLiteral("--root"),
             QStringLiteral("Main"), path(QStringLiteral("A"))});
    EXPECT_EQ(r.exit, ExitOk) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QLatin1String("MAIN.CPP: no form description"))) << r.err.toStdString();
    EXPECT_EQ(read(QStringLiteral("A/GOOD.dfm.list.txt")), "EditForm->Caption = \"Edit\";\r\n");

    // A FIFO as a header is refused before anything is read from it.
    writeUnit(QStringLiteral("F/PIPE"));
    QFile::remove(path(QStringLiteral("F/PIPE.H")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(QStringLiteral("F/PIPE.H"))).constData(), 0600), 0);
    before = snapshot();
    r = run({QStringLiteral("extract"), path(QStringLiteral("F/PIPE.CPP")), path(QStringLiteral("A/GOOD.CPP"))});
    EXPECT_EQ(r.exit, ExitError);
    EXPECT_TRUE(r.err.contains(QLatin1String("PIPE.H: not a regular file"))) << r.err.toStdString();
    EXPECT_EQ(snapshot(), before);
    QFile::remove(path(QStringLiteral("F/PIPE.H")));
}

// The folder handed to an unprivileged user, who then runs vtqx-cli as a
// process of its own: so that a run as root still meets a folder it may not
// write. What the program wrote to both streams.
QString runAsNobody(const QString &folder, const QStringList &args)
{
    const auto give = [](const QString &path) { return ::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0; };
    EXPECT_TRUE(give(folder));
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        EXPECT_TRUE(give(it.next()));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        env.insert(QLatin1String(name), folder);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                                   QStringLiteral("--clear-groups"), QStringLiteral(VTQX_CLI)} + args);
    EXPECT_TRUE(p.waitForFinished(60000)) << "setpriv: " << p.errorString().toStdString();
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    return QString::number(p.exitCode()) + u'\n' + QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

// A list that cannot be replaced stops every unit and leaves no staged file
// behind. As root the run goes through an unprivileged user, and root itself
// then writes the folder (permissions do not hold root back).
TEST_F(Cli, AListThatCannotBeReplacedStopsEveryUnit)
{
    writeUnit(QStringLiteral("R/LOCKED"));
    write(QStringLiteral("R/LOCKED.list.txt"), "");
    writeUnit(QStringLiteral("F/OTHER"));
    QFile::setPermissions(path(QStringLiteral("R")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const auto before = snapshot();
    const QStringList args{QStringLiteral("extract"), path(QStringLiteral("R/LOCKED.CPP")), path(QStringLiteral("F/OTHER.CPP"))};
    if (::geteuid() == 0) {
        const QString out = runAsNobody(dir.path(), args);
        EXPECT_TRUE(out.startsWith(QString::number(ExitError) + u'\n')) << out.toStdString();
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(run(args).exit, ExitOk);
    } else {
        EXPECT_EQ(run(args).exit, ExitError);
        EXPECT_EQ(snapshot(), before);
    }
    QFile::setPermissions(path(QStringLiteral("R")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A full disk leaves every original and no temporary file behind.
TEST_F(Cli, ExtractOnAFullDiskChangesNothing)
{
    QTemporaryDir mount;
    const QByteArray target = QFile::encodeName(mount.path());
    if (::mount("tmpfs", target.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a 64 KiB tmpfs here (needs root)";
    const QString unit = mount.path() + QStringLiteral("/BIG");
    QByteArray cpp = "void TEditForm::Go()\r\n{\r\n";
    for (int i = 0; i < 900; ++i)
        cpp += "  Caption = \"Some text number " + QByteArray::number(i) + "\";\r\n";
    cpp += "}\r\n";
    const auto put = [](const QString &p, const QByteArray &b) {
        QFile f(p);
        return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
    };
    const bool written = put(unit + QStringLiteral(".CPP"), cpp) && put(unit + QStringLiteral(".DFM"), kDfm);
    const QStringList before = QDir(mount.path()).entryList(QDir::Files | QDir::Hidden);
    const Run r = written ? run({QStringLiteral("extract"), unit + QStringLiteral(".CPP")}) : Run{};
    QFile f(unit + QStringLiteral(".CPP"));
    const QByteArray after = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    const QStringList files = QDir(mount.path()).entryList(QDir::Files | QDir::Hidden);
    f.close();
    ::umount(target.constData());
    ASSERT_TRUE(written);
    EXPECT_EQ(r.exit, ExitError);
    EXPECT_TRUE(r.err.contains(QLatin1String("No space left on device"))) << r.err.toStdString();
    EXPECT_EQ(after, cpp);
    EXPECT_EQ(files, before);
}
} // namespace

namespace {
// Nothing below a folder is passed over in silence: a name that is not
// UTF-8, a folder named like a unit file, a source with NUL bytes; the same
// unit named twice is one unit.
TEST_F(Cli, ExtractRefusesWhatItCannotReadWhole)
{
    writeUnit(QStringLiteral("A/GOOD"));
    const QByteArray latin1 = QFile::encodeName(path(QStringLiteral("B"))) + "/N\xe4me.cpp";
    QDir().mkpath(path(QStringLiteral("B")));
    const int fd = ::open(latin1.constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    QDir().mkpath(path(QStringLiteral("C/F.cpp")));
    write(QStringLiteral("D/Z.CPP"), QByteArray("x = \"a\0b\";\r\n", 12));
    write(QStringLiteral("D/Z.DFM"), kDfm);
    const auto before = snapshot();
    for (const char *folder : {"B", "C", "D"}) {
        const Run r = run({QStringLiteral("extract"), path(QStringLiteral("A")), path(QLatin1String(folder))});
        EXPECT_EQ(r.exit, ExitError) << folder;
        EXPECT_FALSE(r.err.isEmpty()) << folder;
    }
    EXPECT_EQ(snapshot(), before);
    const Run r = run({QStringLiteral("extract"), QStringLiteral("--dry-run"), path(QStringLiteral("A/GOOD.CPP")),
                       path(QStringLiteral("A/good.h")), path(QStringLiteral("A"))});
    EXPECT_EQ(r.exit, ExitOk);
    EXPECT_EQ(r.out.count(QLatin1String("would extract")), 1) << r.out.toStdString();
}
} // namespace

namespace {
// --convert-list rewrites a list of the other mode; a link to a source is
// written through to the file it leads to.
TEST_F(Cli, ExtractConvertsAListOnRequestAndWritesThroughLinks)
{
    writeUnit(QStringLiteral("REAL/EDITFRM"));
    write(QStringLiteral("REAL/EDITFRM.list.txt"), "String7, \"Before\"\r\n");
    QDir().mkpath(path(QStringLiteral("U")));
    for (const char *ext : {".CPP", ".H", ".DFM", ".list.txt"})
        ASSERT_TRUE(QFile::link(path(QStringLiteral("REAL/EDITFRM") + QLatin1String(ext)),
                                path(QStringLiteral("U/EDITFRM") + QLatin1String(ext))));
    const Run r = run({QStringLiteral("extract"), QStringLiteral("--convert-list"), QStringLiteral("--user-text"),
                       path(QStringLiteral("U/EDITFRM.CPP"))});
    ASSERT_EQ(r.exit, ExitOk) << r.err.toStdString();
    EXPECT_EQ(read(QStringLiteral("REAL/EDITFRM.list.txt")), "String7 = \"Before\"\r\nString8 = \"Hello world\"\r\n");
    EXPECT_TRUE(read(QStringLiteral("REAL/EDITFRM.CPP")).contains("Caption = String8;"));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("U/EDITFRM.CPP"))).isSymLink());
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("U/EDITFRM.list.txt"))).isSymLink());
}
} // namespace
