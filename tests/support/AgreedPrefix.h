#pragma once
// How many of a page's literals are also Find Next's runs, one for one from
// the top, with the entry the window would make. The batch reads tokens and
// whole form values, Find Next pairs quotes, so they part at the first group
// of adjacent literals, quote the scanner pairs wrongly, literal with a line
// splice, literal right behind or before a name (the batch keeps them apart) or form
// value of several pieces.
#include "batch/BatchExtract.h"
#include "extract/ExtractStep.h"
#include "extract/FormDescription.h"
#include "scan/LiteralScanner.h"
#include "scan/TextSource.h"

inline int agreedPrefix(const QString &page, SourcePage kind, const QString &root)
{
    struct Flat
    {
        void pump() {}
        bool stopRequested() const { return false; }
        void openQuote(int) {}
    } d;
    const std::vector<Batch::Literal> literals = Batch::findLiterals(page, kind);
    const TextSource src(page);
    Extract::OwnerSearch owners([&src](int k) { return src.line(k); });
    int from = 0, row = 1;
    for (size_t i = 0; i < literals.size(); ++i) {
        const ScanResult r = kind == SourcePage::Dfm ? scanDfmLiteral(src, from, row, d) : scanCppLiteral(src, from, d);
        const Batch::Literal &l = literals[i];
        const int prefix = encodingPrefixLength(QStringView(page).mid(std::max(0, l.start - 3), std::min(3, l.start)));
        const QChar before = l.start - prefix > 0 ? page[l.start - prefix - 1] : QChar(u' ');
        const QChar after = l.start + l.length < page.size() ? page[l.start + l.length] : QChar(u' ');
        if (r.outcome != ScanResult::Found || r.start != l.start || r.length != l.length ||
            l.hints.testFlag(LiteralHint::Adjacent) || before.isLetterOrNumber() || before == u'_' ||
            after.isLetterOrNumber() || after == u'_' ||
            (kind == SourcePage::Cpp && l.value != l.text))
            return int(i);
        if (kind == SourcePage::Dfm) {
            const int line = src.lineOf(r.start);
            if (Extract::dfmEntry(root, owners.ownerOf(line), src.line(line), l.text) !=
                FormDescription::propertyEntry(FormDescription::propertyPath(root, l.path), l.value))
                return int(i);
        }
        from = r.start + r.length;
        row = src.lineOf(r.start) + 1;
    }
    return int(literals.size());
}
