#include "uitext/RecentTexts.h"

namespace {
constexpr TextRow<RecentText> kTexts[] = {
    {RecentText::MenuTitle, {u"&Recent Units", u"&Zuletzt geöffnet"}},
    {RecentText::UnitGone,
     {u"The files of \"%1\" are gone.\n"
      u"The entry has been removed from the recent units.",
      u"Die Dateien von \"%1\" gibt es nicht mehr.\n"
      u"Der Eintrag wurde aus der Liste der zuletzt geöffneten Units entfernt."}},
};
static_assert(complete(kTexts, kLastRecentText));
} // namespace

QString recentText(RecentText id, Language lang)
{
    return tableText(kTexts, id, lang);
}
