#include "components/Vparser/TreeBuilder.h"

#include "components/Vparser/ParserCore.h"
#include "components/Vparser/SplitRules.h"

#include <algorithm>
#include <memory>
#include <vector>

// Cost: every text that is scanned costs its length, so a tree costs the sum
// of the lengths of its texts. Chains of one operator rank would make that
// quadratic; they are cut from one scan instead:
//
// - Sum: a text whose split is its last depth-0 "+" (it has no depth-0 "-")
//   is not rewritten, and its left part splits at the previous "+".
// - Signed: a text with depth-0 "-" splits at its first "-"; the part before
//   holds only "+" (a Sum), and the part after is the same text with its
//   depth-0 "+" and "-" swapped. The swap is recorded, not written.
// - Product: a text without depth-0 "+" or "-" splits at its first "*", "/"
//   or "m", or, when a "/" comes before the first "m", at the last "*" or
//   "/" before it. Both parts are runs of the same operators; where each
//   splits follows from two tables over the run (next "m", "/" counts).
//
// A part that EntferneKlammern shortens leaves the chain, with a recorded
// swap written out (in an unbalanced text the pair may enclose depth-0 signs).

namespace {

enum class Chain : quint8 { None, Sum, Signed, Product };

// Over the operators of a product run: the index of the next "m" at or after
// each one, and the number of "/" before each one.
struct RunTables
{
    std::vector<qsizetype> nextMod;
    std::vector<qsizetype> slashesBefore;
};

char16_t swapSign(char16_t c)
{
    return c == u'+' ? u'-' : c == u'-' ? u'+' : c;
}

struct Item
{
    Tree *node;
    QString buffer;
    qsizetype begin;
    qsizetype size;
    bool isChild; // a child keeps its own text as Value when its build fails
    Chain chain = Chain::None;
    std::shared_ptr<const std::vector<qsizetype>> ops = {}; // buffer positions of depth-0 operators
    std::shared_ptr<const struct RunTables> run = {};      // Product: where each sub-run splits
    qsizetype lo = 0, hi = 0; // this text's operators are (*ops)[lo, hi)
    bool swapped = false;     // its depth-0 "+" and "-" read swapped

    QStringView view() const { return QStringView(buffer).mid(begin, size); }
    char16_t opAt(qsizetype k) const
    {
        const char16_t c = buffer.at((*ops)[k]).unicode();
        return swapped ? swapSign(c) : c;
    }
};

// The operator as text, without allocating.
QString operatorText(QChar op)
{
    switch (op.unicode()) {
    case u'+':
        return QStringLiteral("+");
    case u'-':
        return QStringLiteral("-");
    case u'*':
        return QStringLiteral("*");
    case u'/':
        return QStringLiteral("/");
    case u'm':
        return QStringLiteral("m");
    case u'^':
        return QStringLiteral("^");
    default:
        return QStringLiteral("#");
    }
}

// The text an item stands for.
QString textOf(QStringView view, bool swapped)
{
    QString text = view.toString();
    if (!swapped)
        return text;
    qsizetype depth = 0;
    for (QChar &c : text) {
        if (c == u'(')
            ++depth;
        else if (c == u')')
            --depth;
        else if (depth == 0)
            c = QChar(swapSign(c.unicode()));
    }
    return text;
}

bool isZahl(QStringView view, bool swapped)
{
    // IsZahl rejects every text longer than a number text can be.
    if (!swapped || view.size() > 32)
        return ParserCore::IsZahl(view);
    return ParserCore::IsZahl(textOf(view, true));
}

class Builder
{
public:
    Builder(qint64 budget, qsizetype chainMinimum) : m_budget(budget), m_chainMinimum(chainMinimum) {}
    bool run(Tree &node, const QString &expression);

private:
    // A failed child keeps the text it was given (`text`, before any rewrite).
    void fail(const Item &item, QStringView text);
    void fail(const Item &item) { fail(item, item.view()); }
    void process(Item &item);
    // Turns a long scanned text into a chain item; false when it is none.
    bool startChain(Item &item, const SplitScan &scan, DepthZeroOps &ops);
    void split(const Item &item, QStringView given, qsizetype pos, QChar op, Item left, Item right);

