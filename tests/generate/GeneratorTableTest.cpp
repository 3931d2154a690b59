// Each generator named as the window's menu and output window show it, and
// the file extract writes for it.
#include "generate/GeneratorTable.h"
#include "tests/support/QtPrint.h"

#include <gtest/gtest.h>

namespace {
TEST(GeneratorTable, NamesEachGeneratorAsTheWindowAndExtractDo)
{
    const struct
    {
        GeneratorKind kind;
        const char16_t *english, *german, *outputWindow;
        const char *suffix;
        OutputKind output;
    } expected[] = {
        {GeneratorKind::WithoutResourceFile, u"Create for NOT using RC-File", u"Erstellen um kein RC zu benutzen",
         u"Sourcetext for NOT using RC-File", ".norc.cpp", OutputKind::CppCode},
        {GeneratorKind::ForResourceFile, u"Create for USING RC-File", u"Erstellen um RC zu benutzen",
         u"Sourcetext for USING RC-File", ".loadrc.cpp", OutputKind::CppCode},
        {GeneratorKind::ResourceScript, u"Create RC-File", u"Erstellen der RC-Datei", u"Source of RC-File", ".rc",
         OutputKind::ResourceScript},
    };
    ASSERT_EQ(generators().size(), std::size(expected));
    for (const auto &e : expected) {
        const GeneratorInfo &g = generator(e.kind);
        SCOPED_TRACE(g.menuItem);
        EXPECT_EQ(g.kind, e.kind);
        EXPECT_EQ(g.menuCaption(Language::English), QString::fromUtf16(e.english));
        EXPECT_EQ(g.menuCaption(Language::German), QString::fromUtf16(e.german));
        EXPECT_EQ(g.outputWindowCaption(Language::English), QString::fromUtf16(e.outputWindow));
        EXPECT_STREQ(g.suffix, e.suffix);
        EXPECT_EQ(g.outputKind, e.output);
    }
}
} // namespace
