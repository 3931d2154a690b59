// What DrawToCanvas puts into the image: samples, steps, segments, grid,
// cross, background, failures.
#include "platform/core/Exception.h"
#include "components/tests/Vgraphics/PlotterTestSupport.h"
#include "components/Vparser/Vparser.h"

#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace {

QList<QPoint> samplesAt(int firstColumn, int pixelStep, int row, int count)
{
    QList<QPoint> points;
    for (int i = 0; i < count; ++i)
        points << QPoint(firstColumn + i * pixelStep, row);
    return points;
}

// --- sampling ------------------------------------------------------------

TEST_F(PlotterTest, DefaultsSampleEvery32PixelsTwentyTimes)
{
    plot(QStringLiteral("0"));
    EXPECT_EQ(draw(), 0);
    // Columns c = 1, 33, ..., 609; each point ends at (c, 240) and is
    // drawn as the pixel before it.
    EXPECT_EQ(pixelsOf(Red), samplesAt(0, 32, 239, 20));
}

TEST_F(PlotterTest, AStepOfATenthGivesAPixelStepOfThree)
{
    plot(QStringLiteral("0"), Red, QStringLiteral("0.1"));
    draw();
    EXPECT_EQ(pixelsOf(Red), samplesAt(0, 3, 239, 214)); // c = 1, 4, ..., 640
}

