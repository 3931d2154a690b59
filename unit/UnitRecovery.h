#pragma once
// What a run or an Open does first with a unit: finish or undo the commit
// of a run that was killed (see StagedFiles), and remove its temporary
// files. The caller holds the unit's lock (UnitLock).
#include "uitext/Catalogue.h"

#include <QString>

// Recovers unit base in folder. Returns what it did as a message in lang,
// naming the files; "" when there was nothing to do. Never raises: a
// journal that cannot be carried out is left in place and the message
// says why.
QString recoverUnit(const QString &folder, const QString &base, Language lang);
