// The commands over units in code pages other than 1252: extract keeps
// every byte, pot gives readable messages, rc writes the unit's code page
// back (windres reads it) and refuses what the page cannot hold, and the
// formats count columns as they define them.
#include "tests/support/CliRun.h"
#include "tests/support/CodePageTexts.h"
#include "tests/support/TempFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {
const QByteArray kForm = "object Form1: TForm1\r\nend\r\n";

class CodePageCommands : public ::testing::Test, protected TempFolder
{
protected:
    CliRun cli(const QStringList &args) { return runCliCaptured(args); }
    // Writes the unit base in code page e: its C++ source, header and form.
    void writeUnit(const QString &base, TextEncoding e, const QString &cpp, const QString &dfm)
    {
        QStringEncoder enc(CodePages::converterName(e));
        write(base + QStringLiteral(".cpp"), enc.encode(cpp));
        write(base + QStringLiteral(".h"), "class TForm1;\r\n");
        write(base + QStringLiteral(".dfm"), enc.encode(dfm));
    }
    QString decoded(const QString &name, TextEncoding e) const
    {
        QStringDecoder dec(CodePages::converterName(e));
        return dec.decode(read(name));
    }
};

const QString kJapaneseCpp = QStringLiteral("void TForm1::Print()\r\n{\r\n    Caption = \"表\"; Label1->Caption = \"ソ連の報告書\";\r\n"
                                            "    ShowMessage(\"ﾃｽﾄ完了\");\r\n}\r\n");
} // namespace

TEST_F(CodePageCommands, ExtractWithNothingChosenKeepsEveryByteInEveryCodePage)
{
    for (const TextEncoding e : convertedCodePages()) {
        SCOPED_TRACE(CodePages::displayName(e).toStdString());
        // Every character of the page, in line comments: nothing is user text.
        const QByteArray cpp = codePageBytes(e, "// ");
        write(QStringLiteral("Unit1.cpp"), cpp);
        write(QStringLiteral("Unit1.dfm"), kForm);
        const CliRun guessed = cli({"extract", "--user-text", path(QStringLiteral("Unit1.cpp"))});
        EXPECT_EQ(read(QStringLiteral("Unit1.cpp")), cpp) << guessed.err.toStdString();
        const CliRun chosen = cli({"extract", "--user-text", "--encoding", CodePages::key(e), path(QStringLiteral("Unit1.cpp"))});
        EXPECT_EQ(chosen.exit, ExitOk) << chosen.err.toStdString();
        EXPECT_EQ(read(QStringLiteral("Unit1.cpp")), cpp);
    }
}

TEST_F(CodePageCommands, ACyrillicUnitGivesReadableMessagesInItsTemplate)
{
    const QStringList texts = {QStringLiteral("Книга рецептов"), QStringLiteral("Время приготовления: %d минут"),
                               QStringLiteral("Рецепт сохранён")};
    QString cpp = QStringLiteral("void TForm1::Save()\r\n{\r\n");
    for (const QString &t : texts)
        cpp += QStringLiteral("    ShowMessage(\"%1\");\r\n").arg(t);
    writeUnit(QStringLiteral("Recept"), TextEncoding::Cp1251, cpp + QStringLiteral("}\r\n"), QString::fromLatin1(kForm));
    const CliRun extracted = cli({"extract", "--user-text", "--mode", "function", path(QStringLiteral("Recept.cpp"))});
    ASSERT_EQ(extracted.exit, ExitOk) << extracted.err.toStdString();
    EXPECT_TRUE(extracted.err.contains(QLatin1String("read as Windows-1251 (guessed"))) << extracted.err.toStdString();
    EXPECT_TRUE(decoded(QStringLiteral("Recept.list.txt"), TextEncoding::Cp1251).contains(texts.at(1)));
    const CliRun pot = cli({"pot", path(QStringLiteral("Recept.cpp"))});
    ASSERT_EQ(pot.exit, ExitOk) << pot.err.toStdString();
    for (const QString &t : texts)
        EXPECT_TRUE(pot.out.contains(QStringLiteral("msgid \"%1\"").arg(t))) << pot.out.toStdString();
}

