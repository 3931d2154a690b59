#include "platform/core/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace Paths {

QChar separator()
{
#ifdef Q_OS_WIN
    return u'\\';
#else
    return u'/';
#endif
}

bool isSeparator(QChar c)
{
#ifdef Q_OS_WIN
    return c == u'\\' || c == u'/' || c == u':';
#else
    return c == u'/';
#endif
}

static int lastSeparator(const QString &path)
{
    for (int i = path.size() - 1; i >= 0; --i)
        if (isSeparator(path.at(i)))
            return i;
    return -1;
}

QString namePart(const QString &path)
{
    return path.mid(lastSeparator(path) + 1);
}

QString directoryPart(const QString &path)
{
    const int i = lastSeparator(path);
    if (i < 0)
        return QString();
    QString dir = path.left(i);
    // A root folder keeps its separator: "/" or "C:\".
    if (dir.isEmpty() || (dir.size() == 2 && dir.at(1) == u':') || path.at(i) == u':')
        dir = path.left(i + 1);
    return dir;
}

QString withTrailingSeparator(const QString &folder)
{
    if (!folder.isEmpty() && isSeparator(folder.back()))
        return folder;
    return folder + separator();
}

QString extensionTail(const QString &text)
{
    const int dot = text.lastIndexOf(u'.');
    return dot < 0 ? text : text.mid(dot);
}

QString baseName(const QString &path)
{
    const QString name = namePart(path);
    return name.left(name.size() - extensionTail(name).size());
}

QString resolveCaseInsensitive(const QString &folder, const QString &name)
{
    const QString plain = folder + name;
    if (name.isEmpty() || QFileInfo::exists(plain))
        return plain;
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System);
    for (const QString &e : entries)
        // An entry whose name is not UTF-8 decodes to a name that leads nowhere.
        if (e.compare(name, Qt::CaseInsensitive) == 0 && QFileInfo::exists(folder + e))
            return folder + e;
    return plain;
}

} // namespace Paths
