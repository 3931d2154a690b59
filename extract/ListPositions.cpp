#include "extract/ListPositions.h"

#include "extract/ExtractionList.h"

#include <climits>

#include <algorithm>

namespace ListPositions {

std::vector<std::pair<int, int>> numbersInPage(QStringView text)
{
    const std::vector<ExtractionList::NumberUse> found = ExtractionList::numberUsesInPage(text);
    std::vector<std::pair<int, int>> out;
    out.reserve(found.size());
    qsizetype counted = 0;
    int line = 1;
    for (const auto &[at, number] : found) {
        line += int(text.sliced(counted, at - counted).count(u'\n'));
        counted = at;
        out.emplace_back(number, line);
    }
    return out;
}

QString line(const QString &name, const Position &position)
{
    return name + u'\t' + position.file + u':' + QString::number(position.line);
}

std::optional<std::pair<QString, Position>> parse(const QString &l)
{
    const qsizetype tab = l.indexOf(u'\t');
    const qsizetype colon = l.lastIndexOf(u':');
    if (tab <= 0 || colon <= tab + 1)
        return std::nullopt;
    bool ok = false;
    const int number = l.mid(colon + 1).toInt(&ok);
    if (!ok || number <= 0)
        return std::nullopt;
    return std::make_pair(l.left(tab), Position{l.mid(tab + 1, colon - tab - 1), number});
}

QHash<QString, QList<Position>> read(const QString &text)
{
    QHash<QString, QList<Position>> out;
    ExtractionList::forEachLine(text, [&out](const QString &l) {
        if (const auto p = parse(l))
            out[p->first] << p->second;
    });
    return out;
}

} // namespace ListPositions
