// vtqx-cli pot and rc over a unit's list file.
#include "tests/support/CliRun.h"
#include "cli/Command.h"
#include "tests/support/QtPrint.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class TranslateCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        write(QStringLiteral("Unit1.list.txt"), "String1 = \"Hello\"\r\nString2 = \"Tab\\there\"\r\n");
        write(QStringLiteral("de.po"), "msgid \"\"\nmsgstr \"\"\n\"Language: de_CH\\n\"\n\n"
                                       "msgctxt \"String1\"\nmsgid \"Hello\"\nmsgstr \"Grüezi\"\n");
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    int run(QStringList args)
    {
        out.clear();
        err.clear();
        QTextStream o(&out), e(&err);
        CliStreams io{o, e, false};
        args.prepend(QStringLiteral("vtqx-cli"));
        return runCli(args, io);
    }

    QTemporaryDir dir;
    QString out, err;
};

TEST_F(TranslateCommands, PotWritesTheTemplateOfTheListFile)
{
    ASSERT_EQ(run({"pot", path("UNIT1.CPP")}), ExitOk) << err.toStdString(); // any file of the unit, any case
    EXPECT_TRUE(out.contains(QStringLiteral("msgctxt \"String2\"\nmsgid \"Tab\\there\"\n"))) << out.toStdString();
    ASSERT_EQ(run({"pot", path("Unit1"), "--out", path("Unit1.pot")}), ExitOk) << err.toStdString();
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(read("Unit1.pot").contains("#. String identifier 102\n#: Unit1.cpp\n"));
}

// A list the generators cannot read whole is refused, naming its line.
TEST_F(TranslateCommands, PotAndRcRefuseANameTwiceAndBothForms)
{
    const struct
    {
        QByteArray list;
        const char *named;
    } cases[] = {
        {"String1 = \"a\"\r\nString2 = \"b\"\r\nString1 = \"c\"\r\n", "Unit1.list.txt:3"},
        {"String1, \"a\"\r\nString2, \"b\"\r\nString3 = \"c\"\r\n", "Unit1.list.txt, line 3"},
    };
    for (const auto &c : cases)
        for (const QStringList &command : {QStringList{"pot"}, QStringList{"rc", "--po", path("de.po")}}) {
            SCOPED_TRACE(command.front().toStdString() + " " + c.named);
            write(QStringLiteral("Unit1.list.txt"), c.list);
            EXPECT_EQ(run(command + QStringList{path("Unit1.cpp")}), ExitError);
            EXPECT_TRUE(err.contains(QLatin1String(c.named))) << err.toStdString();
        }
}

TEST_F(TranslateCommands, RcWritesEveryLanguageAndReportsFallbacks)
{
    ASSERT_EQ(run({"rc", path("Unit1.cpp"), "--po", path("de.po"), "--out", path("Unit1.rc")}), ExitOk)
        << err.toStdString();
    EXPECT_EQ(err, QStringLiteral("fallback: de_CH: String2 - missing in the PO file\n"));
    EXPECT_EQ(read("Unit1.rc"), QByteArray("STRINGTABLE\r\n{\r\n   101, \"Hello\"\r\n   102, \"Tab\\there\"\r\n}\r\n"
                                           "\r\nLANGUAGE 0x07, 0x02\r\nSTRINGTABLE\r\n{\r\n   101, \"Gr\xFC"
                                           "ezi\"\r\n   102, \"Tab\\there\"\r\n}\r\n"));
}

TEST_F(TranslateCommands, StrictFailsOnFallbacksAndStatisticsCountThem)
{
    // Plural messages without the header that says how many forms a language has.
    write(QStringLiteral("fr.po"), "msgid \"\"\nmsgstr \"\"\n\"Language: fr\\n\"\n\n"
                                   "msgctxt \"String1\"\nmsgid \"Hello\"\nmsgstr \"Bonjour\"\n\n"
                                   "msgctxt \"String2\"\nmsgid \"Tab\\there\"\nmsgstr \"Tab\\tici\"\n\n"
                                   "msgid \"file\"\nmsgid_plural \"files\"\nmsgstr[0] \"fichier\"\n");
    const QStringList rc = {"rc", path("Unit1.cpp"), "--po", path("de.po"), "--po", path("fr.po"), "--out",
                            path("Unit1.rc")};
    ASSERT_EQ(run(rc + QStringList{"--statistics"}), ExitOk) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("de_CH: 1 translated, 0 fuzzy, 0 untranslated, 0 stale, 1 missing\n")))
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("fr: 2 translated, 0 fuzzy, 0 untranslated, 0 stale, 0 missing\n")));
    EXPECT_TRUE(err.contains(QStringLiteral("warning: ") + QDir::toNativeSeparators(path("fr.po"))
                             + QStringLiteral(" has plural forms but no Plural-Forms header.\n")));
    EXPECT_FALSE(err.contains(QStringLiteral("de.po has plural")));

    EXPECT_EQ(run(rc + QStringList{"--strict"}), ExitFindings);
    EXPECT_TRUE(err.contains(QStringLiteral("fallback: de_CH: String2 - missing in the PO file\n")));
    EXPECT_TRUE(err.contains(QStringLiteral("1 texts keep the source text (--strict)"))) << err.toStdString();
    EXPECT_TRUE(read("Unit1.rc").contains("LANGUAGE 0x0c, 0x00")) << "the script is written all the same";
    EXPECT_EQ(run({"rc", path("Unit1.cpp"), "--po", path("fr.po"), "--strict", "--out", path("Unit1.rc")}), ExitOk)
        << err.toStdString();
}

