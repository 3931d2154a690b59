#include "app/WindowPlacement.h"

#include <algorithm>

QRect homeArea(const QRect &frame, const QList<QRect> &areas)
{
    if (areas.isEmpty())
        return {};
    const auto overlap = [&frame](const QRect &a) {
        const QRect common = a.intersected(frame);
        return qint64(common.width()) * common.height();
    };
    const auto best = std::max_element(areas.begin(), areas.end(),
                                       [&](const QRect &a, const QRect &b) { return overlap(a) < overlap(b); });
    return overlap(*best) > 0 ? *best : areas.front();
}

QRect keptInside(const QRect &frame, const QRect &area)
{
    if (area.isEmpty())
        return frame;
    QRect r(frame.topLeft(), frame.size().boundedTo(area.size()));
    r.moveLeft(std::clamp(r.left(), area.left(), area.right() - r.width() + 1));
    r.moveTop(std::clamp(r.top(), area.top(), area.bottom() - r.height() + 1));
    return r;
}
