#pragma once
// String identifiers of the form page's entries, kept in the list's
// companion file <base>.dfm.list.ids, one line per entry in list order:
//
//   MainForm->LabelRecipes->Caption<TAB>40000
//   MainForm->ListBoxRecipes->Items->Strings[2]<TAB>40001
//
// The list keeps its format; the identifiers travel beside it as the places
// do. They live in a range of their own, above every identifier of the C++
// page (number + 100), and are 16-bit as string tables require. An entry
// keeps its identifier from run to run; new entries continue after the
// highest identifier in use.
#include <QHash>
#include <QtGlobal>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace FormIds {

// Where the range begins when nothing says otherwise: far above the C++
// page's usual numbers, well below the 16-bit limit.
constexpr int kDefaultStart = 40000;
constexpr int kHighest = 65535;

using Ids = std::vector<std::pair<QString, int>>; // property path, identifier; in list order

// "path\tid" lines; lines of another shape are left out.
Ids read(const QString &text);
// The lines of ids, each ended by CR LF.
QString write(const Ids &ids);
int highest(const Ids &ids); // 0 for none
int lowest(const Ids &ids);  // 0 for none

// Whether the C++ page's identifiers (number + 100, as
// ExtractionList::stringIdentifier writes them) up to highestCppNumber stay
// below lowestFormId (0: no form identifiers).
bool apart(qint64 highestCppNumber, int lowestFormId);

// The identifiers of paths (the list's property paths in order): a path in
// previous keeps its identifier, each other one gets the next after
// max(highest in previous, next - 1). Nothing when an identifier would pass
// kHighest.
std::optional<Ids> assign(const QStringList &paths, const Ids &previous, int next);

} // namespace FormIds
