#include "workspace/UnitWatch.h"

#include "unit/SourceUnit.h"

#include <QFileInfo>

UnitWatch::UnitWatch(QObject *parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(50);
    const auto notice = [this] {
        if (!m_settle.isActive())
            m_settle.start();
    };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, notice);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, notice);
    connect(&m_settle, &QTimer::timeout, this, &UnitWatch::look);
}

void UnitWatch::watch(const SourceUnit &unit)
{
    if (const QStringList old = m_watcher.files() + m_watcher.directories(); !old.isEmpty())
        m_watcher.removePaths(old);
    m_settle.stop();
    m_folder = unit.isOpen() ? unit.folder() : QString();
    for (SourcePage p : kSourcePages) {
        m_paths[size_t(p)] = unit.isOpen() ? unit.path(p) : QString();
        noteCurrent(p);
    }
    if (m_folder.isEmpty())
        return;
    m_watcher.addPath(m_folder);
    for (const QString &path : m_paths)
        if (QFileInfo::exists(path))
            m_watcher.addPath(path);
}

void UnitWatch::noteCurrent(SourcePage p)
{
    const QString &path = m_paths[size_t(p)];
    m_stamps[size_t(p)] = path.isEmpty() ? FileStamp() : FileStamp::of(path);
    m_reported[size_t(p)] = false;
}

bool UnitWatch::changed(SourcePage p) const
{
    const QString &path = m_paths[size_t(p)];
    return !path.isEmpty() && m_stamps[size_t(p)].differsFrom(path);
}

void UnitWatch::look()
{
    if (m_folder.isEmpty())
        return;
    const QStringList watched = m_watcher.files();
    for (SourcePage p : kSourcePages) {
        const QString &path = m_paths[size_t(p)];
        if (!watched.contains(path) && QFileInfo::exists(path))
            m_watcher.addPath(path);
        if (!m_reported[size_t(p)] && changed(p)) {
            m_reported[size_t(p)] = true;
            emit changedOnDisk(p);
        }
    }
}
