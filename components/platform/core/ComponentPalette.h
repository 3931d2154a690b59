#pragma once
// The component palette of a form designer, reduced to what this platform
// needs: a record of the component classes that each unit registers, page by
// page, in the order of registration.
#include <QList>
#include <QString>

#include <utility>

// Records `className` on palette page `page`; registering a class twice on
// the same page records it once.
void RegisterComponentClass(const QString &page, const QString &className);

// All (page, class name) pairs registered so far.
QList<std::pair<QString, QString>> RegisteredComponentClasses();
