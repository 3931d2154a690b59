#include "generate/ListCheck.h"
#include "tests/support/QtPrint.h"
#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

namespace {
using F = ListFault;

struct Case
{
    const char *what;
    const char *list;
    StringMode mode;
    SourcePage page;
    GeneratorKind kind;
    std::vector<ListFinding> expected; // entry text filled in from the list
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.what;
}
} // namespace

void PrintTo(const ListFinding &f, std::ostream *os)
{
    *os << "{line " << f.line << ", fault " << int(f.fault) << ", earlier " << f.earlierLine << ", number "
        << f.number << ", " << f.entry.toStdString() << "}";
}

namespace {
GeneratorInput input(const Case &c)
{
    GeneratorInput in;
    in.list = QString::fromUtf8(c.list);
    in.mode = c.mode;
    in.page = c.page;
    return in;
}

constexpr auto Cpp = SourcePage::Cpp;
constexpr auto Dfm = SourcePage::Dfm;
constexpr auto Global = StringMode::Global;
constexpr auto Function = StringMode::Function;
constexpr auto Plain = GeneratorKind::WithoutResourceFile;
constexpr auto Loading = GeneratorKind::ForResourceFile;
constexpr auto Script = GeneratorKind::ResourceScript;

ListFinding at(int line, F fault, int earlier = 0, qint64 number = 0)
{
    return ListFinding{line, QString(), fault, earlier, number};
}

const Case kCases[] = {
    {"*/ in a text", "String1 = \"a\"\nString2 = \"b=*/c\"\n", Global, Cpp, Script, {at(2, F::CommentEnd)}},
    {"sound in every kind", "String1, \"a\"\nString2, \"\\\"b\\\\\"\n", Function, Cpp, Loading, {}},
    {"name twice after the counter was set back", "String1 = \"a\"\nString2 = \"b\"\nString1 = \"c\"\n", Global,
     Cpp, Plain, {at(3, F::NameTwice, 1)}},
    {"name twice in the Function mode", "String1, \"a\"\nString1, \"c\"\n", Function, Cpp, Plain,
     {at(2, F::NameTwice, 1)}},
    {"String-1 beside String1 as case labels", "String1, \"a\"\nString-1, \"b\"\n", Function, Cpp, Plain,
     {at(2, F::NumberTwice, 1, 1)}},
    {"String-1 beside String1 as identifiers", "String1 = \"a\"\nString-1 = \"b\"\n", Global, Cpp, Script,
     {at(2, F::NumberTwice, 1, 1)}},
    {"numbers do not matter to plain variables", "String1 = \"a\"\nString-1 = \"b\"\n", Global, Cpp, Plain, {}},
    {"identifier above 16 bits", "String65435 = \"a\"\nString65436 = \"b\"\n", Global, Cpp, Loading,
     {at(2, F::IdentifierTooLarge, 0, 65536)}},
    {"no identifiers without a string table", "String65436, \"b\"\n", Function, Cpp, Plain, {}},
    {"literal across a line break", "String1 = \"first\nsecond\"\nString2 = \"x\"\n", Global, Cpp, Script,
     {at(1, F::OpenLiteral), at(2, F::OpenLiteral)}},
    {"an escaped quote does not close", "String1, \"a\\\"\n", Function, Cpp, Plain, {at(1, F::OpenLiteral)}},
    {"the form description page", "Form1->Caption = \"a*/\";\nForm1->Caption = \"a\";\nForm1->Hint = \"b\n",
     Global, Dfm, Plain, {at(1, F::CommentEnd), at(3, F::OpenLiteral)}},
    {"blank lines are no entries", "\n  \nString1 = \"a\"\n\n", Global, Cpp, Script, {}},
    {"the header page shows nothing", "String1 = \"*/\n", Global, SourcePage::Header, Plain, {}},
};

class ListCheck : public ::testing::TestWithParam<Case>
{
};

TEST_P(ListCheck, NamesTheEntriesThatBreakTheOutput)
{
    const Case &c = GetParam();
    const QStringList lines = QString::fromUtf8(c.list).split(u'\n');
    std::vector<ListFinding> expected = c.expected;
    for (ListFinding &f : expected)
        f.entry = lines.at(f.line - 1);
    const QList<ListFinding> found = checkList(input(c), c.kind);
    EXPECT_EQ(std::vector<ListFinding>(found.begin(), found.end()), expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, ListCheck, ::testing::ValuesIn(kCases),
    [](const auto &info) { return caseName(info.param.what, info.index); });
} // namespace

TEST(ListWarning, NamesLineEntryAndReasonInEitherLanguage)
{
    const QList<ListFinding> findings{at(3, F::NameTwice, 1), at(4, F::IdentifierTooLarge, 0, 70000)};
    QList<ListFinding> named = findings;
    named[0].entry = QStringLiteral("String1 = \"c\"");
    named[1].entry = QStringLiteral("String69900 = \"") + QString(100, u'x') + u'"';
    const QString en = listWarning(named, Language::English);
    EXPECT_TRUE(en.contains(QStringLiteral("\nLine 3 (String1 = \"c\"): the name is already used in line 1")));
    EXPECT_TRUE(en.contains(QStringLiteral("identifier 70000 is above 65535")));
    EXPECT_FALSE(en.contains(QString(100, u'x'))) << "long entries are shortened";
    const QString de = listWarning(named, Language::German);
    EXPECT_TRUE(de.contains(QStringLiteral("Zeile 3 (String1 = \"c\"): der Name steht schon in Zeile 1")));

    QList<ListFinding> many(25, named[0]);
    const QString capped = listWarning(many, Language::English);
    EXPECT_EQ(capped.count(QStringLiteral("\nLine 3")), 20);
    EXPECT_TRUE(capped.endsWith(QStringLiteral("and 5 more.")));
}
