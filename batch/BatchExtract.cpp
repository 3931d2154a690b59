#include "BatchExtract.h"

#include "ExtractionList.h"
#include "LiteralScanner.h"
#include "TextSource.h"

#include <algorithm>

namespace Batch {

namespace {
// Nothing to pump and nobody to stop: the command line and tests scan flat out.
struct FlatOut
{
    void pump() {}
    bool stopRequested() const { return false; }
    void openQuote(int) {}
};

// The page as the window rewrites it, built front to back: it knows the
// row of its end and where its last line starts, which is all the status
// bar positions of later literals need.
class Rewritten
{
public:
    explicit Rewritten(qsizetype reserve) { m_text.reserve(reserve); }
    void append(QStringView s)
    {
        const qsizetype lf = s.lastIndexOf(u'\n');
        if (lf >= 0) {
            m_lines += int(s.count(u'\n'));
            m_lastLineStart = int(m_text.size() + lf + 1);
        }
        m_text += s;
    }
    void chop(int n) { m_text.chop(n); } // never a line break
    int size() const { return int(m_text.size()); }
    int row() const { return m_lines + 1; }
    int lastLineStart() const { return m_lastLineStart; }
    QStringView tail(int n) const { return QStringView(m_text).right(std::min<qsizetype>(n, m_text.size())); }
    QString take() { return std::move(m_text); }

private:
    QString m_text;
    int m_lines = 0;
    int m_lastLineStart = 0;
};

void appendEntry(QString &list, const QString &entry)
{
    list += ExtractionList::lineAddition(list.isEmpty() ? QChar() : list.back(), entry);
}
} // namespace

std::vector<Literal> findLiterals(const QString &page, SourcePage kind)
{
    const TextSource src(page);
    const LiteralHinter hinter(page, kind);
    FlatOut driver;
    std::vector<Literal> out;
    int from = 0;
    int row = 1; // the form description scan counts lines from the selection's row
    for (;;) {
        const ScanResult r = kind == SourcePage::Dfm ? scanDfmLiteral(src, from, row, driver)
                                                     : scanCppLiteral(src, from, driver);
        if (r.outcome != ScanResult::Found)
            break;
        const int line = src.lineOf(r.start);
        out.push_back(Literal{r.start, r.length, page.mid(r.start, r.length),
                              RowCol{line + 1, r.start - src.lineStart(line) + 1}, hinter.hints(r.start, r.length)});
        from = r.start + r.length;
        row = line + 1;
    }
    return out;
}

Result extract(const QString &page, const Options &options, const State &state,
               const std::function<bool(const Literal &)> &choose)
{
    const bool cpp = options.page != SourcePage::Dfm;
    const TextSource src(page);
    Result result;
    result.state = state;
    State &st = result.state;
    std::vector<Literal> literals = findLiterals(page, options.page);
    result.literals.reserve(literals.size());

    const bool reuse = options.equal == EqualStrings::Reuse;
    ExtractionList::EqualValues values;
    if (cpp && reuse)
        values.add(st.list);
    const auto yes = [](const QString &, int) { return Extract::EqualChoice::Reuse; };
    Extract::OwnerSearch owners([&src](int k) { return src.line(k); });
    Rewritten out(cpp ? page.size() : 0);
    int copied = 0; // original text up to here is in out

    for (Literal &lit : literals) {
        Outcome o{std::move(lit), Action::Skipped, QString()};
        const Literal &l = o.literal;
        if (!options.includeMarked && l.hints.testFlag(LiteralHint::Marker)) {
            o.action = Action::Marked;
        } else if (choose && !choose(l)) {
            o.action = Action::Skipped;
        } else if (cpp) {
            out.append(QStringView(page).mid(copied, l.start - copied));
            copied = l.start + l.length;
            // The status bar position in the page as it is at this moment;
            // the column counts from the line the caret (the literal's end) is on.
            const qsizetype lastBreak = l.text.lastIndexOf(u'\n');
            const int caretLineStart = lastBreak >= 0 ? out.size() + int(lastBreak) + 1 : out.lastLineStart();
            const RowCol at{out.row(), out.size() - caretLineStart + 1};
            const Extract::CppInput in{st.counter, l.text, options.mode, options.extractC, options.root,
                                       reuse ? values.find(l.text) : std::nullopt};
            const Extract::CppStep step = Extract::extractCpp(in, yes);
            st.counter = step.counter;
            st.lastEdit = at;
            if (!step.reused) {
                appendEntry(st.list, step.entry);
                if (reuse)
                    values.add(step.entry);
            }
            out.chop(encodingPrefixLength(out.tail(3)));
            out.append(step.replacement);
            o.action = step.reused ? Action::Reused : Action::Extracted;
            o.name = step.name;
        } else {
            const int selLine = src.lineOf(l.start);
            st.lastEdit = RowCol{selLine + 1, l.start - src.lineStart(src.lineOf(l.start + l.length)) + 1};
            const QString entry = Extract::dfmEntry(options.root, owners.ownerOf(selLine), src.line(selLine), l.text);
            if (Extract::repeatsLastEntry(ExtractionList::lastLine(st.list), entry)) {
                o.action = Action::Repeated;
            } else {
                appendEntry(st.list, entry);
                o.action = Action::Extracted;
            }
        }
        result.literals.push_back(std::move(o));
    }
    if (cpp) {
        out.append(QStringView(page).mid(copied));
        result.text = out.take();
    } else {
        result.text = page;
    }
    return result;
}

} // namespace Batch
