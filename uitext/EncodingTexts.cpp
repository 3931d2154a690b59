#include "uitext/EncodingTexts.h"

namespace {
constexpr TextRow<EncodingText> kTexts[] = {
    {EncodingText::MenuTitle, {u"&Code Page", u"&Codepage"}},
    {EncodingText::Detect, {u"&Detect", u"&Erkennen"}},
    {EncodingText::Guessed, {u"%1 (guessed, %2 %)", u"%1 (geschätzt, %2 %)"}},
    {EncodingText::ButtonTip,
     {u"The page's encoding. Click to read the unit again in another code page.",
      u"Die Kodierung der Seite. Klicken, um die Unit in einer anderen Codepage neu zu lesen."}},
};
static_assert(complete(kTexts, kLastEncodingText));
} // namespace

QString encodingText(EncodingText id, Language lang)
{
    return tableText(kTexts, id, lang);
}
