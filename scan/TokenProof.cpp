#include "scan/TokenProof.h"

#include "scan/CppLexer.h"

#include <algorithm>

namespace Cpp {

namespace {
bool isExpressionToken(const Token &t)
{
    return t.kind == TokenKind::Identifier || t.kind == TokenKind::Number || t.kind == TokenKind::Punct;
}
} // namespace

// The lexer is a function of the text ahead and its state between tokens.
// So the proof needs one pass over the old text only:
//   1. outside the stretches the texts are equal, character for character;
//   2. the old text, lexed whole, has each stretch as whole tokens: string
//      literals of the code only (a comment between them would disappear);
//   3. the new text, lexed from the state the old text had in front of a
//      stretch, has there an expression of whole tokens, after which the
//      lexer is in the state the old text reaches behind its stretch.
// Then every token outside the stretches is the same in both texts.
std::optional<int> firstTokenDifference(QStringView before, QStringView after,
                                        const std::vector<Replacement> &replacements)
{
    int oldAt = 0, newAt = 0;
    for (const Replacement &r : replacements) {
        if (r.oldStart < oldAt || r.oldEnd < r.oldStart || r.newStart - newAt != r.oldStart - oldAt ||
            r.oldEnd > before.size() || r.newEnd > after.size())
            return std::max(0, std::min(r.oldStart, int(before.size())));
        if (before.sliced(oldAt, r.oldStart - oldAt) != after.sliced(newAt, r.newStart - newAt))
            return oldAt + int(std::mismatch(before.begin() + oldAt, before.begin() + r.oldStart, after.begin() + newAt).first -
                               (before.begin() + oldAt));
        oldAt = r.oldEnd;
        newAt = r.newEnd;
    }
    if (before.size() - oldAt != after.size() - newAt || before.sliced(oldAt) != after.sliced(newAt))
        return oldAt;

    Lexer a(before), b(after);
    Token t;
    Lexer::State front = a.state();
    size_t k = 0;
    while (k < replacements.size() && a.next(t)) {
        const Replacement &r = replacements[k];
        if (t.end <= r.oldStart) {
            front = a.state();
            continue;
        }
        // The old stretch: whole literals of the code, nothing between them
        // but blanks and line splices; a comment there would be lost.
        bool literal = false;
        for (bool more = true; more && t.start < r.oldEnd;) {
            if (t.start < r.oldStart || t.end > r.oldEnd || t.directive || t.kind != TokenKind::String)
                return t.start;
            literal = literal || t.kind == TokenKind::String;
            const Lexer::State s = a.state();
            more = a.next(t);
            if (!more || t.start >= r.oldEnd)
                a.setState(s); // t belongs to what follows
        }
        if (!literal)
            return r.oldStart;
        const Lexer::State behind = a.state();
        // The new stretch, from the same state: an expression of whole tokens.
        Lexer::State start = front;
        start.pos += r.newStart - r.oldStart;
        b.setState(start);
        int end = -1;
        Token u;
        const auto blanks = [&](int from, int to) {
            return std::all_of(after.begin() + from, after.begin() + to, [](QChar c) { return c == u' '; });
        };
        for (int gap = r.newStart;;) {
            const Lexer::State s = b.state();
            if (!b.next(u) || u.start >= r.newEnd) {
                b.setState(s); // what follows the stretch
                break;
            }
            // Blanks may keep the expression apart from its neighbours; nothing else.
            if (u.start < r.newStart || u.end > r.newEnd || !isExpressionToken(u) || u.directive || !blanks(gap, u.start))
                return r.oldStart;
            end = gap = u.end;
        }
        const Lexer::State reached = b.state();
        if (end < 0 || !blanks(end, r.newEnd) || behind.pos != r.oldEnd || !reached.sameContext(behind))
            return r.oldStart;
        front = behind;
        ++k;
    }
    return k < replacements.size() ? std::optional<int>(replacements[k].oldStart) : std::nullopt;
}

} // namespace Cpp
