#pragma once
// What a file was when it was read: whether it existed, its size, its
// modification time and a hash of its bytes. Compared before a write, so
// that a file changed by someone else in the meantime is never overwritten.
#include <QByteArray>
#include <QString>

struct FileStamp
{
    bool exists = false;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch
    QByteArray hash;

    // The file as it is now; a file that exists but cannot be read has no
    // hash (and so differs from any read stamp).
    static FileStamp of(const QString &path);
    bool operator==(const FileStamp &) const = default;
};
