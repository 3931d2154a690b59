#include "components/platform/core/ComponentPalette.h"
#include "tests/support/QtPrint.h"
#include "components/Vstatus/Vstatus.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(TVStatus, PanelsKeepTextAndWidth)
{
    QMainWindow w;
    auto *bar = new TVStatus(&w);
    w.setStatusBar(bar);
    for (int width : {200, 100, 100, 50})
        bar->AddPanel(width);
    w.show();
    QApplication::processEvents();
    ASSERT_EQ(bar->PanelCount(), 4);
    EXPECT_EQ(bar->Panel(0).Width(), 200);
    EXPECT_EQ(bar->Panel(3).Width(), 50);
    bar->Panel(1).SetText(QStringLiteral("Row:1, Col:1"));
    EXPECT_EQ(bar->Panel(1).Text(), QStringLiteral("Row:1, Col:1"));
    EXPECT_EQ(bar->Panel(2).Text(), QString());
    // Widening the window does not stretch fixed panels.
    w.resize(1200, 400);
    QApplication::processEvents();
    EXPECT_EQ(bar->Panel(0).Width(), 200);

    // A text cut by its panel shows whole as the panel's tool tip; one that
    // fits has none, also after the panel was widened for it.
    const auto tip = [bar](int i) { return bar->findChild<QLabel *>(QStringLiteral("Panel%1").arg(i))->toolTip(); };
    const QString longText = QStringLiteral("A text far longer than fifty pixels");
    bar->Panel(3).SetText(longText);
    EXPECT_EQ(tip(3), longText);
    EXPECT_EQ(tip(1), QString());
    bar->Panel(3).SetWidth(1000);
    EXPECT_EQ(tip(3), QString());
}

TEST(TVStatus, SimplePanelShowsOneTextInsteadOfThePanels)
{
    QMainWindow w;
    auto *bar = new TVStatus(&w);
    w.setStatusBar(bar);
    bar->AddPanel(80);
    w.show();
    bar->SetSimpleText(QStringLiteral("busy"));
    bar->SetSimplePanel(true);
    QApplication::processEvents();
    const auto labels = bar->findChildren<QLabel *>();
    int visible = 0;
    for (QLabel *l : labels)
        if (l->isVisible()) {
            ++visible;
            EXPECT_EQ(l->text(), QStringLiteral("busy"));
        }
    EXPECT_EQ(visible, 1);
    bar->SetSimplePanel(false);
    QApplication::processEvents();
    EXPECT_TRUE(bar->findChild<QLabel *>(QStringLiteral("Panel0"))->isVisible());
    // Other controls can be placed on the bar.
    auto *button = new QPushButton(QStringLiteral("x"), bar);
    EXPECT_EQ(button->parentWidget(), bar);
    Vstatus::Register();
    const auto all = RegisteredComponentClasses();
    EXPECT_NE(std::find(all.begin(), all.end(), std::pair{QStringLiteral("Varnosel"), QStringLiteral("TVStatus")}),
              all.end());
}

TEST(TVStatus, TextsThatLookLikeMarkupStayPlain)
{
    TVStatus bar;
    bar.AddPanel(100).SetText(QStringLiteral("<b>x.cpp"));
    bar.SetSimpleText(QStringLiteral("<i>y</i>"));
    const QList<QLabel *> labels = bar.findChildren<QLabel *>();
    ASSERT_EQ(labels.size(), 2);
    for (QLabel *l : labels)
        EXPECT_EQ(l->textFormat(), Qt::PlainText) << l->text().toStdString();
    EXPECT_EQ(bar.Panel(0).Text(), QStringLiteral("<b>x.cpp"));
}
