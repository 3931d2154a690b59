// How a literal is used, read from the tokens: one row per situation; then
// the table's judgement and the project file's additions.
#include "scan/LiteralContext.h"
#include "scan/LiteralHints.h"
#include "scan/ProjectKeywords.h"
#include "platform/core/Exception.h"
#include "platform/core/ProjectFile.h"
#include "tests/support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {
using K = LiteralContext;

struct ContextCase
{
    const char16_t *code; // the literal looked at is the one at the marker "@"
    K::Kind kind;
    const char16_t *name;   // call, property, variable or owner; "" none
    const char16_t *object; // "" none
    int argument;
};

class Contexts : public ::testing::TestWithParam<ContextCase> {};

TEST_P(Contexts, ReadFromTheTokens)
{
    QString code = QString::fromUtf16(GetParam().code);
    const qsizetype at = code.indexOf(u'@');
    code.remove(at, 1);
    LiteralContext c;
    bool found = false;
    for (const ContextReader::Entry &e : readContexts(code))
        if (e.quote == at) {
            c = e.context;
            found = true;
        }
    ASSERT_TRUE(found) << code.toStdString();
    EXPECT_EQ(c.kind, GetParam().kind) << code.toStdString();
    EXPECT_EQ(code.mid(c.name, c.nameLength), QString::fromUtf16(GetParam().name)) << code.toStdString();
    EXPECT_EQ(code.mid(c.object, c.objectLength), QString::fromUtf16(GetParam().object)) << code.toStdString();
    if (c.kind == K::Argument) {
        EXPECT_EQ(c.argument, GetParam().argument) << code.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Situations, Contexts,
    ::testing::Values(
        // argument positions, nested calls, macros passed through
        ContextCase{u"ShowMessage(@\"a\");", K::Argument, u"ShowMessage", u"", 1},
        ContextCase{u"ini->ReadString(\"S\", @\"K\", x);", K::Argument, u"ReadString", u"ini", 2},
        ContextCase{u"f(g(1, 2), h(3), @\"x\");", K::Argument, u"f", u"", 3},
        ContextCase{u"f(a, g(@\"x\"));", K::Argument, u"g", u"", 1},
        ContextCase{u"Form1->ListBox1->Items->Add(_T(@\"x\"));", K::Argument, u"Add", u"Items", 1},
        ContextCase{u"ShowMessage(TEXT(@\"a\") + s);", K::Argument, u"ShowMessage", u"", 1},
        ContextCase{u"MessageBox(h, Format(@\"%d\", ARRAYOFCONST((n))), \"t\", 0);", K::Argument, u"MessageBox", u"", 2},
        ContextCase{u"MessageBox(h, Format(\"%d\", ARRAYOFCONST((n))), @\"t\", 0);", K::Argument, u"MessageBox", u"", 3},
        ContextCase{u"throw new Exception(@\"bad\");", K::Argument, u"Exception", u"", 1},
        ContextCase{u"x = (AnsiString)@\"a\" \"b\";", K::Assigned, u"x", u"", 0},
        // assignments, also across line breaks and after subscripts
        ContextCase{u"Label1->Caption\r\n    = @\"a\";", K::Assigned, u"Caption", u"Label1", 0},
        ContextCase{u"Label1->Caption = s + @\"a\";", K::Assigned, u"Caption", u"Label1", 0},
        ContextCase{u"s += @\"a\";", K::Assigned, u"s", u"", 0},
        ContextCase{u"Grid->Cells[0][1] = @\"a\";", K::Assigned, u"Cells", u"", 0},
        ContextCase{u"a = 1; f(@\"x\");", K::Argument, u"f", u"", 1},
        // comparisons, subscripts, labels, tables, return and throw
        ContextCase{u"if (s == @\"OK\") x();", K::Compared, u"", u"", 0},
        ContextCase{u"if (@\"OK\" != s) x();", K::Compared, u"", u"", 0},
        ContextCase{u"v = ini[@\"k\"];", K::Subscript, u"ini", u"", 0},
        ContextCase{u"switch (c) { case @\"a\": break; }", K::CaseLabel, u"", u"", 0},
        ContextCase{u"const char *names[] = {\"a\", @\"b\"};", K::Initializer, u"names", u"", 0},
        ContextCase{u"T t[] = {{1, \"a\"}, {2, @\"b\"}};", K::Initializer, u"t", u"", 0},
        ContextCase{u"{ return @\"a\"; }", K::Return, u"", u"", 0},
        ContextCase{u"{ throw @\"a\"; }", K::Throw, u"", u"", 0},
        ContextCase{u"{ x; } @\"a\";", K::None, u"", u"", 0}));

struct VerdictCase
{
    const char16_t *code; // C++: the first literal of the page
    LiteralVerdict verdict;
};

class UseVerdicts : public ::testing::TestWithParam<VerdictCase> {};

// The table's knowledge against the literal's characters alone.
TEST_P(UseVerdicts, TableDecides)
{
    const QString code = QString::fromUtf16(GetParam().code);
    const LiteralHinter hinter(code, SourcePage::Cpp);
    const int quote = int(code.indexOf(u'"'));
    const RunPlace place = hinter.code().place(quote, int(code.indexOf(u'"', quote + 1)) + 1);
    EXPECT_EQ(verdictOf(hinter.hints(place, code.mid(place.start, place.end - place.start)), hinter.use(place)),
              GetParam().verdict)
        << code.toStdString();
}

constexpr auto User = LiteralVerdict::UserText, Not = LiteralVerdict::ProbablyNot;
INSTANTIATE_TEST_SUITE_P(
    Table, UseVerdicts,
    ::testing::Values(VerdictCase{u"ini->ReadString(\"General\", \"Top\", 0);", Not},
                      VerdictCase{u"q->FieldByName(\"CUSTNO\")->AsString;", Not},
                      VerdictCase{u"q->SQL->Add(\"where a = 1\");", Not},
                      VerdictCase{u"if (s == \"OK\") f();", Not},
                      VerdictCase{u"ShellExecute(0, \"open\", f, 0, 0, 1);", Not},
                      VerdictCase{u"FindComponent(\"Edit1\");", Not},
                      VerdictCase{u"OutputDebugString(\"here we are\");", Not},
                      VerdictCase{u"Configuration->Usage->Inc(L\"Uploaded Files\");", Not},
                      VerdictCase{u"ReadList(ini, \"hist\", \"input file\");", Not},
                      VerdictCase{u"TRL(\"Save the file\");", Not},
                      VerdictCase{u"AppLog(\"Connected to host\");", Not},
                      VerdictCase{u"ShowMessage(\"Done\");", User},
                      VerdictCase{u"Label1->Caption = \"Date/Time\";", User},
                      VerdictCase{u"throw EConvertError(\"Not a number\");", User},
                      VerdictCase{u"asMsgErr = \"Cannot open the file\";", User},
                      VerdictCase{u"f(\"Hello world\");", User},
                      VerdictCase{u"ShowMessage(\"\");", Not}));

// A project declares its own lookup and its own output call.
TEST(ProjectKeywords, DeclaredCallsDecide)
{
    TempFolder dir;
    dir.write(ProjectFile::kName, "# the project's calls\n\nnever = Translate:1\nkeyword = Say:1\nencoding = windows-1252\n");
    dir.write(QStringLiteral("forms/sub/Unit1.cpp"), "");
    const ProjectSettings s = readProjectSettings(dir.path(QStringLiteral("forms/sub")), Language::English);
    EXPECT_EQ(s.encoding, TextEncoding::Cp1252);
    const QString code = QStringLiteral("a = Translate(\"Open the file\"); Say(\"MAX_LEN\");");
    const LiteralHinter hinter(code, SourcePage::Cpp, s.rules);
    std::vector<LiteralVerdict> verdicts;
    for (int quote = int(code.indexOf(u'"')); quote >= 0;) {
        const int close = int(code.indexOf(u'"', quote + 1)) + 1;
        const RunPlace p = hinter.code().place(quote, close);
        verdicts.push_back(verdictOf(hinter.hints(p, code.mid(quote, close - quote)), hinter.use(p)));
        quote = int(code.indexOf(u'"', close));
    }
    EXPECT_EQ(verdicts, (std::vector{LiteralVerdict::ProbablyNot, LiteralVerdict::UserText}));
}

// A bad line is an error naming the file and the line.
TEST(ProjectKeywords, BadLinesNameFileAndLine)
{
    const struct
    {
        const char *text;
        const char *message; // its end
    } cases[] = {
        {"keyword = Say:1\nnonsense\n", ":2: expected \"key = value\""},
        {"# c\ncolour = red\n", ":2: unknown key \"colour\""},
        {"never = Translate:0\n", ":1: expected NAME or NAME:ARG (ARG a number from 1), found \"Translate:0\""},
        {"keyword = 1abc\n", ":1: expected NAME or NAME:ARG (ARG a number from 1), found \"1abc\""},
        {"never = Note\nencoding = klingon\n", ":2: unknown encoding \"klingon\" (known: utf-8, "},
    };
    for (const auto &c : cases) {
        TempFolder dir;
        dir.write(ProjectFile::kName, c.text);
        try {
            readProjectSettings(dir.dir.path(), Language::English);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const Exception &e) {
            EXPECT_TRUE(e.Message().contains(QLatin1String(c.message))) << e.Message().toStdString();
            EXPECT_TRUE(e.Message().contains(ProjectFile::kName)) << e.Message().toStdString();
        }
    }
}
} // namespace
