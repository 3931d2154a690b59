#include "scan/LiteralContext.h"
#include "scan/UseTable.h"

#include <algorithm>

namespace {
// Two punctuators that compilers read as one operator.
bool joins(char16_t a, char16_t b)
{
    static const char16_t *const ops[] = {u"==", u"!=", u"<=", u">=", u"+=", u"-=", u"*=", u"/=", u"|=",
                                          u"&=", u"->", u"::", u"&&", u"||", u"<<", u">>", u"++", u"--"};
    return std::any_of(std::begin(ops), std::end(ops), [&](const char16_t *op) { return op[0] == a && op[1] == b; });
}

// Words that a "(" follows without being a call.
bool isNoCall(QStringView word)
{
    static constexpr QStringView words[] = {u"if",       u"while",   u"for",      u"switch", u"return", u"sizeof",
                                            u"catch",    u"throw",   u"decltype", u"alignof", u"alignas", u"typeid",
                                            u"noexcept", u"defined", u"delete",   u"new",     u"case"};
    return std::any_of(std::begin(words), std::end(words), [&](QStringView w) { return word == w; });
}
} // namespace

ContextReader::ContextReader(QStringView page) : m_page(page)
{
    m_frames.emplace_back();
}

bool ContextReader::identIs(const Sig &s, QStringView word) const
{
    return s.type == Sig::Ident && s.end - s.start == word.size() && text(s) == word;
}

void ContextReader::token(const Cpp::Token &t)
{
    if (t.kind == Cpp::TokenKind::Comment || t.directive)
        return;
    Sig s;
    s.start = t.start;
    s.end = t.end;
    switch (t.kind) {
    case Cpp::TokenKind::Identifier:
        s.type = Sig::Ident;
        break;
    case Cpp::TokenKind::String:
    case Cpp::TokenKind::RawString:
        s.type = Sig::Literal;
        s.start = t.quote;
        break;
    case Cpp::TokenKind::Punct:
        s.type = Sig::Op;
        s.op[0] = m_page[t.start].unicode();
        if (m_pending.type == Sig::Op && m_pending.end == t.start && m_pending.op[1] == 0 &&
            joins(m_pending.op[0], s.op[0])) {
            m_pending.op[1] = s.op[0];
            m_pending.end = t.end;
            return;
        }
        break;
    default:
        s.type = Sig::Other;
        break;
    }
    if (m_pending.type != Sig::Nothing)
        process(m_pending);
    m_pending = s;
}

void ContextReader::finish()
{
    if (m_pending.type != Sig::Nothing)
        process(m_pending);
    m_pending = Sig();
}

void ContextReader::process(const Sig &s)
{
    Frame &f = m_frames.back();
    if (s.type == Sig::Literal) {
        if (back(1).type != Sig::Literal) // a later member of a group shares the first one's context
            literal(s);
    } else if (s.type == Sig::Ident) {
        if (f.open == u'(' && !f.settingsArgument && UseTable::namesSettings(text(s)))
            f.settingsArgument = true;
        if (identIs(s, u"return"))
            f.lead = Frame::Return;
        else if (identIs(s, u"throw"))
            f.lead = Frame::Throw;
    } else if (s.type == Sig::Op) {
        const QStringView op = opOf(s);
        const char16_t c = s.op[1] ? 0 : s.op[0];
        if (c == u'(' || c == u'[' || c == u'{') {
            open(s);
        } else if (c == u')' || c == u']' || c == u'}') {
            close(c);
        } else if (c == u';') {
            f.targetLength = 0;
            f.lead = Frame::Plain;
        } else if (c == u',') {
            ++f.arg;
            f.targetLength = 0;
        } else if (c == u'=' || op == u"+=") {
            const Sig &p = back(1);
            f.targetObjectLength = 0;
            if (p.type == Sig::Ident) {
                f.target = p.start;
                f.targetLength = p.end - p.start;
                const Sig &q = back(2), &o = back(3);
                if (q.type == Sig::Op && (opOf(q) == u"->" || opOf(q) == u"." ||
                                          opOf(q) == u"::") && o.type == Sig::Ident) {
                    f.targetObject = o.start;
                    f.targetObjectLength = o.end - o.start;
                }
            } else if (p.type == Sig::Op && p.op[0] == u']' && m_lastSubscriptOwnerLength > 0) {
                f.target = m_lastSubscriptOwner;
                f.targetLength = m_lastSubscriptOwnerLength;
            } else {
                f.targetLength = -1;
            }
        } else if ((op == u"==" || op == u"!=") && back(1).type == Sig::Literal && !m_entries.empty()) {
            m_entries.back().context = LiteralContext{LiteralContext::Compared};
        }
    }
    m_history[m_count & 3] = s;
    ++m_count;
}

