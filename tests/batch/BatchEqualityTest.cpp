// Batch extraction equals the window: Find Next from the top of the page and
// Extract (On Extract Find Next on) on each chosen literal, character for
// character in the list, the page, the counter and the last edit position.
#include "batch/BatchExtract.h"
#include "extract/FormDescription.h"
#include "tests/support/CaseName.h"
#include "tests/support/WindowAgreement.h"
#include "tests/support/FormFixture.h"
#include "platform/core/TextFile.h"
#include "tests/support/TestSeed.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <set>
#include <cstdio>

namespace {
struct Config
{
    StringMode mode;
    bool extractC;
    Batch::EqualStrings equal;
};

// Every combination of string mode, Extract or Extract C and equal-strings policy.
std::vector<Config> allConfigs()
{
    std::vector<Config> out;
    for (StringMode mode : {StringMode::Global, StringMode::Form, StringMode::Function})
        for (bool c : {false, true})
            for (Batch::EqualStrings e : {Batch::EqualStrings::NewEntry, Batch::EqualStrings::Reuse})
                out.push_back({mode, c, e});
    return out;
}

std::string describe(const Config &c, SourcePage page)
{
    static const char *modes[] = {"global", "form", "function"};
    return std::string(page == SourcePage::Dfm ? "dfm/" : "cpp/") + modes[int(c.mode)] +
           (c.extractC ? "/extract-c" : "/extract") + (c.equal == Batch::EqualStrings::Reuse ? "/reuse" : "/new");
}

// Random texts with the things that trouble a scanner: escapes, quotes of
// the other kind, literals across line breaks, braces, binary blocks, "",
// prefixes, comments and markers, non-ASCII text.
QString generatedText(SourcePage page, QRandomGenerator &rng)
{
    static const char16_t *const cpp[] = {
        u"x = \"Hello\";\r\n", u"y = \"Hello\";\r\n", u"f(\"a\", \"b\", \"a\");\r\n", u"s = \"\";\r\n",
        u"t = \"esc \\\" quote \\\\\";\r\n", u"c = '\"';\r\n", u"w = L\"wide\";\r\n", u"v = u8\"utf\" U\"32\";\r\n",
        u"z = MACRO_L\"tail\";\r\n", u"{ \"in braces\" }\r\n", u"// comment \"old\"\r\n",
        u"k = \"keep\"; // vtqx:keep\r\n", u"m = \"multi\r\nline\";\r\n", u"#include \"a.h\"\r\n",
        u"u = \"Grüße € 𝄞\";\r\n", u"n = \"%d files\\n\";\r\n", u"\"\"\"\"", u"q = \"open\r\n", u"\r\n",
        u"x = \"Hello\"L\"x\";\r\n", u"p = \"a\"u8\"b\";\r\n"};
    static const char16_t *const dfm[] = {
        u"object Form1: TForm1\r\n", u"  object Label1: TLabel\r\n", u"    Caption = 'Hello'\r\n",
        u"    Caption = 'Hello'\r\n", u"    Hint = 'it''s'\r\n", u"    Font.Name = 'Arial'\r\n",
        u"    Items.Strings = (\r\n      'one'\r\n      'two')\r\n", u"  end\r\n",
        u"  inherited Base: TBase\r\n", u"    Caption = 'object list'\r\n", u"    Text = ''\r\n",
        u"    Picture.Data = {\r\n      0123456789ABCDEF0123456789ABCDEF0123456789ABCDEF0123456789ABCDEF\r\n"
        u"      0123456789ABCDEF0123456789ABCDEF0123456789ABCDEF01234567'9ABCDEF\r\n      0A0B}\r\n",
        u"    Lines = 'multi\r\nline'\r\n", u"    Caption = 'Grüße €'\r\n", u"end\r\n", u"  'open\r\n"};
    QString out;
    const int pieces = 5 + int(rng.bounded(25));
    for (int i = 0; i < pieces; ++i)
        out += page == SourcePage::Dfm ? QString::fromUtf16(dfm[rng.bounded(int(std::size(dfm)))])
                                       : QString::fromUtf16(cpp[rng.bounded(int(std::size(cpp)))]);
    return out;
}

class BatchEquality : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        ui.setBaseName(QStringLiteral("Unit1"));
        ui.action("OnExtractFindNext2")->setChecked(true);
    }

    // The window's page text for text: the editor's own CR LF form.
    QString editorText(const QString &text)
    {
        page(MainWindow::HeaderPage).setText(text);
        return page(MainWindow::HeaderPage).text();
    }

    // Runs the window over text on page kind and returns what it shows.
    Batch::Result runWindow(const QString &text, SourcePage kind, const Config &c, const QString &root,
                            const Batch::State &start, const std::function<bool(int)> &chooseAt)
    {
        const int p = kind == SourcePage::Dfm ? MainWindow::DfmPage : MainWindow::CppPage;
        QAction *mode = c.mode == StringMode::Function ? ui.action("UseFunction2")
                        : c.mode == StringMode::Form   ? ui.action("UseFormStrings2")
                                                       : ui.action("UseglobalStrings2");
        mode->trigger();
        ui.action("PromtEqualStrings2")->setChecked(c.equal == Batch::EqualStrings::Reuse);
        ui.root()->setText(root);
        page(p).setText(text);
        showPage(p);
        EditorModel::of(ui.list()).setText(start.list);
        ui.setCounter(MainWindow::CppPage, start.counter);
        ui.setLastEdit(p, start.lastEdit);
        page(p).setSelection(0, 0);
        const Command extract = c.extractC ? Command::ExtractC : Command::Extract;

        // chooseAt takes the run's start in the page as it was: the edits
        // so far moved it by delta.
        int index = 0, delta = 0;
        for (bool found = step(p, [&] { form->run(Command::FindNext); }); found; ++index) {
            if (chooseAt(page(p).selStart() - delta)) {
                const int length = page(p).length();
                found = step(p, [&] { form->run(extract); });
                delta += page(p).length() - length;
            } else {
                found = step(p, [&] { form->run(Command::FindNext); });
            }
            if (index > 100000) {
                ADD_FAILURE() << "runaway";
                break;
            }
        }
        return Batch::Result{page(p).text(),
                             Batch::State{EditorModel::of(ui.list()).text(), ui.counter(MainWindow::CppPage),
                                          ui.lastEdit(p)},
                             {},
                             {}};
    }

    // Runs a command with answers ready for the equal-strings question (Yes)
    // and the end-of-text message; true when it ends with a new literal
    // selected behind the one before.
    bool step(int p, const std::function<void()> &command)
    {
        const int before = page(p).selStart();
        dialogs->clear();
        dialogs->answerMessage(Dialogs::Button::Yes).answerMessage(Dialogs::Button::Ok);
        command();
        dialogs->clear();
        return page(p).selLength() > 0 && page(p).selStart() > before;
    }

    // Both ways over the whole page: every literal they take alike may be
    // chosen; the others (see Difference) are left to neither. Returns the
    // agreement for the caller's figures.
    WindowAgreement expectEqual(const QString &text, SourcePage kind, const Config &c, const QString &root,
                                const Batch::State &start, const std::function<bool(int)> &choose)
    {
        SCOPED_TRACE(describe(c, kind));
        const QString page = TextFile::withCrLfBreaks(text);
        WindowAgreement agreement = windowAgreement(page, kind, root);
        std::set<int> chosen; // starts in the page
        for (size_t i = 0; i < agreement.literals.size(); ++i)
            if (agreement.agreed(i) && agreement.literals[i].isLiteral() && choose(int(i)))
                chosen.insert(agreement.literals[i].start);
        const Batch::Result window =
            runWindow(text, kind, c, root, start, [&](int at) { return chosen.count(at) > 0; });
        const Batch::Result batch =
            Batch::extract(page, Batch::Options{kind, c.mode, c.extractC, c.equal, root, true}, start,
                           [&](const Batch::Literal &l) { return chosen.count(l.start) > 0; });
        EXPECT_EQ(batch.text, window.text);
        EXPECT_EQ(batch.state.list, window.state.list);
        EXPECT_EQ(batch.state.counter, window.state.counter);
        EXPECT_EQ(batch.state.lastEdit, window.state.lastEdit)
            << batch.state.lastEdit.row << ',' << batch.state.lastEdit.col << " vs " << window.state.lastEdit.row
            << ',' << window.state.lastEdit.col;
        return agreement;
    }
};

