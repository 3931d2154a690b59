#include "scan/LiteralScanner.h"
#include "tests/support/QtPrint.h"
#include "tests/scan/RecordingDriver.h"
#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

namespace {

using O = ScanResult::Outcome;

struct Case
{
    const char *name;
    QString text;
    int from;
    int row; // form description only
    ScanResult expected;
};

void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

QString hex(int n) { return QString(n, u'A'); }

ScanResult found(const QString &text, const QString &literal, int from = 0)
{
    const int at = int(text.indexOf(literal, from));
    EXPECT_GE(at, 0) << literal.toStdString();
    return {O::Found, at, int(literal.size())};
}

// ---------------------------------------------------------------------------
// C++ source

class CppScan : public ::testing::TestWithParam<Case>
{
};

TEST_P(CppScan, EndsAsExpected)
{
    const Case &c = GetParam();
    TextSource src(c.text);
    RecordingDriver d;
    const ScanResult r = scanCppLiteral(src, c.from, d);
    EXPECT_EQ(r, c.expected) << "selected: " << c.text.mid(r.start, r.length).toStdString();
    // A caret goes in front of every opening quote met, and only there.
    if (c.expected.start >= 0)
        EXPECT_EQ(d.opened, std::vector<int>{c.expected.start});
    else
        EXPECT_TRUE(d.opened.empty());
}

const QString kSayHi = u"Label1->Caption = \"Say \\\"hi\\\" now\";"_qs;
const QString kPath = u"Path = \"C:\\\\\";"_qs;
const QString kInclude = u"#include \"Unit1.h\""_qs;
const QString kCharLiteral = u"c = '\"'; s = \"a\";"_qs;
const QString kEmpty = u"x = \"\";"_qs;
const QString kTwoLines = u"a = \"one\r\ntwo\";"_qs;
const QString kOutside = u"x = a\\\"b\";"_qs;
const QString kBackslashes = u"\"a\\\\\\\"b\" + 1"_qs;
const QString kTwo = u"\"a\" \"b\""_qs;

INSTANTIATE_TEST_SUITE_P(
    Examples, CppScan,
    ::testing::Values(Case{"SayHi", kSayHi, 0, 0, found(kSayHi, u"\"Say \\\"hi\\\" now\""_qs)},
                      Case{"EscapedBackslashCloses", kPath, 0, 0, found(kPath, u"\"C:\\\\\""_qs)},
                      Case{"PreprocessorLine", kInclude, 0, 0, found(kInclude, u"\"Unit1.h\""_qs)},
                      Case{"QuoteInCharacterLiteralOpens", kCharLiteral, 0, 0,
                           found(kCharLiteral, u"\"'; s = \""_qs)},
                      Case{"EmptyLiteral", kEmpty, 0, 0, found(kEmpty, u"\"\""_qs)},
                      Case{"AcrossLineBreak", kTwoLines, 0, 0, found(kTwoLines, u"\"one\r\ntwo\""_qs)},
                      Case{"BackslashOutsideHasNoEffect", kOutside, 0, 0, found(kOutside, u"\"b\""_qs)},
                      Case{"EscapedBackslashThenEscapedQuote", kBackslashes, 0, 0,
                           found(kBackslashes, u"\"a\\\\\\\"b\""_qs)},
                      Case{"StartsBehindTheSelection", kTwo, 3, 0, found(kTwo, u"\"b\""_qs)}),
    [](const auto &info) { return caseName(info.param.name, info.index); });

// The rows of the state table, each in the smallest text that shows it.
INSTANTIATE_TEST_SUITE_P(
    StateTable, CppScan,
    ::testing::Values(
        // outside, other: nothing happens up to the end of the text
        Case{"OutsideOther", u"int x;"_qs, 0, 0, {O::EndOfText, -1, 0}},
        // outside, quote: caret in front of it; unclosed up to the end
        Case{"OutsideQuote", u"s = \"abc"_qs, 0, 0, {O::EndOfText, 4, 0}},
        Case{"QuoteIsTheLastCharacter", u"s = \""_qs, 0, 0, {O::EndOfText, 4, 0}},
        Case{"UnclosedRunsAcrossBreaks", u"\"a\r\nb\r\n"_qs, 0, 0, {O::EndOfText, 0, 0}},
        // inside, quote: the literal with both quotes
        Case{"InsideQuote", u"\"ab\""_qs, 0, 0, {O::Found, 0, 4}},
        // inside, backslash then quote: the quote belongs to the literal
        Case{"EscapedQuoteStaysInside", u"\"a\\\"b\""_qs, 0, 0, {O::Found, 0, 6}},
        // escaping, other: back to inside
        Case{"EscapedOtherCharacter", u"\"\\n\""_qs, 0, 0, {O::Found, 0, 4}},
        // escaping, backslash: does not escape the next quote
        Case{"EscapedBackslash", u"\"\\\\\"x\""_qs, 0, 0, {O::Found, 0, 4}},
        // an escaped quote as the last character: no end-of-text message
        Case{"LastCharacterEscapedQuote", u"\"ab\\\""_qs, 0, 0, {O::PastEnd, 0, 0}}),
    [](const auto &info) { return caseName(info.param.name, info.index); });

INSTANTIATE_TEST_SUITE_P(
    Ends, CppScan,
    ::testing::Values(Case{"EmptyText", QString(), 0, 0, {O::PastEnd, -1, 0}},
                      Case{"StartAtTheEnd", u"x = \"a\""_qs, 7, 0, {O::PastEnd, -1, 0}},
                      Case{"StartBeyondTheEnd", u"x"_qs, 5, 0, {O::PastEnd, -1, 0}},
                      // after an unclosed literal the caret is in front of its
                      // quote, so the next run meets it again
                      Case{"UnclosedAgain", u"s = \"abc"_qs, 4, 0, {O::EndOfText, 4, 0}}),
    [](const auto &info) { return caseName(info.param.name, info.index); });

// ---------------------------------------------------------------------------
// Form description

class DfmScan : public ::testing::TestWithParam<Case>
{
};

TEST_P(DfmScan, EndsAsExpected)
{
    const Case &c = GetParam();
    TextSource src(c.text);
    RecordingDriver d;
    const ScanResult r = scanDfmLiteral(src, c.from, c.row, d);
    EXPECT_EQ(r, c.expected) << "selected: " << c.text.mid(r.start, r.length).toStdString();
}

const QString kItS = u"Caption = 'It''s'"_qs;
const QString kCodes = u"Caption = 'One'#13#10'Two'"_qs;
const QString kEscape = u"Caption = 'a\\'b'"_qs;
// A brace inside a string, then a counted line of 64 characters that holds
// a literal of its own.
const QString kBraceInString = u"x = 'a{b'\r\n'"_qs + QString(62, u'h') + u"'\r\ny = 'c'"_qs;
const QString kParenInString = u"x = 'a(b'\r\n'"_qs + QString(62, u'h') + u"'\r\ny = 'c'"_qs;
const QString kClosedBraces = u"x = {}\r\n'"_qs + QString(62, u'h') + u"'"_qs;
const QString kDataAtEnd = u"x = {\r\n"_qs + hex(64);
const QString kNoDataAtEnd = u"x = (\r\n"_qs + hex(64);
const QString kRowCounts = hex(64) + u"\r\n{'q'"_qs;

INSTANTIATE_TEST_SUITE_P(
    Examples, DfmScan,
    ::testing::Values(
        Case{"DoubledApostropheFirst", kItS, 0, 1, found(kItS, u"'It'"_qs)},
        Case{"DoubledApostropheSecond", kItS, 14, 1, {O::Found, 14, 3}},
        Case{"CharacterCodesFirst", kCodes, 0, 1, found(kCodes, u"'One'"_qs)},
        Case{"CharacterCodesSkipped", kCodes, 15, 1, found(kCodes, u"'Two'"_qs)},
        Case{"BackslashEscapes", kEscape, 0, 1, found(kEscape, u"'a\\'b'"_qs)},
        Case{"DoubleQuotesAreText", u"Caption = '\"x\"'"_qs, 0, 1, {O::Found, 10, 5}},
        Case{"Unclosed", u"Caption = 'abc"_qs, 0, 1, {O::EndOfText, 10, 0}},
        Case{"StartAtTheEnd", kItS, int(kItS.size()), 1, {O::PastEnd, -1, 0}}),
    [](const auto &info) { return caseName(info.param.name, info.index); });

INSTANTIATE_TEST_SUITE_P(
    BinaryBlocks, DfmScan,
    ::testing::Values(
        // From the brace on, the 64-character line is jumped over, so the
        // literal that opened behind the brace closes only on the next line.
        Case{"BraceInStringSwitchesTheRuleOn", kBraceInString, 6, 1, {O::Found, 8, 74}},
        Case{"WithoutBraceNothingIsJumped", kParenInString, 6, 1, {O::Found, 8, 4}},
        Case{"ClosingBraceSwitchesItOff", kClosedBraces, 0, 1, {O::Found, 8, 64}},
        // The last character passed over by a jump: no end-of-text message.
        Case{"JumpPastTheEnd", kDataAtEnd, 0, 1, {O::PastEnd, -1, 0}},
        Case{"SameTextWithoutBraces", kNoDataAtEnd, 0, 1, {O::EndOfText, -1, 0}},
        // The counted line starts at the given row: a stale row counts the
        // wrong line.
        Case{"RowOfTheSelection", kRowCounts, 66, 2, {O::Found, 67, 3}},
        Case{"StaleRowCountsAnotherLine", kRowCounts, 66, 1, {O::PastEnd, -1, 0}}),
    [](const auto &info) { return caseName(info.param.name, info.index); });

TEST(DfmScan, PictureDataBlockIsCrossedInJumps)
{
    const int lines = 20;
    QString dfm = u"object Form1: TForm1\r\n  Caption = 'Main'\r\n  object Image1: TImage\r\n"
                  u"    Picture.Data = {\r\n"_qs;
    for (int i = 0; i < lines; ++i)
        dfm += u"      "_qs + QString(64, QChar(u"0123456789ABCDEF"[i % 16])) + u"\r\n"_qs;
    dfm += u"      "_qs + hex(40) + u"}\r\n    Hint = 'after'\r\n  end\r\nend\r\n"_qs;
    TextSource src(dfm);

    RecordingDriver first;
    const ScanResult main = scanDfmLiteral(src, 0, 1, first);
    ASSERT_EQ(main, found(dfm, u"'Main'"_qs));

    RecordingDriver second;
    const ScanResult after = scanDfmLiteral(src, main.start + main.length, 2, second);
    EXPECT_EQ(after, found(dfm, u"'after'"_qs));
    // Most of the block went by in jumps, not one step per digit.
    EXPECT_LT(second.pumps, lines * 64 / 4);
}

// ---------------------------------------------------------------------------
// Stop and pumping

TEST(ScanStop, CppPumpsThenTestsDfmTestsThenPumps)
{
    struct Row
    {
        bool dfm;
        QString text;
        int stopAfter;
        ScanResult expected;
    };
    const Row rows[] = {
        // The stop request set during the third pump ends the C++ scan at
        // that step; the opening quote was met already.
        {false, u"\"abcdef"_qs, 3, {O::Stopped, 0, 0}},
        {false, u"\"a\""_qs, 3, {O::Stopped, 0, 0}},
        // The DFM scan tests before it pumps, so the step after the pump
        // still runs.
        {true, u"'a'"_qs, 3, {O::Found, 0, 3}},
        {true, u"'abcdef"_qs, 3, {O::Stopped, 0, 0}},
        // Set before the first step: nothing is examined.
        {true, u"'a'"_qs, 0, {O::Stopped, -1, 0}},
    };
    for (const Row &row : rows) {
        TextSource src(row.text);
        RecordingDriver d;
        d.stopAfterPumps = row.stopAfter;
        const ScanResult r = row.dfm ? scanDfmLiteral(src, 0, 1, d) : scanCppLiteral(src, 0, d);
        EXPECT_EQ(r, row.expected) << row.text.toStdString();
    }
}

} // namespace
