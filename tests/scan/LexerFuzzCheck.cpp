#include "tests/scan/LexerFuzzCheck.h"

#include "scan/CodeMap.h"
#include "scan/CppLexer.h"

#include <vector>

#ifdef VTQX_HAVE_LIBCLANG
#include <clang-c/Index.h>
#endif

namespace {
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}

bool isBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// A backslash, blanks and a line break at p: its length, else 0.
int spliceAt(const QString &text, int p)
{
    if (p >= text.size() || text[p] != u'\\')
        return 0;
    int q = p + 1;
    while (q < text.size() && isBlank(text[q]))
        ++q;
    if (q >= text.size() || !isBreak(text[q]))
        return 0;
    return q + 1 - p + (text[q] == u'\r' && q + 1 < text.size() && text[q + 1] == u'\n');
}

// Whether a splice ends right before p.
bool afterSplice(const QString &text, int p)
{
    int q = p - 1;
    if (q >= 0 && text[q] == u'\n')
        --q;
    if (q >= 0 && text[q] == u'\r' && (q == p - 1 || q == p - 2))
        --q;
    if (q == p - 1)
        return false;
    while (q >= 0 && isBlank(text[q]))
        --q;
    return q >= 0 && text[q] == u'\\';
}

QString where(const QString &text, int pos)
{
    const int line = int(text.left(pos).count(u'\n')) + 1;
    const int lineStart = int(text.lastIndexOf(u'\n', pos - 1)) + 1;
    return QStringLiteral("line %1 col %2 \"%3\"")
        .arg(line)
        .arg(pos - lineStart + 1)
        .arg(text.mid(pos, 40).replace(u'\n', QStringLiteral("\\n")));
}

// The first character in [from, to) that is neither blank, line break nor
// splice; -1 when none.
int firstSolid(const QString &text, int from, int to)
{
    for (int p = from; p < to;) {
        if (const int s = spliceAt(text, p)) {
            p += s;
        } else if (isBlank(text[p]) || isBreak(text[p])) {
            ++p;
        } else {
            return p;
        }
    }
    return -1;
}

bool isLiteralKind(Cpp::TokenKind k)
{
    return k == Cpp::TokenKind::String || k == Cpp::TokenKind::RawString || k == Cpp::TokenKind::Char;
}
} // namespace

QString checkLexerInvariants(const QString &text)
{
    const int n = int(text.size());
    Cpp::Lexer lexer(text);
    Cpp::Token t;
    int pos = 0, count = 0;
    while (lexer.next(t)) {
        if (++count > n)
            return QStringLiteral("more tokens than characters");
        if (t.start < pos || t.end <= t.start || t.end > n)
            return QStringLiteral("token [%1, %2) after %3 at %4").arg(t.start).arg(t.end).arg(pos).arg(where(text, t.start));
        if (isLiteralKind(t.kind)) {
            if (!(t.start <= t.quote && t.quote < t.close && t.close <= t.end) ||
                (text[t.quote] != u'"' && text[t.quote] != u'\''))
                return QStringLiteral("literal parts out of order at %1").arg(where(text, t.start));
        } else if (t.quote != t.start || t.close != t.end) {
            return QStringLiteral("quote/close set on a plain token at %1").arg(where(text, t.start));
        }
        if (const int p = firstSolid(text, pos, t.start); p >= 0)
            return QStringLiteral("no token covers %1").arg(where(text, p));
        pos = t.end;
    }
    if (const int p = firstSolid(text, pos, n); p >= 0)
        return QStringLiteral("no token covers %1").arg(where(text, p));
    return {};
}

#ifndef VTQX_HAVE_LIBCLANG
bool clangAvailable()
{
    return false;
}

QString compareWithClang(const QString &)
{
    return QStringLiteral("built without libclang");
}
#else
bool clangAvailable()
{
    return true;
}

namespace {
struct ClangToken
{
    CXTokenKind kind;
    int start, end; // UTF-16 positions
};

CXIndex clangIndex()
{
    static const CXIndex index = [] {
        // Its crash recovery would take signals the sanitizers want.
        qputenv("LIBCLANG_DISABLE_CRASH_RECOVERY", "1");
        return clang_createIndex(0, 0);
    }();
    return index;
}

// The text as UTF-8 and, for every byte offset (and the end), its UTF-16 position.
QByteArray toUtf8(const QString &text, std::vector<int> *at16)
{
    QByteArray out;
    out.reserve(text.size() * 3);
    at16->clear();
    for (int i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        const int from = i;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        else if (QChar::isSurrogate(c))
            c = 0xfffd;
        const int before = int(out.size());
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xc0 | (c >> 6));
            out += char(0x80 | (c & 0x3f));
        } else if (c < 0x10000) {
            out += char(0xe0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3f));
            out += char(0x80 | (c & 0x3f));
        } else {
            out += char(0xf0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3f));
            out += char(0x80 | ((c >> 6) & 0x3f));
            out += char(0x80 | (c & 0x3f));
        }
        at16->insert(at16->end(), size_t(out.size() - before), from);
    }
    at16->push_back(int(text.size()));
    return out;
}

