#pragma once
// Find Text's search: the first exact, case-sensitive occurrence of a piece
// of text at or behind a position. Source and driver as for the literal
// scanner (openQuote is not used). One forward pass: each character is read
// once, whatever the search text (Knuth-Morris-Pratt).
#include "scan/LiteralScanner.h"

#include <QString>

#include <vector>

template <typename Source, typename Driver>
ScanResult findText(const Source &src, int from, const QString &needle, Driver &driver)
{
    const int n = src.length();
    const int m = int(needle.size());
    from = std::max(from, 0);
    if (from >= n)
        return {ScanResult::PastEnd};
    if (m == 0) { // matches at once, as an empty piece
        driver.pump();
        if (driver.stopRequested())
            return {ScanResult::Stopped};
        return {ScanResult::Found, from, 0};
    }

    // fail[k]: length of the longest proper border of needle[0..k].
    std::vector<int> fail(size_t(m), 0);
    for (int k = 1, b = 0; k < m; ++k) {
        while (b > 0 && needle.at(k) != needle.at(b))
            b = fail[size_t(b) - 1];
        if (needle.at(k) == needle.at(b))
            ++b;
        fail[size_t(k)] = b;
    }

    int matched = 0;
    for (int pos = from; pos < n; ++pos) {
        driver.pump();
        if (driver.stopRequested())
            return {ScanResult::Stopped};
        const QChar c = src.charAt(pos);
        while (matched > 0 && needle.at(matched) != c)
            matched = fail[size_t(matched) - 1];
        if (needle.at(matched) == c)
            ++matched;
        if (matched == m)
            return {ScanResult::Found, pos - m + 1, m};
    }
    return {ScanResult::EndOfText};
}
