// The lexer's string literals and CodeMap's groups of adjacent literals
// against libclang's tokens, over the real units and generated texts.
#include "tests/scan/LexerFuzzCheck.h"
#include "tests/support/QtPrint.h"
#include "platform/core/TextFile.h"
#include "tests/support/TestSeed.h"

#include <QDirIterator>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <random>

#ifndef VTQX_HAVE_LIBCLANG
TEST(LexerAgainstClang, RealUnits)
{
    GTEST_SKIP() << "built without libclang (libclang-14-dev): the differential test did not run";
}

TEST(LexerAgainstClang, GeneratedTexts)
{
    GTEST_SKIP() << "built without libclang (libclang-14-dev): the differential test did not run";
}
#else
namespace {
// Random mixes of the things a C++ page holds around its string literals.
// Kept to what a compiler reads without error recovery: raw delimiters are
// valid (clang's recovery from a bad one is its own), raw strings hold no
// inserted splices (clang reverts them there), no "%:" digraphs.
class TextGenerator
{
public:
    explicit TextGenerator(unsigned seed) : m_rng(seed) {}

    QString text()
    {
        QString out;
        const int pieces = 4 + pick(40);
        for (int i = 0; i < pieces; ++i) {
            out += piece();
            out += any({u" ", u" ", u"", u"", u"\n", u"\t", u" /* \" ' */ ", u"\\\n", u"\r\n", u"//\"\n"});
        }
        return out;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    QString any(std::initializer_list<const char16_t *> list) { return QString::fromUtf16(list.begin()[pick(int(list.size()))]); }

    QString spliced(QString s)
    {
        // Not right before a letter beyond ASCII: clang does not look
        // through the splice for it in an identifier or a suffix.
        const int at = pick(int(s.size()) + 1);
        if (!s.isEmpty() && pick(6) == 0 && (at == s.size() || s[at].unicode() < 0x80))
            s.insert(at, QStringLiteral("\\\n"));
        return s;
    }

    QString stringLiteral()
    {
        QString s = any({u"", u"", u"", u"L", u"u", u"U", u"u8"}) + u'"';
        for (int i = pick(5); i > 0; --i)
            s += any({u"a", u"B c", u"\\\"", u"\\\\", u"\\x41", u"\\101", u"'", u"\\n", u"é", u"%d", u"/*", u"//"});
        return s + u'"' + any({u"", u"", u"", u"_s", u"s", u"sv", u"_km"});
    }

    QString rawString()
    {
        const QString delim = pick(2) ? QString() : any({u"x", u"_0", u"+*", u"\"", u"'a", u"#<>", u"0123456789abcdef"});
        QString s = any({u"R", u"LR", u"uR", u"UR", u"u8R"}) + u'"' + delim + u'(';
        for (int i = pick(5); i > 0; --i)
            s += any({u"a", u"\"", u")", u")x", u"\\", u"\n", u"//", u"/*", u"\"b\"", u"\\\n", u")\""});
        return s + u')' + delim + u'"' + any({u"", u"", u"_r"});
    }

    QString piece()
    {
        switch (pick(12)) {
        case 0:
        case 1:
        case 2:
            return spliced(stringLiteral());
        case 3:
            return rawString();
        case 4:
            return spliced(any({u"'a'", u"'\"'", u"'\\''", u"L'\"'", u"'ab'", u"u8'a'", u"U'\\\\'", u"'\\x41'",
                                u"u'\"'", u"'\"'_c"}));
        case 5:
            return spliced(any({u"// a \" b", u"// it's", u"/* \" */", u"/* it's \n \" */", u"//\\\n\"x\""})) + u'\n';
        case 6:
            return spliced(any({u"1'000", u"0x1'F", u"12_km", u"1.5e+3", u".5", u"0'1'2", u"1u", u"0b1'0", u"1'a'"}));
        case 7:
            return spliced(any({u"MACRO_L\"x\"", u"u8x\"y\"", u"Lx'a'", u"uu\"z\"", u"R", u"LR", u"u8", u"_T(\"t\")"}));
        case 8:
            return any({u";", u"(", u")", u",", u"+", u"<", u">", u"{", u"}", u"=", u"#", u"x", u"L", u"s", u"extern"});
        case 9:
            return u'\n' +
                   spliced(any({u"#include \"a.h\"", u"#include <a.h>", u"# define X \"a\" \\\n \"b\"",
                                u"#define Y(a) L\"y\" #a", u"#pragma message(\"hi\")", u"#if 0", u"#endif",
                                u"#error \"no\"", u"  #  include \"b.h\" // c", u"#define Z /* \n */ \"z\"",
                                u"#define W 'w'"})) +
                   u'\n';
        default:
            return stringLiteral() + any({u" ", u"\n", u"", u" /* c */ ", u"// c\n"}) + stringLiteral();
        }
    }

    std::mt19937 m_rng;
};
} // namespace

TEST(LexerAgainstClang, RealUnits)
{
    const QString folder = QStringLiteral(VTQX_SHARED_DIR "/units");
    if (!QFileInfo(folder).isDir())
        GTEST_SKIP() << "no shared units";
    int files = 0;
    QDirIterator it(folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString text = TextFile::load(path).text;
        ++files;
        EXPECT_EQ(checkLexerInvariants(text), QString()) << path.toStdString();
        EXPECT_EQ(compareWithClang(text), QString()) << path.toStdString();
    }
    EXPECT_GT(files, 0);
}

TEST(LexerAgainstClang, GeneratedTexts)
{
    // Seeds 1 to 1000, or VTQX_SEED alone.
    const unsigned first = testSeed(1), last = qEnvironmentVariableIsSet("VTQX_SEED") ? first : 1000;
    for (unsigned seed = first; seed <= last; ++seed) {
        VTQX_SEED_TRACE(seed);
        const QString text = TextGenerator(seed).text();
        const QString invariants = checkLexerInvariants(text);
        ASSERT_EQ(invariants, QString()) << text.toStdString();
        const QString diff = compareWithClang(text);
        ASSERT_EQ(diff, QString()) << text.toStdString();
    }
}
#endif
