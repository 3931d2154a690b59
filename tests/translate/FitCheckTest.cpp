// Which captions must fit their control, in which font, and whether they do;
// and the pseudo-translation's promises. The measure here is a fixed 6 px
// per character, so the rules are checked apart from any font.
#include "translate/FitCheck.h"
#include "translate/PoFile.h"
#include "translate/Pseudo.h"
#include "tests/support/QtPrint.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {
const char kForm[] = "object Form1: TForm1\r\n"
                     "  ClientWidth = 300\r\n"
                     "  Font.Height = -11\r\n"
                     "  Font.Name = 'Tahoma'\r\n"
                     "  object Panel1: TPanel\r\n"
                     "    Left = 10\r\n"
                     "    Width = 200\r\n"
                     "    Font.Name = 'Arial'\r\n"
                     "    Font.Style = [fsBold]\r\n"
                     "    object Button1: TButton\r\n"
                     "      Width = 60\r\n"
                     "    end\r\n"
                     "    object Grid: TDBGrid\r\n"
                     "      Columns = <\r\n"
                     "        item\r\n"
                     "          Width = 5\r\n"
                     "        end>\r\n"
                     "    end\r\n"
                     "  end\r\n"
                     "  object Label1: TLabel\r\n"
                     "    Width = 10\r\n"
                     "  end\r\n"
                     "  object Label2: TLabel\r\n"
                     "    Width = 30\r\n"
                     "    AutoSize = False\r\n"
                     "    Font.Size = 12\r\n"
                     "  end\r\n"
                     "  object Check1: TCheckBox\r\n"
                     "    Items.Strings = (\r\n"
                     "      'end')\r\n"
                     "    Width = 50\r\n"
                     "    WordWrap = True\r\n"
                     "  end\r\n"
                     "end\r\n";

TEST(FitCheck, FixedWidthCaptionsAreMeasuredInTheirOwnOrInheritedFont)
{
    const std::vector<FormControl> layout = readFormLayout(QString::fromLatin1(kForm));
    ASSERT_EQ(layout.size(), 7u);
    EXPECT_EQ(layout[0].width, 300);
    EXPECT_EQ(layout[2].name, QStringLiteral("Button1"));
    EXPECT_EQ(layout[2].parent, 1);                               // inside the panel, past nothing
    EXPECT_EQ(layout[2].font.name, QStringLiteral("Arial"));      // the panel's font ...
    EXPECT_TRUE(layout[2].font.bold);
    EXPECT_EQ(layout[3].width, 0);                                // a column's width is not the grid's
    EXPECT_EQ(layout[4].font.name, QStringLiteral("Tahoma"));     // ... and the form's
    EXPECT_EQ(layout[5].font.pixels, 16);                         // 12 points at 96 dpi

    QHash<QString, QString> seen; // font name per measured caption
    const FitCheck::Measure sixEach = [&](const FormFont &font, const QString &text) {
        seen.insert(text, font.name);
        return int(text.size()) * 6;
    };
    const QHash<QString, QString> captions = FitCheck::captionsOf(
        {{QStringLiteral("Form1->Caption"), QStringLiteral("Form title wider than anything")},
         {QStringLiteral("Form1->Button1->Caption"), QStringLiteral("&Abbrechen")}, // 9 * 6 + 8 = 62 > 60
         {QStringLiteral("Form1->Panel1->Caption"), QStringLiteral("Panel")},
         {QStringLiteral("Form1->Label1->Caption"), QStringLiteral("grows with its text")},
         {QStringLiteral("Form1->Label2->Caption"), QStringLiteral("Five!")}, // 30: fits exactly
         {QStringLiteral("Form1->Check1->Caption"), QStringLiteral("wraps onto a second line")},
         {QStringLiteral("Form1->Button1->Hint"), QStringLiteral("tips grow")}});
    const std::vector<FitCheck::Fit> fits = FitCheck::measure(layout, captions, sixEach);
    ASSERT_EQ(fits.size(), 3u); // the form, the AutoSize label and the wrapping box are left out
    const struct
    {
        int control;
        const char *text;
        int needs;
        bool fits;
    } expected[] = {{1, "Panel", 34, true}, {2, "Abbrechen", 62, false}, {5, "Five!", 30, true}};
    for (size_t i = 0; i < fits.size(); ++i) {
        EXPECT_EQ(fits[i].control, expected[i].control);
        EXPECT_EQ(fits[i].text, QLatin1String(expected[i].text));
        EXPECT_EQ(fits[i].needs, expected[i].needs) << expected[i].text;
        EXPECT_EQ(fits[i].fits, expected[i].fits) << expected[i].text;
    }
    EXPECT_EQ(seen.value(QStringLiteral("Abbrechen")), QStringLiteral("Arial"));
}

// What a pseudo-translation keeps, over texts that stress it.
TEST(Pseudo, KeepsDirectivesAcceleratorsAndOuterLineBreaksAndGrowsByAThird)
{
    const QString texts[] = {QStringLiteral("&Open %d files\n"), QStringLiteral("\n\nSave && close %1$s of %2$s"),
                             QStringLiteral("100%% done\tnow"), QStringLiteral("E&xit"), QStringLiteral("a")};
    QStringEncoder cp1252("windows-1252", QStringEncoder::Flag::Stateless);
    for (const QString &text : texts) {
        SCOPED_TRACE(text.toStdString());
        const QString pseudo = Pseudo::translate(text);
        const QString inner = pseudo.trimmed();
        EXPECT_TRUE(inner.startsWith(u'[') && inner.endsWith(u']')) << pseudo.toStdString();
        EXPECT_EQ(PoFile::isCFormat(pseudo), PoFile::isCFormat(text));
        for (const char *kept : {"%d", "%1$s", "%2$s", "%%", "&O", "&&", "&x", "\t"})
            EXPECT_EQ(pseudo.count(QLatin1String(kept)), text.count(QLatin1String(kept))) << kept;
        EXPECT_EQ(pseudo.startsWith(u'\n'), text.startsWith(u'\n'));
        EXPECT_EQ(pseudo.endsWith(u'\n'), text.endsWith(u'\n'));
        EXPECT_GE(pseudo.size(), text.size() * 4 / 3 + 2);
        EXPECT_NE(pseudo.mid(1, text.trimmed().size()), text.trimmed()); // accented
        (void)cp1252.encode(pseudo);
        EXPECT_FALSE(cp1252.hasError()) << "every letter fits Windows-1252";
    }
}
} // namespace