TEST_F(TranslateCommands, ProjectTemplateQualifiesContextsAndRcSplitsItByUnit)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("P/A")) && QDir(dir.path()).mkpath(QStringLiteral("P/B")));
    for (const char *unit : {"P/A/Main", "P/B/Second"}) {
        write(QLatin1String(unit) + QStringLiteral(".cpp"), "");
        write(QLatin1String(unit) + QStringLiteral(".h"), "");
    }
    // The same text in both units, one of them also in the form description.
    write(QStringLiteral("P/A/Main.list.txt"), "String1, \"OK\"\r\n");
    write(QStringLiteral("P/A/Main.dfm.list.txt"), "MainForm->ButtonOK->Caption = \"OK\";\r\n");
    write(QStringLiteral("P/A/Main.list.pos"), "String1\tMain.cpp:9\r\n");
    write(QStringLiteral("P/B/Second.list.txt"), "String2, \"OK\"\r\nString3, \"Cancel\"\r\n");
    ASSERT_EQ(run({"pot", path("P"), "--out", path("project.pot")}), ExitOk) << err.toStdString();
    const QByteArray pot = read("project.pot");
    EXPECT_TRUE(pot.contains("\"Project-Id-Version: project\\n\""));
    EXPECT_TRUE(pot.contains("#: Main.cpp:9\nmsgctxt \"Main/String1\"\nmsgid \"OK\"\n")) << pot.toStdString();
    EXPECT_TRUE(pot.contains("msgctxt \"Main/MainForm.ButtonOK.Caption\"\nmsgid \"OK\"\n"));
    EXPECT_TRUE(pot.contains("#: Second.cpp\nmsgctxt \"Second/String2\"\nmsgid \"OK\"\n"));
    EXPECT_EQ(pot.count("msgid \"OK\""), 3) << "repeated texts stay separate messages";

    write(QStringLiteral("de.po"), "msgid \"\"\nmsgstr \"\"\n\"Language: de\\n\"\n\n"
                                   "msgctxt \"Main/String1\"\nmsgid \"OK\"\nmsgstr \"Gut\"\n\n"
                                   "msgctxt \"Second/String2\"\nmsgid \"OK\"\nmsgstr \"Jawohl\"\n");
    ASSERT_EQ(run({"rc", path("P/A/Main.cpp"), path("P/B"), "--po", path("de.po"), "--out", path("rc")}), ExitOk)
        << err.toStdString();
    EXPECT_EQ(err, QStringLiteral("fallback: de: Second/String3 - missing in the PO file\n"));
    EXPECT_EQ(read("rc/Main.rc"), QByteArray("STRINGTABLE\r\n{\r\n  101, \"OK\"\r\n}\r\n\r\nLANGUAGE 0x07, 0x00\r\n"
                                             "STRINGTABLE\r\n{\r\n  101, \"Gut\"\r\n}\r\n"));
    EXPECT_TRUE(read("rc/Second.rc").contains("  102, \"Jawohl\"\r\n  103, \"Cancel\"\r\n}"));
}

TEST_F(TranslateCommands, MistakesEndWithAMessageAndStatus2)
{
    write(QStringLiteral("xx.po"), "msgid \"\"\nmsgstr \"\"\n\"Language: xx\\n\"\n");
    const struct
    {
        QStringList args;
        const char *message;
    } cases[] = {
        {{"rc", path("Unit1.cpp")}, "at least one --po FILE"},
        {{"rc", path("Unit1.cpp"), "--po", path("xx.po")}, "Unknown language \"xx\""},
        {{"rc", path("Unit1.cpp"), "--po", path("missing.po")}, "missing.po"},
        {{"pot", path("Other.cpp")}, "Other.list.txt"},
        {{"pot", path("Unit1.cpp"), "--mode", "fancy"}, "unknown string mode 'fancy'"},
        {{"pot"}, "at least one UNIT"},
        {{"rc", path("Unit1.cpp"), path("Unit1.cpp"), "--po", path("de.po")}, "needs --out DIR"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(run(c.args), ExitError) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(err.contains(QLatin1String(c.message))) << err.toStdString();
    }
}

// --mode reads alike in every command, in any case; what pot tells about
// the mode and the list is in the user's language.
TEST_F(TranslateCommands, EveryCommandReadsTheModeInAnyCase)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("E")));
    write(QStringLiteral("E/Unit2.cpp"), "void TForm2::Go()\r\n{\r\n  Caption = \"Hi\";\r\n}\r\n");
    write(QStringLiteral("E/Unit2.dfm"), "object Form2: TForm2\r\nend\r\n");
    ASSERT_EQ(run({"extract", "--mode", "FUNCTION", "--diff", path("E/Unit2.cpp")}), ExitOk) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("+  Caption = Form2->LoadTextRC(1);"))) << out.toStdString();
    EXPECT_EQ(run({"pot", path("Unit1.cpp"), "--mode", "Form"}), ExitOk) << err.toStdString();
    EXPECT_EQ(run({"extract", "--mode", "fancy", path("E/Unit2.cpp")}), ExitError);

    const QString cli = QStringLiteral(VTQX_CLI);
    EXPECT_EQ(runCliInGerman(cli, {"pot", path("Unit1.cpp"), "--mode", "fancy"}),
              QStringLiteral("vtqx-cli: unbekannter String-Modus 'fancy'\n"));
    const QString missing = runCliInGerman(cli, {"pot", path("Other.cpp")});
    EXPECT_TRUE(missing.endsWith(QStringLiteral("kann nicht gelesen werden: die Datei ist nicht vorhanden\n")))
        << missing.toStdString();
}
} // namespace
