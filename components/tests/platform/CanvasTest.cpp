// The classic canvas operations over a QImage.
#include "components/platform/gui/Canvas.h"
#include "components/tests/support/ImagePixels.h"

#include <QList>
#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr int Red = 0x0000FF, Blue = 0xFF0000, White = 0xFFFFFF;

class CanvasTest : public ::testing::Test
{
protected:
    CanvasTest() : image(20, 10, QImage::Format_RGB32), canvas((image.fill(Canvas::toRgb(White)), image)) {}

    QList<QPoint> pixelsOf(int color) const { return ::pixelsOf(image, color); }

    QImage image;
    Canvas canvas;
};

TEST(CanvasColours, AreRedInTheLowestByte)
{
    EXPECT_EQ(Canvas::toRgb(255), qRgb(255, 0, 0));
    EXPECT_EQ(Canvas::toRgb(0x00FF00), qRgb(0, 255, 0));
    EXPECT_EQ(Canvas::toRgb(0xFF0000), qRgb(0, 0, 255));
    EXPECT_EQ(Canvas::toRgb(12632256), qRgb(192, 192, 192));
    EXPECT_EQ(Canvas::toRgb(int(0xFF0000FF)), qRgb(255, 0, 0)) << "the top byte is ignored";
    EXPECT_EQ(Canvas::fromRgb(qRgb(1, 2, 3)), 0x030201);
}

TEST_F(CanvasTest, FillRectLeavesOutRightAndBottomAndClips)
{
    canvas.setBrushColor(Red);
    canvas.fillRect(18, 8, 25, 12);
    EXPECT_EQ(pixelsOf(Red), (QList<QPoint>{{18, 8}, {19, 8}, {18, 9}, {19, 9}}));
    canvas.fillRect(-5, -5, 1, 1);
    EXPECT_EQ(image.pixel(0, 0), Canvas::toRgb(Red));
    EXPECT_EQ(pixelsOf(Red).size(), 5);
}

TEST_F(CanvasTest, FloodFillRecoloursOneFourConnectedSurface)
{
    // A blue wall at column 5 with a gap only at a diagonal.
    canvas.setPenColor(Blue);
    canvas.moveTo(5, 0);
    canvas.lineTo(5, 10);
    image.setPixel(5, 4, Canvas::toRgb(White));
    image.setPixel(4, 4, Canvas::toRgb(Blue));
    image.setPixel(6, 3, Canvas::toRgb(Blue));
    image.setPixel(6, 5, Canvas::toRgb(Blue));
    // Now (5, 4) is white but walled in from left and right: a pocket.
    canvas.setBrushColor(Red);
    canvas.floodFill(0, 0);
    EXPECT_EQ(image.pixel(0, 9), Canvas::toRgb(Red));
    EXPECT_EQ(image.pixel(3, 4), Canvas::toRgb(Red));
    EXPECT_EQ(image.pixel(19, 0), Canvas::toRgb(White)) << "the other side of the wall";
    EXPECT_EQ(image.pixel(5, 4), Canvas::toRgb(White)) << "no way through diagonals";
    EXPECT_EQ(pixelsOf(Red).size(), 5 * 10 - 1);

    canvas.floodFill(0, 0); // already the brush colour: nothing
    canvas.floodFill(-1, 3);
    canvas.floodFill(20, 3);
    EXPECT_EQ(pixelsOf(Red).size(), 49);
}

TEST_F(CanvasTest, LinesLeaveOutTheirEndPoint)
{
    canvas.setPenColor(Red);
    canvas.moveTo(0, 0);
    canvas.lineTo(4, 0);
    EXPECT_EQ(pixelsOf(Red), (QList<QPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
    EXPECT_EQ(canvas.penPos(), QPoint(4, 0));
    canvas.lineTo(4, 0);
    EXPECT_EQ(pixelsOf(Red).size(), 4) << "a line to the pen position draws nothing";
    canvas.lineTo(4, 3); // continues: (4, 0) is drawn now
    EXPECT_EQ(pixelsOf(Red).size(), 7);
    EXPECT_EQ(image.pixel(4, 0), Canvas::toRgb(Red));
}

TEST_F(CanvasTest, SlopesStepAlongTheLongerAxis)
{
    canvas.setPenColor(Red);
    canvas.moveTo(0, 0);
    canvas.lineTo(8, 3);
    // At x = 4 the line is at y = 1.5: a tie goes away from the start.
    EXPECT_EQ(pixelsOf(Red), (QList<QPoint>{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 2}, {7, 3}}));
    image.fill(Canvas::toRgb(White));
    canvas.moveTo(10, 9);
    canvas.lineTo(7, 0); // steep, up and left
    EXPECT_EQ(pixelsOf(Red), (QList<QPoint>{{7, 1}, {8, 2}, {8, 3}, {8, 4}, {9, 5}, {9, 6}, {9, 7}, {10, 8}, {10, 9}}));
}

TEST_F(CanvasTest, FarEndPointsAreClippedWithoutChangingThePixels)
{
    canvas.setPenColor(Red);
    canvas.moveTo(INT_MIN, 5);
    canvas.lineTo(INT_MAX, 5);
    EXPECT_EQ(pixelsOf(Red).size(), 20);
    image.fill(Canvas::toRgb(White));
    // The visible part of a long line is the same as that of a short one on it.
    canvas.moveTo(-1000000000, -500000000);
    canvas.lineTo(1000000000, 500000000);
    const QList<QPoint> far = pixelsOf(Red);
    image.fill(Canvas::toRgb(White));
    canvas.moveTo(0, 0);
    canvas.lineTo(40, 20);
    EXPECT_EQ(far, pixelsOf(Red));
    EXPECT_EQ(far.size(), 19);
}

TEST(CanvasFormat, OtherImageFormatsAreConverted)
{
    QImage image(4, 4, QImage::Format_Indexed8);
    image.setColorCount(1);
    image.setColor(0, qRgb(255, 255, 255));
    image.fill(0);
    Canvas canvas(image);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    canvas.setBrushColor(Red);
    canvas.fillRect(0, 0, 1, 1);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
}

} // namespace
