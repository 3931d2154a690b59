// The C++ lexer, the code map and the joining of literals, as tables grouped
// by theme.
#include "scan/CodeMap.h"
#include "scan/CppLexer.h"
#include "scan/LiteralScanner.h"
#include "tests/support/QtPrint.h"
#include "tests/support/CaseName.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <ctime>

namespace {
struct Case
{
    const char16_t *text;
    const char *tokens; // what tokensOf() prints
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << QString::fromUtf16(c.text).toStdString();
}

// One word per token: its kind, "@" on a preprocessor line, ":" and its text;
// a literal's quoted part in brackets: S:L["a"]_s.
QString tokensOf(const QString &text)
{
    static const char *const kinds[] = {"I", "N", "S", "R", "C", "/", "H", "P", "O"};
    QStringList out;
    Cpp::Lexer lexer(text);
    Cpp::Token t;
    while (lexer.next(t)) {
        QString word = QLatin1String(kinds[int(t.kind)]) + QLatin1String(t.directive ? "@:" : ":");
        if (t.kind == Cpp::TokenKind::String || t.kind == Cpp::TokenKind::RawString || t.kind == Cpp::TokenKind::Char)
            word += text.mid(t.start, t.quote - t.start) + u'[' + text.mid(t.quote, t.close - t.quote) + u']' +
                    text.mid(t.close, t.end - t.close);
        else
            word += text.mid(t.start, t.end - t.start);
        out += word;
    }
    return out.join(u' ');
}

class LexerTokens : public ::testing::TestWithParam<Case> {};

TEST_P(LexerTokens, KindsAndExtents)
{
    EXPECT_EQ(tokensOf(QString::fromUtf16(GetParam().text)), QString::fromUtf8(GetParam().tokens));
}

INSTANTIATE_TEST_SUITE_P(
    Literals, LexerTokens,
    ::testing::Values(
        Case{u"L\"a\" u\"b\" U\"c\" u8\"d\" \"e\"", R"*(S:L["a"] S:u["b"] S:U["c"] S:u8["d"] S:["e"])*"},
        Case{u"\"\\\"\" \"\\\\\" \"\\x41\\101\"", R"*(S:["\""] S:["\\"] S:["\x41\101"])*"},
        Case{u"'\"' '\\'' L'\"' 'ab' u8'a' '' x", R"*(C:['"'] C:['\''] C:L['"'] C:['ab'] C:u8['a'] O:'' I:x)*"},
        Case{u"R\"x(a)\" b)x\" LR\"(q)\" u8R\"--()--\"", R"*(R:R["x(a)" b)x"] R:LR["(q)"] R:u8R["--()--"])*"},
        Case{u"R\"(a\\\n\"b)\"", "R:R[\"(a\\\n\"b)\"]"}, // a raw string keeps its splice
        Case{u"R\"a\"b(x)a\"b\"", R"*(R:R["a"b(x)a"b"])*"},       // any basic character but ( ) \ and blanks
        Case{u"R\"a b(x)a b\" ;", R"*(O:R"a b(x)a b" P:;)*"},     // a bad delimiter: up to the next quote
        Case{u"\"a\"_s \"a\"s \"a\"sv \"a\"min \"a\"x \"a\"svx 'c'_u 'c's 12_km",
             R"*(S:["a"]_s S:["a"]s S:["a"]sv S:["a"]min S:["a"] I:x S:["a"] I:svx C:['c']_u C:['c'] I:s N:12_km)*"},
        Case{u"\"a\"é \"a\"\u00a0 'c'ü", "S:[\"a\"]é S:[\"a\"] I:\u00a0 C:['c']ü"}, // a letter beyond ASCII
        Case{u"MACRO_L\"x\" u8x\"y\" LR x", R"*(I:MACRO_L S:["x"] I:u8x S:["y"] I:LR I:x)*"},
        Case{u"\"abc\nx '\n\"", "O:\"abc I:x O:' O:\""}), // unterminated: to the line's end
    [](const auto &info) { return caseName(info.param.text, info.index); });

