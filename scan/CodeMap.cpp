#include "scan/CodeMap.h"

#include <algorithm>

namespace {
bool isHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool isOctal(QChar c)
{
    return c >= u'0' && c <= u'7';
}

// Calls and words whose string arguments are code, not text.
bool isCodeTextWord(QStringView id)
{
    static const char16_t *const words[] = {u"__declspec", u"asm",      u"__asm",         u"__asm__", u"static_assert",
                                            u"_Static_assert", u"_Pragma", u"__pragma", u"__attribute__"};
    return std::any_of(std::begin(words), std::end(words), [&](const char16_t *w) { return id == QStringView(w); });
}

// How a literal's text ends, for the seam to the next one: an escape that
// the next character could continue.
struct Tail
{
    enum { None, Hex, Octal } kind = None;
    int digits = 0;
};

Tail tailOf(QStringView inner, Tail carried)
{
    if (inner.isEmpty())
        return carried;
    Tail t;
    for (qsizetype i = 0; i < inner.size();) {
        if (inner[i] != u'\\') {
            ++i;
            t = {};
            continue;
        }
        const QChar e = i + 1 < inner.size() ? inner[i + 1] : QChar();
        qsizetype k = i + 2;
        t = {};
        if (e == u'x') {
            while (k < inner.size() && isHex(inner[k]))
                ++k;
            t = {Tail::Hex, int(k - i - 2)};
        } else if (isOctal(e)) {
            k = i + 1;
            while (k < inner.size() && k < i + 4 && isOctal(inner[k]))
                ++k;
            t = {Tail::Octal, int(k - i - 1)};
        }
        i = std::min(k, inner.size());
    }
    return t;
}
} // namespace

QString joinLiterals(const std::vector<QString> &quoted)
{
    QString out(1, u'"');
    Tail tail;
    for (const QString &q : quoted) {
        const QStringView inner = QStringView(q).sliced(1, q.size() - 2);
        if (!inner.isEmpty()) {
            const QChar first = inner.front();
            const bool joins = (tail.kind == Tail::Hex && isHex(first)) ||
                               (tail.kind == Tail::Octal && tail.digits < 3 && isOctal(first));
            if (joins) {
                // The character as an octal escape of three digits, which ends by itself.
                out += QStringLiteral("\\%1").arg(first.unicode(), 3, 8, QChar(u'0'));
                out += inner.sliced(1);
            } else {
                out += inner;
            }
        }
        tail = tailOf(inner, tail);
    }
    out += u'"';
    return out;
}

CodeMap::CodeMap(QStringView page) : m_page(page)
{
    read(-1);
}

CodeMap::CodeMap(QStringView page, int upTo) : m_page(page)
{
    read(std::max(upTo, 0));
}

