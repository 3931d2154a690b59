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
// bar positions of later literals need. With a sink it passes its text on
// in pieces, keeping only a short tail for chop().
class Rewritten
{
public:
    Rewritten(qsizetype reserve, Sink *sink) : m_sink(sink) { m_text.reserve(sink ? kPiece + kPiece / 8 : reserve); }
    void append(QStringView s)
    {
        // A long stretch without literals passes on in pieces too.
        if (m_sink && s.size() > kPiece) {
            for (qsizetype at = 0; at < s.size(); at += kPiece)
                append(s.sliced(at, std::min(kPiece, s.size() - at)));
            return;
        }
        const qsizetype lf = s.lastIndexOf(u'\n');
        if (lf >= 0) {
            m_lines += int(s.count(u'\n'));
            m_lastLineStart = int(size() + lf + 1);
        }
        m_text += s;
        if (m_sink && m_text.size() > kPiece)
            pass(m_text.size() - kKept);
    }
    void chop(int n) { m_text.chop(n); } // never a line break, never more than kKept
    int size() const { return int(m_passed + m_text.size()); }
    int row() const { return m_lines + 1; }
    int lastLineStart() const { return m_lastLineStart; }
    QStringView tail(int n) const { return QStringView(m_text).right(std::min<qsizetype>(n, m_text.size())); }
    QString take() { return std::move(m_text); }
    void finish() { pass(m_text.size()); }

private:
    static constexpr qsizetype kPiece = 64 * 1024;
    static constexpr qsizetype kKept = 3; // what chop() and tail() may reach
    void pass(qsizetype n)
    {
        m_sink->text(QStringView(m_text).first(n));
        m_text.remove(0, n);
        m_passed += n;
    }

    Sink *m_sink;
    QString m_text;
    qsizetype m_passed = 0;
    int m_lines = 0;
    int m_lastLineStart = 0;
};

void appendEntry(QString &list, const QString &entry)
{
    list += ExtractionList::lineAddition(list.isEmpty() ? QChar() : list.back(), entry);
}
} // namespace

namespace {
// Repeated Find Next from the top of the page, one literal at a time.
class LiteralWalk
{
public:
    LiteralWalk(const QString &page, SourcePage kind) : m_page(page), m_src(page), m_hinter(page, kind), m_kind(kind) {}
    const TextSource &source() const { return m_src; }
    bool next(Literal &out)
    {
        const ScanResult r = m_kind == SourcePage::Dfm ? scanDfmLiteral(m_src, m_from, m_row, m_driver)
                                                       : scanCppLiteral(m_src, m_from, m_driver);
        if (r.outcome != ScanResult::Found)
            return false;
        const int line = m_src.lineOf(r.start);
        out = Literal{r.start, r.length, m_page.mid(r.start, r.length),
                      RowCol{line + 1, r.start - m_src.lineStart(line) + 1}, m_hinter.hints(r.start, r.length)};
        m_from = r.start + r.length;
        m_row = line + 1;
        return true;
    }

private:
    const QString &m_page;
    const TextSource m_src;
    const LiteralHinter m_hinter;
    const SourcePage m_kind;
    FlatOut m_driver;
    int m_from = 0;
    int m_row = 1; // the form description scan counts lines from the selection's row
};

// The one pass behind extract() and extractTo(): outcomes go to sink, the
// page afterwards into out.
State run(const QString &page, const Options &options, State st, const std::function<bool(const Literal &)> &choose,
          Rewritten &out, Sink &sink)
{
    const bool cpp = options.page != SourcePage::Dfm;
    LiteralWalk walk(page, options.page);
    const TextSource &src = walk.source();

    const bool reuse = options.equal == EqualStrings::Reuse;
    ExtractionList::EqualValues values;
    if (cpp && reuse)
        values.add(st.list);
    const auto yes = [](const QString &, int) { return Extract::EqualChoice::Reuse; };
    Extract::OwnerSearch owners([&src](int k) { return src.line(k); });
    int copied = 0; // original text up to here is in out

    Outcome o;
    while (walk.next(o.literal)) {
        o.action = Action::Skipped;
        o.name.clear();
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
        sink.outcome(o);
    }
    if (cpp)
        out.append(QStringView(page).mid(copied));
    return st;
}

// Keeps every outcome; the text stays in Rewritten.
class Collect : public Sink
{
public:
    explicit Collect(std::vector<Outcome> &outcomes) : m_outcomes(outcomes) {}
    void text(QStringView) override {}
    void outcome(const Outcome &o) override { m_outcomes.push_back(o); }

private:
    std::vector<Outcome> &m_outcomes;
};
} // namespace

std::vector<Literal> findLiterals(const QString &page, SourcePage kind)
{
    LiteralWalk walk(page, kind);
    std::vector<Literal> out;
    for (Literal l; walk.next(l);)
        out.push_back(std::move(l));
    return out;
}

Result extract(const QString &page, const Options &options, const State &state,
               const std::function<bool(const Literal &)> &choose)
{
    const bool cpp = options.page != SourcePage::Dfm;
    Result result;
    Collect collect(result.literals);
    Rewritten out(cpp ? page.size() : 0, nullptr);
    result.state = run(page, options, state, choose, out, collect);
    result.text = cpp ? out.take() : page;
    return result;
}

State extractTo(const QString &page, const Options &options, const State &state,
                const std::function<bool(const Literal &)> &choose, Sink &sink)
{
    Rewritten out(0, &sink);
    State st = run(page, options, state, choose, out, sink);
    if (options.page != SourcePage::Dfm)
        out.finish();
    return st;
}

} // namespace Batch
