// What batch extraction does per literal; its equality with the window is
// BatchEqualityTest's.
#include "batch/BatchExtract.h"
#include "platform/core/Exception.h"
#include "tests/support/QtPrint.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
using Batch::Action;

std::vector<Action> actions(const Batch::Result &r)
{
    std::vector<Action> out;
    for (const Batch::Outcome &o : r.literals)
        out.push_back(o.action);
    return out;
}

TEST(BatchExtract, ActionPerLiteral)
{
    const QString cpp = QStringLiteral("a = \"One\";\r\n"
                                       "b = \"Two\"; // vtqx:keep\r\n"
                                       "c = \"One\"; d = L\"Skip\";\r\n"
                                       "e = \"New\";\r\n");
    Batch::Options o{SourcePage::Cpp, StringMode::Form, false, Batch::EqualStrings::Reuse, QStringLiteral("F"), false};
    const auto notSkip = [](const Batch::Literal &l) { return l.text != u"\"Skip\""; };
    const Batch::Result r = Batch::extract(cpp, o, Batch::State{QString(), 4, {}}, notSkip);
    EXPECT_EQ(actions(r),
              (std::vector{Action::Extracted, Action::Marked, Action::Reused, Action::Skipped, Action::Extracted}));
    EXPECT_EQ(r.text, QStringLiteral("a = F->String5;\r\n"
                                     "b = \"Two\"; // vtqx:keep\r\n"
                                     "c = F->String5; d = L\"Skip\";\r\n"
                                     "e = F->String6;\r\n"));
    EXPECT_EQ(r.state.list, QStringLiteral("String5 = \"One\"\r\nString6 = \"New\"\r\n"));
    EXPECT_EQ(r.state.counter, 6);
    EXPECT_EQ(r.state.lastEdit, (RowCol{4, 5}));
    EXPECT_EQ(r.literals[2].name, QStringLiteral("String5"));
    EXPECT_EQ(r.literals[3].literal.pos, (RowCol{3, 17}));
    EXPECT_TRUE(r.literals[3].literal.hints.testFlag(LiteralHint::Prefix));

    // Asked to, it takes the marked literal too; a new entry for every text.
    o.includeMarked = true;
    o.equal = Batch::EqualStrings::NewEntry;
    EXPECT_EQ(Batch::extract(cpp, o, Batch::State{}).state.list,
              QStringLiteral("String1 = \"One\"\r\nString2 = \"Two\"\r\nString3 = \"One\"\r\n"
                             "String4 = \"Skip\"\r\nString5 = \"New\"\r\n"));
}

TEST(BatchExtract, FormDescriptionPageKeepsItsTextAndSkipsARepeatedEntry)
{
    const QString dfm = QStringLiteral("object Main: TMain\r\n"
                                       "  object Btn: TButton\r\n"
                                       "    Caption = 'Go'\r\n"
                                       "    Hint = 'a' +\r\n"
                                       "      'a'\r\n"
                                       "    Hint = 'a'#97\r\n"
                                       "  end\r\n"
                                       "end\r\n");
    const Batch::Options o{SourcePage::Dfm, StringMode::Global, false, Batch::EqualStrings::NewEntry,
                           QStringLiteral("Main"), false};
    const Batch::Result r = Batch::extract(dfm, o, Batch::State{QString(), 3, {}});
    EXPECT_EQ(r.text, dfm);
    EXPECT_EQ(actions(r), (std::vector{Action::Extracted, Action::Extracted, Action::Repeated}));
    EXPECT_EQ(r.state.list, QStringLiteral("Main->Btn->Caption = \"Go\";\r\nMain->Btn->Hint = \"aa\";\r\n"));
    EXPECT_EQ(r.state.counter, 3);
    EXPECT_EQ(r.state.lastEdit, (RowCol{6, 12}));
}

TEST(BatchExtract, CounterOverflowRaisesAndReturnsNothing)
{
    const Batch::Options o{};
    EXPECT_THROW(Batch::extract(QStringLiteral("\"a\", \"b\""), o, Batch::State{QString(), std::numeric_limits<int>::max() - 1, {}}),
                 Exception);
    // Nothing to extract: nothing to overflow.
    EXPECT_NO_THROW(Batch::extract(QStringLiteral("x"), o, Batch::State{QString(), std::numeric_limits<int>::max(), {}}));
}
// The streamed pass gives what extract() keeps, also where a prefix to be
// replaced or a literal with a line break meets the edge of a passed piece.
TEST(BatchExtract, StreamedPassEqualsTheKeptResult)
{
    struct Pieces : Batch::Sink
    {
        QString joined;
        std::vector<Batch::Outcome> outcomes;
        int count = 0;
        void text(QStringView piece) override
        {
            joined += piece;
            ++count;
        }
        void outcome(const Batch::Outcome &o) override { outcomes.push_back(o); }
    };
    QString page;
    for (int i = 0; page.size() < 300000; ++i)
        page += QString(i % 7, u' ') + QStringLiteral("x(L\"a%1\", u8\"b\", \"c\\\r\nd\", yL\"\"); // vtqx:keep %2\r\n")
                                           .arg(i)
                                           .arg(i % 5 ? QString() : QStringLiteral("\"k\""));
    for (const StringMode mode : {StringMode::Function, StringMode::Global}) {
        const Batch::Options o{SourcePage::Cpp, mode, false, Batch::EqualStrings::Reuse, QStringLiteral("F"), true};
        const Batch::State start{QStringLiteral("String1 = \"c\\\r\nd\"\r\n"), 1, {}};
        const Batch::Result kept = Batch::extract(page, o, start);
        Pieces pieces;
        EXPECT_EQ(Batch::extractTo(page, o, start, {}, pieces), kept.state);
        EXPECT_GT(pieces.count, 4);
        EXPECT_TRUE(pieces.joined == kept.text); // too long to print
        ASSERT_EQ(pieces.outcomes.size(), kept.literals.size());
        for (size_t i = 0; i < kept.literals.size(); ++i) {
            EXPECT_EQ(pieces.outcomes[i].action, kept.literals[i].action) << i;
            EXPECT_EQ(pieces.outcomes[i].name, kept.literals[i].name) << i;
            EXPECT_EQ(pieces.outcomes[i].literal.pos, kept.literals[i].literal.pos) << i;
        }
    }
}
} // namespace
