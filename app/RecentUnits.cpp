#include "app/RecentUnits.h"

#include "platform/core/Exception.h"
#include "platform/core/Paths.h"
#include "unit/SourceUnit.h"

#include <QFileInfo>

RecentUnits RecentUnits::fromText(const QString &text)
{
    RecentUnits r;
    const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    // Oldest first, so that add() leaves the stored order and drops duplicates.
    for (auto it = lines.crbegin(); it != lines.crend(); ++it)
        r.add(*it);
    return r;
}

QString RecentUnits::toText() const
{
    return m_entries.join(u'\n');
}

void RecentUnits::add(const QString &path)
{
    if (path.isEmpty() || path.contains(u'\n') || path.contains(u'\r'))
        return;
    remove(path);
    m_entries.prepend(path);
    while (m_entries.size() > maxCount)
        m_entries.removeLast();
}

bool RecentUnits::remove(const QString &path)
{
    const QString key = unitKey(path);
    return m_entries.removeIf([&](const QString &e) { return unitKey(e) == key; }) > 0;
}

QString RecentUnits::unitKey(const QString &path)
{
    return Paths::withTrailingSeparator(Paths::directoryPart(path)) + Paths::baseName(path);
}

bool RecentUnits::unitExists(const QString &path)
{
    try {
        const SourceUnit unit = SourceUnit::locate(path);
        for (SourcePage p : kSourcePages)
            if (QFileInfo(unit.path(p)).isFile())
                return true;
    } catch (const Exception &) {
        // A name that cannot reach the file system names no files.
    }
    return false;
}

QString RecentUnits::menuText(int index, const QString &path)
{
    QString shown = path;
    shown.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}
