#include "platform/core/FileOps.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

int FileOps::rename(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0 ? 0 : errno;
}

int FileOps::sync(int fd)
{
    return ::fsync(fd) == 0 ? 0 : errno;
}

int FileOps::syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

FileOps &FileOps::system()
{
    static FileOps ops;
    return ops;
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
