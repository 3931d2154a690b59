// The unit's tree root before any CreateTree of the program (own program:
// every other parser test builds trees).
#include "components/Vparser/Vparser.h"

#include <gtest/gtest.h>

TEST(FreshTreeRoot, EvaluatesToZeroBeforeAnyBuild)
{
    EXPECT_EQ(TVParser::TreeRoot().Value, QString());
    EXPECT_FALSE(TVParser::TreeRoot().isInner());
    TVParser parser;
    parser.setX(QStringLiteral("5"));
    EXPECT_EQ(parser.Evaluate(), 0);
    EXPECT_EQ(parser.ErgebnisString(), QStringLiteral("0"));
}
