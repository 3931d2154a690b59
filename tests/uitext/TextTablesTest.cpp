#include "uitext/CliTexts.h"
#include "uitext/FileTexts.h"
#include "uitext/ListCheckTexts.h"
#include "uitext/OutputWindowTexts.h"
#include "uitext/PanelTexts.h"
#include "tests/support/QtPrint.h"
#include "uitext/RecentTexts.h"
#include "uitext/SettingsTexts.h"
#include "uitext/TranslateTexts.h"
#include "uitext/ReleaseTexts.h"
#include "uitext/WindowTexts.h"

#include <gtest/gtest.h>

namespace {
// Every id up to last has a text in lang; the value past last has none.
template <typename Id, typename Fetch>
void expectEveryId(const char *table, Id last, Language lang, Fetch fetch)
{
    const int end = int(last) + 1;
    for (int i = 0; i < end; ++i)
        EXPECT_FALSE(fetch(Id(i), lang).isEmpty()) << table << ' ' << i << " language " << int(lang);
    EXPECT_TRUE(fetch(Id(end), lang).isEmpty()) << table << " language " << int(lang);
}
} // namespace

TEST(TextTables, EveryTextIsThereInEveryLanguage)
{
    for (std::size_t l = 0; l < kLanguageCount; ++l) {
        const auto lang = Language(l);
        for (unsigned n = 1; n <= 35; ++n)
            EXPECT_FALSE(catalogueText(n, lang).isEmpty()) << "catalogue " << n << " language " << l;
        for (const CaptionEntry &c : captionTable())
            EXPECT_FALSE(c.text(lang).isEmpty()) << c.objectName << " language " << l;
        for (unsigned n = 1; n <= 4; ++n)
            EXPECT_FALSE(outputText(n, lang).isEmpty()) << "output " << n << " language " << l;
        EXPECT_TRUE(outputText(5, lang).isEmpty());
        expectEveryId("cli", kLastCliText, lang, cliText);
        expectEveryId("file", kLastFileText, lang, fileText);
        expectEveryId("list check", kLastListCheckText, lang, listCheckText);
        expectEveryId("output button", kLastOutputButton, lang, outputButtonCaption);
        expectEveryId("panel", kLastPanelText, lang, panelText);
        expectEveryId("recent", kLastRecentText, lang, recentText);
        expectEveryId("release", kLastReleaseText, lang, releaseText);
        expectEveryId("settings", kLastSettingsText, lang, settingsText);
        expectEveryId("translate", kLastTranslateText, lang, translateText);
        expectEveryId("window", kLastWindowText, lang, windowText);
    }
}
