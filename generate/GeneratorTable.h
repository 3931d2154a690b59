#pragma once
// The three generators, each described once: what the window's File menu
// calls it, the caption of its output window, the pages it works on, what
// its output is, the file name extract gives it and the function that
// writes it. The window, the list check and the command line read them here.
#include "uitext/Catalogue.h"
#include "generate/Generators.h"
#include "generate/OutputFile.h"
#include "platform/core/SourcePage.h"

#include <array>

// The generators in the order of the window's File menu.
enum class GeneratorKind { WithoutResourceFile, ForResourceFile, ResourceScript };

struct GeneratorInfo
{
    GeneratorKind kind;
    // objectName of the File menu's item; its English and German captions
    // are the caption table's entry of that name (menuCaption()).
    const char *menuItem;
    unsigned outputCaption; // catalogue number of the output window's caption
    std::array<bool, kSourcePages.size()> pages; // indexed by SourcePage: the pages it writes for
    bool stringTable;       // the output goes with a string table (identifiers number + 100)
    OutputKind outputKind;  // how a saved output is encoded
    const char *suffix;     // the output's file name after the unit's base name
    bool (*write)(const GeneratorInput &in, const LineSink &sink);

    bool worksOn(SourcePage page) const { return pages[size_t(page)]; }
    // The menu item's caption, from the window's caption table.
    QString menuCaption(Language lang) const;
    QString outputWindowCaption(Language lang) const { return catalogueText(outputCaption, lang); }
    // The output's lines; nothing on a page it does not work on.
    std::optional<QStringList> lines(const GeneratorInput &in) const;
};

// Every generator, in menu order (GeneratorKind's order).
const std::array<GeneratorInfo, 3> &generators();
const GeneratorInfo &generator(GeneratorKind kind);
