#include "extract/FormIds.h"

#include "extract/ExtractionList.h"

#include <algorithm>

namespace FormIds {

Ids read(const QString &text)
{
    Ids out;
    ExtractionList::forEachLine(text, [&out](const QString &line) {
        const qsizetype tab = line.lastIndexOf(u'\t');
        bool ok = false;
        const int id = tab > 0 ? line.mid(tab + 1).toInt(&ok) : 0;
        if (ok && id > 0 && id <= kHighest)
            out.emplace_back(line.left(tab), id);
    });
    return out;
}

QString write(const Ids &ids)
{
    QString out;
    for (const auto &[path, id] : ids)
        out += path + u'\t' + QString::number(id) + QStringLiteral("\r\n");
    return out;
}

int highest(const Ids &ids)
{
    int h = 0;
    for (const auto &entry : ids)
        h = std::max(h, entry.second);
    return h;
}

int lowest(const Ids &ids)
{
    int l = 0;
    for (const auto &entry : ids)
        l = l == 0 ? entry.second : std::min(l, entry.second);
    return l;
}

bool apart(qint64 highestCppNumber, int lowestFormId)
{
    return lowestFormId == 0 || highestCppNumber + 100 < lowestFormId;
}

std::optional<Ids> assign(const QStringList &paths, const Ids &previous, int next)
{
    QHash<QString, int> kept;
    for (const auto &[path, id] : previous)
        kept.insert(path, id);
    int last = std::max(highest(previous), next - 1);
    Ids out;
    for (const QString &path : paths) {
        int id = kept.value(path);
        if (id == 0) {
            if (last >= kHighest)
                return std::nullopt;
            id = ++last;
            kept.insert(path, id);
        }
        out.emplace_back(path, id);
    }
    return out;
}

} // namespace FormIds
