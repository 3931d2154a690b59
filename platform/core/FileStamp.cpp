#include "platform/core/FileStamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace {
FileStamp look(const QString &path)
{
    const QFileInfo info(path);
    FileStamp s;
    s.exists = info.exists();
    s.size = s.exists ? info.size() : 0;
    return s;
}

QByteArray hashOf(const QString &path)
{
    QFile f(path);
    QCryptographicHash h(QCryptographicHash::Sha1);
    if (!f.open(QIODevice::ReadOnly) || !h.addData(&f))
        return {};
    return h.result();
}
} // namespace

FileStamp FileStamp::of(const QString &path)
{
    FileStamp s = look(path);
    if (s.exists)
        s.hash = hashOf(path);
    return s;
}

bool FileStamp::differsFrom(const QString &path) const
{
    const FileStamp now = look(path);
    if (now.exists != exists || now.size != size)
        return true;
    return exists && hashOf(path) != hash;
}
