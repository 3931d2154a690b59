// The generated resource script compiles with the cross resource compiler.
#include "extract/ExtractionList.h"
#include "generate/Generators.h"
#include "generate/OutputFile.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QString kWindres = QStringLiteral("x86_64-w64-mingw32-windres");

// 120 literals as Extract records them: C escapes, quotes, backslashes,
// apostrophes, percent signs, commas and text beyond ASCII.
QStringList literals()
{
    const QStringList samples = {
        QStringLiteral("\"Hello\""),
        QStringLiteral("\"Save file?\""),
        QStringLiteral("\"Say \\\"yes\\\" or \\\"no\\\"\""),
        QStringLiteral("\"C:\\\\Programme\\\\\""),
        QStringLiteral("\"Größe ändern: äöü ÄÖÜ ß\""),
        QStringLiteral("\"Preis 5 € – „Angebot“\""),
        QStringLiteral("\"it's 100% done, really\""),
        QStringLiteral("\"Line 1\\nLine 2\\tTab\""),
        QStringLiteral("\"/* not a comment */ // nor this\""),
        QStringLiteral("\"#define X 1\""),
        QStringLiteral("\"Ça va? ¿Qué tal? naïve café\""),
        QStringLiteral("\"\\\"\""),
    };
    QStringList out;
    for (int i = 0; i < 120; ++i)
        out << samples.at(i % samples.size());
    return out;
}

QString runWindres(const QStringList &args, int &exitCode)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(kWindres, args);
    if (!p.waitForFinished(60000)) {
        exitCode = -1;
        return QStringLiteral("windres did not finish");
    }
    exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAll());
}

class Windres : public ::testing::TestWithParam<StringMode>
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(kWindres).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("cpp")).isEmpty())
            GTEST_SKIP() << "x86_64-w64-mingw32-windres or cpp is not installed";
        ASSERT_TRUE(dir.isValid());
    }
    QTemporaryDir dir;
};

TEST_P(Windres, GeneratedScriptCompiles)
{
    const StringMode mode = GetParam();
    QStringList list;
    const QStringList lits = literals();
    for (int i = 0; i < lits.size(); ++i)
        list << ExtractionList::valueEntry(ExtractionList::stringName(i + 1), lits.at(i), mode);
    GeneratorInput in;
    in.list = list.join(QStringLiteral("\r\n"));
    in.mode = mode;
    const QStringList script = *resourceScript(in);
    ASSERT_EQ(script.size(), 123);

    const QString rc = dir.filePath(QStringLiteral("strings.rc"));
    const QString obj = dir.filePath(QStringLiteral("strings.o"));
    saveOutputText(rc, script.join(u'\n'));
    QFile written(rc);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.contains("Gr\xF6\xDF" "e")) << "the script is not in the single-byte code page";

    int exitCode = 0;
    const QString log = runWindres({QStringLiteral("--preprocessor=cpp"), QStringLiteral("-c"), QStringLiteral("1252"),
                                    rc, QStringLiteral("-O"), QStringLiteral("coff"), QStringLiteral("-o"), obj},
                                   exitCode);
    ASSERT_EQ(exitCode, 0) << log.toStdString();
    EXPECT_FALSE(log.contains(QStringLiteral("warning"))) << log.toStdString();
    ASSERT_GT(QFile(obj).size(), 0);

    // Read the table back: every string arrived, with its quotes and its
    // characters beyond ASCII intact.
    const QString back = dir.filePath(QStringLiteral("back.rc"));
    runWindres({QStringLiteral("-i"), obj, QStringLiteral("-O"), QStringLiteral("rc"), QStringLiteral("-o"), back},
               exitCode);
    ASSERT_EQ(exitCode, 0);
    QFile f(back);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString table = QString::fromLatin1(f.readAll());
    for (int id = 101; id <= 220; ++id)
        EXPECT_TRUE(table.contains(QStringLiteral("  %1, ").arg(id))) << "identifier " << id << " is missing";
    EXPECT_TRUE(table.contains(QStringLiteral("103, \"Say \"\"yes\"\" or \"\"no\"\"\"")));
    // ä ö ü of the code page, as the compiler writes them back in octal.
    EXPECT_TRUE(table.contains(QStringLiteral("\\344\\366\\374"))) << table.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Modes, Windres, ::testing::Values(StringMode::Function, StringMode::Global),
                         [](const ::testing::TestParamInfo<StringMode> &info) {
                             return info.param == StringMode::Function ? "Function" : "Global";
                         });
} // namespace
