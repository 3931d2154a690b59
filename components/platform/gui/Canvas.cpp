#include "components/platform/gui/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

Canvas::Canvas(QImage &image, QObject *holder) : m_image(image), m_holder(holder), m_hasHolder(holder != nullptr)
{
    if (m_image.format() != QImage::Format_RGB32)
        m_image = m_image.convertToFormat(QImage::Format_RGB32);
}

QRgb Canvas::toRgb(int color)
{
    const unsigned c = unsigned(color);
    return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

int Canvas::fromRgb(QRgb rgb)
{
    return qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16);
}

void Canvas::setPixel(qint64 x, qint64 y, QRgb rgb)
{
    if (x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height())
        reinterpret_cast<QRgb *>(m_image.scanLine(int(y)))[x] = rgb;
}

void Canvas::fillRect(int left, int top, int right, int bottom)
{
    const int x0 = std::max(left, 0), x1 = std::min(right, m_image.width());
    const int y0 = std::max(top, 0), y1 = std::min(bottom, m_image.height());
    const QRgb rgb = toRgb(m_brush);
    for (int y = y0; y < y1; ++y)
        std::fill_n(reinterpret_cast<QRgb *>(m_image.scanLine(y)) + x0, std::max(x1 - x0, 0), rgb);
}

// Scan-line fill with an explicit stack of seeds.
void Canvas::floodFill(int x, int y)
{
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return;
    const QRgb fill = toRgb(m_brush);
    const auto row = [this](int r) { return reinterpret_cast<QRgb *>(m_image.scanLine(r)); };
    const QRgb surface = row(y)[x];
    if (surface == fill)
        return;
    std::vector<QPoint> seeds{{x, y}};
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        QRgb *line = row(seed.y());
        if (line[seed.x()] != surface)
            continue;
        int left = seed.x(), right = seed.x();
        while (left > 0 && line[left - 1] == surface)
            --left;
        while (right + 1 < m_image.width() && line[right + 1] == surface)
            ++right;
        std::fill(line + left, line + right + 1, fill);
        for (const int r : {seed.y() - 1, seed.y() + 1}) {
            if (r < 0 || r >= m_image.height())
                continue;
            const QRgb *next = row(r);
            for (int c = left; c <= right; ++c) {
                // One seed per run of the surface colour.
                if (next[c] == surface && (c == left || next[c - 1] != surface))
                    seeds.push_back({c, r});
            }
        }
    }
}

void Canvas::moveTo(int x, int y)
{
    m_pos = QPoint(x, y);
}

// Bresenham steps along the longer axis; the other coordinate of step i is
// computed directly (rounded half away from the start), so that only the
// steps inside the image are visited, however far away the end points lie.
void Canvas::lineTo(int x, int y)
{
    const qint64 x0 = m_pos.x(), y0 = m_pos.y();
    const qint64 dx = qint64(x) - x0, dy = qint64(y) - y0;
    m_pos = QPoint(x, y);
    const qint64 steps = std::max(std::abs(dx), std::abs(dy));
    if (steps == 0)
        return;
    const bool alongX = std::abs(dx) >= std::abs(dy);
    const qint64 major0 = alongX ? x0 : y0, minor0 = alongX ? y0 : x0;
    const qint64 majorDir = (alongX ? dx : dy) < 0 ? -1 : 1;
    const qint64 minorDelta = alongX ? dy : dx;
    const qint64 limit = alongX ? m_image.width() : m_image.height();

    // Steps i in [0, steps) whose major coordinate major0 + i * majorDir lies in [0, limit).
    qint64 first = 0, last = steps - 1;
    if (majorDir > 0) {
        first = std::max(first, -major0);
        last = std::min(last, limit - 1 - major0);
    } else {
        first = std::max(first, major0 - (limit - 1));
        last = std::min(last, major0);
    }
    const QRgb rgb = toRgb(m_pen);
    const __int128 twiceSteps = __int128(2) * steps;
    for (qint64 i = first; i <= last; ++i) {
        const __int128 scaled = __int128(2) * i * std::abs(minorDelta) + steps;
        const qint64 offset = qint64(scaled / twiceSteps);
        const qint64 minor = minor0 + (minorDelta < 0 ? -offset : offset);
        const qint64 major = major0 + i * majorDir;
        if (alongX)
            setPixel(major, minor, rgb);
        else
            setPixel(minor, major, rgb);
    }
}
