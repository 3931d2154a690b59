#include "platform/core/Cp1252.h"
#include "tests/support/QtPrint.h"

#include <gtest/gtest.h>

namespace {
TEST(Cp1252, EveryByteDecodesToOneCharacterAndEncodesBack)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = decodeCp1252(all);
    ASSERT_EQ(text.size(), 256);
    bool ok = false;
    EXPECT_EQ(encodeCp1252(text, &ok), all);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(fitsCp1252(text));
}

TEST(Cp1252, HighTableAndLatin1Range)
{
    struct Case
    {
        unsigned char byte;
        char16_t character;
    };
    const Case cases[] = {{0x41, u'A'},    {0x80, u'€'},    {0x81, 0x0081},  {0x8A, u'Š'},
                          {0x8D, 0x008D},  {0x8F, 0x008F},  {0x90, 0x0090},  {0x93, u'“'},
                          {0x96, u'–'},    {0x99, u'™'},    {0x9D, 0x009D},  {0x9F, u'Ÿ'},
                          {0xA0, 0x00A0},  {0xC4, u'Ä'},    {0xDF, u'ß'},    {0xFF, u'ÿ'}};
    for (const Case &c : cases) {
        EXPECT_EQ(decodeCp1252(QByteArray(1, char(c.byte))), QString(QChar(c.character))) << int(c.byte);
        EXPECT_EQ(encodeCp1252(QString(QChar(c.character))), QByteArray(1, char(c.byte))) << int(c.byte);
    }
}

TEST(Cp1252, CharactersOutsideTheCodePage)
{
    // U+0080 has no byte: byte 0x80 is the euro sign.
    for (const QString &text : {QStringLiteral("Ω"), QStringLiteral("a\u0080b"), QStringLiteral("→"),
                                QString::fromUtf8("\xF0\x9F\x98\x80")}) {
        bool ok = true;
        const QByteArray bytes = encodeCp1252(text, &ok);
        EXPECT_FALSE(ok) << text.toStdString();
        EXPECT_FALSE(fitsCp1252(text)) << text.toStdString();
        EXPECT_EQ(bytes.size(), text.size()); // one '?' per character the code page lacks
        EXPECT_TRUE(bytes.contains('?'));
    }
    bool ok = false;
    EXPECT_EQ(encodeCp1252(QStringLiteral("Größe €5"), &ok), QByteArray("Gr\xF6\xDF" "e \x80" "5"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(encodeCp1252(QString(), &ok), QByteArray());
    EXPECT_TRUE(ok);
}
} // namespace
