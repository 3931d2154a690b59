#include "platform/core/Exception.h"
#include "extract/Extract.h"
#include "extract/ExtractionList.h"
#include "tests/support/QtPrint.h"
#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

#include <limits>

using namespace ExtractionList;

namespace {
struct NumberCase
{
    const char16_t *text;
    int number;
};

class NumberOfName : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberOfName, CollectsEveryDigitInOrder)
{
    EXPECT_EQ(numberOfName(QString::fromUtf16(GetParam().text)), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Names, NumberOfName,
                         ::testing::Values(NumberCase{u"String12", 12}, NumberCase{u"Str1ng2", 12},
                                           NumberCase{u"String-4", 4}, NumberCase{u"Name", 0},
                                           NumberCase{u"", 0}, NumberCase{u"String2147483647", 2147483647},
                                           // leading zeros do not count towards the size
                                           NumberCase{u"S000000000000000007", 7},
                                           // only ASCII digits are digits
                                           NumberCase{u"String\u0663", 0}),
    [](const auto &info) { return caseName(info.param.text, info.index); });

TEST(NumberOfNameOverflow, RaisesWithTheDigitsInTheMessage)
{
    for (const char *text : {"String2147483648", "String99999999999999999999", "1234567890123"}) {
        try {
            numberOfName(QString::fromLatin1(text));
            ADD_FAILURE() << text << " did not raise";
        } catch (const Exception &e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral("32-bit"))) << e.what();
            EXPECT_TRUE(e.Message().contains(QString::fromLatin1(text))) << e.what();
        }
    }
}