void ContextReader::open(const Sig &s)
{
    Frame nf;
    nf.open = s.op[0];
    const Sig &p = back(1);
    const auto isQualifier = [](const Sig &q) {
        const QStringView op = opOf(q);
        return q.type == Sig::Op && (op == u"->" || op == u"." || op == u"::");
    };
    if (nf.open == u'(') {
        if (p.type == Sig::Ident && !isNoCall(text(p))) {
            nf.name = p.start;
            nf.nameLength = p.end - p.start;
            int before = 2;
            if (isQualifier(back(2))) {
                if (back(3).type == Sig::Ident) {
                    nf.object = back(3).start;
                    nf.objectLength = back(3).end - back(3).start;
                }
                before = 4;
            }
            nf.isNew = identIs(back(before), u"new");
        }
    } else if (nf.open == u'[') {
        if (p.type == Sig::Ident) {
            nf.name = p.start;
            nf.nameLength = p.end - p.start;
        } else if (p.type == Sig::Op && p.op[0] == u']') { // Cells[0][1]: the same owner
            nf.name = m_lastSubscriptOwner;
            nf.nameLength = m_lastSubscriptOwnerLength;
        }
    } else {
        const Frame &outer = m_frames.back();
        const QStringView op = opOf(p);
        // A braced list after "=", "(", "[" or return, or inside another list or a call's arguments.
        const bool inList = outer.initializer || outer.open == u'(' || outer.open == u'[';
        nf.initializer = (p.type == Sig::Op && (op == u"=" || op == u"(" || op == u"[" ||
                                                ((op == u"{" || op == u",") && inList))) ||
                         identIs(p, u"return");
        if (nf.initializer) {
            if (outer.targetLength > 0) {
                nf.name = outer.target;
                nf.nameLength = outer.targetLength;
            } else if (outer.initializer) {
                nf.name = outer.name;
                nf.nameLength = outer.nameLength;
            }
        }
    }
    m_frames.push_back(nf);
}

void ContextReader::close(char16_t c)
{
    const char16_t open = c == u')' ? u'(' : c == u']' ? u'[' : u'{';
    const auto match = std::find_if(m_frames.rbegin(), m_frames.rend() - 1, [&](const Frame &f) { return f.open == open; });
    if (match == m_frames.rend() - 1)
        return; // unbalanced (a macro's half): keep what is open
    const Frame closed = *match;
    m_frames.erase(std::prev(match.base()), m_frames.end());
    if (open == u'[') {
        m_lastSubscriptOwner = closed.name;
        m_lastSubscriptOwnerLength = closed.nameLength;
    } else if (open == u'{' && !closed.initializer) {
        // the end of a block ends the statement around it
        m_frames.back().targetLength = 0;
        m_frames.back().lead = Frame::Plain;
    }
}

void ContextReader::literal(const Sig &s)
{
    LiteralContext c;
    const Sig &p = back(1);
    const QStringView op = opOf(p);
    if (p.type == Sig::Op && (op == u"==" || op == u"!=")) {
        c.kind = LiteralContext::Compared;
    } else if (identIs(p, u"case")) {
        c.kind = LiteralContext::CaseLabel;
    } else {
        for (auto f = m_frames.rbegin(); f != m_frames.rend(); ++f) {
            if (f->targetLength != 0) {
                if (f->targetLength > 0) {
                    c.kind = LiteralContext::Assigned;
                    c.name = f->target;
                    c.nameLength = f->targetLength;
                    c.object = f->targetObject;
                    c.objectLength = f->targetObjectLength;
                }
                break;
            }
            if (f->open == u'(') {
                if (f->nameLength == 0)
                    continue; // a grouping or a cast
                const QStringView name = m_page.sliced(f->name, f->nameLength);
                if (UseTable::passesThrough(name, f->arg))
                    continue;
                c.kind = LiteralContext::Argument;
                c.isNew = f->isNew;
                c.settingsArgument = f->settingsArgument;
                c.argument = f->arg;
                c.name = f->name;
                c.nameLength = f->nameLength;
                c.object = f->object;
                c.objectLength = f->objectLength;
            } else if (f->open == u'[') {
                c.kind = LiteralContext::Subscript;
                c.name = f->name;
                c.nameLength = f->nameLength;
            } else if (f->initializer) {
                c.kind = LiteralContext::Initializer;
                c.name = f->name;
                c.nameLength = f->nameLength;
            } else if (f->lead != Frame::Plain) {
                c.kind = f->lead == Frame::Return ? LiteralContext::Return : LiteralContext::Throw;
            }
            break;
        }
    }
    m_entries.push_back({s.start, c});
}

std::vector<ContextReader::Entry> readContexts(QStringView page)
{
    ContextReader reader(page);
    Cpp::Lexer lexer(page);
    for (Cpp::Token t; lexer.next(t);)
        reader.token(t);
    reader.finish();
    return reader.entries();
}
