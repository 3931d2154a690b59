// vtqx-cli driven in-process: exit codes, written files, and files left
// untouched when anything fails.
#include "Command.h"
#include "QtPrint.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
const QByteArray kCpp = "#include \"EDITFRM.H\"\r\n"
                        "void TEditForm::Go()\r\n"
                        "{\r\n"
                        "  Caption = \"Hello world\";\r\n"
                        "  Key = \"app.key\";\r\n"
                        "}\r\n";
const QByteArray kDfm = "object EditForm: TEditForm\r\n  Caption = 'Edit'\r\nend\r\n";

class Cli : public ::testing::Test
{
protected:
    struct Run
    {
        int exit;
        QString out, err;
    };

    Run run(QStringList args)
    {
        QString out, err;
        QTextStream o(&out), e(&err);
        CliStreams io{o, e, false};
        args.prepend(QStringLiteral("vtqx-cli"));
        const int exit = runCli(args, io);
        o.flush();
        e.flush();
        return {exit, out, err};
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path(name)).path());
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    QByteArray read(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // A unit written as units from Windows often are: upper-case names.
    void writeUnit(const QString &base, const QByteArray &cpp = kCpp, const QByteArray &dfm = kDfm)
    {
        write(base + QStringLiteral(".CPP"), cpp);
        write(base + QStringLiteral(".H"), "class TEditForm;\r\n");
        write(base + QStringLiteral(".DFM"), dfm);
    }

    // Every file below the folder with a hash of its bytes.
    std::map<QString, std::string> snapshot() const
    {
        std::map<QString, std::string> out;
        QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            QFile file(f);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            out[f] = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex().toStdString();
        }
        return out;
    }

    QTemporaryDir dir;
};

TEST_F(Cli, CheckFailsOnUnmarkedUserTextAndPassesWithTheMarker)
{
    writeUnit(QStringLiteral("EDITFRM"));
    // a lower-case name finds the upper-case files
    Run r = run({QStringLiteral("check"), path(QStringLiteral("editfrm.cpp"))});
    EXPECT_EQ(r.exit, ExitFindings) << r.err.toStdString();
    EXPECT_EQ(r.out.count(u'\n'), 1) << r.out.toStdString(); // the include and the key are not user text
    EXPECT_TRUE(r.out.contains(QStringLiteral("EDITFRM.CPP:4:13: user-text \"Hello world\""))) << r.out.toStdString();

    QByteArray marked = kCpp;
    marked.replace("\"Hello world\";", "\"Hello world\"; // vtqx:keep");
    write(QStringLiteral("EDITFRM.CPP"), marked);
    r = run({QStringLiteral("check"), dir.path()});
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
    Run r = run({QStringLiteral("list"), path(QStringLiteral("EDITFRM.H"))});
    EXPECT_EQ(r.exit, ExitOk);
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("EDITFRM.CPP:1:10: probably-not [preprocessor,identifier] \"EDITFRM.H\"")))
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
    EXPECT_EQ(read(QStringLiteral("A/ONE.CPP")), "#include String1\r\n"
                                                 "void TEditForm::Go()\r\n"
                                                 "{\r\n"
                                                 "  Caption = String2;\r\n"
                                                 "  Key = String3;\r\n"
                                                 "}\r\n");
    EXPECT_EQ(read(QStringLiteral("A/ONE.list.txt")),
              "String1 = \"EDITFRM.H\"\r\nString2 = \"Hello world\"\r\nString3 = \"app.key\"\r\n");
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
        {"counter overflow", [] {}, {QStringLiteral("--start"), QStringLiteral("2147483647")}, "BAD.CPP"},
        {"bad mode", [] {}, {QStringLiteral("--mode"), QStringLiteral("local")}, "local"},
        {"same output names", [&] { writeUnit(QStringLiteral("Y/GOOD")); },
         {QStringLiteral("--out"), path(QStringLiteral("O"))}, "GOOD", {path(QStringLiteral("Y"))}},
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
