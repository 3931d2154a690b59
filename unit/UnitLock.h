#pragma once
// One writer per unit: an advisory lock on the file .<base>.vtqx-lock
// beside the unit, taken by vtqx-cli extract and by the window. The lock
// file names its holder (program and process id); a holder that died
// leaves a lock the next taker takes over at once.
#include "uitext/Catalogue.h"

#include <QLockFile>
#include <QString>

#include <memory>

class UnitLock
{
public:
    // The lock of unit base in folder (ending with or without a separator).
    UnitLock(const QString &folder, const QString &base);
    ~UnitLock();
    UnitLock(const UnitLock &) = delete;
    UnitLock &operator=(const UnitLock &) = delete;

    // Takes the lock, waiting at most waitMs for another holder to let go.
    // False when it is held still (holder() names who) or cannot be made
    // (the folder is not writable: error() says why).
    bool tryLock(int waitMs);
    void unlock();
    bool isLocked() const;

    // The path of the lock file.
    QString path() const;
    // Who holds it: program and process id; empty when nobody is known.
    QString holderProgram() const;
    qint64 holderPid() const;
    // Why the lock could not be taken, in lang: held by whom, or not
    // permitted.
    QString error(Language lang) const;

    static QString fileName(const QString &base);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
