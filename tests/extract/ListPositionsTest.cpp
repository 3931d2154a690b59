// The places file beside a list: where a page uses its entries.
#include "extract/ListPositions.h"
#include "tests/support/QtPrint.h"

#include <gtest/gtest.h>

namespace {
using Places = std::vector<std::pair<int, int>>;

TEST(ListPositions, NamesAndCallsAreFoundAsWholeWordsWithTheirLines)
{
    const QString page = QStringLiteral("a = String5;\r\n"
                                        "b = LoadTextRC ( 7 ) + AString6 + String8x + LoadTextRC(x);\r\n"
                                        "\r\n"
                                        "c = Form1->LoadTextRC(12); d = String3 + String99999999999;\r\n");
    EXPECT_EQ(ListPositions::numbersInPage(page), (Places{{5, 1}, {7, 2}, {12, 4}, {3, 4}}));
    EXPECT_EQ(ListPositions::numbersInPage(QString()), Places{});
}

TEST(ListPositions, LinesReadBackAndOthersAreLeftOut)
{
    const QString text = ListPositions::line(QStringLiteral("String5"), {QStringLiteral("Unit1.cpp"), 42}) +
                         QStringLiteral("\r\nForm1->List->Items->Strings[1]\tC:\\u\\Unit1.dfm:7\r\n"
                                        "String5\tUnit1.cpp:50\r\nno tab:3\r\nString6\tUnit1.cpp:x\r\nString7\t:4\r\n");
    const auto places = ListPositions::read(text);
    EXPECT_EQ(places.size(), 2);
    EXPECT_EQ(places.value(QStringLiteral("String5")),
              (QList<ListPositions::Position>{{QStringLiteral("Unit1.cpp"), 42}, {QStringLiteral("Unit1.cpp"), 50}}));
    EXPECT_EQ(places.value(QStringLiteral("Form1->List->Items->Strings[1]")),
              (QList<ListPositions::Position>{{QStringLiteral("C:\\u\\Unit1.dfm"), 7}}));
}
} // namespace
