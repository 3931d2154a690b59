#pragma once
// The main window's message catalogue and caption table, in English and
// German. Texts are fetched by number at the moment they are needed.
#include <QString>
#include <vector>

enum class Language { English, German };

// Entry n (1 to 35) of the message catalogue; "" for any other number.
QString catalogueText(unsigned n, Language lang);

struct CaptionEntry
{
    const char *objectName;
    QString english;
    QString german;
    const QString &text(Language lang) const { return lang == Language::German ? german : english; }
};

// The 43 captions of the main window, in the order they are applied.
const std::vector<CaptionEntry> &captionTable();
