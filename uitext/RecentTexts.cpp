#include "RecentTexts.h"

QString recentText(RecentText id, Language lang)
{
    const bool de = lang == Language::German;
    switch (id) {
    case RecentText::MenuTitle:
        return de ? QStringLiteral("&Zuletzt geöffnet") : QStringLiteral("&Recent Units");
    case RecentText::UnitGone:
        return de ? QStringLiteral("Die Dateien von \"%1\" gibt es nicht mehr.\n"
                                   "Der Eintrag wurde aus der Liste der zuletzt geöffneten Units entfernt.")
                  : QStringLiteral("The files of \"%1\" are gone.\n"
                                   "The entry has been removed from the recent units.");
    }
    return QString();
}
