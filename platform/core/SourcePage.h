#pragma once
// The three pages of a source unit, in the order the window shows them. The
// one enumeration of pages: the window, the unit files and the generators
// all count with it.
#include <QString>

#include <array>

enum class SourcePage { Cpp = 0, Header = 1, Dfm = 2 };

inline constexpr std::array<SourcePage, 3> kSourcePages{SourcePage::Cpp, SourcePage::Header, SourcePage::Dfm};

// ".cpp", ".h" or ".dfm".
inline QString sourcePageExtension(SourcePage page)
{
    static const char *const ext[] = {".cpp", ".h", ".dfm"};
    return QLatin1String(ext[int(page)]);
}
