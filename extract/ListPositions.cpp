#include "ListPositions.h"

#include "ExtractionList.h"

#include <climits>

#include <algorithm>

namespace ListPositions {

namespace {
bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

void skipBlanks(QStringView text, qsizetype &k)
{
    while (k < text.size() && (text[k] == u' ' || text[k] == u'\t'))
        ++k;
}
} // namespace

std::vector<std::pair<int, int>> numbersInPage(QStringView text)
{
    std::vector<std::pair<qsizetype, int>> found; // (position, number)
    for (const QStringView word : {QStringView(u"String"), QStringView(u"LoadTextRC")}) {
        const bool call = word == u"LoadTextRC";
        for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
            if (at > 0 && isWordChar(text[at - 1]))
                continue;
            qsizetype k = at + word.size();
            if (call) {
                skipBlanks(text, k);
                if (k >= text.size() || text[k] != u'(')
                    continue;
                ++k;
                skipBlanks(text, k);
            }
            const qsizetype digits = k;
            qint64 n = 0;
            while (k < text.size() && text[k] >= u'0' && text[k] <= u'9' && n <= INT_MAX)
                n = n * 10 + (text[k++].unicode() - u'0');
            if (k == digits || n > INT_MAX || (!call && k < text.size() && isWordChar(text[k])))
                continue;
            found.emplace_back(at, int(n));
        }
    }
    std::sort(found.begin(), found.end());
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
