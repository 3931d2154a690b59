#include "tests/scan/ScannerFuzzCheck.h"

#include "scan/LiteralScanner.h"
#include "scan/TextSource.h"

#include <QStringList>

namespace {
// Counts the steps and remembers the quote that was announced.
struct CountingDriver
{
    int pumps = 0;
    int announced = -1;
    void pump() { ++pumps; }
    bool stopRequested() const { return false; }
    void openQuote(int pos) { announced = pos; }
};

ScanResult found(int start, int end) { return {ScanResult::Found, start, end - start + 1}; }
ScanResult endOfText(int open) { return {ScanResult::EndOfText, open, 0}; }
ScanResult pastEnd(int open) { return {ScanResult::PastEnd, open, 0}; }

// C++: the first '"' at or after from opens; inside, a backslash takes the
// next character with it and a '"' closes. Reaching the last character
// without a close ends the text, except on an escaped quote there, which
// runs off the end silently.
ScanResult plainCpp(const QString &t, int from, int *examined)
{
    const int n = int(t.size());
    const int begin = std::max(from, 0);
    *examined = 0;
    if (begin >= n)
        return pastEnd(-1);
    const int open = int(t.indexOf(u'"', begin));
    if (open < 0) {
        *examined = n - begin;
        return endOfText(-1);
    }
    for (int j = open + 1; j < n; ++j) {
        if (t.at(j) == u'\\') {
            if (++j >= n)
                break;
            if (j == n - 1) {
                *examined = n - begin;
                return t.at(j) == u'"' ? pastEnd(open) : endOfText(open);
            }
        } else if (t.at(j) == u'"') {
            *examined = j - begin + 1;
            return found(open, j);
        }
    }
    *examined = n - begin;
    return endOfText(open);
}

// Form description: the same literal with apostrophes, except that inside
// braces a line (counted from row, 1-based) whose stripped text is 64
// characters long is skipped: 65 characters further, one line on, and an
// escape pending before the skip is spent.
ScanResult plainDfm(const QString &t, int from, int row)
{
    QStringList lines = t.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    const auto dataLine = [&](int i) {
        return i >= 0 && i < lines.size() && strippedLength(lines.at(i)) == 64;
    };
    const int n = int(t.size());
    int line = row, open = -1;
    bool braces = false, inside = false, escaped = false;
    for (int pos = std::max(from, 0); pos < n; ++pos) {
        const QChar c = t.at(pos);
        const bool wasEscaped = escaped;
        escaped = false;
        if (c == u'\n')
            ++line;
        if (c == u'{')
            braces = true;
        else if (c == u'}')
            braces = false;
        if (braces && dataLine(line - 1)) {
            pos += 64;
            ++line;
            continue;
        }
        if (!inside) {
            if (c == u'\'') {
                inside = true;
                open = pos;
            }
        } else if (wasEscaped) {
            if (c == u'\'')
                continue; // part of the literal; no end-of-text check
        } else if (c == u'\\') {
            escaped = true;
        } else if (c == u'\'') {
            return found(open, pos);
        }
        if (pos == n - 1)
            return endOfText(open);
    }
    return pastEnd(open);
}

QString describe(const ScanResult &r)
{
    return QStringLiteral("{outcome %1, start %2, length %3}").arg(int(r.outcome)).arg(r.start).arg(r.length);
}
} // namespace

QString checkScannerInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return QString();
    const bool dfm = data[0] & 1;
    const int from = int(data[1]) - 8;
    const int row = data[2];
    const TextSource src(QString::fromUtf8(reinterpret_cast<const char *>(data + 3), qsizetype(size - 3)));
    CountingDriver driver;
    const ScanResult got = dfm ? scanDfmLiteral(src, from, row, driver) : scanCppLiteral(src, from, driver);
    int examined = -1;
    const ScanResult want = dfm ? plainDfm(src.text(), from, row) : plainCpp(src.text(), from, &examined);
    if (!(got == want))
        return QStringLiteral("%1 scan gave %2, the rules give %3")
            .arg(dfm ? QStringLiteral("form") : QStringLiteral("C++"), describe(got), describe(want));
    if (got.start >= 0 && driver.announced != got.start)
        return QStringLiteral("opening quote %1 announced as %2").arg(got.start).arg(driver.announced);
    if (examined >= 0 && driver.pumps != examined)
        return QStringLiteral("%1 steps for %2 characters read").arg(driver.pumps).arg(examined);
    return QString();
}
