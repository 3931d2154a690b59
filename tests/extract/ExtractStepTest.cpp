// The decisions of one Extract command, at the pure level.
#include "platform/core/Exception.h"
#include "extract/ExtractStep.h"
#include "extract/ExtractionList.h"
#include "tests/support/QtPrint.h"
#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Extract;

namespace {
const QStringList kDfm = {
    "object Form1: TForm1",     // 0
    "  Caption = 'Main'",       // 1
    "  object Panel1: TPanel",  // 2
    "    object Label1: TLabel", // 3
    "      Caption = 'Hello'",  // 4
    "      Font.Name = 'Arial'", // 5
    "    end",                  // 6
    "    Hint = 'h'",           // 7
    "  end",                    // 8
    "  inherited Btn: TButton", // 9
    "    Caption = 'x'",        // 10
    "end",                      // 11
};

struct OwnerCase
{
    int line;
    const char *owner;
};

// The nearest line at or above that names an object; line 0 never counts.
TEST(OwnerSearch, NearestObjectLineAtOrAbove)
{
    const OwnerCase cases[] = {{0, ""}, {1, ""}, {2, "Panel1"}, {3, "Label1"}, {4, "Label1"}, {5, "Label1"},
                               {7, "Label1"}, {8, "Label1"}, {10, "Label1"}, {11, "Label1"}};
    for (const OwnerCase &c : cases) {
        int reads = 0;
        OwnerSearch fresh([](int k) { return kDfm.value(k); }, [&] { ++reads; });
        EXPECT_EQ(fresh.ownerOf(c.line), QLatin1String(c.owner)) << c.line;
        EXPECT_LE(reads, c.line) << "walks up from the line, never to line 0";
    }
}

// Asked for later and later lines, one search answers as fresh ones would
// and reads every line at most once.
TEST(OwnerSearch, OnePassReadsEachLineOnce)
{
    for (const std::vector<int> &lines : {std::vector<int>{1, 4, 4, 5, 7, 10, 11}, {0, 11}, {2, 3, 9}}) {
        int reads = 0;
        OwnerSearch pass([](int k) { return kDfm.value(k); }, [&] { ++reads; });
        for (int line : lines) {
            OwnerSearch fresh([](int k) { return kDfm.value(k); });
            EXPECT_EQ(pass.ownerOf(line), fresh.ownerOf(line)) << line;
        }
        EXPECT_LE(reads, lines.back());
    }
    // Asked for an earlier line it searches afresh.
    OwnerSearch back([](int k) { return kDfm.value(k); });
    EXPECT_EQ(back.ownerOf(5), QStringLiteral("Label1"));
    EXPECT_EQ(back.ownerOf(2), QStringLiteral("Panel1"));
}

TEST(DfmEntry, RootOwnerAndPartsOfTheLine)
{
    struct Case
    {
        const char *root, *owner, *line, *found, *entry;
    } const cases[] = {
        {"Form1", "Label1", "      Caption = 'Hello'", "'Hello'", "Form1->Label1->Caption = \"Hello\";"},
        {" Form1 ", "Label1", "  Font.Name = 'Arial'", "'Arial'", "Form1->Label1->Font->Name = \"Arial\";"},
        {"Form1", "", "  Caption = 'Main'", "'Main'", "Form1->Caption = \"Main\";"},
        // a continuation line without "=": only the owner
        {"Form1", "Label1", "      'second part' +", "'second part'", "Form1->Label1 = \"second part\";"},
        {"", "", "x", "''", "-> = \"\";"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(dfmEntry(c.root, c.owner, c.line, c.found), QLatin1String(c.entry)) << c.line;
}

// The list append: the entry becomes the last line, the list is never
// rewritten, and an entry equal to the last line is not added again.
TEST(ListAppend, AdditionLastLineAndRepeat)
{
    struct Case
    {
        const char *list, *entry, *after, *last;
    } const cases[] = {
        {"", "A = 1", "A = 1\r\n", "A = 1"},
        {"X = 0\r\n", "A = 1", "X = 0\r\nA = 1\r\n", "A = 1"},
        {"X = 0", "A = 1", "X = 0\r\nA = 1\r\n", "A = 1"}, // typed without a final break
        {"X = 0\r\n\r\n", "A = 1", "X = 0\r\n\r\nA = 1\r\n", "A = 1"},
        {"X = 0\r\n", "A = \"a\r\nb\"", "X = 0\r\nA = \"a\r\nb\"\r\n", "b\""},
    };
    for (const Case &c : cases) {
        const QString list = QLatin1String(c.list);
        const QString after = list + ExtractionList::lineAddition(list.isEmpty() ? QChar() : list.back(), c.entry);
        EXPECT_EQ(after, QLatin1String(c.after)) << c.list;
        EXPECT_EQ(ExtractionList::lastLine(after), QLatin1String(c.last)) << c.list;
        EXPECT_EQ(ExtractionList::lines(after).last(), QLatin1String(c.last));
        EXPECT_TRUE(repeatsLastEntry(ExtractionList::lastLine(after), c.last));
    }
    EXPECT_EQ(ExtractionList::lastLine(QString()), QString());
    EXPECT_EQ(ExtractionList::lastLine(QStringLiteral("A\r\n\r\n")), QString());
    EXPECT_FALSE(repeatsLastEntry(QStringLiteral("A = 1"), QStringLiteral("A = 1 ")));
}

TEST(EqualValues, FirstLineWinsAndTheListGrows)
{
    ExtractionList::EqualValues values(QStringLiteral("String1 = \"a\"\r\nString2 = \"b\"\r\nString3 = \"a\"\r\n"));
    EXPECT_EQ(values.find(QStringLiteral("\"a\"")), QStringLiteral("String1"));
    EXPECT_EQ(values.find(QStringLiteral("\"c\"")), std::nullopt);
    values.add(QStringLiteral("String4, \"c\""));
    values.add(QStringLiteral("String5, \"a\""));
    EXPECT_EQ(values.find(QStringLiteral("\"c\"")), QStringLiteral("String4"));
    EXPECT_EQ(values.find(QStringLiteral("\"a\"")), QStringLiteral("String1"));
    // A text across a line break is two lines, neither equal to it.
    values.add(QStringLiteral("String6 = \"x\r\ny\""));
    EXPECT_EQ(values.find(QStringLiteral("\"x\r\ny\"")), std::nullopt);
    EXPECT_EQ(values.find(QStringLiteral("y\"")), QString());
}

struct CppCase
{
    int counter;
    const char *equal; // nullptr: no equal value
    EqualChoice choice;
    StringMode mode;
    bool extractC;
    // expected
    bool cancelled;
    int counterAfter;
    const char *replacement;
    const char *entry;
};

class ExtractCppStep : public ::testing::TestWithParam<CppCase> {};

TEST_P(ExtractCppStep, CounterNameReplacementAndEntry)
{
    const CppCase &c = GetParam();
    CppInput in{c.counter, QStringLiteral("\"Hi\""), c.mode, c.extractC, QStringLiteral("Form1"), std::nullopt};
    if (c.equal)
        in.equalName = QLatin1String(c.equal);
    int asked = 0;
    const CppStep step = extractCpp(in, [&](const QString &name, int counter) {
        ++asked;
        EXPECT_EQ(name, QLatin1String(c.equal));
        EXPECT_EQ(counter, c.counter + 1) << "the number a new entry would take";
        return c.choice;
    });
    EXPECT_EQ(asked, c.equal ? 1 : 0);
    EXPECT_EQ(step.cancelled, c.cancelled);
    EXPECT_EQ(step.counter, c.counterAfter);
    EXPECT_EQ(step.replacement, QLatin1String(c.replacement));
    EXPECT_EQ(step.entry, QLatin1String(c.entry));
    EXPECT_EQ(step.reused, c.equal && c.choice == EqualChoice::Reuse);
}

constexpr auto G = StringMode::Global, F = StringMode::Form, Fn = StringMode::Function;
constexpr auto Reuse = EqualChoice::Reuse, New = EqualChoice::NewEntry, Cancel = EqualChoice::Cancel;
INSTANTIATE_TEST_SUITE_P(
    Steps, ExtractCppStep,
    ::testing::Values(
        CppCase{2, nullptr, New, G, false, false, 3, "String3", "String3 = \"Hi\""},
        CppCase{2, nullptr, New, F, true, false, 3, "Form1->String3", "String3 = \"Hi\""},
        CppCase{2, nullptr, New, Fn, false, false, 3, "Form1->LoadTextRC(3)", "String3, \"Hi\""},
        CppCase{2, nullptr, New, Fn, true, false, 3, "(Form1->LoadTextRC(3)).c_str()", "String3, \"Hi\""},
        CppCase{-1, nullptr, New, G, false, false, 0, "String0", "String0 = \"Hi\""},
        // an equal value: the answer decides, the counter rolls back unless a new entry is made
        CppCase{7, "String1", Reuse, G, false, false, 7, "String1", ""},
        CppCase{7, "String1", Reuse, Fn, true, false, 7, "(Form1->LoadTextRC(1)).c_str()", ""},
        CppCase{7, "Label", Reuse, Fn, false, false, 7, "Form1->LoadTextRC(0)", ""},
        CppCase{7, "String1", New, F, false, false, 8, "Form1->String8", "String8 = \"Hi\""},
        CppCase{7, "String1", Cancel, G, false, true, 7, "", ""},
        CppCase{std::numeric_limits<int>::max() - 1, nullptr, New, G, false, false, std::numeric_limits<int>::max(),
                "String2147483647", "String2147483647 = \"Hi\""}),
    [](const auto &info) { return caseName(std::string(info.param.replacement) + "_" + std::to_string(info.param.counter), info.index); });

TEST(ExtractCppStep, RaisesBeforeAnythingChanges)
{
    // The counter at its limit: no question, no step.
    CppInput in{std::numeric_limits<int>::max(), QStringLiteral("\"Hi\""), G, false, QStringLiteral("Form1"),
                QStringLiteral("String1")};
    bool asked = false;
    const auto ask = [&](const QString &, int) {
        asked = true;
        return Reuse;
    };
    EXPECT_THROW(extractCpp(in, ask), Exception);
    EXPECT_FALSE(asked);
    EXPECT_THROW(nextCounter(std::numeric_limits<int>::max()), Exception);
    EXPECT_EQ(nextCounter(-5), -4);
    // A reused name whose digits exceed 32 bits cannot be loaded by number.
    in.counter = 1;
    in.mode = Fn;
    in.equalName = QStringLiteral("String99999999999");
    EXPECT_THROW(extractCpp(in, ask), Exception);
}

} // namespace
