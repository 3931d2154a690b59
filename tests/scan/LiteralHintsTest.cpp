// Literal hints and the verdict, as tables: one row per rule, then the rules
// over the real units' literals.
#include "scan/LiteralHints.h"
#include "scan/LiteralScanner.h"
#include "tests/support/CaseName.h"
#include "tests/support/QtPrint.h"
#include "platform/core/TextFile.h"

#include <QDirIterator>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {
using H = LiteralHint;

struct HintCase
{
    const char16_t *code; // C++ source; the literal is the first "..." found
    LiteralHints hints;
    LiteralVerdict verdict;
};

struct Flat
{
    void pump() {}
    bool stopRequested() const { return false; }
    void openQuote(int) {}
};

// The first literal Find Next finds in text.
ScanResult firstLiteral(const QString &text, bool dfm)
{
    const TextSource src(text);
    Flat d;
    return dfm ? scanDfmLiteral(src, 0, 1, d) : scanCppLiteral(src, 0, d);
}

constexpr auto User = LiteralVerdict::UserText, Not = LiteralVerdict::ProbablyNot, NotLit = LiteralVerdict::NotLiteral;

class CppHints : public ::testing::TestWithParam<HintCase> {};

TEST_P(CppHints, RuleByRule)
{
    const QString text = QString::fromUtf16(GetParam().code);
    const ScanResult r = firstLiteral(text, false);
    ASSERT_EQ(r.outcome, ScanResult::Found) << text.toStdString();
    const LiteralHints h = LiteralHinter(text, SourcePage::Cpp).hints(r.start, r.length);
    EXPECT_EQ(hintNames(h), hintNames(GetParam().hints)) << text.toStdString();
    EXPECT_EQ(verdictOf(h), GetParam().verdict) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CppHints,
    ::testing::Values(
        HintCase{u"Caption = \"Hello, world\";", {}, User},
        HintCase{u"ShowMessage(\"Done.\");", {}, User}, // a dot that ends a sentence
        HintCase{u"s.printf(\"%d files\\n\", n);", {}, User},
        HintCase{u"#include \"Unit1.h\"", H::Preprocessor | H::Identifier, NotLit},
        HintCase{u"  #define TITLE \\\r\n    \"My Tool\"", H::Preprocessor, NotLit}, // a continued directive
        HintCase{u"#define A 1\r\nx = \"My Tool\";", {}, User},
        HintCase{u"x = 1; // say \"hi\" here", H::Comment, NotLit},
        HintCase{u"/* a\r\n \"old text\" */", H::Comment, NotLit},
        HintCase{u"s = \"//\" \"not a comment\";", H::Identifier | H::NoLetter, Not},
        HintCase{u"c = '\"'; s = \"real\";", {}, User}, // the scanner pairs the quote in '"'
        HintCase{u"x = L\"Hello\";", H::Prefix, User},
        HintCase{u"x = u8\"Hello\";", H::Prefix, User},
        HintCase{u"x = MACRO_L\"Hello\";", {}, User},
        HintCase{u"x = \"\";", H::Empty | H::NoLetter, Not},
        HintCase{u"x = \"42\";", H::NoLetter, Not},
        HintCase{u"x = \"%s: %-5.2f%%\\n\";", H::NoLetter, Not},
        HintCase{u"x = \"\\x41\\101\";", H::NoLetter, Not}, // letters only as escapes
        HintCase{u"x = \"%1 of %2\";", {}, User},
        HintCase{u"x = \"config.ini\";", H::Identifier, Not},
        HintCase{u"x = \"Software\\\\Varnosel\";", H::Identifier, Not},
        HintCase{u"x = \"MAX_LEN\";", H::Identifier, Not},
        HintCase{u"x = \"std::string\";", H::Identifier, Not},
        HintCase{u"x = \"http://host/a\";", H::Identifier, Not},
        HintCase{u"x = \"Line\\nNext\";", {}, User}, // an escape is no path separator
        HintCase{u"x = \"a_b c\";", {}, User},     // a blank: words
        HintCase{u"x = _(\"Hello\");", H::ResourceCall, Not},
        HintCase{u"x = tr ( L\"Hello\" );", H::ResourceCall | H::Prefix, Not},
        HintCase{u"x = Form1->LoadStr(\"Hello\");", H::ResourceCall, Not},
        HintCase{u"x = f(\"Hello\");", {}, User},
        HintCase{u"x = \"Hello\"; // vtqx:keep", H::Marker, User},
        HintCase{u"x = \"Hello\"; //vtqx:keep because", H::Marker, User},
        HintCase{u"x = \"// vtqx:keep\";", {}, User}, // inside a literal it marks nothing
        HintCase{u"x = \"Hello\";\r\n// vtqx:keep", {}, User}),
    [](const auto &info) { return caseName(info.param.code, info.index); });

// A label of one word and a colon, and a one-word caption, are user text;
// only a doubled colon makes a scoped name.
INSTANTIATE_TEST_SUITE_P(
    OneWordLabels, CppHints,
    ::testing::Values(HintCase{u"L->Caption = \"Name:\";", {}, User}, HintCase{u"s = \"Total:\";", {}, User},
                      HintCase{u"s = \"Cancel\";", {}, User}, HintCase{u"s = \"Seite 1:\";", {}, User},
                      HintCase{u"s = \"std::x\";", H::Identifier, Not}, HintCase{u"s = \"a::\";", H::Identifier, Not}),
    [](const auto &info) { return caseName(info.param.code, info.index); });