// The command line reads a page as the editor holds it.
TEST_F(BatchEquality, LineBreaksAsTheEditorHoldsThem)
{
    for (const char *text : {"", "a", "a\rb", "a\nb", "a\r\nb", "a\r\r\nb\n", "\r", "\n\r", "x\r\n\r\n"})
        EXPECT_EQ(TextFile::withCrLfBreaks(QLatin1String(text)), editorText(QLatin1String(text))) << text;
}

TEST_F(BatchEquality, GeneratedTextsInEveryConfiguration)
{
    const quint32 seed = testSeed(20261207);
    VTQX_SEED_TRACE(seed);
    QRandomGenerator rng(seed);
    const std::vector<Config> configs = allConfigs();
    for (SourcePage kind : {SourcePage::Cpp, SourcePage::Dfm}) {
        for (int round = 0; round < 6; ++round) {
            const QString text = generatedText(kind, rng);
            SCOPED_TRACE(text.toStdString());
            // Half the rounds extract a random choice of the literals; a list
            // and a counter carried over from earlier work in some.
            const bool some = round % 2 == 1;
            const Batch::State start = round % 3 == 0
                                           ? Batch::State{}
                                           : Batch::State{QStringLiteral("String4 = \"Hello\"\r\nString9, \"a\""),
                                                          8, RowCol{2, 3}};
            for (const Config &c : configs) {
                const quint32 bits = rng.generate();
                const auto choose = [bits](int i) { return !((bits >> (i % 32)) & 1u) || i % 7 == 0; };
                expectEqual(text, kind, c, QStringLiteral("Form1"), start,
                            some ? std::function<bool(int)>(choose) : [](int) { return true; });
            }
        }
    }
}