std::vector<ClangToken> clangTokens(const QString &text, QString *error)
{
    std::vector<int> at16;
    const QByteArray utf8 = toUtf8(text, &at16);
    const char *name = "lexer_input.cpp";
    CXUnsavedFile file{name, utf8.constData(), static_cast<unsigned long>(utf8.size())};
    // Only the main file is read: a missing #include does not matter.
    const char *args[] = {"-x", "c++", "-std=c++20", "-w"};
    CXTranslationUnit tu = nullptr;
    const unsigned options =
        CXTranslationUnit_SingleFileParse | CXTranslationUnit_KeepGoing | CXTranslationUnit_Incomplete;
    if (clang_parseTranslationUnit2(clangIndex(), name, args, 4, &file, 1, options, &tu) != CXError_Success || !tu) {
        *error = QStringLiteral("libclang could not read the text");
        return {};
    }
    const CXFile f = clang_getFile(tu, name);
    const CXSourceRange all = clang_getRange(clang_getLocationForOffset(tu, f, 0),
                                             clang_getLocationForOffset(tu, f, unsigned(utf8.size())));
    CXToken *tokens = nullptr;
    unsigned count = 0;
    clang_tokenize(tu, all, &tokens, &count);
    std::vector<ClangToken> out;
    out.reserve(count);
    for (unsigned i = 0; i < count; ++i) {
        const CXSourceRange r = clang_getTokenExtent(tu, tokens[i]);
        unsigned b = 0, e = 0;
        clang_getSpellingLocation(clang_getRangeStart(r), nullptr, nullptr, nullptr, &b);
        clang_getSpellingLocation(clang_getRangeEnd(r), nullptr, nullptr, nullptr, &e);
        if (e > unsigned(utf8.size()) || b > e)
            continue;
        // clang starts a token at a splice right before it; we at its first character.
        int start = at16[b];
        while (const int n = spliceAt(text, start))
            start += n;
        out.push_back({clang_getTokenKind(tokens[i]), std::min(start, at16[e]), at16[e]});
    }
    clang_disposeTokens(tu, tokens, count);
    clang_disposeTranslationUnit(tu);
    return out;
}

// A literal token that is a string: an encoding or raw prefix, then a quote.
bool isStringLiteral(const QString &text, const ClangToken &t)
{
    if (t.kind != CXToken_Literal)
        return false;
    QString s;
    for (int p = t.start; p < t.end && s.size() < 4;) {
        if (const int n = spliceAt(text, p))
            p += n;
        else
            s += text[p++];
    }
    for (const char16_t *prefix : {u"", u"L", u"u", u"U", u"u8"}) {
        const QStringView v(prefix);
        if (s.startsWith(v) && (s.mid(v.size()).startsWith(u'"') || s.mid(v.size()).startsWith(u"R\"")))
            return true;
    }
    return false;
}

struct Literal
{
    int start, end;
    bool operator==(const Literal &) const = default;
};

struct Group
{
    int start, end, members;
    bool operator==(const Group &) const = default;
};

QString describe(const QString &text, const char *who, const Literal *l)
{
    return l ? QStringLiteral("%1 [%2, %3) %4").arg(QLatin1String(who)).arg(l->start).arg(l->end).arg(where(text, l->start))
             : QStringLiteral("%1: none").arg(QLatin1String(who));
}
} // namespace

