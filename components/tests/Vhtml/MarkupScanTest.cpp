// The list scans over markup texts, without a browser.
#include "components/Vhtml/MarkupScan.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

struct ScanCase
{
    const char *name;
    QString markup;
    QStringList expected;
};

void PrintTo(const ScanCase &c, std::ostream *os)
{
    *os << c.name;
}

std::string caseName(const testing::TestParamInfo<ScanCase> &info)
{
    return info.param.name;
}

// Runs a scan into a fresh list and checks that its count matches the list.
template <typename Scan>
QStringList collect(Scan scan)
{
    QStringList out;
    const int n = scan([&](const QString &v) { out << v; });
    EXPECT_EQ(n, out.size());
    return out;
}

QStringList links(const QString &markup)
{
    return collect([&](const MarkupScan::Sink &sink) { return MarkupScan::links(markup, sink); });
}

QStringList images(const QString &markup)
{
    return collect([&](const MarkupScan::Sink &sink) { return MarkupScan::images(markup, sink); });
}

QStringList values(const QString &markup, const QString &tag, const QString &value, const QString &terminator)
{
    return collect([&](const MarkupScan::Sink &sink) {
        return MarkupScan::values(markup, tag, value, terminator, sink);
    });
}

// ---------------------------------------------------------------- links

class LinkScan : public testing::TestWithParam<ScanCase>
{};

TEST_P(LinkScan, ListsHrefValues)
{
    EXPECT_EQ(links(GetParam().markup), GetParam().expected);
}

