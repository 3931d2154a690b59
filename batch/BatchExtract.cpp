#include "batch/BatchExtract.h"

#include "extract/ExtractionList.h"
#include "extract/FormDescription.h"
#include "scan/FormValues.h"
#include "scan/LiteralScanner.h"
#include "scan/TextSource.h"

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

bool isIdentifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

void appendEntry(QString &list, const QString &entry)
{
    list += ExtractionList::lineAddition(list.isEmpty() ? QChar() : list.back(), entry);
}
} // namespace

namespace {
// The page's literals from the top, one at a time: on a C++ page the runs
// of Find Next's scanner, each placed by the page's tokens; on a form
// description page its text values.
class LiteralWalk
{
public:
    LiteralWalk(const QString &page, SourcePage kind, const UseRules &rules)
        : m_page(page), m_src(page), m_hinter(page, kind, rules), m_kind(kind)
    {
        if (kind == SourcePage::Dfm) {
            m_values = readFormValues(page);
            m_root = FormDescription::objectNameOfLine(page.left(page.indexOf(u'\n')));
        }
    }
    const TextSource &source() const { return m_src; }
    bool next(Literal &out)
    {
        return m_kind == SourcePage::Dfm ? nextValue(out) : nextRun(out);
    }

private:
    bool nextRun(Literal &out)
    {
        const ScanResult r = scanCppLiteral(m_src, m_from, m_driver);
        if (r.outcome != ScanResult::Found)
            return false;
        const RunPlace place = m_hinter.code().place(r.start, r.start + r.length);
        const bool literal = place.kind == RunKind::Literal || place.kind == RunKind::Group;
        out = make(place.start, place.end - place.start);
        if (literal) {
            QString value = m_hinter.code().value(*place.group);
            out.value = value == out.text ? out.text : std::move(value); // one copy where they agree
        } else {
            out.value = out.text;
        }
        out.hints = m_hinter.hints(place, out.value);
        out.use = m_hinter.use(place);
        m_from = place.end;
        return true;
    }
    bool nextValue(Literal &out)
    {
        if (m_next >= m_values.size())
            return false;
        FormValue &v = m_values[m_next++];
        out = make(v.start, v.end - v.start);
        out.value = cppStringLiteral(v.text);
        out.path = std::move(v.path);
        out.hints = valueHints(QString(u'\'' + v.text + u'\''), SourcePage::Dfm);
        out.use = m_hinter.use(out.path, v.text, m_root);
        if (isNonDisplayProperty(out.path))
            out.hints |= LiteralHint::Property;
        return true;
    }
    Literal make(int start, int length) const
    {
        const int line = m_src.lineOf(start);
        return Literal{start, length, m_page.mid(start, length), {}, {},
                       RowCol{line + 1, start - m_src.lineStart(line) + 1}, {}, {}};
    }

