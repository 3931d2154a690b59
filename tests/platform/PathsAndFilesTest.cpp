#include "platform/core/Exception.h"
#include "platform/core/Paths.h"
#include "tests/support/QtPrint.h"
#include "platform/core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Paths, NameDirectoryAndExtension)
{
    EXPECT_EQ(Paths::namePart(QStringLiteral("/a/b/Unit1.cpp")), QStringLiteral("Unit1.cpp"));
    EXPECT_EQ(Paths::namePart(QStringLiteral("Unit1.cpp")), QStringLiteral("Unit1.cpp"));
    EXPECT_EQ(Paths::directoryPart(QStringLiteral("/a/b/Unit1.cpp")), QStringLiteral("/a/b"));
    EXPECT_EQ(Paths::directoryPart(QStringLiteral("/Unit1.cpp")), QStringLiteral("/"));
    EXPECT_EQ(Paths::withTrailingSeparator(QStringLiteral("/a/b")), QStringLiteral("/a/b/"));
    EXPECT_EQ(Paths::withTrailingSeparator(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(Paths::extensionTail(QStringLiteral("Unit1.old.cpp")), QStringLiteral(".cpp"));
    EXPECT_EQ(Paths::extensionTail(QStringLiteral("Makefile")), QStringLiteral("Makefile"));
    EXPECT_EQ(Paths::extensionTail(QStringLiteral("a.")), QStringLiteral("."));
}

TEST(Paths, FindsUpperCaseNamesOnCaseSensitiveFileSystems)
{
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("EDITFRM.CPP")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const QString folder = dir.path() + u'/';
    EXPECT_EQ(Paths::resolveCaseInsensitive(folder, QStringLiteral("EDITFRM.cpp")), folder + "EDITFRM.CPP");
    EXPECT_EQ(Paths::resolveCaseInsensitive(folder, QStringLiteral("other.h")), folder + "other.h");
}

TEST(TextFile, DetectsAndKeepsTheEncoding)
{
    struct Case
    {
        QByteArray bytes;
        TextEncoding encoding;
        QString text;
    };
    const Case cases[] = {
        {"plain ascii", TextEncoding::Utf8, QStringLiteral("plain ascii")},
        {"gr\xC3\xBC\xC3\x9F", TextEncoding::Utf8, QStringLiteral("grüß")},
        {"\xEF\xBB\xBFgr\xC3\xBC\xC3\x9F", TextEncoding::Utf8Bom, QStringLiteral("grüß")},
        {"gr\xFC\xDF \x80 \x93x\x94", TextEncoding::Cp1252, QStringLiteral("grüß € “x”")},
        {"\x81\x8D\x8F\x90\x9D", TextEncoding::Cp1252, QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D")},
    };
    for (const Case &c : cases) {
        const LoadedText t = TextFile::decode(c.bytes);
        EXPECT_EQ(t.encoding, c.encoding) << c.bytes.toStdString();
        EXPECT_EQ(t.text, c.text);
        EXPECT_EQ(TextFile::encode(t.text, t.encoding), c.bytes);
    }
}

TEST(TextFile, ACharacterTheEncodingCannotHoldWritesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.cpp"));
    TextFile::save(path, QStringLiteral("old"), TextEncoding::Cp1252);
    try {
        TextFile::save(path, QStringLiteral("ok\r\nx \u20AC \u4E2D"), TextEncoding::Cp1252);
        FAIL() << "no error raised";
    } catch (const Exception &e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("U+4E2D"))) << e.what();
        EXPECT_TRUE(e.Message().contains(QStringLiteral("line 2, column 5"))) << e.what();
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("old"));
}

// Any split into pieces gives the bytes, or the error, of the whole text.
TEST(TextFile, EncodingInPiecesEqualsTheWholeText)
{
    const auto whole = [](const QString &text, TextEncoding e) {
        try {
            return TextFile::encode(text, e);
        } catch (const Exception &x) {
            return x.Message().toUtf8();
        }
    };
    const QString texts[] = {
        QString(),
        QStringLiteral("a\r\nb \u20AC\n") + QString::fromUtf16(u"\U0001F600") + QStringLiteral("x"),
        QStringLiteral("ab\ncd") + QChar(0xD83D),               // unpaired at the end
        QStringLiteral("a\nb") + QChar(0xD83D) + QStringLiteral("\nc"), // high without its low
        QStringLiteral("a\n\nbc") + QChar(0xDE00) + QStringLiteral("d"), // low without its high
        QStringLiteral("x\ny \u4E2D"),                            // not in Windows-1252
    };
    for (const QString &text : texts)
        for (const TextEncoding e : {TextEncoding::Utf8, TextEncoding::Utf8Bom, TextEncoding::Cp1252,
                                     TextEncoding::Utf16LeBom, TextEncoding::Utf16BeBom})
            for (qsizetype cut = 0; cut <= text.size(); ++cut) {
                QByteArray out;
                try {
                    TextFile::Encoder enc(e);
                    enc.encode(QStringView(text).first(cut), out);
                    enc.encode(QStringView(text).sliced(cut), out);
                    enc.finish(out);
                } catch (const Exception &x) {
                    out = x.Message().toUtf8();
                }
                EXPECT_EQ(out, whole(text, e)) << text.toStdString() << " cut at " << cut << " encoding " << int(e);
            }
}

TEST(TextFile, LoadRefusesWhatIsNotALoadableFile)
{
    QTemporaryDir dir;
    EXPECT_THROW(TextFile::load(dir.filePath(QStringLiteral("missing.cpp"))), Exception);
    EXPECT_THROW(TextFile::load(dir.path()), Exception);
    QFile big(dir.filePath(QStringLiteral("big.cpp")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(TextFile::kMaxSize + 1)); // sparse
    big.close();
    EXPECT_THROW(TextFile::load(big.fileName()), Exception);
}

TEST(TextFile, AFailedSaveLeavesTheOldFile)
{
    QTemporaryDir dir;
    // A path whose folder is a file cannot be written, even by root.
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_THROW(TextFile::save(dir.filePath(QStringLiteral("blocker/a.cpp")), QStringLiteral("x"), TextEncoding::Utf8),
                 Exception);
}
