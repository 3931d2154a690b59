#include "platform/core/Exception.h"
#include "extract/ExtractionList.h"
#include "generate/Generators.h"
#include "tests/support/QtPrint.h"
#include "tests/support/CaseName.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
// Expected output written as a raw block: one line per text line, the first
// line break after R"( and the last one before )" not counted.
QStringList block(const char *raw)
{
    QString text = QString::fromUtf8(raw);
    if (text.startsWith(u'\n'))
        text.remove(0, 1);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

GeneratorInput input(const QString &list, StringMode mode, SourcePage page = SourcePage::Cpp,
                     Language lang = Language::English, const QString &className = QStringLiteral("TForm1"))
{
    GeneratorInput in;
    in.list = list;
    in.mode = mode;
    in.page = page;
    in.className = className;
    in.language = lang;
    return in;
}

const QString kFunctionList = QStringLiteral("String1, \"Hello\"\r\nString2, \"Save file?\"\r\n");
const QString kValueList = QStringLiteral("String1 = \"Hello\"\r\nString2 = \"Save file?\"\r\n");
const QString kDfmList =
    QStringLiteral("Form1->Label1->Caption = \"Hello\";\r\nForm1->Button1->Caption = \"Save file?\";\r\n");

// --- Without a resource file -------------------------------------------------

TEST(CodeWithoutResourceFile, FunctionMode)
{
    EXPECT_EQ(*codeWithoutResourceFile(input(kFunctionList, StringMode::Function)), block(R"(
String __fastcall TForm1::LoadTextRC(int index)
{
 switch(index)
 {
   case 1 : return ("Hello");
   case 2 : return ("Save file?");
 }//switch
}


//Declaration for Form Functions
//Must be copied to Header File

  String __fastcall LoadTextRC(int index);
)"));
}

TEST(CodeWithoutResourceFile, FormStrings)
{
    EXPECT_EQ(*codeWithoutResourceFile(input(kValueList, StringMode::Form)), block(R"(
void __fastcall TForm1::FormCreate(TObject *Sender)
{
   String1 = "Hello";
   String2 = "Save file?";
}


//Declaration for Form Strings
//Must be copied to Header File

 String String1 = "";
 String String2 = "";
)"));
}

TEST(CodeWithoutResourceFile, GlobalStrings)
{
    EXPECT_EQ(*codeWithoutResourceFile(input(kValueList, StringMode::Global)), block(R"(
void __fastcall TForm1::FormCreate(TObject *Sender)
{
   String1 = "Hello";
   String2 = "Save file?";
}


//Declaration for Global Strings
//Must be copied to start of the C++ File

 String String1 = "";
 String String2 = "";
)"));
}

TEST(CodeWithoutResourceFile, DfmPageWhateverTheMode)
{
    const QStringList expected = block(R"(
void __fastcall TForm1::FormCreate(TObject *Sender)
{
   Form1->Label1->Caption = "Hello";;
   Form1->Button1->Caption = "Save file?";;
}


//Declaration for Form Functions
//Must be copied to Header File

        void __fastcall FormCreate(TObject *Sender);
)");
    for (StringMode mode : {StringMode::Global, StringMode::Form, StringMode::Function})
        EXPECT_EQ(*codeWithoutResourceFile(input(kDfmList, mode, SourcePage::Dfm)), expected);
}

TEST(CodeWithoutResourceFile, EmptyDfmList)
{
    EXPECT_EQ(*codeWithoutResourceFile(input(QString(), StringMode::Global, SourcePage::Dfm)), block(R"(
void __fastcall TForm1::FormCreate(TObject *Sender)
{
}


//Declaration for Form Functions
//Must be copied to Header File

        void __fastcall FormCreate(TObject *Sender);
)"));
}

TEST(CodeWithoutResourceFile, EmptyListsOnTheCppPage)
{
    EXPECT_EQ(*codeWithoutResourceFile(input(QString(), StringMode::Function)), block(R"(
String __fastcall TForm1::LoadTextRC(int index)
{
 switch(index)
 {
 }//switch
}


//Declaration for Form Functions
//Must be copied to Header File

  String __fastcall LoadTextRC(int index);
)"));
    EXPECT_EQ(*codeWithoutResourceFile(input(QString(), StringMode::Global)), block(R"(
void __fastcall TForm1::FormCreate(TObject *Sender)
{
}


//Declaration for Global Strings
//Must be copied to start of the C++ File

)"));
}

TEST(CodeWithoutResourceFile, HandEditedAndConvertedLines)
{
    // An escaped quote: the literal runs from the first quote to the line's end.
    QStringList out = *codeWithoutResourceFile(input(QStringLiteral("String3, \"a \\\"b\\\"\""), StringMode::Function));
    EXPECT_EQ(out.at(4), QStringLiteral("   case 3 : return (\"a \\\"b\\\"\");"));
    // Made under another mode.
    out = *codeWithoutResourceFile(input(QStringLiteral("String4 = \"x\""), StringMode::Function));
    EXPECT_EQ(out.at(4), QStringLiteral("   case 4 : return (\"x\");"));
    out = *codeWithoutResourceFile(input(QStringLiteral("String4, \"x\""), StringMode::Global));
    EXPECT_EQ(out.at(2), QStringLiteral("   String4, \"x\";"));
    EXPECT_EQ(out.last(), QStringLiteral(" String String4, \"x\" = \"\";"));
    // No double quote at all: all digits, the whole line is the literal.
    out = *codeWithoutResourceFile(input(QStringLiteral("String12 Hello"), StringMode::Function));
    EXPECT_EQ(out.at(4), QStringLiteral("   case 12 : return (String12 Hello);"));
}

TEST(CodeWithoutResourceFile, EmptyClassNameAndHeaderPage)
{
    EXPECT_EQ(codeWithoutResourceFile(input(kValueList, StringMode::Form, SourcePage::Cpp, Language::English,
                                            QString()))
                  ->first(),
              QStringLiteral("void __fastcall ::FormCreate(TObject *Sender)"));
    for (StringMode mode : {StringMode::Global, StringMode::Form, StringMode::Function})
        EXPECT_FALSE(codeWithoutResourceFile(input(kValueList, mode, SourcePage::Header)));
}

// --- For a resource file ---------------------------------------------------------

TEST(CodeForResourceFile, FunctionMode)
{
    // The two case lines end with one blank.
    EXPECT_EQ(*codeForResourceFile(input(kFunctionList, StringMode::Function)), block(R"(
String __fastcall TForm1::LoadTextRC(int index)
{
 String TMP = "";
 char buff[255];
 switch(index)
 {
  case 1: 
         LoadString(HInstance, 101, buff, sizeof(buff));
         TMP = buff;
         return TMP;
  case 2: 
         LoadString(HInstance, 102, buff, sizeof(buff));
         TMP = buff;
         return TMP;
 }//switch
}


//Declaration for Form Functions
//Must be copied to Header File

  String __fastcall LoadTextRC(int index);
)"));
}

TEST(CodeForResourceFile, GlobalAndFormStrings)
{
    const char *global = R"(
void __fastcall TForm1::FormCreate(TObject *Sender)
{
 String TMP = "";
 char buff[255];
   LoadString(HInstance, 101, buff, sizeof(buff));
   String1 = buff;
   LoadString(HInstance, 102, buff, sizeof(buff));
   String2 = buff;
}


//Declaration for Global Strings
//Must be copied to start of the C++ File

 String String1 = "";
 String String2 = "";
)";
    EXPECT_EQ(*codeForResourceFile(input(kValueList, StringMode::Global)), block(global));
    QStringList form = block(global);
    form[11] = QStringLiteral("//Declaration for Form Strings");
    form[12] = QStringLiteral("//Must be copied to Header File");
    EXPECT_EQ(*codeForResourceFile(input(kValueList, StringMode::Form)), form);
}

TEST(CodeForResourceFile, EmptyLists)
{
    EXPECT_EQ(*codeForResourceFile(input(QString(), StringMode::Function)), block(R"(
String __fastcall TForm1::LoadTextRC(int index)
{
 String TMP = "";
 char buff[255];
 switch(index)
 {
 }//switch
}


//Declaration for Form Functions
//Must be copied to Header File

  String __fastcall LoadTextRC(int index);
)"));
    EXPECT_EQ(*codeForResourceFile(input(QString(), StringMode::Global)), block(R"(
void __fastcall TForm1::FormCreate(TObject *Sender)
{
 String TMP = "";
 char buff[255];
}


//Declaration for Global Strings
//Must be copied to start of the C++ File

)"));
}

TEST(CodeForResourceFile, LineWithoutEqualsAndEmptyClassName)
{
    const QStringList out = *codeForResourceFile(
        input(QStringLiteral("Hello"), StringMode::Global, SourcePage::Cpp, Language::English, QString()));
    EXPECT_EQ(out.at(0), QStringLiteral("void __fastcall ::FormCreate(TObject *Sender)"));
    EXPECT_EQ(out.at(4), QStringLiteral("   LoadString(HInstance, 100, buff, sizeof(buff));"));
    EXPECT_EQ(out.at(5), QStringLiteral("   Hello = buff;"));
    EXPECT_EQ(out.last(), QStringLiteral(" String Hello = \"\";"));
    EXPECT_EQ(codeForResourceFile(input(QString(), StringMode::Function, SourcePage::Cpp, Language::English,
                                        QString()))
                  ->first(),
              QStringLiteral("String __fastcall ::LoadTextRC(int index)"));
}

TEST(CodeForResourceFile, OnlyOnTheCppPage)
{
    EXPECT_FALSE(codeForResourceFile(input(kFunctionList, StringMode::Function, SourcePage::Header)));
    EXPECT_FALSE(codeForResourceFile(input(kFunctionList, StringMode::Function, SourcePage::Dfm)));
}

// --- Resource script ---------------------------------------------------------------

TEST(ResourceScript, FunctionAndValueModes)
{
    EXPECT_EQ(*resourceScript(input(kFunctionList, StringMode::Function)), block(R"(
STRINGTABLE
{
  101, "Hello"
  102, "Save file?"
}
)"));
    const QStringList value = block(R"(
STRINGTABLE
{
   101, "Hello"
   102, "Save file?"
}
)");
    EXPECT_EQ(*resourceScript(input(kValueList, StringMode::Global)), value);
    EXPECT_EQ(*resourceScript(input(kValueList, StringMode::Form)), value);
}

struct ScriptLine
{
    StringMode mode;
    const char16_t *line;
    const char16_t *expected;
};

class ResourceScriptLine : public ::testing::TestWithParam<ScriptLine> {};

TEST_P(ResourceScriptLine, IsTakenApartByTheModesRule)
{
    const QStringList out = *resourceScript(input(QString::fromUtf16(GetParam().line), GetParam().mode));
    ASSERT_EQ(out.size(), 4);
    EXPECT_EQ(out.at(2), QString::fromUtf16(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ResourceScriptLine,
    ::testing::Values(ScriptLine{StringMode::Function, u"String3, \"a, b\"  ", u"  103, \"a, b\"  "},
                      ScriptLine{StringMode::Function, u"String4 = \"x\"", u"  104, \"x\""},
                      ScriptLine{StringMode::Function, u"Hello, \"x\"", u"  100, \"x\""},
                      ScriptLine{StringMode::Function, u"String12 x", u"  112, String12 x"},
                      ScriptLine{StringMode::Global, u"String4, \"x\"", u"   104, "},
                      ScriptLine{StringMode::Global, u"String4, \"x9\"", u"   149, "},
                      ScriptLine{StringMode::Global, u"Hello", u"   100, "},
                      ScriptLine{StringMode::Global, u"String7", u"   107, "},
                      ScriptLine{StringMode::Form, u" String6 = \"a=b\" ", u"   106, \"a=b\""},
                      // A quote is doubled; an escaped backslash before the closing quote is no escaped quote.
                      ScriptLine{StringMode::Function, u"String5, \"say \\\"hi\\\" \\\\\" L\"\\\"\"",
                                 u"  105, \"say \"\"hi\"\" \\\\\" L\"\"\"\""},
                      ScriptLine{StringMode::Global, u"String8 = \"\\\\\\\"\\n\"", u"   108, \"\\\\\"\"\\n\""}),
    [](const auto &info) { return caseName(info.param.line, info.index); });

TEST(ResourceScript, EmptyListBlankLinesAndOtherPages)
{
    EXPECT_EQ(*resourceScript(input(QString(), StringMode::Function)), block("STRINGTABLE\n{\n}"));
    // A blank line in the middle is a line; the final line break starts none.
    EXPECT_EQ(*resourceScript(input(QStringLiteral("String1 = \"a\"\r\n\r\nString2 = \"b\"\r\n"), StringMode::Global)),
              block("STRINGTABLE\n{\n   101, \"a\"\n   100, \n   102, \"b\"\n}"));
    EXPECT_FALSE(resourceScript(input(kValueList, StringMode::Global, SourcePage::Header)));
    EXPECT_FALSE(resourceScript(input(kValueList, StringMode::Global, SourcePage::Dfm)));
}

// The loading code asks for exactly the identifiers the script holds.
TEST(Generators, IdentifiersAgreeLineByLineInEveryMode)
{
    const QString list = QStringLiteral("String1, \"a\"\r\nString12 = \"b\"\r\nHello\r\nString-4, \"c 7\"\r\n");
    const QRegularExpression id(QStringLiteral("^\\s+(-?\\d+), "));
    const QRegularExpression load(QStringLiteral("LoadString\\(HInstance, (-?\\d+),"));
    for (StringMode mode : {StringMode::Global, StringMode::Form, StringMode::Function}) {
        QStringList fromScript, fromCode;
        const QStringList script = *resourceScript(input(list, mode));
        const QStringList code = *codeForResourceFile(input(list, mode));
        for (const QString &l : script)
            if (const auto m = id.match(l); m.hasMatch())
                fromScript << m.captured(1);
        for (const QString &l : code)
            if (const auto m = load.match(l); m.hasMatch())
                fromCode << m.captured(1);
        EXPECT_EQ(fromScript.size(), 4);
        EXPECT_EQ(fromScript, fromCode) << int(mode);
    }
}

TEST(Generators, GermanPlacementNotes)
{
    const QStringList function =
        *codeWithoutResourceFile(input(kFunctionList, StringMode::Function, SourcePage::Cpp, Language::German));
    EXPECT_EQ(function.at(10), QStringLiteral("//Deklarierung für Form Funktion"));
    EXPECT_EQ(function.at(11), QStringLiteral("//Muß in Header Datei eingefügt werden"));
    const QStringList global =
        *codeForResourceFile(input(kValueList, StringMode::Global, SourcePage::Cpp, Language::German));
    EXPECT_EQ(global.at(11), QStringLiteral("//Deklarierung für Globale Strings"));
    EXPECT_EQ(global.at(12), QStringLiteral("//Muß in C++ Datei eingefügt werden"));
    const QStringList form =
        *codeWithoutResourceFile(input(kValueList, StringMode::Form, SourcePage::Cpp, Language::German));
    EXPECT_EQ(form.at(7), QStringLiteral("//Deklarierung für Form Strings"));
}

// A digit run beyond 32 bits stops every generator that converts it.
TEST(Generators, OverflowRaises)
{
    const QString function = QStringLiteral("String1, \"a\"\r\nString99999999999, \"b\"\r\n");
    const QString value = QStringLiteral("String1 = \"a\"\r\nString99999999999 = \"b\"\r\n");
    EXPECT_THROW(codeWithoutResourceFile(input(function, StringMode::Function)), Exception);
    EXPECT_THROW(codeForResourceFile(input(function, StringMode::Function)), Exception);
    EXPECT_THROW(codeForResourceFile(input(value, StringMode::Global)), Exception);
    EXPECT_THROW(resourceScript(input(function, StringMode::Function)), Exception);
    EXPECT_THROW(resourceScript(input(value, StringMode::Form)), Exception);
    // Digits inside the literal never count.
    EXPECT_NO_THROW(resourceScript(input(QStringLiteral("String1, \"99999999999\""), StringMode::Function)));
    // Copying lines converts nothing.
    EXPECT_NO_THROW(codeWithoutResourceFile(input(value, StringMode::Global)));
}
} // namespace
