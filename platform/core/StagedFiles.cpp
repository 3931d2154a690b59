#include "platform/core/StagedFiles.h"

#include "platform/core/Exception.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cctype>
#include <cerrno>
#include <set>

#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr QLatin1StringView kJournalHead("vtqx-journal 1");
constexpr QLatin1StringView kJournalEnd("end");

QString reasonFor(const QString &path, int error)
{
    return QStringLiteral("%1: %2").arg(path, systemReason(error));
}

// The file a target stands for: the end of its chain of links.
QString resolved(const QString &target)
{
    const QFileInfo info(target);
    if (!info.isSymLink())
        return target;
    const QString end = info.canonicalFilePath();
    // A dangling link: the file it names is created.
    return end.isEmpty() ? QFileInfo(info.absolutePath(), info.symLinkTarget()).absoluteFilePath() : end;
}

// Size and hash of a file's bytes; size -1 when it cannot be read.
std::pair<qint64, QByteArray> fingerprint(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {-1, {}};
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (!hash.addData(&f))
        return {-1, {}};
    return {f.size(), hash.result()};
}
} // namespace

QString journalName(const QString &base)
{
    return u'.' + base + QStringLiteral(".vtqx-journal");
}

bool isStagedFileName(const QString &name, const QString &base)
{
    // .<base>.vtqx-XXXXXXXX.tmp
    const QString head = u'.' + base + QStringLiteral(".vtqx-");
    if (!name.startsWith(head) || !name.endsWith(QLatin1String(".tmp")) || name.size() != head.size() + 12)
        return false;
    for (qsizetype i = head.size(); i < head.size() + 8; ++i)
        if (!isxdigit(name.at(i).unicode()) || name.at(i).unicode() > 127)
            return false;
    return true;
}

StagedFiles::StagedFiles(FileOps &ops) : m_ops(ops) {}

StagedFiles::StagedFiles(const QString &folder, const QString &base, FileOps &ops)
    : m_ops(ops), m_folder(QDir(folder).absolutePath()), m_base(base)
{
}

StagedFiles::~StagedFiles()
{
    removeAll();
}

void StagedFiles::checkTarget(const QString &target)
{
    const QFileInfo info(resolved(target));
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        throw Exception(QStringLiteral("%1: the folder does not exist").arg(target));
    if (!folder.isWritable())
        throw Exception(reasonFor(target, EACCES));
    if (info.exists()) {
        if (!info.isFile())
            throw Exception(QStringLiteral("%1: not a regular file").arg(target));
        // Also for root, who may write anything: a file without a write
        // bit was made read-only on purpose.
        constexpr auto kWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        if (!info.isWritable() || !(info.permissions() & kWrite))
            throw Exception(reasonFor(target, EACCES));
    }
}

