// Reading the extraction list as translators see it: literals decoded, names
// and identifiers as Create RC-File reads them, languages mapped.
#include "translate/SourceTexts.h"
#include "translate/WindowsLanguage.h"

#include <gtest/gtest.h>

namespace {
struct LiteralCase
{
    const char16_t *written;
    std::optional<std::u16string> shown;
};

const LiteralCase kLiterals[] = {
    {u"\"Hello\"", u"Hello"},
    {u"  \"padded\"  ", u"padded"},
    {u"\"\"", u""},
    {u"\"Say \\\"yes\\\"\"", u"Say \"yes\""},
    {u"\"C:\\\\dir\\\\\"", u"C:\\dir\\"},
    {u"\"a\\tb\\nc\\r\\a\\v\\f\\b\"", u"a\tb\nc\r\a\v\f\b"},
    {u"\"it\\'s \\?\"", u"it's ?"},
    // Bytes of narrow literals are Windows-1252; octal stops after 3 digits.
    {u"\"\\xE4\\366\\2011\"", u"äö\u00811"},
    {u"\"\\x80\"", u"€"},
    {u"L\"\\x20AC\\u00e4\"", u"€ä"},
    {u"\"\\U0001F600\"", u"\U0001F600"},
    {u"\"Größe Ж\"", u"Größe Ж"},
    {u"\"two \" \"parts\"", u"two parts"},
    {u"u8\"a\" L\"b\" u\"c\" U\"d\"", u"abcd"},
    {u"Hello", std::nullopt},
    {u"\"open", std::nullopt},
    {u"\"';\r\n  f(x);\r\n\"", std::nullopt},
    {u"\"one\"\r\n  \"two\"", u"onetwo"},
    {u"\"a\" b", std::nullopt},
    {u"\"nul\\0\"", std::nullopt},
    {u"\"bad \\x\"", std::nullopt},
    {u"\"\\u12\"", std::nullopt},
    {u"", std::nullopt},
};

TEST(SourceTexts, CppLiteralsAreDecodedAsTheProgramShowsThem)
{
    for (const LiteralCase &c : kLiterals) {
        const QString written = QString::fromStdU16String(c.written);
        SCOPED_TRACE(written.toStdString());
        const std::optional<QString> shown = SourceTexts::decodeCppLiteral(written);
        ASSERT_EQ(shown.has_value(), c.shown.has_value());
        if (shown) {
            EXPECT_EQ(*shown, QString::fromStdU16String(*c.shown));
        }
    }
}

TEST(SourceTexts, ModeOfAList)
{
    const struct
    {
        const char *list;
        StringMode mode;
    } cases[] = {
        {"String1, \"a = b\"\r\nString2, \"x\"\r\n", StringMode::Function},
        {"String1 = \"a, b\"\r\n", StringMode::Global},
        {"String1, \"a\"\r\nString2 = \"b\"\r\n", StringMode::Global},
        {"hand typed\r\n", StringMode::Global},
        {"", StringMode::Global},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SourceTexts::likelyMode(QString::fromUtf8(c.list)), c.mode) << c.list;
}

TEST(SourceTexts, EntriesAreNamedAndNumberedAsCreateRCFileReadsThem)
{
    using SourceTexts::Text;
    const QList<Text> function = SourceTexts::valueTexts(
        QStringLiteral("String5, \"a, b\"\r\nString12, \"x\\ty\"\r\nno quote\r\n"), StringMode::Function);
    ASSERT_EQ(function.size(), 3);
    EXPECT_EQ(function[0].context, QStringLiteral("String5"));
    EXPECT_EQ(function[0].identifier, QStringLiteral("105"));
    EXPECT_EQ(*function[0].text, QStringLiteral("a, b"));
    EXPECT_EQ(function[1].written, QStringLiteral("\"x\\ty\""));
    EXPECT_EQ(*function[1].text, QStringLiteral("x\ty"));
    EXPECT_FALSE(function[2].text.has_value());

    const QList<Text> global =
        SourceTexts::valueTexts(QStringLiteral("String7 = \"a=b\"\r\nString8\r\n"), StringMode::Global);
    ASSERT_EQ(global.size(), 2);
    EXPECT_EQ(global[0].context, QStringLiteral("String7"));
    EXPECT_EQ(global[0].identifier, QStringLiteral("107"));
    EXPECT_EQ(*global[0].text, QStringLiteral("a=b"));
    EXPECT_EQ(global[1].identifier, QStringLiteral("108"));
    EXPECT_FALSE(global[1].text.has_value());

    const QList<Text> properties = SourceTexts::propertyTexts(
        QStringLiteral("Form1->Label1->Caption = \"It''s 5 = 5\";\r\nstray line\r\nForm1->Caption = \"\";\r\n"));
    ASSERT_EQ(properties.size(), 2);
    EXPECT_EQ(properties[0].kind, Text::Kind::Property);
    EXPECT_EQ(properties[0].context, QStringLiteral("Form1->Label1->Caption"));
    EXPECT_EQ(*properties[0].text, QStringLiteral("It's 5 = 5"));
    EXPECT_EQ(*properties[1].text, QString());
}

TEST(WindowsLanguageTable, PoLanguagesMapToWindowsIdentifiers)
{
    const struct
    {
        const char *po;
        std::optional<WindowsLanguage> windows;
    } cases[] = {
        {"de", WindowsLanguage{0x07, 0x00}},
        {"de_DE", WindowsLanguage{0x07, 0x01}},
        {"de_AT", WindowsLanguage{0x07, 0x03}},
        {"de-CH", WindowsLanguage{0x07, 0x02}},
        {"pt_BR.UTF-8", WindowsLanguage{0x16, 0x01}},
        {"en_gb", WindowsLanguage{0x09, 0x02}},
        {"zh_TW", WindowsLanguage{0x04, 0x01}},
        {"ru", WindowsLanguage{0x19, 0x00}},
        {"sr", WindowsLanguage{0x1a, 0x1f}},
        {"sr@latin", WindowsLanguage{0x1a, 0x1c}},
        {"sr_RS@latin", WindowsLanguage{0x1a, 0x09}},
        {"hr", WindowsLanguage{0x1a, 0x00}},
        {"nb_NO", WindowsLanguage{0x14, 0x01}},
        {"xx", std::nullopt},
        {"de_XX", std::nullopt},
        {"de@euro", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(windowsLanguage(QString::fromLatin1(c.po)), c.windows) << c.po;
    EXPECT_EQ(languageStatement({0x07, 0x03}), QStringLiteral("LANGUAGE 0x07, 0x03"));
    EXPECT_EQ(languageStatement({0x1a, 0x1f}), QStringLiteral("LANGUAGE 0x1a, 0x1f"));
}
} // namespace
