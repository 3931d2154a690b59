#include "components/platform/core/ComponentPalette.h"

#include <gtest/gtest.h>

TEST(ComponentPalette, RecordsEachClassOncePerPageInOrder)
{
    RegisterComponentClass(QStringLiteral("Test page"), QStringLiteral("TFirst"));
    RegisterComponentClass(QStringLiteral("Test page"), QStringLiteral("TSecond"));
    RegisterComponentClass(QStringLiteral("Test page"), QStringLiteral("TFirst"));
    RegisterComponentClass(QStringLiteral("Other page"), QStringLiteral("TFirst"));
    const auto entries = RegisteredComponentClasses();
    const qsizetype first = entries.indexOf({QStringLiteral("Test page"), QStringLiteral("TFirst")});
    ASSERT_GE(first, 0);
    EXPECT_EQ(entries.value(first + 1), std::make_pair(QStringLiteral("Test page"), QStringLiteral("TSecond")));
    EXPECT_EQ(entries.count({QStringLiteral("Test page"), QStringLiteral("TFirst")}), 1);
    EXPECT_TRUE(entries.contains({QStringLiteral("Other page"), QStringLiteral("TFirst")}));
}