TEST_F(PlotterTest, StepTexts)
{
    // Unreadable: step 0, pixel step 1. Raising: the previous step stays.
    graphics.SetExpressions({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")});
    graphics.SetColors({QString::number(Red), QString::number(Blue), QString::number(Black)});
    graphics.SetSteps({QStringLiteral("abc"), QStringLiteral("1e9999"), QStringLiteral("x")});
    graphics.setCross(false);
    draw();
    EXPECT_EQ(pixelsOf(Red), samplesAt(0, 1, 239, 640));
    EXPECT_EQ(pixelsOf(Blue), samplesAt(0, 1, 215, 640)) << "the step of the line before";
    // "x" reads the plot state's x: the last sample's text of line 2 (10).
    EXPECT_EQ(pixelsOf(Black), samplesAt(0, 320, 191, 2));
}

TEST_F(PlotterTest, ACommaLocaleDrawsTheSameWithItsOwnNumbers)
{
    graphics.setCross(false);
    plot(QStringLiteral("x/10"), Red, QStringLiteral("0.1"));
    draw();
    const QList<QPoint> withPoint = pixelsOf(Red);
    ASSERT_EQ(withPoint.size(), 214);
    EXPECT_TRUE(withPoint.contains(QPoint(639, 215))) << "x = 10: y = 1, row 216";
    EXPECT_TRUE(withPoint.contains(QPoint(0, 262))) << "x = -9.96875: row 263";

    plot(QStringLiteral("x/10"), Red, QStringLiteral("0,1"));
    draw();
    EXPECT_EQ(pixelsOf(Red).size(), 640) << "0,1 reads as 0 where the mark is a point";

    SetDecimalSeparator(u',');
    image.fill(Canvas::toRgb(Green));
    draw();
    EXPECT_EQ(pixelsOf(Red), withPoint) << "x travels as -9,96875 and step 0,1 reads as 0.1";
}

// --- segments ------------------------------------------------------------

TEST_F(PlotterTest, PointsOnlyDrawsIsolatedPoints)
{
    plot(QStringLiteral("x"));
    graphics.setCross(false);
    draw();
    const QList<QPoint> points = pixelsOf(Red);
    ASSERT_EQ(points.size(), 20);
    EXPECT_EQ(emptyColumns(Red, 1, 31).size(), 31);
}

TEST_F(PlotterTest, WithoutPointsOnlyTheSamplesAreJoined)
{
    plot(QStringLiteral("x"));
    graphics.setPointsOnly(false);
    graphics.setCross(false);
    draw();
    EXPECT_EQ(emptyColumns(Red, 0, 608), QList<int>());
    EXPECT_EQ(emptyColumns(Red, 609, 639).size(), 31) << "a line leaves out its end point";
    EXPECT_EQ(pixelsOf(Red).size(), 1 + 19 * 32);
}

TEST_F(PlotterTest, OneOverXBreaksTheLineAtZero)
{
    plot(QStringLiteral("1/x"), Red, QStringLiteral("0.03125")); // pixel step 1: x = 0 at column 320
    graphics.setPointsOnly(false);
    graphics.setCross(false);
    graphics.SetMinusY(-40);
    graphics.SetPlusY(40);
    EXPECT_EQ(draw(), 0) << "a point that fails is no failed expression";
    // Left branch ends at (319, 432), the right one starts at (320, 47);
    // a joining line would cross column 320 between them.
    for (int y = 60; y < 420; ++y)
        ASSERT_NE(image.pixel(320, y), Canvas::toRgb(Red)) << y;
    EXPECT_EQ(image.pixel(320, 47), Canvas::toRgb(Red));
    EXPECT_EQ(image.pixel(318, 336), Canvas::toRgb(Red));
}

TEST_F(PlotterTest, MaxDifferenceStartsANewSegment)
{
    // Samples at x = k - 9.96875; |x| >= 5 for k <= 4 and k >= 15.
    plot(QStringLiteral("x"));
    graphics.setPointsOnly(false);
    graphics.setCross(false);
    graphics.SetAbstand(5);
    draw();
    EXPECT_EQ(emptyColumns(Red, 97, 127).size(), 31) << "no line into sample 4 (x = -5.97)";
    EXPECT_EQ(emptyColumns(Red, 129, 160), QList<int>()) << "a line into sample 5 (x = -4.97)";
    EXPECT_EQ(emptyColumns(Red, 449, 479).size(), 31) << "no line into sample 15 (x = 5.03)";
    EXPECT_EQ(emptyColumns(Red, 480, 512), (QList<int>{481, 482, 483, 484, 485, 486, 487, 488, 489, 490, 491,
                                                       492, 493, 494, 495, 496, 497, 498, 499, 500, 501, 502,
                                                       503, 504, 505, 506, 507, 508, 509, 510, 511}))
        << "samples 15 and 16 both start anew: two single points";
}

// --- grid, cross, background ---------------------------------------------

TEST_F(PlotterTest, GridAndCross)
{
    graphics.setGrid(true);
    graphics.SetGridSpace(2);
    graphics.setGridColor(Blue);
    draw();
    // Grid lines every 2 units: 64 pixels across, 48 down, from the axes.
    const QRgb blue = Canvas::toRgb(Blue), black = Canvas::toRgb(Black);
    // Below and right the fifth line falls on row 480 / column 640, outside.
    for (int k = 1; k <= 5; ++k) {
        if (k < 5) {
            EXPECT_EQ(image.pixel(100, 240 + 48 * k), blue) << k;
            EXPECT_EQ(image.pixel(320 + 64 * k, 100), blue) << k;
        }
        EXPECT_EQ(image.pixel(100, 240 - 48 * k), blue) << k;
        EXPECT_EQ(image.pixel(320 - 64 * k, 100), blue) << k;
    }
    EXPECT_EQ(image.pixel(100, 240), black) << "the cross is drawn over the grid";
    EXPECT_EQ(image.pixel(320, 100), black);
    EXPECT_EQ(image.pixel(0, 0), Canvas::toRgb(White)) << "lines begin at 1 and leave out their end";
    // 9 rows of 639 pixels, 9 columns of 479; 8 x 8 crossings off row 0 and
    // column 0; 8 + 8 pixels taken by the cross.
    EXPECT_EQ(pixelsOf(Blue).size(), 9 * 639 + 9 * 479 - 64 - 16);
}

TEST_F(PlotterTest, TheGraphStandsOnTheBackground)
{
    graphics.setBackground(Blue);
    draw();
    EXPECT_EQ(image.pixel(0, 0), Canvas::toRgb(Blue));
    EXPECT_EQ(image.pixel(639, 479), Canvas::toRgb(Blue));
    EXPECT_EQ(pixelsOf(0xC0C0C0).size(), 0) << "no silver left";
}

TEST_F(PlotterTest, WithoutClearCanvasTheSurfaceAtTenTenIsRecoloured)
{
    Canvas canvas(image);
    canvas.setBrushColor(Red);
    canvas.fillRect(100, 100, 200, 200);
    graphics.setClearCanvas(false);
    graphics.setCross(false);
    graphics.setBackground(Blue);
    canvas.setBrushColor(Black);
    EXPECT_EQ(graphics.DrawToCanvas(canvas), 0);
    EXPECT_EQ(image.pixel(10, 10), Canvas::toRgb(Blue));
    EXPECT_EQ(image.pixel(150, 150), Canvas::toRgb(Red)) << "another surface stays";
}

// --- cancel and failures -------------------------------------------------

TEST_F(PlotterTest, CancelWhileTheGridIsDrawnStopsBeforeAnyGraph)
{
    plot(QStringLiteral("x"));
    graphics.setGrid(true);
    graphics.setGridColor(Blue);
    // Runs in the first pump, before the first grid line.
    QTimer::singleShot(0, &graphics, [this] { graphics.Cancel(); });
    EXPECT_EQ(draw(), -1);
    EXPECT_EQ(pixelsOf(Red).size(), 0);
    EXPECT_EQ(pixelsOf(Blue).size(), 639) << "the one line that was begun";
    EXPECT_EQ(pixelsOf(Black).size(), 0) << "no cross either";

    // The next drawing clears the flag.
    EXPECT_EQ(draw(), 0);
    EXPECT_EQ(pixelsOf(Red).size(), 20);
}

TEST_F(PlotterTest, CancelBeforeAnExpressionStopsIt)
{
    plot(QStringLiteral("x"));
    QTimer::singleShot(0, &graphics, [this] { graphics.Cancel(); });
    EXPECT_EQ(draw(), -1);
    EXPECT_EQ(pixelsOf(Red).size(), 0);
    EXPECT_GT(pixelsOf(Black).size(), 0) << "the cross came before";
}

TEST_F(PlotterTest, TheResultNamesTheLastExpressionThatDidNotBuild)
{
    const struct
    {
        QStringList expressions;
        int result;
    } cases[] = {{{QStringLiteral("x"), QStringLiteral("3x"), QStringLiteral("x^2")}, 2},
                 {{QStringLiteral("3x"), QStringLiteral("x"), QStringLiteral("y+")}, 3},
                 {{QStringLiteral("x"), QStringLiteral("(-8)^x")}, 0}, // points fail, the tree builds
                 {{}, 0}};
    for (const auto &c : cases) {
        graphics.SetExpressions(c.expressions);
        graphics.SetColors(QStringList(c.expressions.size(), QString::number(Red)));
        graphics.SetSteps(QStringList(c.expressions.size(), QStringLiteral("1")));
        EXPECT_EQ(draw(), c.result) << c.expressions.join(u';').toStdString();
    }
}

TEST_F(PlotterTest, ShortColorsOrStepsRaiseAClearError)
{
    graphics.SetExpressions({QStringLiteral("x"), QStringLiteral("-x")});
    graphics.SetColors({QString::number(Red)});
    graphics.SetSteps({QStringLiteral("1"), QStringLiteral("1")});
    try {
        draw();
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("Listenindex überschreitet das Maximum (1): Colors hat 1 Zeilen, Expressions hat 2"));
    }
    EXPECT_EQ(pixelsOf(Red).size(), 20) << "what was drawn stays";

    graphics.SetColors({QString::number(Red), QString::number(Red)});
    graphics.SetSteps({});
    EXPECT_THROW(draw(), Exception);
}

TEST_F(PlotterTest, ColourTexts)
{
    graphics.setCross(false);
    plot(QStringLiteral("0"));
    graphics.SetColors({QStringLiteral("abc")});
    draw();
    EXPECT_EQ(pixelsOf(Black).size(), 20) << "an unreadable colour is 0";
    graphics.SetColors({QStringLiteral(" 16711680 blue")});
    draw();
    EXPECT_EQ(pixelsOf(Blue).size(), 20) << "the leading integer counts";
}

TEST_F(PlotterTest, DegenerateRangesRaiseBeforeAnythingIsDrawn)
{
    plot(QStringLiteral("x"));
    const QImage before = image;
    const struct
    {
        long double xFrom, xTo, yFrom, yTo, gridSpace;
        bool grid;
    } cases[] = {{1, 1, -10, 10, 1, false},     {-10, 10, 5, -5, 1, false}, {0, 0.5L, -10, 10, 1, false},
                 {-10, 10, -10, 10, 0, true}};
    for (const auto &c : cases) {
        graphics.SetMinusX(c.xFrom);
        graphics.SetPlusX(c.xTo);
        graphics.SetMinusY(c.yFrom);
        graphics.SetPlusY(c.yTo);
        graphics.SetGridSpace(c.gridSpace);
        graphics.setGrid(c.grid);
        EXPECT_THROW(draw(), Exception) << double(c.xFrom) << ".." << double(c.xTo);
        EXPECT_EQ(image, before);
    }
    graphics.SetMinusX(-10);
    graphics.SetPlusX(10);
    graphics.SetMinusY(-10);
    graphics.SetPlusY(10);
    graphics.SetGridSpace(0);
    graphics.setGrid(false);
    EXPECT_EQ(draw(), 0) << "GridSpace matters only with the grid";
}

TEST_F(PlotterTest, RangesBeyondTheNumbersRaiseTheirOwnMessageBeforeAnythingIsDrawn)
{
    plot(QStringLiteral("x"));
    const QImage before = image;
    constexpr long double inf = std::numeric_limits<long double>::infinity();
    const struct
    {
        long double from, to;
        bool y;
    } cases[] = {{-inf, 10, false}, {-10, inf, true}, {-1e4000L, 1e4000L, false}, // beyond a double
                 {-1.5e308L, 1.5e308L, true}};                                     // a width beyond a double
    for (const auto &c : cases) {
        graphics.SetMinusX(c.y ? -10 : c.from);
        graphics.SetPlusX(c.y ? 10 : c.to);
        graphics.SetMinusY(c.y ? c.from : -10);
        graphics.SetPlusY(c.y ? c.to : 10);
        try {
            draw();
            ADD_FAILURE() << "no exception for " << double(c.from) << ".." << double(c.to);
        } catch (const Exception &e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral("endliche Zahlen"))) << e.Message().toStdString();
        }
        EXPECT_EQ(image, before);
    }
}

