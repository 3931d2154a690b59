#include "platform/core/FileStamp.h"

#include <QCryptographicHash>
#include <QFile>

#include <sys/stat.h>

FileStamp FileStamp::of(const QString &path)
{
    FileStamp s;
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return s;
    s.exists = true;
    s.size = st.st_size;
    s.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    QFile f(path);
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (f.open(QIODevice::ReadOnly) && hash.addData(&f))
        s.hash = hash.result();
    return s;
}
