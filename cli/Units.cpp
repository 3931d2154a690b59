#include "cli/Units.h"

#include "platform/core/Exception.h"
#include "uitext/FileTexts.h"
#include "extract/FormDescription.h"
#include "generate/GeneratorTable.h"
#include "platform/core/Paths.h"
#include "unit/UnitRecovery.h"

#include <QDirIterator>
#include <QFile>
#include <QUtf8StringView>
#include <QFile>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <condition_variable>
#include <mutex>
#ifdef Q_OS_UNIX
#include <dirent.h>
#endif
#include <map>
#include <thread>

#include <unistd.h>

namespace {
// The folder part of a path with its separator; "" for a bare name (the
// current folder).
QString folderOf(const QString &path)
{
    const QString dir = Paths::directoryPart(path);
    return dir.isEmpty() ? QString() : Paths::withTrailingSeparator(dir);
}

// The code extract writes beside a unit is no unit of its own.
bool isGeneratedOutput(const QString &path)
{
    for (const GeneratorInfo &g : generators())
        if (path.endsWith(QLatin1String(g.suffix), Qt::CaseInsensitive))
            return true;
    return false;
}

// A unit file below folder whose name is not valid UTF-8: Qt cannot reach
// it through the decoded name, so it would be passed over in silence. ""
// when there is none.
QString unreachableUnitFile(const QString &folder, Language lang)
{
#ifdef Q_OS_UNIX
    QStringList folders{folder};
    QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        folders << it.next();
    for (const QString &f : folders) {
        DIR *d = ::opendir(QFile::encodeName(f).constData());
        if (!d) // a folder that cannot be read is never passed over
            throw Exception(cliText(CliText::Unreadable, lang).arg(f, QString::fromLocal8Bit(std::strerror(errno))));
        QString found;
        while (const dirent *e = ::readdir(d)) {
            const QByteArray name(e->d_name);
            if (name.toLower().endsWith(".cpp") && !QUtf8StringView(name).isValidUtf8()) {
                found = f + u'/' + QString::fromUtf8(name);
                break;
            }
        }
        ::closedir(d);
        if (!found.isEmpty())
            return found;
    }
#else
    Q_UNUSED(folder);
    Q_UNUSED(lang);
#endif
    return QString();
}

bool isUnitFileName(const QString &path)
{
    const QString ext = Paths::extensionTail(Paths::namePart(QDir::cleanPath(path)));
    for (const char *unit : {".cpp", ".h", ".dfm"})
        if (ext.compare(QLatin1String(unit), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
} // namespace

QStringList expandUnitArguments(const QStringList &arguments, Language lang)
{
    QStringList out;
    for (const QString &arg : arguments) {
        const bool fromStdin = arg == u"-";
        if (!fromStdin && !arg.startsWith(u'@')) {
            out << arg;
            continue;
        }
        QFile file;
        const QString name = fromStdin ? QStringLiteral("-") : arg.mid(1);
        const bool open = fromStdin ? file.open(STDIN_FILENO, QIODevice::ReadOnly)
                                    : (file.setFileName(name), file.open(QIODevice::ReadOnly));
        if (!open)
            throw Exception(cliText(CliText::UnitListUnreadable, lang).arg(name, file.errorString()));
        // Line by line: a list on standard input may be long.
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (!line.isEmpty())
                out << line;
        }
        if (file.error() != QFileDevice::NoError)
            throw Exception(cliText(CliText::UnitListUnreadable, lang).arg(name, file.errorString()));
    }
    return out;
}

std::vector<SourceUnit> resolveUnits(const QStringList &given, Language lang, std::optional<TextEncoding> encoding)
{
    const QStringList arguments = expandUnitArguments(given, lang);
    std::map<QString, SourceUnit> units; // by folder + base name: sorted, each once
    const auto add = [&](const QString &file) {
        SourceUnit u = SourceUnit::locate(file, lang);
        u.setEncodingChoice(encoding);
        if (!u.isOpen())
            throw Exception(cliText(CliText::NotAUnit, lang).arg(file));
        units.emplace(u.folder() + u.baseName(), std::move(u));
    };
    for (const QString &given : arguments) {
        // A name written in another case than the file's still finds it.
        const QString arg = QFileInfo::exists(given) ? given
                                                     : Paths::resolveCaseInsensitive(folderOf(given), Paths::namePart(given));
        const QFileInfo info(arg);
        if (info.isDir() && isUnitFileName(arg)) {
            throw Exception(cliText(CliText::FolderLikeUnit, lang).arg(given));
        } else if (info.isDir()) {
            // Nothing named like a C++ source is passed over in silence.
            if (const QString bad = unreachableUnitFile(arg, lang); !bad.isEmpty())
                throw Exception(fileText(FileText::NameNotReachable, lang).arg(bad));
            QDirIterator it(arg, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString file = it.next();
                if (Paths::extensionTail(Paths::namePart(file)).compare(QLatin1String(".cpp"), Qt::CaseInsensitive) != 0 ||
                    isGeneratedOutput(file))
                    continue;
                const QFileInfo entry = it.fileInfo();
                if (entry.isDir())
                    throw Exception(cliText(CliText::FolderLikeUnit, lang).arg(file));
                if (!entry.isFile())
                    throw Exception(cliText(CliText::NotRegularFile, lang).arg(file));
                if (QFile probe(file); !probe.open(QIODevice::ReadOnly))
                    throw Exception(cliText(CliText::Unreadable, lang).arg(file, probe.errorString()));
                add(QDir::cleanPath(file));
            }
        } else if (!info.exists()) {
            throw Exception(cliText(CliText::NoSuchFile, lang).arg(given));
        } else {
            add(arg);
        }
    }
    std::vector<SourceUnit> out;
    for (auto &[key, u] : units)
        out.push_back(std::move(u));
    return out;
}

CliPage loadPage(SourceUnit &unit, SourcePage p)
{
    unit.load(p);
    const PageFile &f = unit.page(p);
    if (!f.loaded)
        throw Exception(f.error);
    return CliPage{f.path, TextFile::withCrLfBreaks(unit.takeText(p)), f.encoding};
}

QString formHeadLine(SourceUnit &unit)
{
    unit.load(SourcePage::Dfm);
    const QString text = unit.takeText(SourcePage::Dfm);
    qsizetype end = 0;
    while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n')
        ++end;
    return text.left(end);
}

void runParallel(int n, int jobs, const std::function<void(int)> &work, CliStreams &io, Language lang)
{
    const int threads = std::max(1, std::min(n, jobs > 0 ? jobs : QThread::idealThreadCount()));
    std::atomic<int> next{0};
    int done = 0;
    std::mutex mutex;
    std::condition_variable finished;
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t)
        pool.emplace_back([&] {
            for (int i; (i = next++) < n;) {
                work(i);
                const std::lock_guard<std::mutex> hold(mutex);
                if (++done == n)
                    finished.notify_one();
            }
        });
    // Woken when the last unit is done; on a terminal also every few tenths
    // of a second for the progress line of a long run.
    QElapsedTimer clock;
    clock.start();
    bool shown = false;
    for (std::unique_lock<std::mutex> hold(mutex); done < n;) {
        if (!io.terminal) {
            finished.wait(hold, [&] { return done == n; });
            break;
        }
        finished.wait_for(hold, std::chrono::milliseconds(200), [&] { return done == n; });
        if (done < n && clock.elapsed() > 1000) {
            io.err << '\r' << cliText(CliText::Progress, lang).arg(done).arg(n) << Qt::flush;
            shown = true;
        }
    }
    for (std::thread &t : pool)
        t.join();
    if (shown)
        io.err << '\r' << QString(40, u' ') << '\r' << Qt::flush;
}

void noteGuess(const SourceUnit &unit, CliStreams &io, Language lang)
{
    if (const std::optional<CodePages::Guess> g = unit.guess())
        io.err << "vtqx-cli: "
               << cliText(CliText::GuessedCodePage, lang)
                      .arg(QDir::toNativeSeparators(unit.folder() + unit.baseName()), CodePages::displayName(g->encoding))
                      .arg(g->confidence)
               << '\n' << Qt::flush;
}

int fail(CliStreams &io, const QString &text)
{
    io.err << "vtqx-cli: " << text << '\n' << Qt::flush;
    return ExitError;
}

UnitLocks lockUnits(const std::vector<std::pair<QString, QString>> &units, bool writing, CliStreams &io, Language lang)
{
    UnitLocks locks;
    std::map<QString, QStringList> marks; // folder: the names a run leaves there, listed once
    for (const auto &[folder, base] : units) {
        auto lock = std::make_unique<UnitLock>(folder, base);
        if (!lock->tryLock(kUnitLockWaitMs)) {
            // A reader changes nothing: it goes on when no lock file can be
            // made here, and when a holder keeps the unit longer than a run
            // commits (a window holds its unit as long as it is open).
            if (!writing)
                continue;
            throw Exception(lock->error(lang));
        }
        locks.push_back(std::move(lock));
        auto listed = marks.find(folder);
        if (listed == marks.end())
            listed = marks.emplace(folder, QDir(folder.isEmpty() ? QStringLiteral(".") : folder)
                                               .entryList({QStringLiteral(".*.vtqx-*")},
                                                          QDir::Files | QDir::Hidden | QDir::System))
                         .first;
        const QString head = u'.' + base + QStringLiteral(".vtqx-");
        const bool left = std::any_of(listed->second.begin(), listed->second.end(), [&](const QString &name) {
            return name.startsWith(head) && name != UnitLock::fileName(base);
        });
        if (!left)
            continue;
        const QString told = recoverUnit(folder.isEmpty() ? QStringLiteral(".") : folder, base, lang);
        if (!told.isEmpty())
            io.err << "vtqx-cli: " << told << '\n' << Qt::flush;
    }
    return locks;
}
