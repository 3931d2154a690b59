#include "platform/core/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString ProjectFile::find(const QString &folder)
{
    QDir dir(QFileInfo(folder.isEmpty() ? QStringLiteral(".") : folder).absoluteFilePath());
    for (;;) {
        const QFileInfo file(dir.filePath(kName));
        if (file.isFile())
            return file.filePath();
        if (!dir.cdUp())
            return {};
    }
}

std::vector<ProjectEntry> ProjectFile::read(const QString &path, const QStringList &keys, ProjectFileError *error)
{
    *error = {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = {ProjectFileError::Unreadable, 0, file.errorString()};
        return {};
    }
    const QString text = QString::fromUtf8(file.readAll());
    std::vector<ProjectEntry> entries;
    int number = 0;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        ++number;
        const QStringView content = line.trimmed();
        if (content.isEmpty() || content.startsWith(u'#'))
            continue;
        const qsizetype eq = content.indexOf(u'=');
        const QStringView key = eq < 0 ? QStringView() : content.left(eq).trimmed();
        const QStringView value = eq < 0 ? QStringView() : content.sliced(eq + 1).trimmed();
        if (key.isEmpty() || value.isEmpty()) {
            *error = {ProjectFileError::Malformed, number, {}};
            return {};
        }
        if (!keys.contains(key)) {
            *error = {ProjectFileError::UnknownKey, number, key.toString()};
            return {};
        }
        entries.push_back({key.toString(), value.toString(), number});
    }
    return entries;
}
