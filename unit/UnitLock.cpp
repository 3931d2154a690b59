#include "unit/UnitLock.h"

#include "uitext/FileTexts.h"

#include <QDir>

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
    return m_lock->tryLock(waitMs);
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
