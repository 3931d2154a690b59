// TVGraphics as a component: published properties, owned lists, registration.
#include "components/platform/core/ComponentPalette.h"
#include "components/Vgraphics/Vgraphics.h"

#include <QMetaProperty>
#include <gtest/gtest.h>

namespace {

TEST(TVGraphicsComponent, PublishesItsPropertiesInOrderWithTheirDefaults)
{
    TVGraphics graphics;
    const QMetaObject *meta = graphics.metaObject();
    const char *names[] = {"Expressions", "Colors",   "Steps",  "Background", "PointsOnly",       "Cross",
                           "CrossColor",  "Grid",     "GridColor", "GridSpace", "X_From",         "X_To",
                           "Y_From",      "Y_To",     "DestinationWidth", "DestinationHeight", "Y_MaxDifference",
                           "ClearCanvas"};
    ASSERT_EQ(meta->propertyCount() - meta->propertyOffset(), int(std::size(names)));
    for (int i = 0; i < int(std::size(names)); ++i) {
        EXPECT_STREQ(meta->property(meta->propertyOffset() + i).name(), names[i]);
        EXPECT_TRUE(meta->property(meta->propertyOffset() + i).isWritable()) << names[i];
    }
    EXPECT_TRUE(graphics.Expressions().isEmpty());
    EXPECT_TRUE(graphics.Colors().isEmpty());
    EXPECT_TRUE(graphics.Steps().isEmpty());
    EXPECT_EQ(graphics.property("Background").toInt(), 16777215);
    EXPECT_EQ(graphics.property("PointsOnly").toBool(), true);
    EXPECT_EQ(graphics.property("Cross").toBool(), true);
    EXPECT_EQ(graphics.property("CrossColor").toInt(), 0);
    EXPECT_EQ(graphics.property("Grid").toBool(), false);
    EXPECT_EQ(graphics.property("GridColor").toInt(), 12632256);
    EXPECT_EQ(graphics.GridSpace(), 1);
    EXPECT_EQ(graphics.X_From(), -10);
    EXPECT_EQ(graphics.X_To(), 10);
    EXPECT_EQ(graphics.Y_From(), -10);
    EXPECT_EQ(graphics.Y_To(), 10);
    EXPECT_EQ(graphics.property("DestinationWidth").toInt(), 640);
    EXPECT_EQ(graphics.property("DestinationHeight").toInt(), 480);
    EXPECT_EQ(graphics.Y_MaxDifference(), 0);
    EXPECT_EQ(graphics.property("ClearCanvas").toBool(), true);
}

TEST(TVGraphicsComponent, ListsAreCopiedNotTakenOver)
{
    TVGraphics graphics;
    QStringList lines{QStringLiteral("x"), QStringLiteral("x^2")};
    graphics.SetExpressions(lines);
    graphics.SetColors(lines);
    graphics.SetSteps(lines);
    lines[0] = QStringLiteral("changed");
    lines.clear();
    EXPECT_EQ(graphics.Expressions(), (QStringList{QStringLiteral("x"), QStringLiteral("x^2")}));
    EXPECT_EQ(graphics.Colors().size(), 2);
    EXPECT_EQ(graphics.Steps().size(), 2);
    ASSERT_TRUE(graphics.setProperty("Expressions", QStringList{QStringLiteral("sin(x)")}));
    EXPECT_EQ(graphics.Expressions(), QStringList{QStringLiteral("sin(x)")});
}

TEST(TVGraphicsComponent, OperationsArePublished)
{
    TVGraphics graphics;
    for (const char *name : {"DrawToCanvas", "Cancel", "UmrechnenX", "UmrechnenY"}) {
        bool found = false;
        for (int i = 0; i < graphics.metaObject()->methodCount(); ++i)
            found = found || graphics.metaObject()->method(i).name() == name;
        EXPECT_TRUE(found) << name;
    }
    int column = 0;
    ASSERT_TRUE(QMetaObject::invokeMethod(&graphics, "UmrechnenX", Q_RETURN_ARG(int, column),
                                          Q_ARG(long double, 5), Q_ARG(int, 640), Q_ARG(double, -10),
                                          Q_ARG(double, 10)));
    EXPECT_EQ(column, 480);
}

TEST(TVGraphicsComponent, RegistersOnThePaletteVarnosel)
{
    Vgraphics::Register();
    EXPECT_TRUE(RegisteredComponentClasses().contains({QStringLiteral("Varnosel"), QStringLiteral("TVGraphics")}));
}

} // namespace