// Verdict rule: only the facts against user text count.
TEST(LiteralVerdict, PrefixAndMarkerDoNotDecide)
{
    EXPECT_EQ(verdictOf(H::Prefix | H::Marker), LiteralVerdict::UserText);
    EXPECT_EQ(verdictOf(H::Prefix | H::Marker | H::Adjacent), LiteralVerdict::UserText);
    for (LiteralHint h : {H::ResourceCall, H::Empty, H::NoLetter, H::Identifier, H::CodeText, H::Property})
        EXPECT_EQ(verdictOf(h), LiteralVerdict::ProbablyNot) << hintNames(h).join(u',').toStdString();
    // What is no string literal of the code never counts as text, whatever else holds.
    for (LiteralHint h : {H::Preprocessor, H::Comment, H::CharLiteral, H::SpansCode, H::RawString, H::Suffix})
        EXPECT_EQ(verdictOf(h | H::Marker | H::Prefix), LiteralVerdict::NotLiteral) << hintNames(h).join(u',').toStdString();
}

TEST(DfmHints, ContentRulesOnlyAndNoEscapes)
{
    struct Case
    {
        const char16_t *line;
        LiteralHints hints;
    } const cases[] = {
        {u"  Caption = 'Open file'", {}},
        {u"  Font.Name = 'Tahoma'", {}},
        {u"  Hint = ''", H::Empty | H::NoLetter},
        {u"  FileName = 'C:\\data\\a.txt'", H::Identifier},
        {u"  Caption = 'x // vtqx:keep'", {}},
        {u"  Caption = '#1 // not a comment'", {}},
    };
    for (const Case &c : cases) {
        const QString text = QString::fromUtf16(c.line);
        const ScanResult r = firstLiteral(text, true);
        ASSERT_EQ(r.outcome, ScanResult::Found);
        EXPECT_EQ(hintNames(LiteralHinter(text, SourcePage::Dfm).hints(r.start, r.length)), hintNames(c.hints))
            << text.toStdString();
    }
}

TEST(EncodingPrefix, OnlyAStandingPrefixCounts)
{
    struct Case
    {
        const char16_t *before;
        int length;
    } const cases[] = {
        {u"= L", 1}, {u"L", 1},  {u"(u", 1},  {u" U", 1},  {u"u8", 2},   {u" u8", 2}, {u"(u8", 2},
        {u"", 0},    {u"x ", 0}, {u"xL", 0},  {u"_u8", 0}, {u"1L", 0},   {u"äu", 0},  {u" 8", 0},
        {u"U8", 0},  {u"LR", 0}, {u"\"L", 1}, {u")U", 1},  {u"Lu8", 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(encodingPrefixLength(QString::fromUtf16(c.before)), c.length)
            << QString::fromUtf16(c.before).toStdString();
}

// Over the real units: literals on an #include line are preprocessor text,
// the hints of every literal follow from its own text the same way, and
// most literals of a form unit's source are user text.
TEST(RealUnitHints, TableOverTheSharedUnits)
{
    const QString folder = QStringLiteral(VTQX_SHARED_DIR "/units");
    if (!QFileInfo(folder).isDir())
        GTEST_SKIP() << "no shared units";
    struct Count
    {
        int literals = 0, user = 0, include = 0;
    } count;
    QDirIterator it(folder, {QStringLiteral("*.cpp"), QStringLiteral("*.CPP")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString text = TextFile::load(path).text;
        const TextSource src(text);
        const LiteralHinter hinter(text, SourcePage::Cpp);
        Flat d;
        for (int from = 0;;) {
            const ScanResult r = scanCppLiteral(src, from, d);
            if (r.outcome != ScanResult::Found)
                break;
            from = r.start + r.length;
            const LiteralHints h = hinter.hints(r.start, r.length);
            const QString line = src.line(src.lineOf(r.start)).trimmed();
            ++count.literals;
            if (verdictOf(h) == LiteralVerdict::UserText)
                ++count.user;
            if (line.startsWith(QLatin1String("#include"))) {
                ++count.include;
                EXPECT_TRUE(h.testFlag(H::Preprocessor)) << path.toStdString() << ": " << line.toStdString();
                EXPECT_EQ(verdictOf(h), LiteralVerdict::NotLiteral);
            }
            EXPECT_FALSE(h.testFlag(H::Marker)) << "no shared unit carries the marker";
            const QString inner = text.mid(r.start + 1, r.length - 2);
            EXPECT_EQ(h.testFlag(H::Empty), inner.isEmpty());
            if (h.testFlag(H::Identifier)) {
                EXPECT_FALSE(inner.contains(u' ')) << inner.toStdString();
            }
        }
    }
    EXPECT_GE(count.include, 10);
    EXPECT_GT(count.user, count.literals / 4) << count.user << " of " << count.literals;
    EXPECT_LT(count.user, count.literals) << "some literals are judged not to be user text";
}
} // namespace