TEST_F(CodePageCommands, AShiftJisUnitsTextsComeBackFromRcInItsCodePageAndWindresReadsThem)
{
    writeUnit(QStringLiteral("Report"), TextEncoding::Cp932, kJapaneseCpp, QString::fromLatin1(kForm));
    ASSERT_EQ(cli({"extract", "--user-text", "--mode", "function", path(QStringLiteral("Report.cpp"))}).exit, ExitOk);
    const QStringList texts = {QStringLiteral("表"), QStringLiteral("ソ連の報告書"), QStringLiteral("ﾃｽﾄ完了")};
    QString po = QStringLiteral("msgid \"\"\nmsgstr \"\"\n\"Language: ja\\n\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n");
    for (qsizetype i = 0; i < texts.size(); ++i)
        po += QStringLiteral("\nmsgctxt \"String%1\"\nmsgid \"%2\"\nmsgstr \"%2\"\n").arg(i + 1).arg(texts.at(i));
    write(QStringLiteral("ja.po"), po.toUtf8());
    const QString rc = path(QStringLiteral("ja.rc"));
    const CliRun made = cli({"rc", path(QStringLiteral("Report.cpp")), "--po", path(QStringLiteral("ja.po")), "--out", rc});
    ASSERT_EQ(made.exit, ExitOk) << made.err.toStdString();
    EXPECT_TRUE(read(QStringLiteral("ja.rc")).startsWith("#pragma code_page(932)\r\n"));
    EXPECT_TRUE(decoded(QStringLiteral("ja.rc"), TextEncoding::Cp932).contains(texts.at(2)));

    const QString windres = QStringLiteral("x86_64-w64-mingw32-windres");
    if (QStandardPaths::findExecutable(windres).isEmpty() || QStandardPaths::findExecutable(QStringLiteral("cpp")).isEmpty())
        GTEST_SKIP() << "x86_64-w64-mingw32-windres or cpp is not installed";
    QProcess p;
    p.start(windres, {QStringLiteral("--preprocessor=cpp"), rc, QStringLiteral("-O"), QStringLiteral("res"),
                      QStringLiteral("-o"), rc + QStringLiteral(".res")});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    p.start(windres, {QStringLiteral("-i"), rc + QStringLiteral(".res"), QStringLiteral("-O"), QStringLiteral("rc")});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString back = QString::fromLatin1(p.readAllStandardOutput());
    // windres writes each character beyond ASCII as \xHHHH; both tables hold every text.
    for (const QString &t : texts) {
        QString wide;
        for (const QChar c : t)
            wide += QStringLiteral("\\x%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        EXPECT_EQ(back.count(QStringLiteral("L\"%1\"").arg(wide)), 2) << back.toStdString();
    }
}

TEST_F(CodePageCommands, RcRefusesATranslationTheCodePageCannotHoldUnlessUtf8IsAskedFor)
{
    writeUnit(QStringLiteral("Report"), TextEncoding::Cp932, kJapaneseCpp, QString::fromLatin1(kForm));
    ASSERT_EQ(cli({"extract", "--user-text", "--mode", "function", path(QStringLiteral("Report.cpp"))}).exit, ExitOk);
    write(QStringLiteral("de.po"), "msgid \"\"\nmsgstr \"\"\n\"Language: de\\n\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
                                   "msgctxt \"String2\"\nmsgid \"ソ連の報告書\"\nmsgstr \"Bericht über die Sowjetunion\"\n");
    const QString rc = path(QStringLiteral("de.rc"));
    const CliRun refused = cli({"rc", path(QStringLiteral("Report.cpp")), "--po", path(QStringLiteral("de.po")), "--out", rc});
    EXPECT_EQ(refused.exit, ExitError);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("String2: the de translation holds 'ü' (U+FC), which Shift-JIS (932) cannot hold")))
        << refused.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(rc));
    const CliRun utf8 = cli({"rc", path(QStringLiteral("Report.cpp")), "--po", path(QStringLiteral("de.po")), "--out", rc, "--utf8"});
    EXPECT_EQ(utf8.exit, ExitOk) << utf8.err.toStdString();
    EXPECT_TRUE(read(QStringLiteral("de.rc")).startsWith("#pragma code_page(65001)\r\n"));
    EXPECT_TRUE(QString::fromUtf8(read(QStringLiteral("de.rc"))).contains(QStringLiteral("Bericht über")));
}

