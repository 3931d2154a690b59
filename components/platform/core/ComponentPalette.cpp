#include "components/platform/core/ComponentPalette.h"

namespace {
QList<std::pair<QString, QString>> &palette()
{
    static QList<std::pair<QString, QString>> entries;
    return entries;
}
} // namespace

void RegisterComponentClass(const QString &page, const QString &className)
{
    const std::pair<QString, QString> entry(page, className);
    if (!palette().contains(entry))
        palette().append(entry);
}

QList<std::pair<QString, QString>> RegisteredComponentClasses()
{
    return palette();
}
