#pragma once
// Helpers shared by the parser tests.
#include "components/platform/core/NumberText.h"
#include "components/Vparser/Tree.h"

#include <QString>
#include <gtest/gtest.h>

#include <ostream>

// Writes a tree as operator(left,right), leaves as their text.
QString dumpTree(const Tree &node);

// The literal recursion "split, build the parts that are no leaves", as the
// rules read, written with the public SplitLowest and IsZahl: the oracle for
// the iterative builder.
bool referenceMakeTree(Tree &node, const QString &expression);

// "" when both trees are equal (shape and every Value), else where they differ.
QString treeDifference(const Tree &a, const Tree &b);

// Tests start from the decimal separator "." whatever the machine's locale.
class PointLocaleTest : public ::testing::Test
{
protected:
    void SetUp() override { SetDecimalSeparator(u'.'); }
    void TearDown() override { ResetDecimalSeparator(); }
};

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
