#pragma once
// A project file: the settings of every unit in its folder and the folders
// below it. Its name is vtqx.project; a unit's project file is the one
// beside it or in the nearest folder above. Lines:
//   # a comment         ignored, as are blank lines
//   key = value         blanks around key and value are trimmed
// The reader knows no keys: the caller says which it takes and reads the
// values.
#include <QString>
#include <QStringList>

#include <vector>

struct ProjectEntry
{
    QString key;
    QString value;
    int line = 0; // 1-based
};

struct ProjectFileError
{
    enum Kind { None, Unreadable, Malformed, UnknownKey } kind = None;
    int line = 0;        // Malformed, UnknownKey
    QString detail;      // UnknownKey: the key; Unreadable: the platform's reason
};

namespace ProjectFile {
inline constexpr QLatin1String kName("vtqx.project");

// The project file for a unit in folder: folder's own, else the nearest
// folder above's; "" when there is none.
QString find(const QString &folder);

// The entries of the file at path in order, or the first error. keys: the
// keys the caller takes; any other key is an error.
std::vector<ProjectEntry> read(const QString &path, const QStringList &keys, ProjectFileError *error);
} // namespace ProjectFile