QString StagedFiles::temporaryName(const QString &target) const
{
    const QFileInfo info(target);
    const QString name = m_base.isEmpty() ? info.fileName() : m_base;
    return info.absolutePath() + QStringLiteral("/.") + name +
           QStringLiteral(".vtqx-%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
}

void StagedFiles::stage(const QString &target, QByteArrayView bytes)
{
    begin(target);
    write(bytes);
    end();
}

void StagedFiles::begin(const QString &given)
{
    const QString target = resolved(given);
    for (int attempt = 0;; ++attempt) {
        m_file.setFileName(temporaryName(target));
        if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            break;
        if (attempt == 8 || !QFile::exists(m_file.fileName()))
            throw Exception(QStringLiteral("%1: %2").arg(given, m_file.errorString()));
    }
    m_staged.push_back({m_file.fileName(), target, 0, {}});
    m_hash.reset();
    // A replaced file keeps its permissions and, where the user may give
    // it, its owner.
    struct stat old;
    if (::stat(QFile::encodeName(target).constData(), &old) == 0) {
        m_file.setPermissions(QFileInfo(target).permissions());
        if (::fchown(m_file.handle(), old.st_uid, old.st_gid) != 0) {
            // Not permitted: the new file stays the user's.
        }
    }
}

void StagedFiles::write(QByteArrayView bytes)
{
    m_hash.addData(bytes);
    m_staged.back().size += bytes.size();
    m_buffer.append(bytes.data(), bytes.size());
    if (m_buffer.size() >= kBufferSize)
        flushBuffer();
}

// Written through the descriptor: a short write on a full disk is retried,
// so the error reported is the system's ("No space left on device").
void StagedFiles::flushBuffer()
{
    for (qsizetype at = 0; at < m_buffer.size();) {
        const ssize_t n = ::write(m_file.handle(), m_buffer.constData() + at, size_t(m_buffer.size() - at));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            failed(systemReason(errno));
        at += n;
    }
    m_buffer.resize(0);
}

void StagedFiles::restart()
{
    m_buffer.resize(0);
    if (::ftruncate(m_file.handle(), 0) != 0 || ::lseek(m_file.handle(), 0, SEEK_SET) != 0)
        failed(systemReason(errno));
    m_hash.reset();
    m_staged.back().size = 0;
}

void StagedFiles::end()
{
    flushBuffer();
    if (const int error = m_ops.sync(m_file.handle()))
        failed(systemReason(error));
    m_file.close();
    m_staged.back().hash = m_hash.result();
}

void StagedFiles::failed(const QString &reason)
{
    m_buffer.resize(0);
    m_file.close();
    throw Exception(QStringLiteral("%1: %2").arg(m_staged.back().target, reason));
}

void StagedFiles::writeJournal()
{
    const QDir folder(m_folder);
    QByteArray text = QByteArray(kJournalHead.data(), kJournalHead.size()) + '\n';
    for (const Staged &s : m_staged)
        text += (folder.relativeFilePath(s.temporary) + u'\t' + folder.relativeFilePath(s.target)).toUtf8() + '\t' +
                QByteArray::number(s.size) + '\t' + s.hash.toHex() + '\n';
    text += QByteArray(kJournalEnd.data(), kJournalEnd.size()) + '\n';
    const QString journal = folder.filePath(journalName(m_base));
    // The record appears whole or not at all: written under a temporary
    // name (removed with the others on failure), synced, renamed.
    begin(journal);
    write(text);
    end();
    const Staged record = m_staged.back();
    m_staged.pop_back();
    int error = m_ops.rename(record.temporary, journal);
    if (error == 0 && (error = m_ops.syncFolder(m_folder)) != 0)
        QFile::remove(journal); // nothing renamed yet: the unit stays as it was
    if (error != 0) {
        QFile::remove(record.temporary);
        throw Exception(reasonFor(journal, error));
    }
}

void StagedFiles::commit()
{
    if (m_staged.empty())
        return;
    const bool journaled = !m_base.isEmpty();
    if (journaled)
        writeJournal();
    std::set<QString> folders;
    if (journaled)
        folders.insert(m_folder);
    while (!m_staged.empty()) {
        const Staged &s = m_staged.front();
        if (const int error = m_ops.rename(s.temporary, s.target)) {
            const QString reason = reasonFor(s.target, error);
            if (journaled)
                m_staged.clear(); // the journal finishes them
            throw Exception(reason);
        }
        folders.insert(QFileInfo(s.target).absolutePath());
        m_staged.erase(m_staged.begin());
    }
    for (const QString &folder : folders)
        if (const int error = m_ops.syncFolder(folder))
            throw Exception(reasonFor(folder, error));
    if (journaled)
        QFile::remove(QDir(m_folder).filePath(journalName(m_base)));
}

void StagedFiles::removeAll()
{
    m_file.close();
    for (const Staged &s : m_staged)
        QFile::remove(s.temporary);
    m_staged.clear();
}

StagedRecovery recoverStaged(const QString &folderPath, const QString &base, FileOps &ops)
{
    StagedRecovery r;
    const QDir folder(folderPath);
    const QString journal = folder.filePath(journalName(base));
    QFile file(journal);
    if (file.exists()) {
        struct Entry
        {
            QString temporary, target;
            bool pending; // the temporary is complete and still to be renamed
        };
        std::vector<Entry> entries;
        QString broken; // a file neither staged complete nor in place
        bool done = false, whole = false;
        if (!file.open(QIODevice::ReadOnly)) {
            r.outcome = StagedRecovery::Failed;
            r.reason = QStringLiteral("%1: %2").arg(journal, file.errorString());
            return r;
        }
        const QList<QByteArray> lines = file.readAll().split('\n');
        file.close();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            if (lines[i] == QByteArrayView(kJournalEnd.data(), kJournalEnd.size())) {
                whole = lines[0] == QByteArrayView(kJournalHead.data(), kJournalHead.size());
                break;
            }
            const QList<QByteArray> f = lines[i].split('\t');
            if (f.size() != 4)
                break;
            Entry e{folder.absoluteFilePath(QString::fromUtf8(f[0])), folder.absoluteFilePath(QString::fromUtf8(f[1])),
                    false};
            const std::pair<qint64, QByteArray> want{f[2].toLongLong(), QByteArray::fromHex(f[3])};
            if (fingerprint(e.temporary) == want)
                e.pending = true;
            else if (fingerprint(e.target) == want)
                done = true;
            else if (broken.isEmpty())
                broken = e.target;
            entries.push_back(e);
        }
        if (!whole) {
            r.outcome = StagedRecovery::Failed;
            r.reason = QStringLiteral("%1: not a whole journal").arg(journal);
            return r;
        }
        for (const Entry &e : entries)
            r.files << e.target;
        if (!broken.isEmpty() && done) {
            r.outcome = StagedRecovery::Failed;
            r.reason = QStringLiteral("%1: changed since the journal was written").arg(broken);
            return r;
        }
        if (broken.isEmpty()) {
            for (const Entry &e : entries)
                if (e.pending)
                    if (const int error = ops.rename(e.temporary, e.target)) {
                        r.outcome = StagedRecovery::Failed;
                        r.reason = reasonFor(e.target, error);
                        return r;
                    }
            if (const int error = ops.syncFolder(folder.absolutePath())) {
                r.outcome = StagedRecovery::Failed;
                r.reason = reasonFor(folder.absolutePath(), error);
                return r;
            }
            r.outcome = StagedRecovery::RolledForward;
        } else {
            r.outcome = StagedRecovery::RolledBack;
        }
        QFile::remove(journal);
    }
    const QStringList left = folder.entryList({u'.' + base + QStringLiteral(".vtqx-*.tmp")},
                                              QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : left)
        if (isStagedFileName(name, base) && QFile::remove(folder.filePath(name)))
            ++r.removed;
    if (r.outcome == StagedRecovery::Nothing && r.removed > 0)
        r.outcome = StagedRecovery::Cleaned;
    return r;
}
