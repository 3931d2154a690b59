#pragma once
// What a project file says about the verdicts (ProjectFile reads its lines):
//   keyword = NAME[:ARG]     argument ARG (1-based, default 1) of the call NAME is user text
//   never = NAME[:ARG]       argument ARG of NAME is never user text; without ARG no argument is
//   property = NAME          a property or variable NAME holds user text
//   never-property = NAME    a property or variable NAME never does
//   encoding = NAME          the code page of the units' files (CodePages::named),
//                            unless one is chosen on the command line or in the window
#include "platform/core/TextFile.h"
#include "scan/UseTable.h"
#include "uitext/LanguageTable.h"

#include <QString>

#include <optional>

struct ProjectSettings
{
    QString file; // the project file read; "" for none
    UseRules rules;
    std::optional<TextEncoding> encoding;
};

// The settings of the unit in folder from its project file (ProjectFile::find);
// the built-in table alone when there is none. Raises Exception
// "file:line: message" in lang for a bad line or an unreadable file.
ProjectSettings readProjectSettings(const QString &unitFolder, Language lang);

// Adds NAME[:ARG] as a call row of verdict; false when spec is no such value.
// Without ARG a user text row takes argument 1 (as xgettext's --keyword), a
// never row every argument.
bool addCallSpec(UseRules &rules, QStringView spec, UseVerdict verdict);