void CodeMap::read(int upTo)
{
    const QStringView page = m_page;
    const bool uses = upTo < 0;
    Cpp::Lexer lexer(page);
    Cpp::Token t;
    Cpp::Token prev; // the last token other than a comment
    bool havePrev = false;
    bool commented = false; // a comment since the last token other than a comment
    int directiveIndex = 0; // counts preprocessor lines; 0 outside
    int prevDirective = 0;
    std::vector<bool> parens; // per open "(": its call takes code text
    ContextReader contexts(page);
    while (lexer.next(t)) {
        // Past upTo, the first token that neither joins a group nor is a
        // comment ends the group that upTo may be in.
        if (!uses && t.start >= upTo && t.kind != Cpp::TokenKind::Comment && t.kind != Cpp::TokenKind::String &&
            t.kind != Cpp::TokenKind::RawString)
            break;
        if (uses)
            contexts.token(t);
        if (t.directive && t.lineStart && t.kind == Cpp::TokenKind::Punct && page[t.start] == u'#') {
            ++directiveIndex;
            m_directives.emplace_back(t.start, t.end);
        }
        const int directive = t.directive ? directiveIndex : 0;
        if (t.directive)
            m_directives.back().second = std::max(m_directives.back().second, t.end);
        switch (t.kind) {
        case Cpp::TokenKind::Comment:
            m_comments.emplace_back(t.start, t.end);
            m_regions.push_back({t.start, t.end, RunKind::Comment});
            commented = true;
            continue; // comments neither part nor break a group
        case Cpp::TokenKind::Char:
            m_regions.push_back({t.start, t.end, RunKind::CharLiteral});
            break;
        case Cpp::TokenKind::Other:
            m_regions.push_back({t.start, t.end, RunKind::SpansCode});
            break;
        case Cpp::TokenKind::RawString:
            m_regions.push_back({t.quote, t.end, RunKind::RawString});
            [[fallthrough]];
        case Cpp::TokenKind::String: {
            const bool joins = havePrev && !m_groups.empty() && prevDirective == directive &&
                               (prev.kind == Cpp::TokenKind::String || prev.kind == Cpp::TokenKind::RawString);
            if (!joins) {
                StringGroup g;
                g.start = t.start;
                g.quote = t.quote;
                g.members = 0;
                g.directive = t.directive;
                g.codeText = (havePrev && prev.kind == Cpp::TokenKind::Identifier &&
                              page.sliced(prev.start, prev.end - prev.start) == u"extern") ||
                             (!parens.empty() && parens.back());
                m_groups.push_back(g);
            }
            StringGroup &g = m_groups.back();
            g.comment = g.comment || (joins && commented);
            ++g.members;
            g.close = t.close;
            g.end = t.end;
            g.raw = g.raw || t.kind == Cpp::TokenKind::RawString;
            g.suffix = g.suffix || t.suffix;
            m_members.push_back({t.quote, t.close, int(m_groups.size() - 1)});
            break;
        }
        case Cpp::TokenKind::Punct: {
            const QChar c = page[t.start];
            if (c == u'(') {
                const bool code = havePrev && prev.kind == Cpp::TokenKind::Identifier &&
                                  isCodeTextWord(page.sliced(prev.start, prev.end - prev.start));
                parens.push_back(code || (!parens.empty() && parens.back()));
            } else if (c == u')') {
                if (!parens.empty())
                    parens.pop_back();
            } else if (c == u';' || c == u'{' || c == u'}') {
                parens.clear();
            }
            break;
        }
        default:
            break;
        }
        prev = t;
        havePrev = true;
        commented = false;
        prevDirective = directive;
    }
    if (!uses)
        return;
    contexts.finish();
    // Both in page order: each context to its group.
    auto group = m_groups.begin();
    for (const ContextReader::Entry &e : contexts.entries()) {
        while (group != m_groups.end() && group->quote < e.quote)
            ++group;
        if (group != m_groups.end() && group->quote == e.quote)
            group->context = e.context;
    }
}

RunPlace CodeMap::place(int runStart, int runEnd) const
{
    RunPlace p{RunKind::SpansCode, runStart, runEnd, nullptr};
    const auto member = std::lower_bound(m_members.begin(), m_members.end(), runStart,
                                         [](const Member &m, int pos) { return m.quote < pos; });
    if (member != m_members.end() && member->quote == runStart) {
        const StringGroup &g = m_groups[size_t(member->group)];
        p.group = &g;
        if (g.directive)
            p.kind = RunKind::Preprocessor;
        else if (g.raw)
            p.kind = RunKind::RawString;
        else if (g.suffix)
            p.kind = RunKind::Suffix;
        else if (member->close == runEnd)
            p.kind = g.members > 1 ? RunKind::Group : RunKind::Literal;
        if (p.kind == RunKind::Literal || p.kind == RunKind::Group)
            p.end = g.close;
        else
            p.end = std::min(runEnd, g.end);
        return p;
    }
    // The innermost thing that holds the quote: a comment, a character
    // literal, a raw string or an unterminated literal, else a directive.
    const auto region = std::upper_bound(m_regions.begin(), m_regions.end(), runStart,
                                         [](int pos, const Region &r) { return pos < r.begin; });
    if (region != m_regions.begin() && runStart < std::prev(region)->end) {
        p.kind = std::prev(region)->kind;
        p.end = std::min(runEnd, std::prev(region)->end);
        return p;
    }
    const auto line = std::upper_bound(m_directives.begin(), m_directives.end(), runStart,
                                       [](int pos, const auto &d) { return pos < d.first; });
    if (line != m_directives.begin() && runStart < std::prev(line)->second) {
        p.kind = RunKind::Preprocessor;
        p.end = std::min(runEnd, std::prev(line)->second);
    }
    return p;
}

QString CodeMap::value(const StringGroup &g) const
{
    std::vector<QString> quoted;
    const auto first = std::lower_bound(m_members.begin(), m_members.end(), g.quote,
                                        [](const Member &m, int pos) { return m.quote < pos; });
    for (auto m = first; m != m_members.end() && m->quote < g.close; ++m) {
        Cpp::Token t;
        t.kind = Cpp::TokenKind::String;
        t.quote = m->quote;
        t.close = m->close;
        quoted.push_back(Cpp::quotedPart(m_page, t));
    }
    return quoted.size() == 1 ? quoted.front() : joinLiterals(quoted);
}