INSTANTIATE_TEST_SUITE_P(
    NumbersCommentsSplices, LexerTokens,
    ::testing::Values(
        Case{u"1'000 0x1'F 1.5e+3 .5 0x1p-3 a.5", R"*(N:1'000 N:0x1'F N:1.5e+3 N:.5 N:0x1p-3 I:a N:.5)*"},
        Case{u"02$'L' 1p+2 0X1P-2 0x1e+2", R"*(N:02 I:$ C:['L'] N:1p P:+ N:2 N:0X1P-2 N:0x1e+2)*"},
        Case{u"1'a'\n1''\n1'é'", R"*(N:1'a O:' N:1 O:'' N:1 C:['é'])*"}, // a separator needs an ASCII letter or digit
        Case{u"// \"a\"\n/* 'b'\n */x/*/*/", R"*(/:// "a" /:/* 'b'
 */ I:x /:/*/*/)*"},
        Case{u"\"a\\\nb\" u\\\n8\"c\" ab\\ \nc // x\\\ny\nz",
             "S:[\"a\\\nb\"] S:u\\\n8[\"c\"] I:ab\\ \nc /:// x\\\ny I:z"},
        Case{u"\"a\"\\\n_s '\\\\\\\n' \"b\"s\\\nv", // suffixes and escapes across splices
             "S:[\"a\"]\\\n_s C:['\\\\\\\n'] S:[\"b\"]s\\\nv"}),
    [](const auto &info) { return caseName(info.param.text, info.index); });

