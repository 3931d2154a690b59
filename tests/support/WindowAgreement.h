#pragma once
// Which of a page's literals the window's one-by-one walk (Find Next from
// the top, over the whole page) takes exactly as the batch does, and why the
// others differ. The batch reads tokens and whole form values, Find Next
// pairs quotes: they differ by design at the places listed in Difference.
// Find Next continues behind each run whatever it found, so a difference
// never hides what follows it.
#include "batch/BatchExtract.h"
#include "extract/ExtractStep.h"
#include "extract/FormDescription.h"
#include "scan/LiteralScanner.h"
#include "scan/TextSource.h"

#include <array>
#include <map>

enum class Difference {
    None,
    NoRun,     // Find Next pairs quotes: it has no run where the token starts (a quote inside a character literal, a raw string)
    OtherRun,  // a run of another length: a form value of several pieces, a literal the scanner ends elsewhere
    Group,     // a member of adjacent literals: the batch makes one entry of the group, Find Next one per member
    Glued,     // right behind or before a name: the batch keeps the two apart with a blank
    Spliced,   // the entry differs from the selection: a line splice inside the literal
    FormEntry, // the window names a form entry from its line, the batch from the property's path
};
inline constexpr std::array kDifferences{Difference::NoRun, Difference::OtherRun, Difference::Group, Difference::Glued,
                                         Difference::Spliced, Difference::FormEntry};
inline const char *differenceName(Difference d)
{
    static const char *const names[] = {"agreed", "no run", "other run", "group", "glued", "spliced", "form entry"};
    return names[int(d)];
}

struct WindowAgreement
{
    std::vector<Batch::Literal> literals; // the batch's
    std::vector<Difference> difference;   // one per literal
    int strayRuns = 0;                    // Find Next's runs where the batch has no literal

    bool agreed(size_t i) const { return difference[i] == Difference::None; }
    // The share of the literals both take the same way, in per cent.
    int agreedShare() const
    {
        const auto n = std::count(difference.begin(), difference.end(), Difference::None);
        return literals.empty() ? 100 : int(100 * n / qsizetype(literals.size()));
    }
};

inline WindowAgreement windowAgreement(const QString &page, SourcePage kind, const QString &root)
{
    struct Flat
    {
        void pump() {}
        bool stopRequested() const { return false; }
        void openQuote(int) {}
    } d;
    WindowAgreement out;
    out.literals = Batch::findLiterals(page, kind);
    const TextSource src(page);
    Extract::OwnerSearch owners([&src](int k) { return src.line(k); });
    std::map<int, ScanResult> runs; // by start
    for (int from = 0, row = 1;;) {
        const ScanResult r = kind == SourcePage::Dfm ? scanDfmLiteral(src, from, row, d) : scanCppLiteral(src, from, d);
        if (r.outcome != ScanResult::Found)
            break;
        runs.emplace(r.start, r);
        from = r.start + r.length;
        row = src.lineOf(r.start) + 1;
    }
    const auto isWord = [](QChar c) { return c.isLetterOrNumber() || c == u'_'; };
    for (const Batch::Literal &l : out.literals) {
        const auto run = runs.find(l.start);
        const int prefix = encodingPrefixLength(QStringView(page).mid(std::max(0, l.start - 3), std::min(3, l.start)));
        const QChar before = l.start - prefix > 0 ? page[l.start - prefix - 1] : QChar(u' ');
        const QChar after = l.start + l.length < page.size() ? page[l.start + l.length] : QChar(u' ');
        Difference d = Difference::None;
        if (run == runs.end())
            d = Difference::NoRun;
        else if (run->second.length != l.length)
            d = Difference::OtherRun;
        else if (l.hints.testFlag(LiteralHint::Adjacent))
            d = Difference::Group;
        else if (isWord(before) || isWord(after))
            d = Difference::Glued;
        else if (kind == SourcePage::Cpp && l.value != l.text)
            d = Difference::Spliced;
        else if (kind == SourcePage::Dfm) {
            const int line = src.lineOf(l.start);
            if (Extract::dfmEntry(root, owners.ownerOf(line), src.line(line), l.text) !=
                FormDescription::propertyEntry(FormDescription::propertyPath(root, l.path), l.value))
                d = Difference::FormEntry;
        }
        out.difference.push_back(d);
        if (run != runs.end())
            runs.erase(run);
    }
    out.strayRuns = int(runs.size());
    return out;
}
