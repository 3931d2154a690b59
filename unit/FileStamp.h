#pragma once
// What a file held when the program last read or wrote it: its size and a
// hash of its bytes. A later look tells whether someone else changed the
// file meanwhile. The time of last change is not trusted: the kernel keeps it
// in steps of a few milliseconds, so a rewrite of the same length right
// after a save (String1 for "Hello") could keep it; a new time with the same
// bytes (touch, a copy of the same content) is no change either.
#include <QByteArray>
#include <QString>

struct FileStamp
{
    bool exists = false;
    qint64 size = 0;
    QByteArray hash; // of the bytes; empty for a file that could not be read

    // The file as it is now (reads it to hash it).
    static FileStamp of(const QString &path);
    // The file differs from this stamp: it appeared, vanished or changed its
    // bytes. Reads the file only when its size is the same.
    bool differsFrom(const QString &path) const;
};
