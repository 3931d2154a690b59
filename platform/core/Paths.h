#pragma once
// Path pieces as the tool uses them. The name part follows the last
// separator ('/', and on Windows also '\' and ':').
#include <QString>

namespace Paths {
QChar separator();
bool isSeparator(QChar c);
// Text after the last separator.
QString namePart(const QString &path);
// Text before the last separator, without a trailing separator except for a
// root folder ("/" or "C:\").
QString directoryPart(const QString &path);
// A folder with exactly one trailing separator.
QString withTrailingSeparator(const QString &folder);
// From the last "." to the end, the "." included; the whole text without ".".
QString extensionTail(const QString &text);
// The name part without its extension tail: a unit's base name from any of its files.
QString baseName(const QString &path);
// folder + name, or, when that does not exist on a case-sensitive file system,
// the entry of folder whose name equals name ignoring case. The plain path
// when neither exists.
QString resolveCaseInsensitive(const QString &folder, const QString &name);
} // namespace Paths
