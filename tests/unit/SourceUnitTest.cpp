#include "platform/core/Exception.h"
#include "platform/core/Paths.h"
#include "tests/support/QtPrint.h"
#include "unit/SourceUnit.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {
class Unit : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QByteArray read(const QString &name)
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // The message of the Exception that f raises, "" when it raises none.
    template <typename F>
    static QString raised(F &&f)
    {
        try {
            f();
        } catch (const Exception &e) {
            return e.Message();
        }
        return QString();
    }
    QTemporaryDir dir;
};

TEST_F(Unit, OpenFindsThePagesFromAnyOfTheThreeFilesAndKeepsTheirEncodings)
{
    write(QStringLiteral("EDITFRM.CPP"), "gr\xFC\xDF\r\n");
    write(QStringLiteral("EditFrm.dfm"), "\xEF\xBB\xBFobject A: TA\r\n");
    for (const char *chosen : {"EDITFRM.CPP", "EditFrm.dfm"}) {
        SourceUnit u = SourceUnit::open(dir.filePath(QLatin1String(chosen)));
        EXPECT_TRUE(u.isOpen());
        EXPECT_EQ(u.folder(), dir.path() + u'/');
        EXPECT_EQ(Paths::namePart(u.path(SourcePage::Cpp)), QStringLiteral("EDITFRM.CPP"));
        EXPECT_EQ(u.page(SourcePage::Cpp).text, QStringLiteral("grüß\r\n"));
        EXPECT_EQ(u.page(SourcePage::Cpp).encoding, TextEncoding::Cp1252);
        EXPECT_EQ(u.page(SourcePage::Dfm).encoding, TextEncoding::Utf8Bom);
        // The missing header: no text, not a failed load; a save creates it.
        EXPECT_FALSE(u.page(SourcePage::Header).loaded);
        EXPECT_FALSE(u.page(SourcePage::Header).loadFailed);
    }
    SourceUnit u = SourceUnit::open(dir.filePath(QStringLiteral("EDITFRM.CPP")));
    u.save(SourcePage::Cpp, QStringLiteral("ö\r\n"));
    u.save(SourcePage::Dfm, QStringLiteral("ö"));
    u.save(SourcePage::Header, QStringLiteral("ö"));
    EXPECT_EQ(read(QStringLiteral("EDITFRM.CPP")), QByteArray("\xF6\r\n"));
    EXPECT_EQ(read(QStringLiteral("EditFrm.dfm")), QByteArray("\xEF\xBB\xBF\xC3\xB6"));
    EXPECT_EQ(read(QStringLiteral("EDITFRM.h")), QByteArray("\xC3\xB6"));
    // A name without a dot names no unit.
    EXPECT_FALSE(SourceUnit::locate(dir.filePath(QStringLiteral("Makefile"))).isOpen());
}

TEST_F(Unit, ARelativePathIsTakenFromTheCurrentFolder)
{
    write(QStringLiteral("a.cpp"), "x");
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const SourceUnit u = SourceUnit::open(QStringLiteral("a.cpp"));
    QDir::setCurrent(before);
    EXPECT_EQ(u.folder(), dir.path() + u'/');
    EXPECT_EQ(u.page(SourcePage::Cpp).text, QStringLiteral("x"));
}

TEST_F(Unit, APageThatFailedToLoadIsNeverWrittenOverItsFile)
{
    write(QStringLiteral("u.cpp"), "c");
    QDir(dir.path()).mkdir(QStringLiteral("u.h"));
    SourceUnit u = SourceUnit::open(dir.filePath(QStringLiteral("u.cpp")));
    ASSERT_TRUE(u.page(SourcePage::Header).loadFailed);
    EXPECT_TRUE(raised([&] { u.save(SourcePage::Header, QStringLiteral("x")); }).contains(u.path(SourcePage::Header)));
    // Save as refuses that same file, under any spelling, but writes elsewhere.
    for (const QString &same : {dir.filePath(QStringLiteral("u.h")), dir.path() + QStringLiteral("/./u.h")})
        EXPECT_FALSE(raised([&] { u.saveAs(SourcePage::Header, same, QStringLiteral("x")); }).isEmpty());
    u.saveAs(SourcePage::Header, dir.filePath(QStringLiteral("copy.h")), QStringLiteral("x"));
    EXPECT_EQ(read(QStringLiteral("copy.h")), QByteArray("x"));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("u.h"))).isDir());
}

TEST_F(Unit, ASaveTheToolCouldNotLoadAgainWritesNothing)
{
    write(QStringLiteral("u.cpp"), "old");
    SourceUnit u = SourceUnit::open(dir.filePath(QStringLiteral("u.cpp")));
    // One character more than the limit once encoded (two bytes each).
    const QString text(TextFile::kMaxSize / 2 + 1, QChar(0xE9));
    const QString message = raised([&] { u.save(SourcePage::Cpp, text); });
    EXPECT_TRUE(message.contains(QStringLiteral("64 MiB"))) << message.toStdString();
    EXPECT_EQ(read(QStringLiteral("u.cpp")), QByteArray("old"));
    // At the limit it is written, and loads again.
    u.save(SourcePage::Cpp, QString(TextFile::kMaxSize / 2, QChar(0xE9)));
    EXPECT_EQ(SourceUnit::open(dir.filePath(QStringLiteral("u.cpp"))).page(SourcePage::Cpp).text.size(),
              TextFile::kMaxSize / 2);
}

