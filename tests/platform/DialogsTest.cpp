#include "platform/gui/Dialogs.h"
#include "tests/support/QtPrint.h"

#include <gtest/gtest.h>

TEST(Dialogs, FilterTextsBecomeQtFilters)
{
    EXPECT_EQ(Dialogs::toQtFilter(QStringLiteral("CPP Files |*.cpp;*.h;*.dfm")),
              QStringLiteral("CPP Files (*.cpp *.h *.dfm)"));
    EXPECT_EQ(Dialogs::toQtFilter(QStringLiteral("CPP Files |*.cpp;")), QStringLiteral("CPP Files (*.cpp)"));
    EXPECT_EQ(Dialogs::toQtFilter(QStringLiteral("Recource Files |*.rc|Text Files |*.txt|CPP Files |*.cpp")),
              QStringLiteral("Recource Files (*.rc);;Text Files (*.txt);;CPP Files (*.cpp)"));
}
