// Typical plots, rendered and compared pixel by pixel with the reference
// images kept next to this file. To regenerate them on purpose, run the test
// with VTQX_REGENERATE_REFERENCE=1 and look at the new images before
// committing them.
#include "components/tests/Vgraphics/PlotterTestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct Reference
{
    const char *name;
    QStringList expressions, colors, steps;
    const char *file;
};

void PrintTo(const Reference &c, std::ostream *os)
{
    *os << c.name;
}

class ReferencePlot : public PlotterTest, public ::testing::WithParamInterface<Reference>
{
};

TEST_P(ReferencePlot, MatchesTheReferenceImage)
{
    const QString referencePath = QStringLiteral(VGRAPHICS_TEST_DIR "/") + QLatin1String(GetParam().file);
    graphics.setGrid(true);
    graphics.setPointsOnly(false);
    graphics.SetExpressions(GetParam().expressions);
    graphics.SetColors(GetParam().colors);
    graphics.SetSteps(GetParam().steps);
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

const QString red = QString::number(0x0000FF), blue = QString::number(0xFF0000), green = QStringLiteral("32768");

INSTANTIATE_TEST_SUITE_P(
    Plots, ReferencePlot,
    ::testing::Values(
        Reference{"Typical",
                  {QStringLiteral("sin(x)"), QStringLiteral("x^2/10"), QStringLiteral("1/x")},
                  {red, blue, green},
                  {QStringLiteral("0.1"), QStringLiteral("0.1"), QStringLiteral("0.05")},
                  "reference-plot.png"},
        // Most samples lie far beyond the int range of rows: they fail, and
        // no line runs to them.
        Reference{"Steep",
                  {QStringLiteral("x^8"), QStringLiteral("x^10"), QStringLiteral("10^x")},
                  {red, blue, green},
                  {QStringLiteral("0.1"), QStringLiteral("0.05"), QStringLiteral("0.1")},
                  "reference-steep.png"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