TEST(ParseInt32, AcceptsSignedDecimalsInRangeOnly)
{
    EXPECT_EQ(parseInt32(QStringLiteral("10")), 10);
    EXPECT_EQ(parseInt32(QStringLiteral("-5")), -5);
    EXPECT_EQ(parseInt32(QStringLiteral("+7")), 7);
    EXPECT_EQ(parseInt32(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(parseInt32(QStringLiteral("-2147483648")), std::numeric_limits<int>::min());
    for (const char *bad : {"", "-", "abc", "1x", "1.5", "2147483648", "-2147483649", "99999999999999999999"})
        EXPECT_FALSE(parseInt32(QString::fromLatin1(bad))) << bad;
}

TEST(Lines, FollowStringListSemantics)
{
    EXPECT_EQ(lines(QString()), QStringList());
    EXPECT_EQ(lines(QStringLiteral("a")), QStringList{QStringLiteral("a")});
    EXPECT_EQ(lines(QStringLiteral("a\r\n")), QStringList{QStringLiteral("a")});
    EXPECT_EQ(lines(QStringLiteral("\r\n")), QStringList{QString()});
    EXPECT_EQ(lines(QStringLiteral("a\r\n\r\nb")), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(lines(QStringLiteral("a\rb\nc\r\n")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
}

struct SplitCase
{
    const char16_t *line;
    const char16_t *name;
    const char16_t *value;
};

class SplitEntry : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitEntry, AtTheFirstEqualsOrComma)
{
    const Entry e = splitEntry(QString::fromUtf16(GetParam().line));
    EXPECT_EQ(e.name, QString::fromUtf16(GetParam().name));
    EXPECT_EQ(e.value, QString::fromUtf16(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitEntry,
    ::testing::Values(SplitCase{u"String3 = \"Hello\"", u"String3", u"\"Hello\""},
                      SplitCase{u"String3, \"Hello\"", u"String3", u"\"Hello\""},
                      SplitCase{u"String4, \"a, b\"", u"String4", u"\"a, b\""},
                      SplitCase{u"String5 = \"a=b, c\"", u"String5", u"\"a=b, c\""},
                      SplitCase{u"Form1->Label1->Caption = \"Hello\";", u"Form1->Label1->Caption", u"\"Hello\";"},
                      SplitCase{u" \t\"Hello\" \t", u"", u"\"Hello\""},
                      SplitCase{u"", u"", u""}),
    [](const auto &info) { return caseName(info.param.line, info.index); });

TEST(FindEqualValue, FirstMatchingLineWins)
{
    const QString list = QStringLiteral("String1 = \"Bye\"\r\nString3, \"Hello\"\r\nString7 = \"Hello\"\r\n");
    EXPECT_EQ(findEqualValue(list, QStringLiteral("\"Hello\"")), QStringLiteral("String3"));
    EXPECT_EQ(findEqualValue(list, QStringLiteral("\"Bye\"")), QStringLiteral("String1"));
    // Case and blanks count.
    EXPECT_FALSE(findEqualValue(list, QStringLiteral("\"hello\"")));
    EXPECT_FALSE(findEqualValue(list, QStringLiteral("\"Hello\" ")));
    EXPECT_FALSE(findEqualValue(QString(), QStringLiteral("\"Hello\"")));
}

TEST(FindEqualValue, SpecialLines)
{
    // A property entry keeps its semicolon in the value.
    EXPECT_FALSE(findEqualValue(QStringLiteral("Form1->Label1->Caption = \"Hello\";"), QStringLiteral("\"Hello\"")));
    // A hand-typed line without separator matches with an empty name.
    const auto bare = findEqualValue(QStringLiteral("String1 = \"x\"\r\n  \"Hello\"  "), QStringLiteral("\"Hello\""));
    ASSERT_TRUE(bare);
    EXPECT_EQ(*bare, QString());
    // A comma inside the value belongs to it.
    EXPECT_EQ(findEqualValue(QStringLiteral("String4, \"a, b\""), QStringLiteral("\"a, b\"")), QStringLiteral("String4"));
}

TEST(ValueEntry, SeparatorFollowsTheMode)
{
    EXPECT_EQ(valueEntry(stringName(3), QStringLiteral("\"Hello\""), StringMode::Global),
              QStringLiteral("String3 = \"Hello\""));
    EXPECT_EQ(valueEntry(stringName(3), QStringLiteral("\"Hello\""), StringMode::Form),
              QStringLiteral("String3 = \"Hello\""));
    EXPECT_EQ(valueEntry(stringName(3), QStringLiteral("\"Hello\""), StringMode::Function),
              QStringLiteral("String3, \"Hello\""));
    EXPECT_EQ(stringName(-4), QStringLiteral("String-4"));
}

struct PartsCase
{
    const char16_t *line;
    int number;
    const char16_t *literal;
    const char16_t *name;
    const char16_t *value;
};

class EntryParts : public ::testing::TestWithParam<PartsCase> {};

TEST_P(EntryParts, TakeTheLineApart)
{
    const QString line = QString::fromUtf16(GetParam().line);
    EXPECT_EQ(entryNumber(line), GetParam().number);
    EXPECT_EQ(entryLiteral(line), QString::fromUtf16(GetParam().literal));
    EXPECT_EQ(entryName(line), QString::fromUtf16(GetParam().name));
    EXPECT_EQ(entryValue(line), QString::fromUtf16(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EntryParts,
    ::testing::Values(
        PartsCase{u"String5, \"Hello\"", 5, u"\"Hello\"", u"String5, \"Hello\"", u""},
        PartsCase{u"String5 = \"Hello\"", 5, u"\"Hello\"", u"String5", u"\"Hello\""},
        PartsCase{u"String6 = \"a=b\"", 6, u"\"a=b\"", u"String6", u"\"a=b\""},
        // digits inside the literal never count for the entry number
        PartsCase{u"String3, \"a 42 b\"  ", 3, u"\"a 42 b\"  ", u"String3, \"a 42 b\"  ", u""},
        PartsCase{u"String3, \"a \\\"b\\\"\"", 3, u"\"a \\\"b\\\"\"", u"String3, \"a \\\"b\\\"\"", u""},
        // no double quote: all digits, and the whole line is the literal
        PartsCase{u"String12 Hello2", 122, u"String12 Hello2", u"String12 Hello2", u""},
        PartsCase{u"Hello", 0, u"Hello", u"Hello", u""},
        PartsCase{u"", 0, u"", u"", u""}),
    [](const auto &info) { return caseName(info.param.line, info.index); });

TEST(StringIdentifier, IsNumberPlusHundredWithoutOverflow)
{
    EXPECT_EQ(stringIdentifier(1), QStringLiteral("101"));
    EXPECT_EQ(stringIdentifier(0), QStringLiteral("100"));
    EXPECT_EQ(stringIdentifier(-5), QStringLiteral("95"));
    EXPECT_EQ(stringIdentifier(2147483647), QStringLiteral("2147483747"));
}

struct ReplacementCase
{
    StringMode mode;
    bool extractC;
    const char16_t *expected;
};

class Replacement : public ::testing::TestWithParam<ReplacementCase> {};

TEST_P(Replacement, FollowsModeAndVariant)
{
    EXPECT_EQ(Extract::replacement(QStringLiteral("String3"), GetParam().mode, GetParam().extractC,
                                   QStringLiteral("Form1")),
              QString::fromUtf16(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Replacement,
    ::testing::Values(ReplacementCase{StringMode::Global, false, u"String3"},
                      ReplacementCase{StringMode::Global, true, u"String3"},
                      ReplacementCase{StringMode::Form, false, u"Form1->String3"},
                      ReplacementCase{StringMode::Form, true, u"Form1->String3"},
                      ReplacementCase{StringMode::Function, false, u"Form1->LoadTextRC(3)"},
                      ReplacementCase{StringMode::Function, true, u"(Form1->LoadTextRC(3)).c_str()"}),
    [](const auto &info) { return caseName(info.param.expected, info.index); });

TEST(Replacement, RootIsUsedAsGivenAndNumberIsAllDigits)
{
    EXPECT_EQ(Extract::replacement(QStringLiteral("String-4"), StringMode::Function, false, QStringLiteral(" F ")),
              QStringLiteral(" F ->LoadTextRC(4)"));
    EXPECT_THROW(Extract::replacement(QStringLiteral("String99999999999"), StringMode::Function, false,
                                      QStringLiteral("Form1")),
                 Exception);
    // Other modes never convert the name.
    EXPECT_EQ(Extract::replacement(QStringLiteral("String99999999999"), StringMode::Global, false, QString()),
              QStringLiteral("String99999999999"));
}
} // namespace

namespace {
// A list is continued after its highest number, whatever order, gaps or
// other names it holds: a number given twice would name two texts. Its form
// is its first entry's (name, "text" in the Function mode; name = "text"
// otherwise: the first separator decides), and the first line of the other
// form is named.
struct ListNumbersCase
{
    const char *name;
    const char16_t *list;
    int highest;
    ListFile::Fault fault;
    int faultLine;
    EntryForm form = EntryForm::Value;
    int otherFormLine = 0;
};

class ListContinuation : public ::testing::TestWithParam<ListNumbersCase> {};

TEST_P(ListContinuation, TakesTheHighestNumberNotTheLast)
{
    const ListFile read = readListFile(QString::fromUtf16(GetParam().list), false);
    EXPECT_EQ(read.highest, GetParam().highest);
    EXPECT_EQ(read.fault, GetParam().fault);
    EXPECT_EQ(read.faultLine, GetParam().faultLine);
    EXPECT_EQ(read.form, GetParam().form);
    EXPECT_EQ(read.otherFormLine, GetParam().otherFormLine);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListContinuation,
    ::testing::Values(
        ListNumbersCase{"descending", u"String3 = \"a\"\r\nString2 = \"b\"\r\n", 3, ListFile::None, 0},
        ListNumbersCase{"gaps", u"String1, \"a\"\r\nString7, \"b\"\r\nString4, \"c\"", 7, ListFile::None, 0,
                        EntryForm::Function},
        ListNumbersCase{"comma_inside_a_value", u"String1 = \"a, b\"", 1, ListFile::None, 0},
        ListNumbersCase{"both_forms", u"String1, \"a\"\r\nString2, \"b\"\r\nString3 = \"c\"\r\nString4 = \"d\"", 4,
                        ListFile::None, 0, EntryForm::Function, 3},
        ListNumbersCase{"blank_lines", u"String2 = \"a\"\r\n\r\n  \r\nString10 = \"b\"", 10, ListFile::None, 0},
        ListNumbersCase{"mixed_names", u"Title = \"x\"\r\nMsg12 = \"y\"\r\nString5 = \"z\"", 12, ListFile::None, 0},
        ListNumbersCase{"first_run_of_digits", u"L2x9 = \"q\"", 2, ListFile::None, 0},
        ListNumbersCase{"no_number", u"Title = \"x\"", 0, ListFile::None, 0},
        ListNumbersCase{"beyond_32_bits", u"String99999999999 = \"a\"\r\nString4 = \"b\"", 4, ListFile::None, 0},
        ListNumbersCase{"name_twice", u"String9 = \"a\"\r\nString1 = \"b\"\r\nString9 = \"c\"", 9, ListFile::NameTwice, 3},
        ListNumbersCase{"no_entry", u"String2 = \"a\"\r\nhello", 2, ListFile::NotAnEntry, 2},
        ListNumbersCase{"name_starts_with_a_digit", u"9S = \"a\"", 0, ListFile::NotAnEntry, 1, EntryForm::None},
        ListNumbersCase{"empty", u"", 0, ListFile::None, 0, EntryForm::None}),
    [](const auto &info) { return std::string(info.param.name); });

// The page's own uses count too: names StringN and calls LoadTextRC(N),
// whole words only, the highest wherever it stands.
TEST(ListContinuation, HighestNumberInThePage)
{
    const std::pair<const char *, int> cases[] = {
        {"x = String3; y = String12; z = String2;", 12},
        {"Form1->LoadTextRC(4); Form1->LoadTextRC ( 9 ); String5;", 9},
        {"MyString50; String5x; LoadTextRCX(70); String", 0},
        {"LoadTextRC(7)x", 7},
        {"String99999999999 String8", 8},
    };
    for (const auto &[page, highest] : cases)
        EXPECT_EQ(highestNumberInPage(QString::fromLatin1(page)), highest) << page;
}
} // namespace
