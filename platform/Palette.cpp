#include "Palette.h"

#include <algorithm>

static std::vector<std::pair<QString, QString>> &registry()
{
    static std::vector<std::pair<QString, QString>> r;
    return r;
}

void RegisterComponents(const QString &page, const QStringList &classNames)
{
    for (const QString &c : classNames) {
        const std::pair<QString, QString> entry{page, c};
        if (std::find(registry().begin(), registry().end(), entry) == registry().end())
            registry().push_back(entry);
    }
}

const std::vector<std::pair<QString, QString>> &registeredComponents()
{
    return registry();
}
