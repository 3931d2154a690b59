#include "unit/UnitLock.h"

#include "uitext/FileTexts.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

UnitLock::UnitLock(const QString &folder, const QString &base)
    : m_path(QDir(folder).absoluteFilePath(fileName(base))), m_lock(std::make_unique<QLockFile>(m_path))
{
    // A live holder is never taken over, however long it runs.
    m_lock->setStaleLockTime(0);
}

UnitLock::~UnitLock() = default;

QString UnitLock::fileName(const QString &base)
{
    return u'.' + base + QStringLiteral(".vtqx-lock");
}

QString UnitLock::path() const
{
    return m_path;
}

bool UnitLock::tryLock(int waitMs)
{
    if (m_lock->tryLock(waitMs))
        return true;
    // A taker killed between creating the lock file and writing its holder
    // into it leaves a file that names nobody; it is never taken over by
    // its holder's death. Older than a second, it is nobody's.
    const QFileInfo file(m_path);
    if (m_lock->error() != QLockFile::LockFailedError || holderPid() != 0 || !file.exists() ||
        file.lastModified().msecsTo(QDateTime::currentDateTime()) < 1000)
        return false;
    m_lock->removeStaleLockFile();
    return m_lock->tryLock(0);
}

void UnitLock::unlock()
{
    m_lock->unlock();
}

bool UnitLock::isLocked() const
{
    return m_lock->isLocked();
}

QString UnitLock::holderProgram() const
{
    qint64 pid = 0;
    QString host, program;
    return m_lock->getLockInfo(&pid, &host, &program) ? program : QString();
}

qint64 UnitLock::holderPid() const
{
    qint64 pid = 0;
    QString host, program;
    return m_lock->getLockInfo(&pid, &host, &program) ? pid : 0;
}

QString UnitLock::error(Language lang) const
{
    if (m_lock->error() == QLockFile::LockFailedError)
        return fileText(FileText::UnitLocked, lang).arg(QDir::toNativeSeparators(m_path), holderProgram()).arg(holderPid());
    return fileText(FileText::UnitLockNotMade, lang).arg(QDir::toNativeSeparators(m_path));
}
