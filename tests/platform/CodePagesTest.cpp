// Units in the Windows code pages: every character each page holds comes
// back byte for byte, bytes that would not are found with their place, and
// the encoding is chosen, detected or guessed in the documented order.
#include "platform/core/CodePages.h"
#include "platform/core/Exception.h"
#include "tests/support/CodePageTexts.h"

#include <gtest/gtest.h>

namespace {
QByteArray in(TextEncoding e, const QString &text)
{
    QStringEncoder enc(CodePages::converterName(e));
    return enc.encode(text);
}
} // namespace

TEST(CodePages, EveryCharacterOfEveryPageComesBackAndNoTrailByteIsABackslash)
{
    for (const TextEncoding e : convertedCodePages()) {
        SCOPED_TRACE(CodePages::displayName(e).toStdString());
        const QByteArray bytes = codePageBytes(e);
        const LoadedText loaded = TextFile::decode(bytes, e);
        EXPECT_EQ(loaded.encoding, e);
        EXPECT_EQ(loaded.notKept, RowCol{});
        EXPECT_EQ(TextFile::encode(loaded.text, e), bytes);
        // The single bytes 0x5C and 0x7C are the only backslash and bar,
        // however many trail bytes have those values.
        EXPECT_EQ(loaded.text.count(u'\\'), 1);
        EXPECT_EQ(loaded.text.count(u'|'), 1);
        // (949's trail bytes leave out 0x5B to 0x60 and 0x7B to 0x80.)
        if (isDoubleByte(e) && e != TextEncoding::Cp949) {
            EXPECT_GT(bytes.count('\\'), 10);
        }
    }
}

TEST(CodePages, BytesThatWouldNotComeBackAreFoundWithTheirPlace)
{
    const struct
    {
        const char *name;
        TextEncoding encoding;
        QByteArray bytes;
        RowCol place;
    } cases[] = {
        // IBM's row of 932 decodes to the characters NEC's row holds; those
        // are written back in NEC's row.
        {"932, a character of two rows", TextEncoding::Cp932, "ab\r\n\xB1\x95\x5C\xFA\x4A", {2, 3}},
        {"932, a lead byte before a line break", TextEncoding::Cp932, "x\x81\r\n", {1, 2}},
        {"936, a lead byte at the end", TextEncoding::Cp936, "ab\x81", {1, 3}},
        {"1253, a byte the page leaves undefined", TextEncoding::Cp1253, "\r\n\r\nabc\xD2", {3, 4}},
        {"UTF-8 chosen, invalid bytes", TextEncoding::Utf8, "a\r\nb\xFF", {2, 2}},
        {"UTF-16 chosen for a file without mark", TextEncoding::Utf16LeBom, QByteArray("a\0", 2), {1, 1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TextFile::decode(c.bytes, c.encoding).notKept, c.place);
    }
}

TEST(CodePages, AMarkWinsThenTheChoiceThenValidUtf8ThenTheUnitsCodePage)
{
    const QString russian = QStringLiteral("Привет");
    const struct
    {
        const char *name;
        QByteArray bytes;
        std::optional<TextEncoding> chosen;
        TextEncoding eightBit, expected;
    } cases[] = {
        {"UTF-8 mark over a choice", "\xEF\xBB\xBF" + russian.toUtf8(), TextEncoding::Cp1251, TextEncoding::Cp1252,
         TextEncoding::Utf8Bom},
        {"UTF-16 mark over a choice", QByteArray("\xFF\xFEx\0", 4), TextEncoding::Cp932, TextEncoding::Cp1252,
         TextEncoding::Utf16LeBom},
        {"a choice over valid UTF-8", russian.toUtf8(), TextEncoding::Cp1251, TextEncoding::Cp1252, TextEncoding::Cp1251},
        {"valid UTF-8 over the unit's page", russian.toUtf8(), std::nullopt, TextEncoding::Cp1251, TextEncoding::Utf8},
        {"the unit's page", in(TextEncoding::Cp1251, russian), std::nullopt, TextEncoding::Cp1251, TextEncoding::Cp1251},
        {"Windows-1252 without anything else", in(TextEncoding::Cp1251, russian), std::nullopt, TextEncoding::Cp1252,
         TextEncoding::Cp1252},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TextFile::decode(c.bytes, c.chosen, c.eightBit).encoding, c.expected);
    }
}

