// vtqx-cli extract as a process of its own: killed at random moments, and
// two runs at once on one unit. After each, the unit is wholly as before or
// wholly as after one run, and the next run goes on from there.
#include "tests/support/CliRun.h"
#include "tests/support/TempFolder.h"
#include "unit/UnitLock.h"
#include "unit/UnitRecovery.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <set>
#include <thread>

namespace {
using Hashes = std::map<QString, QByteArray>;

// A real unit when the shared ones are there, else the sample.
struct UnitSource
{
    QString folder, base;
};
UnitSource realUnit()
{
    const QString shared = QStringLiteral(VTQX_SHARED_DIR "/units/kasse");
    if (QFileInfo::exists(shared + QStringLiteral("/VerkaufFrm.cpp")))
        return {shared, QStringLiteral("VerkaufFrm")};
    return {QStringLiteral(VTQX_SAMPLE_UNIT), QStringLiteral("MainForm")};
}

struct KilledUnit : TempFolder
{
    UnitSource source = realUnit();
    QString cpp() const { return path(source.base + QStringLiteral(".cpp")); }

    void restore()
    {
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(path(name));
        for (const QString &ext : {QStringLiteral(".cpp"), QStringLiteral(".h"), QStringLiteral(".dfm")}) {
            QFile f(source.folder + u'/' + source.base + ext);
            if (f.open(QIODevice::ReadOnly))
                write(source.base + ext, f.readAll());
        }
    }
    // Every file's hash; the lock file a killed run leaves is no content.
    Hashes hashes() const
    {
        Hashes out;
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            if (!name.endsWith(QStringLiteral(".vtqx-lock")))
                out[name] = QCryptographicHash::hash(read(name), QCryptographicHash::Md5);
        return out;
    }
    // The numbers the list gives: each once, and each the page uses is listed.
    void expectNumbersOnce() const
    {
        const QString list = QString::fromUtf8(read(source.base + QStringLiteral(".list.txt")));
        std::set<int> listed;
        const QRegularExpression entry(QStringLiteral("^String(\\d+)"), QRegularExpression::MultilineOption);
        for (auto m = entry.globalMatch(list); m.hasNext();)
            EXPECT_TRUE(listed.insert(m.next().captured(1).toInt()).second) << "given twice";
        const QString page = QString::fromUtf8(read(source.base + QStringLiteral(".cpp")));
        const QRegularExpression use(QStringLiteral("\\bString(\\d+)\\b|LoadTextRC\\((\\d+)"));
        for (auto m = use.globalMatch(page); m.hasNext();) {
            const auto found = m.next();
            const int n = (found.captured(1).isEmpty() ? found.captured(2) : found.captured(1)).toInt();
            EXPECT_TRUE(listed.count(n)) << "String" << n << " is used but not listed";
        }
    }
};

QProcess *startExtract(const QString &cpp, QObject *parent = nullptr)
{
    auto *p = new QProcess(parent);
    p->setProcessChannelMode(QProcess::MergedChannels);
    p->start(QStringLiteral(VTQX_CLI), {QStringLiteral("extract"), cpp});
    return p;
}

TEST(CrashSafety, ARunKilledAtAnyMomentLeavesTheUnitOldOrNew)
{
    KilledUnit u;
    u.restore();
    const Hashes before = u.hashes();
    // One whole run: its result, and how long it takes.
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProcess> whole(startExtract(u.cpp()));
    ASSERT_TRUE(whole->waitForFinished(60000));
    ASSERT_EQ(whole->exitCode(), 0) << whole->readAll().toStdString();
    const qint64 runMs = std::max<qint64>(clock.elapsed(), 20);
    const Hashes after = u.hashes();
    ASSERT_NE(before, after);

    // Kills spread over the run from a quarter of its time on: its start
    // is mostly the program loading.
    int kills = 0, found[2] = {0, 0}, recovered = 0;
    for (; kills < 200; ++kills) {
        SCOPED_TRACE(testing::Message() << "kill " << kills);
        u.restore();
        std::unique_ptr<QProcess> p(startExtract(u.cpp()));
        ASSERT_TRUE(p->waitForStarted(30000));
        const qint64 at = QRandomGenerator::global()->bounded(runMs / 4, runMs * 11 / 10 + 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(at));
        p->kill();
        p->waitForFinished(30000);
        // What the next run finds first, and then that it succeeds.
        recovered += !recoverUnit(u.dir.path(), u.source.base, Language::English).isEmpty();
        const Hashes state = u.hashes();
        ASSERT_TRUE(state == before || state == after) << "mixed after a kill " << at << " ms into the run";
        ++found[state == after];
        const CliRun next = runCliCaptured({QStringLiteral("extract"), u.cpp()});
        ASSERT_EQ(next.exit, 0) << next.err.toStdString();
        EXPECT_EQ(u.hashes(), after);
        u.expectNumbersOnce();
    }
    std::printf("%d kills: %d left the unit as before, %d as after; %d left files to recover\n", kills, found[0],
                found[1], recovered);
}

TEST(CrashSafety, TwoRunsStartedTogetherGiveTheResultOfOne)
{
    KilledUnit u;
    u.restore();
    ASSERT_EQ(runCliCaptured({QStringLiteral("extract"), u.cpp()}).exit, 0);
    const Hashes one = u.hashes();
    for (int trial = 0; trial < 50; ++trial) {
        SCOPED_TRACE(testing::Message() << "trial " << trial);
        u.restore();
        std::unique_ptr<QProcess> a(startExtract(u.cpp())), b(startExtract(u.cpp()));
        ASSERT_TRUE(a->waitForFinished(60000) && b->waitForFinished(60000));
        // The second waits for the first, then finds nothing left to extract.
        EXPECT_EQ(a->exitCode(), 0) << a->readAll().toStdString();
        EXPECT_EQ(b->exitCode(), 0) << b->readAll().toStdString();
        ASSERT_EQ(u.hashes(), one);
    }
}

TEST(CrashSafety, ARunWaitsABoundedTimeThenNamesTheHolder)
{
    KilledUnit u;
    u.restore();
    UnitLock held(u.dir.path(), u.source.base);
    ASSERT_TRUE(held.tryLock(0));
    const Hashes before = u.hashes();
    const CliRun r = runCliCaptured({QStringLiteral("extract"), u.cpp()});
    EXPECT_EQ(r.exit, ExitError);
    EXPECT_TRUE(r.err.contains(QStringLiteral("(process %1)").arg(QCoreApplication::applicationPid()))) << r.err.toStdString();
    EXPECT_EQ(u.hashes(), before);
}
} // namespace
