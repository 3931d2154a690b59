#pragma once
// Pixel queries for tests that check what was drawn.
#include "components/platform/gui/Canvas.h"

#include <QImage>
#include <QList>
#include <QPoint>

// Every pixel of image that has the 0x00BBGGRR colour, row by row.
inline QList<QPoint> pixelsOf(const QImage &image, int color)
{
    QList<QPoint> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == Canvas::toRgb(color))
                points << QPoint(x, y);
    return points;
}