const ScanCase linkCases[] = {
    {"TwoLinks", R"(<P><A href="a.html">A</A> and <A href="b.html#x">B</A></P>)", {"a.html", "b.html#x"}},
    {"LowerCaseTagNotMatched", R"(<a href="a.html">A</a>)", {}},
    {"HrefMustBeFirstAttribute", R"(<A class="c" href="a.html">A</A>)", {}},
    {"UnterminatedLastValue", R"(<A href="a.html">A</A><A href="b.ht)", {"a.html"}},
    {"ValueEndsWithMarkup", R"(x<A href="a.html")", {"a.html"}},
    {"EmptyValue", R"(<A href="">x</A>)", {""}},
    {"OpenerAtVeryEnd", R"(x<A href=")", {}},
    {"OpenerInsideValueRestarts", R"(<A href="a<A href="b">)", {"b"}},
    {"NoMarkup", "", {}},
};
INSTANTIATE_TEST_SUITE_P(Links, LinkScan, testing::ValuesIn(linkCases), caseName);

// ---------------------------------------------------------------- images

class ImageScan : public testing::TestWithParam<ScanCase>
{};

TEST_P(ImageScan, ListsSrcValuesOfImageTags)
{
    EXPECT_EQ(images(GetParam().markup), GetParam().expected);
}

// GetAllVar with the image openers lists what GetAllImages lists.
TEST_P(ImageScan, ValuesScanWithImageOpenersAgrees)
{
    EXPECT_EQ(values(GetParam().markup, "<IMG ", "src=\"", "\""), images(GetParam().markup));
}

const ScanCase imageCases[] = {
    {"SrcFirst", R"(<P><IMG src="a.png" alt="A"> text</P>)", {"a.png"}},
    {"OtherAttributesBeforeSrc", R"(<P><IMG alt="A" width="10" src="b.png"> text</P>)", {"b.png"}},
    // A short value in the markup's last characters is found too.
    {"ShortValueAtEnd", R"(<P>x</P><IMG src="/i">)", {"/i"}},
    {"Several", R"(<IMG src="1.png"><IMG src="2.png"><DIV><IMG alt="x" src="3.png"></DIV>)",
     {"1.png", "2.png", "3.png"}},
    {"LowerCaseTagNotMatched", R"(<img src="a.png"><Img src="b.png">)", {}},
    {"SrcOfOtherTagsIgnored", R"(<SCRIPT src="s.js"></SCRIPT><IMG src="a.png"><IFRAME src="f.html"></IFRAME>)",
     {"a.png"}},
    {"UnterminatedLastValue", R"(<IMG src="a.png"><IMG src="b.p)", {"a.png"}},
    {"EmptySrc", R"(<IMG src=""><IMG src="e.png">)", {"", "e.png"}},
    {"NoMarkup", "", {}},
};
INSTANTIATE_TEST_SUITE_P(Images, ImageScan, testing::ValuesIn(imageCases), caseName);

// ---------------------------------------------------------------- any values

struct ValueCase
{
    const char *name;
    QString markup, tagOpener, valueOpener, terminator;
    QStringList expected;
};

void PrintTo(const ValueCase &c, std::ostream *os)
{
    *os << c.name;
}

class ValueScan : public testing::TestWithParam<ValueCase>
{};

TEST_P(ValueScan, ListsValues)
{
    const ValueCase &c = GetParam();
    EXPECT_EQ(values(c.markup, c.tagOpener, c.valueOpener, c.terminator), c.expected);
}

const QString twoImages = R"(<IMG src="a.png"><IMG src="b.png">)";

const ValueCase valueCases[] = {
    {"TitlesOfLinksAnywhereInTag", R"(<A href="x" title="First">1</A><A title="Second" href="y">2</A>)", "<A ",
     "title=\"", "\"", {"First", "Second"}},
    // The scan resumes right after a longer terminator: the next tag that
    // follows it at once is not lost.
    {"TwoCharacterTerminatorAdjacentTags", twoImages, "<IMG ", "src=\"", "\">", {"a.png", "b.png"}},
    {"CommentsWithThreeCharacterTerminator", "<!--#one - two--><!--#three-->", "<!--", "#", "-->",
     {"one - two", "three"}},
    // Inside a tag the value opener restarts a value being collected.
    {"ValueOpenerRestartsValue", "<!--#a#b--> <!--#c-->", "<!--", "#", "-->", {"b", "c"}},
    {"TerminatorIsLastCharacter", "<P>a</P><B>b</B>", "<", "/", ">", {"P", "B"}},
    {"TagOpenerEndsOpenValue", R"(<B id="x<B class="z">)", "<B ", "id=\"", "\"", {}},
    {"UnterminatedLastValue", R"(<B id="a"><B id="b)", "<B ", "id=\"", "\"", {"a"}},
    {"CaseMatters", R"(<IMG SRC="a.png">)", "<IMG ", "src=\"", "\"", {}},
    {"EmptyTagOpener", twoImages, "", "src=\"", "\"", {}},
    {"EmptyValueOpener", twoImages, "<IMG ", "", "\"", {}},
    {"EmptyTerminator", twoImages, "<IMG ", "src=\"", "", {}},
};
INSTANTIATE_TEST_SUITE_P(Values, ValueScan, testing::ValuesIn(valueCases),
                         [](const testing::TestParamInfo<ValueCase> &info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- calls

// The scans keep no state between calls: a second call into the same list
// appends the same values again and reports them again.
TEST(MarkupScanCalls, SecondCallAppendsAgain)
{
    const QString markup = R"(<A href="a.html">A</A><IMG src="i.png"><A href="b.html">B</A>)";
    QStringList list{"kept"};
    const MarkupScan::Sink append = [&](const QString &v) { list << v; };
    EXPECT_EQ(MarkupScan::links(markup, append), 2);
    EXPECT_EQ(MarkupScan::links(markup, append), 2);
    EXPECT_EQ(MarkupScan::images(markup, append), 1);
    EXPECT_EQ(MarkupScan::images(markup, append), 1);
    EXPECT_EQ(list, QStringList({"kept", "a.html", "b.html", "a.html", "b.html", "i.png", "i.png"}));
}

// A pass hook that says stop ends the scan before the next position.
TEST(MarkupScanCalls, PassHookEndsScan)
{
    const QString markup = R"(<A href="1">1</A><A href="2">2</A><A href="3">3</A>)";
    QStringList list;
    int passes = 0;
    const int n = MarkupScan::links(
        markup, [&](const QString &v) { list << v; },
        [&] {
            ++passes;
            return list.isEmpty();
        });
    EXPECT_EQ(n, 1);
    EXPECT_EQ(list, QStringList{"1"});
    // The pass after the first value asked to stop; nothing ran beyond it.
    EXPECT_LT(passes, markup.size());
}

} // namespace
