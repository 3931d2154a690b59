#pragma once
// The main window's message catalogue and caption table, in every UI
// language. Texts are fetched by number at the moment they are needed.
#include "uitext/LanguageTable.h"

#include <QString>
#include <vector>

// Entry n (1 to 35) of the message catalogue; "" for any other number.
QString catalogueText(unsigned n, Language lang);

struct CaptionEntry
{
    const char *objectName;
    std::array<QString, kLanguageCount> texts; // by Language
    const QString &text(Language lang) const { return texts[std::size_t(lang)]; }
};

// The 43 captions of the main window, in the order they are applied.
const std::vector<CaptionEntry> &captionTable();