TEST_F(Unit, ANameThatIsNotUtf8IsRefusedRatherThanSavedUnderAnotherName)
{
    const QByteArray raw = QFile::encodeName(dir.path()) + "/Unit\xFF.cpp";
    const int fd = ::open(raw.constData(), O_CREAT | O_WRONLY, 0644);
    if (fd < 0)
        GTEST_SKIP() << "the file system takes no such name";
    ::close(fd);
    // The name as Qt and its file dialog see it.
    const QString decoded = QFile::decodeName(raw);
    const QString message = raised([&] { SourceUnit::locate(decoded, Language::German); });
    ::unlink(raw.constData());
    EXPECT_TRUE(message.contains(QStringLiteral("UTF-8"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("umbenennen")) || message.contains(QStringLiteral("Benennen")))
        << message.toStdString();
    // A valid name that merely holds the replacement character is fine.
    write(QStringLiteral("A\uFFFD.cpp"), "x");
    EXPECT_EQ(SourceUnit::open(dir.filePath(QStringLiteral("A\uFFFD.cpp"))).page(SourcePage::Cpp).text,
              QStringLiteral("x"));
}

// A full file system: the platform's reason reaches the message, the old
// file stays. Needs the right to mount (root outside a restricted container).
TEST_F(Unit, AFullDiskIsReportedWithThePlatformsReason)
{
    QTemporaryDir mountPoint;
    const QByteArray where = QFile::encodeName(mountPoint.path());
    if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    const QString unitFile = mountPoint.filePath(QStringLiteral("u.cpp"));
    {
        QFile f(unitFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
        f.close();
        QFile fill(mountPoint.filePath(QStringLiteral("fill")));
        ASSERT_TRUE(fill.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (fill.write(block) == block.size() && fill.flush()) {
        }
    }
    SourceUnit u = SourceUnit::open(unitFile);
    QString messages[2];
    messages[0] = raised([&] { u.save(SourcePage::Cpp, QStringLiteral("new text")); });
    messages[1] = raised([&] { u.save(SourcePage::Cpp, QString(100000, u'n')); });
    QFile f(unitFile);
    const QByteArray kept = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    f.close();
    ::umount(where.constData());
    for (const QString &m : messages) {
        EXPECT_TRUE(m.contains(QStringLiteral("No space left on device"))) << m.toStdString();
        EXPECT_TRUE(m.contains(QStringLiteral("u.cpp"))) << m.toStdString();
    }
    EXPECT_EQ(kept, QByteArray("old"));
}
} // namespace

TEST_F(Unit, TheUnitsEightBitFilesAreGuessedTogetherAndAChoiceWinsOverGuessAndUtf8)
{
    QStringEncoder cp1251("windows-1251");
    const QString russian = QStringLiteral("Caption = \"Книга рецептов: время приготовления двадцать минут\";\r\n");
    write(QStringLiteral("Recept.cpp"), cp1251.encode(russian.repeated(3)));
    write(QStringLiteral("Recept.h"), "// ascii only\r\n");
    // Too short to say much alone: the C++ source decides for it.
    write(QStringLiteral("Recept.dfm"), cp1251.encode(QStringLiteral("  Caption = 'Да'\r\n")));
    SourceUnit u = SourceUnit::open(dir.filePath(QStringLiteral("Recept.cpp")));
    EXPECT_EQ(u.page(SourcePage::Cpp).encoding, TextEncoding::Cp1251);
    EXPECT_EQ(u.page(SourcePage::Dfm).encoding, TextEncoding::Cp1251);
    EXPECT_EQ(u.page(SourcePage::Header).encoding, TextEncoding::Utf8);
    EXPECT_EQ(u.takeText(SourcePage::Dfm), QStringLiteral("  Caption = 'Да'\r\n"));
    ASSERT_TRUE(u.guess());

    // The project file's encoding comes before the guess, a choice before both.
    const struct
    {
        std::optional<TextEncoding> choice, project, read;
    } orders[] = {
        {std::nullopt, TextEncoding::Cp1250, TextEncoding::Cp1250},
        {TextEncoding::Cp1253, TextEncoding::Cp1250, TextEncoding::Cp1253},
        {TextEncoding::Cp1253, std::nullopt, TextEncoding::Cp1253},
    };
    for (const auto &o : orders) {
        u.setEncodingChoice(o.choice);
        u.setProjectEncoding(o.project);
        u.load(SourcePage::Header);
        EXPECT_EQ(u.page(SourcePage::Header).encoding, o.read);
        EXPECT_EQ(u.codePage(), o.read);
        EXPECT_FALSE(u.guess());
    }
}

TEST_F(Unit, APageWhoseBytesWouldNotSurviveIsNeverSaved)
{
    const QByteArray bytes("x = 1;\r\ny = \"\xFA\x4A\";\r\n");
    write(QStringLiteral("Nec.cpp"), bytes);
    SourceUnit u = SourceUnit::locate(dir.filePath(QStringLiteral("Nec.cpp")));
    u.setEncodingChoice(TextEncoding::Cp932);
    u.load(SourcePage::Cpp);
    EXPECT_EQ(u.page(SourcePage::Cpp).notKept, (RowCol{2, 6}));
    const QString text = u.takeText(SourcePage::Cpp);
    EXPECT_TRUE(raised([&] { u.save(SourcePage::Cpp, text); }).contains(QLatin1String("line 2, column 6")));
    EXPECT_EQ(read(QStringLiteral("Nec.cpp")), bytes);
    // Save as writes the text where the user wants it.
    u.saveAs(SourcePage::Cpp, dir.filePath(QStringLiteral("Copy.cpp")), text);
    EXPECT_NE(read(QStringLiteral("Copy.cpp")), bytes);
}
