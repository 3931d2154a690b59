#include "platform/core/TextDifference.h"

#include <algorithm>

TextDifference differenceOf(const QString &before, const QString &after)
{
    const int n = int(std::min(before.size(), after.size()));
    int head = 0;
    while (head < n && before.at(head) == after.at(head))
        ++head;
    if (head > 0 && before.at(head - 1) == u'\r')
        --head;
    int tail = 0;
    while (tail < n - head && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    if (tail > 0 && before.at(before.size() - tail) == u'\n')
        --tail;
    return {head, int(before.size()) - head - tail, int(after.size()) - head - tail};
}