TEST_F(PlotterTest, GridLinesCloserThanAPixelAreLeftOut)
{
    plot(QStringLiteral("x"));
    graphics.setGrid(true);
    graphics.setGridColor(Blue);
    graphics.SetGridSpace(0.01L);
    EXPECT_EQ(draw(), 0);
    EXPECT_EQ(pixelsOf(Red).size(), 20) << "the graph is drawn";
    EXPECT_EQ(pixelsOf(Blue).size(), 0);

    // Only the rows are too close: 2000 units over 480 pixels.
    graphics.SetGridSpace(1);
    graphics.SetMinusY(-1000);
    graphics.SetPlusY(1000);
    EXPECT_EQ(draw(), 0);
    EXPECT_EQ(image.pixel(352, 10), Canvas::toRgb(Blue)) << "a column line one unit right of the axis";
    EXPECT_EQ(emptyColumns(Blue, 100, 100), QList<int>{100}) << "no row lines";

    // No width at all is no fault of GridSpace.
    graphics.SetDestWidth(0);
    EXPECT_NO_THROW(draw());
}

TEST_F(PlotterTest, RowsBeyondTheIntRangeFailThePoint)
{
    graphics.setPointsOnly(false);
    for (const char *steep : {"x^10", "10^x"}) {
        image.fill(Canvas::toRgb(Green));
        plot(QString::fromLatin1(steep));
        EXPECT_EQ(draw(), 0);
        // x^10 beyond |x| = 7 and 10^x beyond x = 9.3 lie past the int range
        // of rows: no line may run from or to them.
        const int from = steep[0] == 'x' ? 0 : 620;
        EXPECT_EQ(emptyColumns(Red, from, from + 19).size(), 20) << steep;
        EXPECT_GT(pixelsOf(Red).size(), 0) << steep;
    }
}

