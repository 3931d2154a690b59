// The rewrite proof, one reason at a time: each row is an old text, a new
// text, the stretches that changed, and where the proof must stop in the old
// text (-1: it holds). The positions are counted by hand from the texts.
#include "scan/TokenProof.h"

#include <QString>

#include <gtest/gtest.h>

namespace {
struct ProofCase
{
    const char *name;
    const char16_t *before, *after;
    std::vector<Cpp::Replacement> stretches;
    int refusedAt; // -1: accepted
};

class TokenProof : public ::testing::TestWithParam<ProofCase> {};

TEST_P(TokenProof, StopsWhereTheRewriteStopsBeingClean)
{
    const ProofCase &c = GetParam();
    const std::optional<int> at =
        Cpp::firstTokenDifference(QString::fromUtf16(c.before), QString::fromUtf16(c.after), c.stretches);
    EXPECT_EQ(at.value_or(-1), c.refusedAt);
}

// f("a", x);   f0 (1 "a" 2..4 ,5 x7 )8 ;9
INSTANTIATE_TEST_SUITE_P(
    Refusals, TokenProof,
    ::testing::Values(
        ProofCase{"literal_becomes_a_name", u"f(\"a\", x);", u"f(S1, x);", {{2, 5, 2, 4}}, -1},
        ProofCase{"blanks_keep_the_name_apart", u"return\"a\"x;", u"return S1 x;", {{6, 9, 6, 10}}, -1},
        ProofCase{"two_stretches", u"f(\"a\",\"b\");", u"f(S1,S2);", {{2, 5, 2, 4}, {6, 9, 5, 7}}, -1},
        // The old stretch
        ProofCase{"comment_inside_a_group_would_vanish", u"f(\"a\" /*c*/ \"b\", x);", u"f(S1, x);", {{2, 15, 2, 4}}, 6},
        ProofCase{"comment_only_is_no_literal", u"f(/*c*/ x);", u"f(S1 x);", {{2, 7, 2, 4}}, 2},
        ProofCase{"starts_inside_a_token", u"f(\"a\", x);", u"f(\"S1, x);", {{3, 5, 3, 5}}, 2},
        ProofCase{"ends_inside_a_token", u"f(\"a\", x);", u"f(S1\", x);", {{2, 4, 2, 4}}, 2},
        ProofCase{"code_in_the_stretch", u"f(\"a\", x);", u"f(S1);", {{2, 8, 2, 4}}, 5},
        ProofCase{"literal_of_a_directive", u"#include \"a.h\"\r\nx;", u"#include S1\r\nx;", {{9, 14, 9, 11}}, 9},
        ProofCase{"char_literal", u"c = 'a';", u"c = S1;", {{4, 7, 4, 6}}, 4},
        // The new stretch
        ProofCase{"literal_in_its_place", u"f(\"a\", x);", u"f(\"x\", x);", {{2, 5, 2, 5}}, 2},
        ProofCase{"nothing_in_its_place", u"f(\"a\", x);", u"f(, x);", {{2, 5, 2, 2}}, 2},
        ProofCase{"comment_in_its_place", u"f(\"a\", x);", u"f(S1/**/, x);", {{2, 5, 2, 8}}, 2},
        ProofCase{"tab_before_the_name", u"f(\"a\", x);", u"f(\tS1, x);", {{2, 5, 2, 5}}, 2},
        ProofCase{"name_glued_to_its_neighbour", u"return\"a\"x;", u"returnS1x;", {{6, 9, 6, 8}}, 6},
        // Outside the stretches
        ProofCase{"change_before", u"f(\"a\", x);", u"g(S1, x);", {{2, 5, 2, 4}}, 0},
        ProofCase{"change_behind", u"f(\"a\", x);", u"f(S1, y);", {{2, 5, 2, 4}}, 5},
        ProofCase{"stretches_out_of_order", u"f(\"a\",\"b\");", u"f(\"a\",S2);", {{6, 9, 6, 8}, {2, 5, 2, 4}}, 2},
        ProofCase{"stretch_past_the_end", u"f(\"a\");", u"f(S1);", {{2, 50, 2, 4}}, 2}),
    [](const auto &info) { return std::string(info.param.name); });
} // namespace