    const QString &m_page;
    const TextSource m_src;
    const LiteralHinter m_hinter;
    const SourcePage m_kind;
    FlatOut m_driver;
    int m_from = 0;
    std::vector<FormValue> m_values;
    size_t m_next = 0;
    QString m_root; // form page: the root object's name
};

// The one pass behind extract() and extractTo(): outcomes go to sink, the
// page afterwards into out.
State run(const QString &page, const Options &options, State st, const std::function<bool(const Literal &)> &choose,
          Rewritten &out, Sink &sink, std::vector<Cpp::Replacement> *replacements = nullptr,
          const std::vector<Literal> *walked = nullptr)
{
    const bool cpp = options.page != SourcePage::Dfm;
    std::optional<LiteralWalk> walk;
    std::optional<TextSource> pageSource;
    if (!walked)
        walk.emplace(page, options.page, options.rules ? *options.rules : UseRules::standard());
    else if (!cpp)
        pageSource.emplace(page);
    const TextSource &src = walk ? walk->source() : *pageSource;
    size_t index = 0;
    const auto next = [&](Literal &l) {
        if (walk)
            return walk->next(l);
        if (index >= walked->size())
            return false;
        l = (*walked)[index++];
        return true;
    };

    const bool reuse = options.equal == EqualStrings::Reuse;
    ExtractionList::EqualValues values;
    if (cpp && reuse)
        values.add(st.list);
    const auto yes = [](const QString &, int) { return Extract::EqualChoice::Reuse; };
    int copied = 0; // original text up to here is in out

    Outcome o;
    while (next(o.literal)) {
        o.action = Action::Skipped;
        o.name.clear();
        const Literal &l = o.literal;
        if (!l.isLiteral() || l.hints.testFlag(LiteralHint::CommentInside)) {
            // A group with a comment between its members cannot be replaced
            // without losing the comment: it is left out, whatever was chosen.
            o.action = Action::NotLiteral;
        } else if (!options.includeMarked && l.hints.testFlag(LiteralHint::Marker)) {
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
            const Extract::CppInput in{st.counter, l.value, options.mode, options.extractC, options.root,
                                       reuse ? values.find(l.value) : std::nullopt};
            const Extract::CppStep step = Extract::extractCpp(in, yes);
            st.counter = step.counter;
            st.lastEdit = at;
            if (!step.reused) {
                appendEntry(st.list, step.entry);
                if (reuse)
                    values.add(step.entry);
            }
            const int prefix = encodingPrefixLength(out.tail(3));
            out.chop(prefix);
            const int newStart = out.size();
            // return"x" must not become returnString1, nor "x"y String1y.
            const QStringView before = out.tail(1);
            if (!before.isEmpty() && isIdentifierChar(before.front()) && isIdentifierChar(step.replacement.front()))
                out.append(u" ");
            out.append(step.replacement);
            if (copied < page.size() && isIdentifierChar(page[copied]) && isIdentifierChar(step.replacement.back()))
                out.append(u" ");
            if (replacements)
                replacements->push_back({l.start - prefix, l.start + l.length, newStart, out.size()});
            o.action = step.reused ? Action::Reused : Action::Extracted;
            o.name = step.name;
        } else {
            const int selLine = src.lineOf(l.start);
            st.lastEdit = RowCol{selLine + 1, l.start - src.lineStart(src.lineOf(l.start + l.length)) + 1};
            const QString entry =
                FormDescription::propertyEntry(FormDescription::propertyPath(options.root, l.path), l.value);
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

std::vector<Literal> findLiterals(const QString &page, SourcePage kind, const UseRules &rules)
{
    LiteralWalk walk(page, kind, rules);
    std::vector<Literal> out;
    for (Literal l; walk.next(l);)
        out.push_back(std::move(l));
    return out;
}

void forEachLiteral(const QString &page, SourcePage kind, const std::function<void(const Literal &)> &found,
                    const UseRules &rules)
{
    LiteralWalk walk(page, kind, rules);
    for (Literal l; walk.next(l);)
        found(l);
}

Result extract(const QString &page, const Options &options, const State &state,
               const std::function<bool(const Literal &)> &choose)
{
    const bool cpp = options.page != SourcePage::Dfm;
    Result result;
    Collect collect(result.literals);
    Rewritten out(cpp ? page.size() : 0, nullptr);
    result.state = run(page, options, state, choose, out, collect, &result.replacements);
    result.text = cpp ? out.take() : page;
    return result;
}

Result extract(const QString &page, const std::vector<Literal> &literals, const Options &options, const State &state,
               const std::function<bool(const Literal &)> &choose, Sink *outcomes)
{
    const bool cpp = options.page != SourcePage::Dfm;
    Result result;
    Collect collect(result.literals);
    Rewritten out(cpp ? page.size() : 0, nullptr);
    result.state = run(page, options, state, choose, out, outcomes ? *outcomes : collect, &result.replacements, &literals);
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

std::optional<int> proofFailure(const QString &page, const Result &result)
{
    if (result.replacements.empty() && result.text == page)
        return std::nullopt;
    return Cpp::firstTokenDifference(page, result.text, result.replacements);
}

} // namespace Batch