TEST_F(PlotterTest, FarRangesGetTheirGridLinesWhereTheUnitsFall)
{
    // The axes lie billions of pixels away; of the billion grid lines on
    // each side only the 20 + 20 inside are drawn, at whole x and y.
    graphics.SetMinusX(1e9L);
    graphics.SetPlusX(1e9L + 20);
    graphics.SetMinusY(-1e9L - 20);
    graphics.SetPlusY(-1e9L);
    graphics.setGrid(true);
    graphics.setGridColor(Blue);
    EXPECT_EQ(draw(), 0);
    const QRgb blue = Canvas::toRgb(Blue);
    for (const int row : {0, 24, 456})
        EXPECT_EQ(image.pixel(100, row), blue) << row;
    for (const int column : {0, 32, 608})
        EXPECT_EQ(image.pixel(column, 100), blue) << column;
    EXPECT_EQ(pixelsOf(Blue).size(), 20 * 639 + 20 * 479 - 19 * 19);
    EXPECT_EQ(pixelsOf(Black).size(), 0) << "the cross is far away";
}

// --- the private parser ----------------------------------------------------

TEST_F(PlotterTest, ThePlotterHasItsOwnParserAndLeavesTheExpressionsAlone)
{
    TVParser parser;
    parser.setExpression(QStringLiteral("x+1"));
    ASSERT_TRUE(parser.CreateTree());
    plot(QStringLiteral("SIN(x)"));
    draw();
    EXPECT_EQ(graphics.Expressions(), QStringList{QStringLiteral("SIN(x)")});
    EXPECT_EQ(TVGraphics::TreeRoot().Value, QStringLiteral("#"));
    parser.setX(QStringLiteral("1"));
    EXPECT_EQ(parser.Evaluate(), 2) << "TVParser's tree is untouched";
}

