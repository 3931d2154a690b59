// What runs without a person looking: whole form values, the rewrite proof,
// and every real unit extracted in every mode without touching other code.
#include "batch/BatchExtract.h"
#include "scan/FormValues.h"
#include "scan/LiteralScanner.h"
#include "platform/core/TextFile.h"
#include "scan/TextSource.h"
#include "tests/support/CaseName.h"

#include <QDirIterator>

#include <gtest/gtest.h>

namespace {
struct ValueCase
{
    const char16_t *dfm;
    const char16_t *text;
    const char *path; // joined by "->"
};

class FormValueCases : public ::testing::TestWithParam<ValueCase> {};

TEST_P(FormValueCases, ReadWhole)
{
    const QString dfm = QString::fromUtf16(GetParam().dfm);
    const std::vector<FormValue> values = readFormValues(dfm);
    ASSERT_EQ(values.size(), 1u) << dfm.toStdString();
    EXPECT_EQ(values[0].text, QString::fromUtf16(GetParam().text));
    EXPECT_EQ(values[0].path.join(QStringLiteral("->")), QLatin1String(GetParam().path));
    // The span runs from the first piece to the end of the last.
    EXPECT_TRUE(dfm[values[0].start] == u'\'' || dfm[values[0].start] == u'#');
    const QString rest = dfm.mid(values[0].end).trimmed();
    EXPECT_FALSE(rest.startsWith(u'\'') || rest.startsWith(u'#') || rest.startsWith(u'+')) << rest.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FormValueCases,
    ::testing::Values(
        ValueCase{u"object F: TF\r\n  Caption = 'It''s mine'\r\nend\r\n", u"It's mine", "Caption"},
        ValueCase{u"object F: TF\r\n  object B: TButton\r\n    Hint = 'l'#39'envoyer'\r\n  end\r\nend\r\n",
                  u"l'envoyer", "B->Hint"},
        ValueCase{u"object F: TF\r\n  Caption = 'Rezeptbuch '#8211' Meine K'#252'che'\r\nend\r\n",
                  u"Rezeptbuch \u2013 Meine K\u00fcche", "Caption"},
        ValueCase{u"object F: TF\r\n  object M: TMemo\r\n    Text = 'Tipp: ' +\r\n      'f'#252'r ' +\r\n  "
                  u"    'alle'#13#10'zwei'\r\n  end\r\nend\r\n",
                  u"Tipp: f\u00fcr alle\r\nzwei", "M->Text"},
        ValueCase{u"object F: TF\r\n  object L: TListBox\r\n    Items.Strings = (\r\n      100\r\n      'zwei')\r\n"
                  u"  end\r\nend\r\n",
                  u"zwei", "L->Items->Strings[1]"},
        ValueCase{u"object F: TF\r\n  object V: TListView\r\n    Columns = <\r\n      item\r\n        Width = 5\r\n"
                  u"      end\r\n      item\r\n        Caption = 'Name'\r\n      end>\r\n  end\r\nend\r\n",
                  u"Name", "V->Columns->Items[1]->Caption"},
        ValueCase{u"object F: TF\r\n  object P: TPanel\r\n    object I: TImage\r\n      Picture.Data = {\r\n"
                  u"        0A27'0B}\r\n    end\r\n    Caption = 'after'\r\n  end\r\nend\r\n",
                  u"after", "P->Caption"},
        ValueCase{u"object F: TF\r\n  inherited B: TButton\r\n    Caption = #$FC'ber'\r\n  end\r\nend\r\n",
                  u"\u00fcber", "B->Caption"}),
    [](const auto &info) { return caseName(info.param.path, info.index); });

TEST(FormValues, AThousandPiecesAndTheirCppLiteral)
{
    QString dfm = QStringLiteral("object F: TF\r\n  Caption = 'a' +\r\n");
    for (int i = 0; i < 998; ++i)
        dfm += QStringLiteral("    'b' +\r\n");
    dfm += QStringLiteral("    '\"\\'#9#7\r\nend\r\n");
    const std::vector<FormValue> values = readFormValues(dfm);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].text, QStringLiteral("a") + QString(998, u'b') + QStringLiteral("\"\\\t\a"));
    EXPECT_EQ(cppStringLiteral(values[0].text), QStringLiteral("\"a") + QString(998, u'b') + QStringLiteral("\\\"\\\\\\t\\007\""));
    // Display text or not.
    EXPECT_TRUE(isNonDisplayProperty({QStringLiteral("Font"), QStringLiteral("Name")}));
    EXPECT_TRUE(isNonDisplayProperty({QStringLiteral("E"), QStringLiteral("DataField")}));
    EXPECT_TRUE(isNonDisplayProperty({QStringLiteral("HelpKeyword")}));
    EXPECT_FALSE(isNonDisplayProperty({QStringLiteral("E"), QStringLiteral("Hint")}));
    EXPECT_FALSE(isNonDisplayProperty({QStringLiteral("L"), QStringLiteral("Items"), QStringLiteral("Strings[0]")}));
}

