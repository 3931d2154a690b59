// A typical plot, rendered and compared pixel by pixel with the reference
// image kept next to this file. To regenerate it on purpose, run the test
// with VTQX_REGENERATE_REFERENCE=1 and look at the new image before
// committing it.
#include "PlotterTestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString referencePath = QStringLiteral(VGRAPHICS_TEST_DIR "/reference-plot.png");

TEST_F(PlotterTest, TypicalPlotMatchesTheReferenceImage)
{
    graphics.setGrid(true);
    graphics.setPointsOnly(false);
    graphics.SetExpressions({QStringLiteral("sin(x)"), QStringLiteral("x^2/10"), QStringLiteral("1/x")});
    graphics.SetColors({QString::number(Red), QString::number(Blue), QStringLiteral("32768")}); // green
    graphics.SetSteps({QStringLiteral("0.1"), QStringLiteral("0.1"), QStringLiteral("0.05")});
    ASSERT_EQ(draw(), 0);

    if (qEnvironmentVariableIntValue("VTQX_REGENERATE_REFERENCE") == 1) {
        ASSERT_TRUE(image.save(referencePath, "PNG"));
        GTEST_SKIP() << "reference image written to " << referencePath.toStdString();
    }
    const QImage reference(referencePath);
    ASSERT_FALSE(reference.isNull()) << "missing " << referencePath.toStdString();
    const QImage expected = reference.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(expected.size(), image.size());
    int differences = 0;
    QPoint first;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != expected.pixel(x, y) && differences++ == 0)
                first = QPoint(x, y);
        }
    }
    EXPECT_EQ(differences, 0) << "first at (" << first.x() << ", " << first.y() << ")";
}

} // namespace