// --- pixel positions -------------------------------------------------------

// --- the component or the image going away during an event --------------

struct Picture : QObject
{
    QImage image{640, 480, QImage::Format_RGB32};
};

TEST(DrawWhileDestroyed, EndsCleanlyWhenTheComponentItsOwnerOrTheImageGoes)
{
    SetDecimalSeparator(u'.');
    for (const char *what : {"component", "owner", "image"}) {
        QPointer<QObject> owner = new QObject;
        QPointer<TVGraphics> graphics = new TVGraphics(owner);
        QPointer<Picture> picture = new Picture;
        graphics->setGrid(true);
        graphics->SetExpressions({QStringLiteral("x")});
        graphics->SetColors({QStringLiteral("255")});
        graphics->SetSteps({QStringLiteral("1")});
        Canvas canvas(picture->image, picture);
        QObject context;
        QTimer::singleShot(0, &context, [&, what] {
            if (qstrcmp(what, "component") == 0)
                delete graphics;
            else if (qstrcmp(what, "owner") == 0)
                delete owner;
            else
                delete picture;
        });
        EXPECT_EQ(graphics->DrawToCanvas(canvas), -1) << what;
        delete picture.data();
        delete owner.data();
    }
    ResetDecimalSeparator();
}

TEST(Umrechnen, MapsValuesWithTheWholeNumberWidth)
{
    TVGraphics graphics;
    EXPECT_EQ(graphics.UmrechnenX(0, 640, -10, 10), 320);
    EXPECT_EQ(graphics.UmrechnenX(-10, 640, -10, 10), 0);
    EXPECT_EQ(graphics.UmrechnenX(10, 640, -10, 10), 640);
    EXPECT_EQ(graphics.UmrechnenY(0, 480, -10, 10), 240);
    EXPECT_EQ(graphics.UmrechnenY(10, 480, -10, 10), 0);
    EXPECT_EQ(graphics.UmrechnenY(-10.01L, 480, -10, 10), 480);
    EXPECT_EQ(graphics.UmrechnenX(1, 100, 0, 1.9), 100) << "width 1.9 counts as 1";
    EXPECT_EQ(graphics.UmrechnenX(-0.005L, 100, 0, 1), 0) << "toward zero";
    EXPECT_EQ(graphics.UmrechnenY(1e300L, 480, -10, 10), INT_MIN) << "clamped";
    EXPECT_THROW(graphics.UmrechnenX(0, 640, 0, 0.5), Exception);
    EXPECT_THROW(graphics.UmrechnenY(std::numeric_limits<long double>::infinity(), 480, -10, 10), Exception);
}

} // namespace
