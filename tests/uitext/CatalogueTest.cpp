#include "uitext/Catalogue.h"
#include "tests/support/QtPrint.h"
#include "uitext/UiLanguage.h"

#include <QSet>
#include <gtest/gtest.h>

TEST(Catalogue, OutsideOneToThirtyFiveIsEmpty)
{
    for (Language l : {Language::English, Language::German}) {
        EXPECT_EQ(catalogueText(0, l), QString());
        EXPECT_EQ(catalogueText(36, l), QString());
        EXPECT_EQ(catalogueText(4000000000u, l), QString());
        for (unsigned n = 1; n <= 35; ++n)
            EXPECT_FALSE(catalogueText(n, l).isEmpty()) << n;
    }
}

// Entries whose exact bytes matter most: umlauts, leading blanks, line breaks.
TEST(Catalogue, TextsAreExact)
{
    struct Case
    {
        unsigned n;
        const char16_t *english;
        const char16_t *german;
    };
    const Case cases[] = {
        {1, u"File Not Found", u"Datei nicht gefunden"},
        {2, u" (Modified)", u" (Geändern)"},
        {3, u"Open Files", u"Dateien öffnen"},
        {5, u"CPP-File modified and not saved yet.\n\nDo you want to save it now?",
         u"CPP-Datei geändert und noch nicht gespeichert.\nMöchten Sie Änderungen speichen?"},
        {10, u".dfm was not yet saved.\nDo you want to save changes now?",
         u".dfm geändert und noch nicht gespeichert.\nMöchten Sie Änderungen speichen?"},
        {11, u"End of file reached.", u"Ende der Datei erreicht."},
        {13, u"Change", u"Ändern"},
        {14, u" has equal value.\n\nDo you want to use this for the current string too?",
         u" gleicher Wert. Möchten Sie diesen für den aktuellen String auch benutzen?"},
        {17, u"Row:", u"Col: "},
        {18, u", Col:", u", Row: "},
        {19, u"Last Edit : ", u"Zuletzt : "},
        {27, u"//Declaration for Form Functions", u"//Deklarierung für Form Funktion"},
        {28, u"//Must be copied to Header File", u"//Muß in Header Datei eingefügt werden"},
        {30, u"//Declaration for Global Strings", u"//Deklarierung für Globale Strings"},
        {31, u"//Must be copied to start of the C++ File", u"//Muß in C++ Datei eingefügt werden"},
        {33, u"Source of RC-File", u"Quelltext der RC-Datei"},
        {35, u"Text", u"Text"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(catalogueText(c.n, Language::English), QString::fromUtf16(c.english)) << c.n;
        EXPECT_EQ(catalogueText(c.n, Language::German), QString::fromUtf16(c.german)) << c.n;
    }
}

TEST(Catalogue, CaptionTableNamesEachControlOnce)
{
    const auto &table = captionTable();
    ASSERT_EQ(table.size(), 43u);
    QSet<QString> names;
    for (const CaptionEntry &c : table)
        names.insert(QLatin1String(c.objectName));
    EXPECT_EQ(names.size(), 43);
    EXPECT_EQ(QLatin1String(table.front().objectName), QStringLiteral("TForm1"));
    EXPECT_EQ(table.front().text(Language::German), QStringLiteral("Varnosel Tessaro für C++ Builder"));
    EXPECT_EQ(QLatin1String(table.back().objectName), QStringLiteral("About1"));
    EXPECT_EQ(table.back().text(Language::German), QStringLiteral("Über VTQX"));
}

TEST(UiLanguage, TextFollowsTheLanguageAndAnnouncesOnRequest)
{
    UiLanguage lang;
    int announced = 0;
    QObject::connect(&lang, &UiLanguage::switched, [&](Language l) {
        ++announced;
        EXPECT_EQ(l, Language::German);
    });
    EXPECT_EQ(lang.text(1), QStringLiteral("File Not Found"));
    lang.setLanguage(Language::German);
    EXPECT_EQ(lang.text(1), QStringLiteral("Datei nicht gefunden"));
    EXPECT_EQ(announced, 0);
    lang.announce();
    EXPECT_EQ(announced, 1);
}