INSTANTIATE_TEST_SUITE_P(
    PreprocessorLines, LexerTokens,
    ::testing::Values(
        Case{u"#include \"a.h\"\n# include <b.h> // c\n<c.h>",
             R"*(P@:# I@:include S@:["a.h"] P@:# I@:include H@:<b.h> /@:// c P:< I:c P:. I:h P:>)*"},
        Case{u"#define X \"a\" \\\n \"b\"\n\"c\"", R"*(P@:# I@:define I@:X S@:["a"] S@:["b"] S:["c"])*"},
        Case{u"#define Y /*\n*/ \"y\"\nx # \"z\"", R"*(P@:# I@:define I@:Y /@:/*
*/ S@:["y"] I:x P:# S:["z"])*"},
        Case{u"/* c */ #if 0\n  #error don't\n## \"x\"", R"*(/:/* c */ P@:# I@:if N@:0 P@:# I@:error I@:don O@:'t P:# P:# S:["x"])*"}),
    [](const auto &info) { return caseName(info.param.text, info.index); });

// The scanner's runs over a page, each placed by the code map and the next
// scan started where the place ends: kind, then the placed text.
QString placesOf(const QString &text)
{
    static const char *const kinds[] = {"Literal", "Group", "Comment", "Char", "Raw", "Directive", "Suffix", "Code"};
    struct Flat
    {
        void pump() {}
        bool stopRequested() const { return false; }
        void openQuote(int) {}
    } driver;
    const TextSource src(text);
    const CodeMap map(text);
    QStringList out;
    for (int from = 0;;) {
        const ScanResult r = scanCppLiteral(src, from, driver);
        if (r.outcome != ScanResult::Found)
            break;
        const RunPlace p = map.place(r.start, r.start + r.length);
        out += QLatin1String(kinds[int(p.kind)]) + u':' + text.mid(p.start, p.end - p.start);
        from = p.end;
    }
    return out.join(u' ');
}

class CodeMapPlaces : public ::testing::TestWithParam<Case> {};

TEST_P(CodeMapPlaces, RunsOfTheScanner)
{
    EXPECT_EQ(placesOf(QString::fromUtf16(GetParam().text)), QString::fromUtf8(GetParam().tokens));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CodeMapPlaces,
    ::testing::Values(
        Case{u"f(\"a\", \"b\");", R"*(Literal:"a" Literal:"b")*"},
        Case{u"s = \"a\" /* \" */ \"b\"\n  \"c\";", "Group:\"a\" /* \" */ \"b\"\n  \"c\""},
        Case{u"// \"a\" \nx = \"b\";", R"*(Comment:"a" Literal:"b")*"},
        Case{u"c = '\"'; s = \"b\";", R"*(Char:"' Literal:"b")*"},
        Case{u"r = R\"(a\"b)\"; s = \"c\";", R"*(Raw:"(a" Raw:" Literal:"c")*"},
        Case{u"#include \"a.h\"\n#define T \\\n \"t\" \"u\"\ns = \"v\";",
             R"*(Directive:"a.h" Directive:"t" Directive:"u" Literal:"v")*"},
        Case{u"s = \"a\"_s + \"b\"s;", R"*(Suffix:"a" Suffix:"b")*"},
        Case{u"s = \"a\\\"; x; \"b\";", R"*(Literal:"a\"; x; ")*"}, // an escaped quote
        Case{u"x = \"abc\n y = \"d\";", R"*(Code:"abc Literal:"d")*"},   // unterminated
        Case{u"if (c == '\"') s = \"x\"; // \"\n\"y\"", R"*(Char:"' Literal:"x" Comment:" Literal:"y")*"},
        Case{u"x = \"a\\\nb\" \"c\";", "Group:\"a\\\nb\" \"c\""},
        Case{u"#define A \"a\"\n\"b\"", R"*(Directive:"a" Literal:"b")*"}), // a directive's end parts groups
    [](const auto &info) { return caseName(info.param.text, info.index); });

// Adjacent literals joined without changing the value at the seams.
TEST(JoinLiterals, Seams)
{
    const struct
    {
        std::vector<QString> parts;
        const char *joined;
    } cases[] = {
        {{R"("\x41")", R"("B")"}, R"("\x41\102")"},       // a hex escape would eat B
        {{R"("\x41g")", R"("B")"}, R"("\x41gB")"},        // already ended
        {{R"("\1")", R"("2")"}, R"("\1\062")"},           // an octal escape of one digit goes on
        {{R"("\12")", R"("3")"}, R"("\12\063")"},
        {{R"("\12")", R"("8")"}, R"("\128")"},            // 8 is no octal digit
        {{R"("\101")", R"("2")"}, R"("\1012")"},          // three digits end an octal escape
        {{R"("\x4")", R"("")", R"("1")"}, R"("\x4\061")"}, // an empty literal between
        {{R"("\\")", R"("1")"}, R"("\\1")"},              // an escaped backslash is no escape
        {{R"("a")", R"("b")"}, R"("ab")"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(joinLiterals(c.parts), QString::fromUtf8(c.joined)) << c.joined;

    const QString page = QStringLiteral(R"(s = "\x41" /* c */ "B" "\1" "2";)");
    const CodeMap map(page);
    const RunPlace p = map.place(4, 10);
    ASSERT_EQ(p.kind, RunKind::Group);
    EXPECT_EQ(map.value(*p.group), QStringLiteral(R"("\x41\102\1\062")"));
}

// Inputs that would make a careless lexer go back over the text: the time
// grows with the length, not its square (8 times the text, well under 64
// times the time). Thread CPU time, the best of five, so that a loaded
// machine does not count.
qint64 cpuNanoseconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

TEST(LexerTime, LinearOnPathologicalInput)
{
    const char16_t *const units[] = {u"R\"0123456789abcdef()0123456789abcde", u"\"\\\\\\\n", u"/*/ ",
                                     u"'a'' ", u"\\ \n", u"1'1'1'", u"#include <a\n", u"R\"R\"u8R\"(", u"u8"};
    for (const char16_t *unit : units) {
        const QString small = QString::fromUtf16(unit).repeated(2000), large = QString::fromUtf16(unit).repeated(16000);
        const auto timeOf = [](const QString &text) {
            const qint64 start = cpuNanoseconds();
            Cpp::Lexer lexer(text);
            Cpp::Token t;
            while (lexer.next(t)) {
            }
            return cpuNanoseconds() - start;
        };
        qint64 bestSmall = -1, bestLarge = -1;
        for (int run = 0; run < 5; ++run) {
            const qint64 s = timeOf(small), l = timeOf(large);
            bestSmall = bestSmall < 0 ? s : std::min(bestSmall, s);
            bestLarge = bestLarge < 0 ? l : std::min(bestLarge, l);
        }
        EXPECT_LT(bestLarge, 32 * bestSmall + 2'000'000) << QString::fromUtf16(unit).toStdString();
    }
}
} // namespace