// The shared units' C++ sources, in a fixed order; "" alone when there are
// none, which skips and says so.
std::vector<std::string> sharedSources()
{
    QStringList sources;
    QDirIterator it(QStringLiteral(VTQX_SHARED_DIR "/units"), {QStringLiteral("*.cpp"), QStringLiteral("*.CPP")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        sources << it.next();
    sources.sort();
    std::vector<std::string> out;
    for (const QString &s : sources)
        out.push_back(s.toStdString());
    return out.empty() ? std::vector<std::string>{std::string()} : out;
}

// What the window and the batch take differently on a page, by reason, and
// the share both take alike: printed, so that a drop shows.
void printAgreement(const std::string &unit, SourcePage kind, const WindowAgreement &a)
{
    std::string reasons;
    for (Difference d : kDifferences)
        if (const auto n = std::count(a.difference.begin(), a.difference.end(), d))
            reasons += std::string(", ") + differenceName(d) + ' ' + std::to_string(n);
    std::printf("[ agreement ] %s %s: %zu literals, %d %% taken alike%s, %d runs of Find Next alone\n",
                QFileInfo(QString::fromStdString(unit)).fileName().toStdString().c_str(), kind == SourcePage::Dfm ? "dfm" : "cpp",
                a.literals.size(), a.agreedShare(), reasons.c_str(), a.strayRuns);
}

class SharedUnitEquality : public BatchEquality, public ::testing::WithParamInterface<std::string> {};

// Every shared unit, both pages, every literal both ways take alike; the
// configurations rotate over the units so that together they cover all.
TEST_P(SharedUnitEquality, BothPagesWhole)
{
    if (GetParam().empty())
        GTEST_SKIP() << "no shared units at " VTQX_SHARED_DIR "/units";
    const std::vector<std::string> all = sharedSources();
    const int n = int(std::find(all.begin(), all.end(), GetParam()) - all.begin());
    const std::vector<Config> configs = allConfigs();
    const QFileInfo info(QString::fromStdString(GetParam()));
    const QString dfmPath = info.path() + u'/' + info.completeBaseName() +
                            (info.suffix() == u"CPP" ? QStringLiteral(".DFM") : QStringLiteral(".dfm"));
    const QString dfm = QFileInfo(dfmPath).isFile() ? TextFile::load(dfmPath).text : QString();
    const QString root = FormDescription::objectNameOfLine(editorText(dfm).section(u'\r', 0, 0));
    printAgreement(GetParam(), SourcePage::Cpp,
                   expectEqual(TextFile::load(info.filePath()).text, SourcePage::Cpp, configs[n % configs.size()], root,
                               {}, [](int) { return true; }));
    if (!dfm.isEmpty())
        printAgreement(GetParam(), SourcePage::Dfm,
                       expectEqual(dfm, SourcePage::Dfm, configs[(n + 5) % configs.size()], root, {}, [](int) { return true; }));
}

INSTANTIATE_TEST_SUITE_P(Units, SharedUnitEquality, ::testing::ValuesIn(sharedSources()),
                         [](const ::testing::TestParamInfo<std::string> &info) {
                             return info.param.empty() ? std::string("none")
                                                       : caseName(QFileInfo(QString::fromStdString(info.param)).completeBaseName(),
                                                                  info.index);
                         });
} // namespace
