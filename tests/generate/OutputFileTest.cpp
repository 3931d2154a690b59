#include "platform/core/Exception.h"
#include "generate/OutputFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
TEST(OutputFile, EveryLineEndsWithCrLf)
{
    EXPECT_EQ(encodeOutputText(QStringLiteral("A\r\nB\r\n")), QByteArray("A\r\nB\r\n"));
    EXPECT_EQ(encodeOutputText(QStringLiteral("A\nB")), QByteArray("A\r\nB\r\n"));
    EXPECT_EQ(encodeOutputText(QStringLiteral("A\r\n\r\nB\r")), QByteArray("A\r\n\r\nB\r\n"));
    EXPECT_EQ(encodeOutputText(QString()), QByteArray());
}

TEST(OutputFile, SingleByteCodePageWhenEverythingFitsElseUtf8)
{
    EXPECT_EQ(encodeOutputText(QStringLiteral("Größe €\r\n")), QByteArray("Gr\xF6\xDF" "e \x80\r\n"));
    // One character outside the code page makes the whole file UTF-8.
    EXPECT_EQ(encodeOutputText(QStringLiteral("Größe Ω")), QStringLiteral("Größe Ω\r\n").toUtf8());
}

TEST(OutputFile, Utf8OutputCarriesTheMarkItsCompilerReads)
{
    struct Case
    {
        OutputKind kind;
        QString text;
        QByteArray bytes;
    };
    const QByteArray utf8 = QStringLiteral("Größe Ω\r\n").toUtf8();
    const Case cases[] = {
        {OutputKind::CppCode, QStringLiteral("Größe Ω"), "\xEF\xBB\xBF" + utf8},
        {OutputKind::ResourceScript, QStringLiteral("Größe Ω"), "#pragma code_page(65001)\r\n" + utf8},
        {OutputKind::Text, QStringLiteral("Größe Ω"), utf8},
        // Windows-1252 stays as it was, whatever the kind.
        {OutputKind::CppCode, QStringLiteral("Größe"), "Gr\xF6\xDF" "e\r\n"},
        {OutputKind::ResourceScript, QStringLiteral("Größe"), "Gr\xF6\xDF" "e\r\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(encodeOutputText(c.text, c.kind), c.bytes) << int(c.kind);
}

// Line breaks and surrogate pairs split between pieces, and a character
// beyond Windows-1252 long after the first chunk went to the file.
TEST(OutputFile, SavedInPiecesEqualsTheWholeText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.cpp"));
    const QString smiley = QString::fromUtf16(u"\U0001F600");
    const QStringList tails[] = {{QStringLiteral("\u20AC end")},
                                 {QStringLiteral("\u03A9 end\r")},
                                 {QString(70000, u'x') + smiley.left(1), smiley.mid(1) + u'\n'}};
    for (const QStringList &tail : tails) {
        QStringList pieces;
        for (int i = 0; i < 20000; ++i)
            pieces << QStringLiteral("line %1\r").arg(i) << QStringLiteral("\n") << QStringLiteral("\r")
                   << QStringLiteral("\u00E4");
        pieces << tail;
        int runs = 0;
        saveOutputPieces(path, [&](const auto &piece) {
            ++runs;
            for (const QString &p : pieces)
                piece(p);
        }, OutputKind::CppCode);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll() == encodeOutputText(pieces.join(QString()), OutputKind::CppCode)) << tail.join(QString()).right(8).toStdString();
        EXPECT_EQ(runs, tail[0].startsWith(u'\u20AC') ? 1 : 2) << "a second run only for UTF-8";
    }
}

TEST(OutputFile, SavesAndReplaces)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("out.rc"));
    saveOutputText(path, QStringLiteral("first\n"));
    saveOutputText(path, QStringLiteral("STRINGTABLE\n{\n}"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("STRINGTABLE\r\n{\r\n}\r\n"));
}

TEST(OutputFile, FailureRaisesWithThePlatformsMessage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A path below a regular file cannot be created, not even by root.
    const QString blocker = dir.filePath(QStringLiteral("file"));
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    try {
        saveOutputText(blocker + QStringLiteral("/out.txt"), QStringLiteral("x"));
        ADD_FAILURE() << "no error raised";
    } catch (const Exception &e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("out.txt"))) << e.what();
        EXPECT_GT(e.Message().size(), QStringLiteral("Cannot create file \"\". ").size() + blocker.size() + 8)
            << "the platform's reason is missing: " << e.what();
    }
}
} // namespace
