#pragma once
// A plotter drawing into a 640 x 480 image, and pixel queries.
#include "components/platform/gui/Canvas.h"
#include "components/tests/support/ImagePixels.h"
#include "components/platform/core/NumberText.h"
#include "components/Vgraphics/Vgraphics.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <gtest/gtest.h>

class PlotterTest : public ::testing::Test
{
protected:
    static constexpr int Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000, Black = 0, White = 0xFFFFFF;

    void SetUp() override
    {
        SetDecimalSeparator(u'.');
        image = QImage(640, 480, QImage::Format_RGB32);
        image.fill(Canvas::toRgb(Green));
    }
    void TearDown() override { ResetDecimalSeparator(); }

    // One expression with one colour and one step.
    void plot(const QString &expression, int color = Red, const QString &step = QStringLiteral("1"))
    {
        graphics.SetExpressions({expression});
        graphics.SetColors({QString::number(color)});
        graphics.SetSteps({step});
    }

    int draw()
    {
        Canvas canvas(image);
        return graphics.DrawToCanvas(canvas);
    }

    QList<QPoint> pixelsOf(int color) const { return ::pixelsOf(image, color); }

    // Columns in [from, to] that hold no pixel of `color`.
    QList<int> emptyColumns(int color, int from, int to) const
    {
        QList<int> empty;
        for (int x = from; x <= to; ++x) {
            bool found = false;
            for (int y = 0; y < image.height() && !found; ++y)
                found = image.pixel(x, y) == Canvas::toRgb(color);
            if (!found)
                empty << x;
        }
        return empty;
    }

    TVGraphics graphics;
    QImage image;
};
