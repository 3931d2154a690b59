// vtqx-cli pot and rc over a unit's list file.
#include "Command.h"
#include "QtPrint.h"

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

TEST_F(TranslateCommands, RcWritesEveryLanguageAndReportsFallbacks)
{
    ASSERT_EQ(run({"rc", path("Unit1.cpp"), "--po", path("de.po"), "--out", path("Unit1.rc")}), ExitOk)
        << err.toStdString();
    EXPECT_EQ(err, QStringLiteral("fallback: de_CH: String2 - missing in the PO file\n"));
    EXPECT_EQ(read("Unit1.rc"), QByteArray("STRINGTABLE\r\n{\r\n   101, \"Hello\"\r\n   102, \"Tab\\there\"\r\n}\r\n"
                                           "\r\nLANGUAGE 0x07, 0x02\r\nSTRINGTABLE\r\n{\r\n   101, \"Gr\xFC"
                                           "ezi\"\r\n   102, \"Tab\\there\"\r\n}\r\n"));
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
        {{"pot"}, "exactly one UNIT"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(run(c.args), ExitError) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(err.contains(QLatin1String(c.message))) << err.toStdString();
    }
}
} // namespace
