#pragma once
// Watches the open unit's three files for changes made by others: another
// editor, a shell, a command-line run. Each file's stamp is taken when the
// program read or wrote it; a file that differs from its stamp is reported
// once, until the program notes the file as current again (after a reload,
// a save, or the user's choice to keep the window's text). The unit's
// folder is watched too: a file replaced by a rename drops out of the
// watcher, and a file created later has no watch yet; both are picked up
// again from the folder's notice.
#include "platform/core/SourcePage.h"
#include "platform/core/FileStamp.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <array>

class SourceUnit;

class UnitWatch : public QObject
{
    Q_OBJECT
public:
    explicit UnitWatch(QObject *parent = nullptr);

    // Watches unit's files from now on, each as it is now; a unit that is
    // not open stops the watch.
    void watch(const SourceUnit &unit);
    // The page's file is as the program just read or wrote it.
    void noteCurrent(SourcePage p);
    // The page's file differs from what the program last read or wrote.
    bool changed(SourcePage p) const;

signals:
    void changedOnDisk(SourcePage p);

private:
    void look();

    QFileSystemWatcher m_watcher;
    QTimer m_settle; // a burst of notices (a write in parts, a rename) is looked at once
    QString m_folder;
    std::array<QString, 3> m_paths;
    std::array<FileStamp, 3> m_stamps;
    std::array<bool, 3> m_reported{};
};
