#include "TokenProof.h"

#include "CppLexer.h"

namespace Cpp {

namespace {
// One side of the comparison: a lexer with its current token.
struct Side
{
    explicit Side(QStringView text) : text(text), lexer(text) { advance(); }
    void advance() { more = lexer.next(token); }
    QStringView spelling() const { return text.sliced(token.start, token.end - token.start); }

    QStringView text;
    Lexer lexer;
    Token token;
    bool more = false;
};

bool isExpressionToken(const Token &t)
{
    return t.kind == TokenKind::Identifier || t.kind == TokenKind::Number || t.kind == TokenKind::Punct;
}
} // namespace

std::optional<int> firstTokenDifference(QStringView before, QStringView after,
                                        const std::vector<Replacement> &replacements)
{
    Side a(before), b(after);
    size_t k = 0;
    for (;;) {
        const Replacement *r = k < replacements.size() ? &replacements[k] : nullptr;
        if (r && (!a.more || a.token.end > r->oldStart)) {
            // The old stretch: its tokens wholly inside it.
            for (; a.more && a.token.start < r->oldEnd; a.advance())
                if (a.token.start < r->oldStart || a.token.end > r->oldEnd)
                    return a.token.start;
            // The new stretch: an expression, wholly inside it, nothing of it outside.
            if (!b.more || b.token.start != r->newStart)
                return r->oldStart;
            int end = r->newStart;
            for (; b.more && b.token.start < r->newEnd; b.advance()) {
                if (!isExpressionToken(b.token) || b.token.directive || b.token.end > r->newEnd)
                    return r->oldStart;
                end = b.token.end;
            }
            if (end != r->newEnd)
                return r->oldStart;
            ++k;
            continue;
        }
        if (!a.more || !b.more) {
            if (a.more || b.more)
                return a.more ? a.token.start : int(before.size());
            return std::nullopt;
        }
        if (a.token.kind != b.token.kind || a.token.directive != b.token.directive || a.spelling() != b.spelling() ||
            (r && b.token.end > r->newStart))
            return a.token.start;
        a.advance();
        b.advance();
    }
}

} // namespace Cpp
