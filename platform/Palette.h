#pragma once
// Where a form designer would show the components: each component unit
// records its classes on a palette page. Nothing else reads this.
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

void RegisterComponents(const QString &page, const QStringList &classNames);
// (page, class name) pairs in the order they were registered.
const std::vector<std::pair<QString, QString>> &registeredComponents();