QString compareWithClang(const QString &text)
{
    QString error;
    const std::vector<ClangToken> theirs = clangTokens(text, &error);
    if (!error.isEmpty())
        return error;

    // Ours, and the header names: clang_tokenize lexes raw, without them.
    std::vector<Literal> ours, quoted; // quoted: opening quote to one past the closing one
    std::vector<Literal> headerNames;
    {
        Cpp::Lexer lexer(text);
        Cpp::Token t;
        while (lexer.next(t)) {
            if (t.kind == Cpp::TokenKind::String || t.kind == Cpp::TokenKind::RawString) {
                ours.push_back({t.start, t.end});
                quoted.push_back({t.quote, t.close});
            } else if (t.kind == Cpp::TokenKind::HeaderName) {
                headerNames.push_back({t.start, t.end});
            }
        }
    }
    const auto inHeaderName = [&](int pos) {
        for (const Literal &h : headerNames)
            if (pos >= h.start && pos < h.end)
                return true;
        return false;
    };

    // Theirs, and each literal's group: runs of string literals among the
    // tokens other than comments, on one preprocessor line or in code. A "#"
    // first on its line (line breaks inside comments and splices do not
    // count) starts a directive; the next line start ends it.
    std::vector<Literal> literals;
    std::vector<Group> groups; // per literal
    int directive = 0, directives = 0, prevEnd = 0, prevDirective = -1;
    bool lineStart = true, prevString = false;
    for (const ClangToken &t : theirs) {
        for (int p = prevEnd; p < t.start;) {
            if (const int s = spliceAt(text, p)) {
                p += s;
            } else {
                lineStart = lineStart || isBreak(text[p]);
                ++p;
            }
        }
        prevEnd = t.end;
        if (t.kind == CXToken_Comment)
            continue;
        if (lineStart)
            directive = t.kind == CXToken_Punctuation && text.mid(t.start, t.end - t.start) == u"#" ? ++directives : 0;
        lineStart = false;
        const bool string = isStringLiteral(text, t) && !inHeaderName(t.start);
        if (string) {
            literals.push_back({t.start, t.end});
            if (prevString && prevDirective == directive) {
                Group &last = groups.back();
                const Group g{last.start, t.end, last.members + 1};
                for (size_t i = groups.size() - size_t(last.members); i < groups.size(); ++i)
                    groups[i] = g;
                groups.push_back(g);
            } else {
                groups.push_back({t.start, t.end, 1});
            }
        }
        prevString = string;
        prevDirective = directive;
    }

    for (size_t i = 0; i < std::max(ours.size(), literals.size()); ++i) {
        const Literal *a = i < ours.size() ? &ours[i] : nullptr;
        const Literal *b = i < literals.size() ? &literals[i] : nullptr;
        if (!a || !b || !(*a == *b))
            return QStringLiteral("string literal %1 differs: %2; %3")
                .arg(i)
                .arg(describe(text, "lexer", a), describe(text, "clang", b));
    }
    const CodeMap map(text);
    for (size_t i = 0; i < ours.size(); ++i) {
        const RunPlace place = map.place(quoted[i].start, quoted[i].end);
        if (!place.group)
            return QStringLiteral("no group for %1").arg(where(text, ours[i].start));
        const Group g{place.group->start, place.group->end, place.group->members};
        if (!(g == groups[i]))
            return QStringLiteral("group of %1: code map [%2, %3) of %4, clang [%5, %6) of %7")
                .arg(where(text, ours[i].start))
                .arg(g.start)
                .arg(g.end)
                .arg(g.members)
                .arg(groups[i].start)
                .arg(groups[i].end)
                .arg(groups[i].members);
    }
    return {};
}
#endif

QString checkLexerInput(const uint8_t *data, size_t size)
{
    QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    // Which characters beyond ASCII make identifiers is clang's own table;
    // we compare the syntax around them with one letter both take. Right
    // behind a splice clang reads no such letter into an identifier or a
    // suffix (it does not look through the splice there): an ASCII one.
    for (int i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == 0)
            text[i] = u' ';
        else if (c >= 0x80)
            text[i] = afterSplice(text, i) ? u'e' : QChar(0xe9);
    }
    // clang reads "\n\r" as one line break (a splice takes both), the lexer
    // as two. Not a line ending anybody writes.
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n\n"));
    // clang_tokenize knows no header names: <a"b"> would hold a string
    // there, <a/*b> a comment.
    std::vector<std::pair<int, int>> headerNames;
    Cpp::Lexer lexer(text);
    for (Cpp::Token t; lexer.next(t);)
        if (t.kind == Cpp::TokenKind::HeaderName)
            headerNames.emplace_back(t.start, t.end);
    for (const auto &[start, end] : headerNames)
        for (int i = start; i < end; ++i)
            if (text[i] == u'"' || text[i] == u'\'' || text[i] == u'/')
                text[i] = u'_';
    QString failure = checkLexerInvariants(text);
    if (failure.isEmpty() && clangAvailable())
        failure = compareWithClang(text);
    return failure;
}