    std::vector<Item> m_pending;
    qint64 m_budget;
    qsizetype m_chainMinimum;
    qint64 m_steps = 0;
    bool m_built = true;
};

bool Builder::run(Tree &node, const QString &expression)
{
    m_pending.push_back({&node, expression, 0, expression.size(), false});
    while (!m_pending.empty()) {
        Item item = std::move(m_pending.back());
        m_pending.pop_back();
        process(item);
        if (m_steps > m_budget) {
            for (const Item &rest : m_pending)
                fail(rest);
            return false;
        }
    }
    return m_built;
}

void Builder::fail(const Item &item, QStringView text)
{
    m_built = false;
    if (item.isChild)
        item.node->Value = textOf(text, item.swapped);
}

void Builder::process(Item &item)
{
    // The text as given; the item's buffer may be replaced by its rewrite.
    const QString givenBuffer = item.buffer;
    const QStringView text = item.view();
    if (item.chain == Chain::None) {
        m_steps += text.size() + 1;
        if (m_steps > m_budget) {
            fail(item);
            return;
        }
        DepthZeroOps ops;
        const SplitScan scan = scanSplit(text, text.size() >= m_chainMinimum ? &ops : nullptr);
        if (scan.pos < 0) {
            if (ParserCore::IsZahl(text))
                item.node->Value = text.toString();
            else
                fail(item);
            return;
        }
        if (!startChain(item, scan, ops)) {
            if (scan.rewrites) {
                item.buffer = rewriteAssociativity(text);
                item.begin = 0;
                m_steps += text.size();
            }
            split(item, text, scan.pos, item.buffer.at(item.begin + scan.pos), {}, {});
            return;
        }
    }

    Item left{}, right{};
    const auto part = [&item](Chain chain, qsizetype lo, qsizetype hi, bool swapped) {
        Item p{};
        if (lo < hi) {
            p.chain = chain;
            p.ops = item.ops;
            p.run = item.run;
            p.lo = lo;
            p.hi = hi;
            p.swapped = swapped;
        }
        return p;
    };
    qsizetype k = item.lo;
    if (item.chain == Chain::Signed) {
        while (k < item.hi && item.opAt(k) != u'-')
            ++k;
        m_steps += k - item.lo;
        if (k == item.hi)
            item.chain = Chain::Sum; // no "-" left: a sum
    }
    m_steps += 1;
    switch (item.chain) {
    case Chain::Signed:
        left = part(Chain::Sum, item.lo, k, item.swapped);
        right = part(Chain::Signed, k + 1, item.hi, !item.swapped);
        break;
    case Chain::Sum:
        k = item.hi - 1;
        left = part(Chain::Sum, item.lo, k, item.swapped);
        break;
    default: { // Product
        const RunTables &run = *item.run;
        const qsizetype mod = std::min(run.nextMod[item.lo], item.hi);
        if (run.slashesBefore[mod] > run.slashesBefore[item.lo]) {
            k = mod - 1; // the last "*" or "/" before the first "m"
            left = part(Chain::Product, item.lo, k, false);
            right = part(Chain::Product, mod, item.hi, false);
        } else {
            right = part(Chain::Product, item.lo + 1, item.hi, false);
        }
        break;
    }
    }
    split(item, text, (*item.ops)[k] - item.begin, QChar(item.opAt(k)), std::move(left), std::move(right));
}

bool Builder::startChain(Item &item, const SplitScan &scan, DepthZeroOps &ops)
{
    const QStringView text = item.view();
    if (text.size() < m_chainMinimum)
        return false;
    std::vector<qsizetype> *positions;
    if (scan.level == 1) { // a "-" at depth 0
        item.chain = Chain::Signed;
        positions = &ops.addSub;
    } else if (scan.level == 2 && text[scan.pos] == u'+') {
        item.chain = Chain::Sum;
        positions = &ops.addSub;
    } else if (scan.level == 2) { // "*", "/" or "m" at depth 0, no "+" or "-"
        item.chain = Chain::Product;
        positions = &ops.runOps;
        auto run = std::make_shared<RunTables>();
        const qsizetype n = qsizetype(positions->size());
        run->nextMod.resize(n + 1, n);
        run->slashesBefore.resize(n + 1, 0);
        for (qsizetype k = n - 1; k >= 0; --k)
            run->nextMod[k] = text[(*positions)[k]] == u'm' ? k : run->nextMod[k + 1];
        for (qsizetype k = 0; k < n; ++k)
            run->slashesBefore[k + 1] = run->slashesBefore[k] + (text[(*positions)[k]] == u'/');
        m_steps += n;
        item.run = std::move(run);
    } else {
        return false;
    }
    for (qsizetype &pos : *positions)
        pos += item.begin;
    item.lo = 0;
    item.hi = qsizetype(positions->size());
    item.ops = std::make_shared<const std::vector<qsizetype>>(std::move(*positions));
    return true;
}

// Cuts item's text at pos; `left` and `right` carry the chain the parts
// continue, if any.
void Builder::split(const Item &item, QStringView given, qsizetype pos, QChar op, Item left, Item right)
{
    const QStringView s = item.view();
    struct Part
    {
        QStringView text;
        Item chain;
        QString own; // the part's text written out, when it has one of its own
    };
    const auto cut = [this](QStringView raw, Item chain) {
        Part part{stripParentheses(raw, &m_steps), std::move(chain), {}};
        if (part.text.size() != raw.size()) {
            // A pair came off: the part leaves the chain. In an unbalanced
            // text the pair may enclose depth-0 signs, so a recorded swap is
            // written out first.
            if (part.chain.swapped) {
                part.own = textOf(raw, true);
                part.text = QStringView(part.own).mid(part.text.constData() - raw.constData(), part.text.size());
                m_steps += raw.size();
            }
            part.chain = Item{};
        }
        return part;
    };
    Part leftPart = cut(s.left(pos), std::move(left));
    Part rightPart = cut(s.mid(pos + 1), std::move(right));
    // A leading minus is a subtraction from 0.
    const bool zeroLeft = leftPart.text.isEmpty() && op == u'-';
    if ((leftPart.text.isEmpty() && !zeroLeft) || rightPart.text.isEmpty()) {
        fail(item, given);
        return;
    }

    Tree &n = *item.node;
    n.Value = operatorText(op);
    n.Left = std::make_unique<Tree>();
    n.Right = std::make_unique<Tree>();
    const auto place = [&](Tree *child, Part &part) {
        const bool swapped = part.chain.swapped;
        if (isZahl(part.text, swapped)) {
            child->Value = textOf(part.text, swapped);
            return;
        }
        Item next = std::move(part.chain);
        next.node = child;
        if (part.own.isNull()) {
            next.buffer = item.buffer;
            next.begin = item.begin + (part.text.constData() - s.constData());
        } else {
            next.buffer = part.own;
            next.begin = part.text.constData() - part.own.constData();
        }
        next.size = part.text.size();
        next.isChild = true;
        m_pending.push_back(std::move(next));
    };
    place(n.Right.get(), rightPart);
    if (zeroLeft)
        n.Left->Value = QStringLiteral("0");
    else
        place(n.Left.get(), leftPart);
}

} // namespace

bool buildTree(Tree &node, const QString &expression, qint64 budget, qsizetype chainMinimum)
{
    return Builder(budget, chainMinimum).run(node, expression);
}