// The batch keeps a name apart from a name or number on either side, and
// the proof accepts what it wrote.
TEST(BatchProof, KeepsANameApartFromItsNeighbours)
{
    const QString glued = QStringLiteral("return\"a\"x;");
    const Batch::Result r = Batch::extract(glued, Batch::Options{}, Batch::State{});
    EXPECT_EQ(r.text, QStringLiteral("return String1 x;"));
    EXPECT_EQ(Batch::proofFailure(glued, r), std::nullopt);
    // A comment between a group's members would vanish with the group: the
    // proof refuses that, and the batch leaves such a group out, hinted.
    for (const QString &group : {QStringLiteral("f(\"a\" /* c */ \"b\");"), QStringLiteral("f(\"a \" // c\r\n  \"b\");"),
                                 QStringLiteral("f(\"a\"/**/\"b\");")}) {
        SCOPED_TRACE(group.toStdString());
        const int end = int(group.lastIndexOf(u'"')) + 1;
        EXPECT_TRUE(Cpp::firstTokenDifference(group, QStringLiteral("f(String1);"), {{2, end, 2, 9}}));
        const std::vector<Batch::Literal> found = Batch::findLiterals(group, SourcePage::Cpp);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(hintNames(found[0].hints).contains(QStringLiteral("comment-inside")), true);
        EXPECT_EQ(verdictOf(found[0].hints), LiteralVerdict::ProbablyNot);
        EXPECT_EQ(Batch::extract(group, Batch::Options{}, Batch::State{}).text, group);
    }
    // A comment in front of a group is no part of it.
    const Batch::Result joined = Batch::extract(QStringLiteral("f(/* c */ \"a\" \"b\");"), Batch::Options{}, Batch::State{});
    EXPECT_EQ(joined.text, QStringLiteral("f(/* c */ String1);"));
}

// The shared units' C++ sources; none when absent.
std::vector<QString> sharedSources()
{
    std::vector<QString> out;
    QDirIterator it(QStringLiteral(VTQX_SHARED_DIR "/units"), {QStringLiteral("*.cpp"), QStringLiteral("*.CPP")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        out.push_back(it.next());
    std::sort(out.begin(), out.end());
    return out;
}

struct Flat
{
    void pump() {}
    bool stopRequested() const { return false; }
    void openQuote(int) {}
};

// Every real unit in the three modes, user text and all: only the extracted
// literals change, each entry holds the literal it replaced, and no user text
// is lost beyond the runs that were no literal and the groups now joined.
TEST(RealUnits, OnlyTheExtractedLiteralsChange)
{
    const std::vector<QString> sources = sharedSources();
    if (sources.empty())
        GTEST_SKIP() << "no shared units at " VTQX_SHARED_DIR "/units";
    for (const QString &path : sources) {
        SCOPED_TRACE(path.toStdString());
        const QString page = TextFile::withCrLfBreaks(TextFile::load(path).text);
        const std::vector<Batch::Literal> literals = Batch::findLiterals(page, SourcePage::Cpp);
        // Today's count: the scanner's runs taken for user text, less those that
        // are no literal and the members a group joins.
        const LiteralHinter hinter(page, SourcePage::Cpp);
        const TextSource src(page);
        Flat d;
        int runsTakenForText = 0, lost = 0;
        for (int from = 0;;) {
            const ScanResult r = scanCppLiteral(src, from, d);
            if (r.outcome != ScanResult::Found)
                break;
            from = r.start + r.length;
            if (verdictOf(hinter.hints(r.start, r.length)) != LiteralVerdict::UserText)
                continue;
            ++runsTakenForText;
            const RunPlace place = hinter.code().place(r.start, r.start + r.length);
            if (place.kind != RunKind::Literal || (place.group && place.group->codeText))
                ++lost; // no literal, a member of a group, or code text such as extern "C"
        }
        for (StringMode mode : {StringMode::Global, StringMode::Form, StringMode::Function})
            for (bool userText : {true, false}) {
                const Batch::Options o{SourcePage::Cpp, mode, false, Batch::EqualStrings::NewEntry,
                                       QStringLiteral("Form1"), false};
                const Batch::Result result = Batch::extract(page, literals, o, Batch::State{}, [&](const Batch::Literal &l) {
                    return !userText || verdictOf(l.hints) == LiteralVerdict::UserText;
                });
                EXPECT_EQ(Batch::proofFailure(page, result), std::nullopt);
                int extracted = 0;
                for (const Batch::Outcome &out : result.literals) {
                    if (out.action != Batch::Action::Extracted)
                        continue;
                    ++extracted;
                    EXPECT_TRUE(out.literal.isLiteral());
                    EXPECT_TRUE(result.state.list.contains(out.literal.value)) << out.literal.value.toStdString();
                }
                EXPECT_EQ(int(result.replacements.size()), extracted);
                if (userText) {
                    EXPECT_GE(extracted, runsTakenForText - lost);
                }
            }
    }
}
} // namespace