TEST(CodePages, SavingRefusesWhatThePageCannotHoldNamingCharacterPlaceAndPage)
{
    const struct
    {
        TextEncoding encoding;
        QString text;
        const char *expected;
    } cases[] = {
        {TextEncoding::Cp1251, QStringLiteral("Привет\n мир 中"), "U+4E2D at line 2, column 6 cannot be saved in the file's encoding (Windows-1251)"},
        {TextEncoding::Cp1251, QStringLiteral("é"), "U+00E9 at line 1, column 1"},
        {TextEncoding::Cp932, QStringLiteral("表€"), "U+20AC at line 1, column 2 cannot be saved in the file's encoding (Shift-JIS (932))"},
        {TextEncoding::Cp949, QStringLiteral("가\U0001F600"), "U+D83D at line 1, column 2"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected);
        try {
            TextFile::encode(c.text, c.encoding);
            ADD_FAILURE() << "saved";
        } catch (const Exception &e) {
            EXPECT_TRUE(e.Message().contains(QLatin1String(c.expected))) << e.Message().toStdString();
        }
        EXPECT_GE(TextFile::firstUnfit(c.text, c.encoding), 0);
    }
}

TEST(CodePages, NamesPeopleAndDetectorsGive)
{
    const std::pair<const char *, std::optional<TextEncoding>> cases[] = {
        {"Shift_JIS", TextEncoding::Cp932}, {"sjis", TextEncoding::Cp932},     {"windows-1251", TextEncoding::Cp1251},
        {"1250", TextEncoding::Cp1250},     {"CP949", TextEncoding::Cp949},    {"UHC", TextEncoding::Cp949},
        {"big5", TextEncoding::Cp950},      {"GBK", TextEncoding::Cp936},      {"gb18030", TextEncoding::Cp936},
        {"utf8", TextEncoding::Utf8},       {"UTF-16", TextEncoding::Utf16LeBom}, {"cp1252", TextEncoding::Cp1252},
        {"koi8-r", std::nullopt},           {"", std::nullopt},                {"12510", std::nullopt},
    };
    for (const auto &[name, expected] : cases)
        EXPECT_EQ(CodePages::named(QLatin1String(name)), expected) << name;
    for (const TextEncoding e : CodePages::all())
        EXPECT_EQ(CodePages::named(CodePages::key(e)), e) << CodePages::key(e).toStdString();
}

TEST(CodePages, GuessesThePageOfTextInItsLanguage)
{
    const struct
    {
        TextEncoding encoding;
        QString text;
    } cases[] = {
        {TextEncoding::Cp1251, QStringLiteral("Книга рецептов. Время приготовления блюда составляет двадцать минут.")},
        {TextEncoding::Cp1250, QStringLiteral("Zażółć gęślą jaźń. Czy chcesz zapisać zmiany w pliku? Przepis został usunięty.")},
        {TextEncoding::Cp1253, QStringLiteral("Το βιβλίο συνταγών. Θέλετε να αποθηκεύσετε τις αλλαγές στο αρχείο;")},
        {TextEncoding::Cp932, QStringLiteral("報告書の表を印刷します。変更を保存しますか？ﾌｧｲﾙが見つかりません。")},
        {TextEncoding::Cp936, QStringLiteral("打印报告表。是否保存更改？找不到文件。软件设置已更新，请重新启动程序。")},
        {TextEncoding::Cp949, QStringLiteral("보고서 표를 인쇄합니다. 변경 내용을 저장하시겠습니까? 파일을 찾을 수 없습니다.")},
        {TextEncoding::Cp950, QStringLiteral("列印報告表。是否儲存變更？找不到檔案。軟體設定已更新，請重新啟動程式。")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(CodePages::displayName(c.encoding).toStdString());
        const QString code = QStringLiteral("Caption = \"%1\";\r\n").arg(c.text).repeated(3);
        const std::optional<CodePages::Guess> g = CodePages::guess(in(c.encoding, code));
        ASSERT_TRUE(g);
        EXPECT_EQ(g->encoding, c.encoding);
        EXPECT_GE(g->confidence, 60);
    }
    // German in Windows-1252 stays with the default.
    EXPECT_FALSE(CodePages::guess(in(TextEncoding::Cp1250, QStringLiteral("Möchten Sie die Änderungen für Küche und Gäste speichern?"))));
}
