#pragma once
// The file system calls a crash-safe commit depends on, behind one seam so
// that tests can make each of them fail in turn. Each returns 0 or the
// system's error number.
#include <QString>

class FileOps
{
public:
    virtual ~FileOps() = default;
    virtual int rename(const QString &from, const QString &to);
    // The file's bytes on disk (fsync of an open descriptor).
    virtual int sync(int fd);
    // The folder's entries on disk: renames and new names made durable.
    virtual int syncFolder(const QString &folder);

    // The real calls.
    static FileOps &system();
};

// The system's text for an error number ("No space left on device").
QString systemReason(int error);