TEST_F(CodePageCommands, ColumnsCountCharactersInJsonAndBytesOfTheFileForGcc)
{
    writeUnit(QStringLiteral("Report"), TextEncoding::Cp932, kJapaneseCpp, QString::fromLatin1(kForm));
    const QString unit = path(QStringLiteral("Report.cpp"));
    const CliRun json = cli({"list", "--json", "--page", "cpp", unit});
    const CliRun gcc = cli({"list", "--format", "gcc", "--page", "cpp", unit});
    const QJsonArray found = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_EQ(found.size(), 3);
    // Line 3: "    Caption = "表"; Label1->Caption = "ソ連の報告書";" - one double-byte
    // character before the second literal.
    EXPECT_EQ(found.at(0).toObject().value(QLatin1String("column")).toInt(), 15);
    EXPECT_EQ(found.at(1).toObject().value(QLatin1String("column")).toInt(), 38);
    EXPECT_TRUE(gcc.out.contains(QLatin1String("Report.cpp:3:15: warning")));
    EXPECT_TRUE(gcc.out.contains(QLatin1String("Report.cpp:3:39: warning"))) << gcc.out.toStdString();
}

// The project file's encoding reads the unit, --encoding comes before it,
// and a name it does not know stops the run naming the file and the line.
TEST_F(CodePageCommands, TheProjectFilesEncodingComesAfterTheOptionAndBeforeTheGuess)
{
    writeUnit(QStringLiteral("Polski"), TextEncoding::Cp1250,
              QStringLiteral("void TForm1::Go()\r\n{\r\n    Caption = \"Zażółć gęślą jaźń\";\r\n}\r\n"), QString::fromLatin1(kForm));
    const QString unit = path(QStringLiteral("Polski.cpp"));
    const struct
    {
        const char *project;
        QStringList options;
        std::optional<TextEncoding> read; // nothing: the run stops
    } cases[] = {
        // The guess says Windows-1250; the project file says otherwise.
        {"encoding = cp1257\n", {}, TextEncoding::Cp1257},
        {"encoding = 1257\n", {"--encoding", "cp1251"}, TextEncoding::Cp1251},
        {"# ours\nencoding = klingon\n", {}, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.project);
        write(QStringLiteral("vtqx.project"), c.project);
        const CliRun r = cli(QStringList{"list", "--json", "--page", "cpp"} + c.options + QStringList{unit});
        if (!c.read) {
            EXPECT_EQ(r.exit, ExitError);
            EXPECT_TRUE(r.err.contains(QLatin1String("vtqx.project:2: unknown encoding \"klingon\""))) << r.err.toStdString();
            continue;
        }
        const QJsonArray found = QJsonDocument::fromJson(r.out.toUtf8()).array();
        ASSERT_EQ(found.size(), 1) << r.err.toStdString();
        const QString text = decoded(QStringLiteral("Polski.cpp"), *c.read);
        EXPECT_TRUE(text.contains(found.at(0).toObject().value(QLatin1String("text")).toString()))
            << found.at(0).toObject().value(QLatin1String("text")).toString().toStdString();
    }
}
