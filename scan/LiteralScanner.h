#pragma once
// Find Next's literal scanner. It is purely character-driven: it pairs quote
// characters, honours a backslash escape inside a literal and, in a form
// description, hurries through the hexadecimal lines of binary property
// blocks. It knows nothing of comments, character literals or preprocessor
// lines.
//
// The scanners read a source forward from a 0-based position. A source has
//   int length() const;  QChar charAt(int pos) const;  QString line(int i) const;
// (EditorModel and TextSource both have them). A driver is asked at every
// step to pump and whether a stop was requested, and is told the moment an
// opening quote is met (the caller shows a caret in front of it):
//   void pump();  bool stopRequested() const;  void openQuote(int pos);
#include "scan/TextSource.h"

#include <QChar>
#include <QString>

#include <algorithm>

struct ScanResult
{
    enum Outcome {
        Found,     // start/length cover the literal or the match
        EndOfText, // the last character was examined: tell the user
        PastEnd,   // ran off the end silently (nothing to scan, or skipped)
        Stopped,   // the driver asked to stop
    };
    Outcome outcome = PastEnd;
    int start = -1; // Found: first character; otherwise the opening quote met, or -1
    int length = 0;
    bool operator==(const ScanResult &) const = default;
};

namespace scanner_detail {

// What one character does to the literal being tracked.
enum class QuoteStep { Other, Escaped, Opened, Closed };

struct LiteralState
{
    bool inside = false;
    bool prevEscape = false; // set by the previous character
    bool escape = false;     // being set by the current character
    int open = -1;

    void shift()
    {
        prevEscape = escape;
        escape = false;
    }

    // state      | character | next state
    // outside    | quote     | inside (opened)
    // inside     | backslash | inside, escaping
    // inside     | quote     | closed
    // escaping   | quote     | inside (the quote belongs to the literal)
    // escaping   | other     | inside (a backslash after an escape does not escape)
    QuoteStep take(QChar c, QChar quote)
    {
        if (inside && c == u'\\' && !prevEscape)
            escape = true;
        if (prevEscape && c == quote)
            return QuoteStep::Escaped;
        if (c != quote)
            return QuoteStep::Other;
        if (inside)
            return QuoteStep::Closed;
        inside = true;
        return QuoteStep::Opened;
    }

    ScanResult end(ScanResult::Outcome o) const { return {o, open, 0}; }
};

// Common tail of a step: the quote, then the end-of-text check. Returns true
// when the scan ends with *result.
template <typename Driver>
bool quoteStep(LiteralState &st, QChar c, QChar quote, int pos, int length, Driver &driver, ScanResult *result)
{
    switch (st.take(c, quote)) {
    case QuoteStep::Escaped:
        return false; // no end-of-text check for an escaped quote
    case QuoteStep::Closed:
        *result = {ScanResult::Found, st.open, pos - st.open + 1};
        return true;
    case QuoteStep::Opened:
        st.open = pos;
        driver.openQuote(pos);
        break;
    case QuoteStep::Other:
        break;
    }
    if (pos == length - 1) {
        *result = st.end(ScanResult::EndOfText);
        return true;
    }
    return false;
}

// Whether line i, stripped of blanks and control characters, is one line of
// a binary block (64 hexadecimal digits). Remembers the last line asked for.
template <typename Source>
class DataLines
{
public:
    explicit DataLines(const Source &src) : m_src(src) {}
    bool isDataLine(int i)
    {
        if (i != m_index) {
            m_index = i;
            m_data = strippedLength(m_src.line(i)) == 64;
        }
        return m_data;
    }

private:
    const Source &m_src;
    int m_index = -2;
    bool m_data = false;
};

} // namespace scanner_detail

// C++ source: the next literal in double quotes at or behind position from.
template <typename Source, typename Driver>
ScanResult scanCppLiteral(const Source &src, int from, Driver &driver)
{
    using namespace scanner_detail;
    const int n = src.length();
    LiteralState st;
    ScanResult result;
    for (int pos = std::max(from, 0); pos < n; ++pos) {
        driver.pump();
        if (driver.stopRequested())
            return st.end(ScanResult::Stopped);
        const QChar c = src.charAt(pos);
        st.shift();
        if (quoteStep(st, c, u'"', pos, n, driver, &result))
            return result;
    }
    return st.end(ScanResult::PastEnd);
}

// Form description: the next literal in apostrophes. row is the 1-based line
// that holds the selection start; it counts lines for the binary block rule:
// inside braces, a counted line of exactly 64 characters (stripped) moves
// the scan 65 characters ahead and the count one line on.
template <typename Source, typename Driver>
ScanResult scanDfmLiteral(const Source &src, int from, int row, Driver &driver)
{
    using namespace scanner_detail;
    const int n = src.length();
    LiteralState st;
    DataLines<Source> data(src);
    bool braces = false;
    int line = row;
    ScanResult result;
    for (int pos = std::max(from, 0); pos < n; ++pos) {
        if (driver.stopRequested())
            return st.end(ScanResult::Stopped);
        driver.pump();
        const QChar c = src.charAt(pos);
        st.shift();
        if (c == u'\n')
            ++line;
        if (c == u'{')
            braces = true;
        else if (c == u'}')
            braces = false;
        if (braces && data.isDataLine(line - 1)) {
            pos += 64;
            ++line;
            continue;
        }
        if (quoteStep(st, c, u'\'', pos, n, driver, &result))
            return result;
    }
    return st.end(ScanResult::PastEnd);
}
