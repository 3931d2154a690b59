// A unit's files committed through the journal: each rename and each sync
// failed in turn, then recovered; what recovery says it did; the lock.
#include "platform/core/Exception.h"
#include "platform/core/StagedFiles.h"
#include "unit/UnitLock.h"
#include "unit/UnitRecovery.h"
#include "tests/support/QtPrint.h"
#include "tests/support/TempFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

#include <cerrno>
#include <map>

namespace {
// Fails the call numbered failAt (counting renames and syncs of the kinds
// chosen) with EIO; every other call is the system's.
class FailingOps : public FileOps
{
public:
    enum Kind { Rename = 1, Sync = 2, SyncFolder = 4 };
    FailingOps(int kinds, int failAt) : m_kinds(kinds), m_failAt(failAt) {}
    int rename(const QString &from, const QString &to) override
    {
        return hit(Rename) ? EIO : FileOps::rename(from, to);
    }
    int sync(int fd) override { return hit(Sync) ? EIO : FileOps::sync(fd); }
    int syncFolder(const QString &folder) override { return hit(SyncFolder) ? EIO : FileOps::syncFolder(folder); }
    bool failed = false;

private:
    bool hit(Kind k)
    {
        if (!(m_kinds & k) || m_calls++ != m_failAt)
            return false;
        failed = true;
        return true;
    }
    int m_kinds, m_failAt, m_calls = 0;
};

using Files = std::map<QString, QByteArray>;

const Files kOld{{"U.cpp", "old source"}, {"U.list.txt", "String1 = \"a\"\r\n"}};
const Files kNew{{"U.cpp", "new source, longer"}, {"U.list.txt", "String1 = \"a\"\r\nString2 = \"b\"\r\n"},
                 {"U.rc", "STRINGTABLE"}};

struct Unit : TempFolder
{
    Unit()
    {
        for (const auto &[name, bytes] : kOld)
            write(name, bytes);
    }
    // Every file of the folder, hidden ones included, but the lock.
    Files files() const
    {
        Files out;
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            if (name != UnitLock::fileName(QStringLiteral("U")))
                out[name] = read(name);
        return out;
    }
    void commit(FileOps &ops)
    {
        StagedFiles staged(dir.path(), QStringLiteral("U"), ops);
        for (const auto &[name, bytes] : kNew)
            staged.stage(path(name), bytes);
        staged.commit();
    }
};

TEST(CrashSafeCommit, EachFailedRenameOrSyncLeavesTheUnitOldOrNewOnceRecovered)
{
    const struct
    {
        const char *kind;
        int kinds;
    } cases[] = {{"rename", FailingOps::Rename}, {"file sync", FailingOps::Sync}, {"folder sync", FailingOps::SyncFolder}};
    for (const auto &c : cases) {
        int forward = 0;
        for (int at = 0;; ++at) {
            SCOPED_TRACE(testing::Message() << c.kind << " number " << at);
            Unit u;
            FailingOps ops(c.kinds, at);
            bool threw = false;
            try {
                u.commit(ops);
            } catch (const Exception &e) {
                threw = true;
                EXPECT_TRUE(e.Message().contains(QStringLiteral("Input/output error"))) << e.what();
            }
            EXPECT_EQ(threw, ops.failed);
            if (!ops.failed)
                break;
            const QString told = recoverUnit(u.dir.path(), QStringLiteral("U"), Language::English);
            forward += told.contains(QStringLiteral("completed"));
            const Files after = u.files();
            EXPECT_TRUE(after == kOld || after == kNew) << told.toStdString();
            EXPECT_EQ(recoverUnit(u.dir.path(), QStringLiteral("U"), Language::English), QString());
        }
        if (c.kinds != FailingOps::Sync) { // a failed file sync comes before the journal
            EXPECT_GT(forward, 0) << c.kind;
        }
    }
}

TEST(CrashSafeCommit, RecoveryRollsForwardBackOrCleansUp)
{
    enum Left { Journal, JournalOneTemporaryChanged, TemporariesOnly };
    const struct
    {
        Left left;
        Files expected;
        const char *told;
    } cases[] = {
        {Journal, kNew, "has been completed: "},
        {JournalOneTemporaryChanged, kOld, "has been undone"},
        {TemporariesOnly, kOld, "3 temporary files"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.told);
        Unit u;
        // A run stopped just before its renames: the first rename after
        // the journal's fails, and the journal and staged files stay behind
        // as a kill leaves them.
        FailingOps stop(FailingOps::Rename, 1);
        EXPECT_THROW(u.commit(stop), Exception);
        const QStringList temporaries =
            QDir(u.dir.path()).entryList({QStringLiteral(".U.vtqx-*.tmp")}, QDir::Files | QDir::Hidden);
        ASSERT_EQ(temporaries.size(), 3);
        if (c.left == JournalOneTemporaryChanged)
            u.write(temporaries.front(), "cut short");
        if (c.left == TemporariesOnly)
            QFile::remove(u.path(journalName(QStringLiteral("U"))));
        const QString told = recoverUnit(u.dir.path(), QStringLiteral("U"), Language::English);
        EXPECT_TRUE(told.contains(QLatin1String(c.told))) << told.toStdString();
        EXPECT_EQ(u.files(), c.expected);
    }
}

TEST(CrashSafeCommit, RecoveryLeavesOtherUnitsLeftoversAlone)
{
    TempFolder f;
    for (const char *name : {".U.vtqx-0000abcd.tmp", ".U.x.vtqx-0000abcd.tmp", ".U.vtqx-0000abcd.tmp.keep",
                             ".U.vtqx-lock", ".UU.vtqx-0000abcd.tmp"})
        f.write(QString::fromLatin1(name), "x");
    EXPECT_TRUE(recoverUnit(f.dir.path(), QStringLiteral("U"), Language::German).contains(QStringLiteral("1 temporäre")));
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

TEST(UnitLockTest, ASecondTakerIsRefusedAndToldTheHolder)
{
    TempFolder f;
    UnitLock first(f.dir.path(), QStringLiteral("U")), second(f.dir.path() + u'/', QStringLiteral("U"));
    ASSERT_TRUE(first.tryLock(0));
    EXPECT_FALSE(second.tryLock(50));
    EXPECT_EQ(second.holderPid(), QCoreApplication::applicationPid());
    const QString error = second.error(Language::English);
    EXPECT_TRUE(error.contains(QStringLiteral("(process %1)").arg(QCoreApplication::applicationPid()))) << error.toStdString();
    EXPECT_TRUE(error.contains(second.holderProgram())) << error.toStdString();
    first.unlock();
    EXPECT_TRUE(second.tryLock(0));
    second.unlock();
    // A lock file that names nobody (its taker killed before writing it) is
    // taken over once it is older than a second.
    f.write(UnitLock::fileName(QStringLiteral("U")), QByteArray());
    EXPECT_FALSE(second.tryLock(0));
    QFile file(second.path());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-5), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_TRUE(second.tryLock(0));
}
} // namespace
