#include "components/tests/Vparser/ParserTestSupport.h"

#include "components/Vparser/ParserCore.h"

#include <memory>
#include <utility>
#include <vector>

QString dumpTree(const Tree &node)
{
    if (!node.isInner())
        return node.Value;
    return node.Value + u'(' + dumpTree(*node.Left) + u',' + dumpTree(*node.Right) + u')';
}

bool referenceMakeTree(Tree &node, const QString &expression)
{
    QString left, right, op;
    ParserCore::SplitLowest(left, right, op, expression);
    if (left.isEmpty() && op == QLatin1String("-"))
        left = QStringLiteral("0");
    if (op.isEmpty() && left.isEmpty() && right.isEmpty()) {
        if (!ParserCore::IsZahl(expression))
            return false;
        node.Value = expression;
        return true;
    }
    if (op.isEmpty() || left.isEmpty() || right.isEmpty())
        return false;
    node.Value = op;
    node.Left = std::make_unique<Tree>(left);
    node.Right = std::make_unique<Tree>(right);
    bool built = true;
    if (!ParserCore::IsZahl(left))
        built = referenceMakeTree(*node.Left, left) && built;
    if (!ParserCore::IsZahl(right))
        built = referenceMakeTree(*node.Right, right) && built;
    return built;
}

QString treeDifference(const Tree &a, const Tree &b)
{
    std::vector<std::pair<const Tree *, const Tree *>> pending{{&a, &b}};
    while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        if (x->Value != y->Value || x->isInner() != y->isInner() || bool(x->Left) != bool(y->Left)
            || bool(x->Right) != bool(y->Right))
            return QStringLiteral("node '%1' against '%2'").arg(x->Value.left(60), y->Value.left(60));
        if (x->Left)
            pending.push_back({x->Left.get(), y->Left.get()});
        if (x->Right)
            pending.push_back({x->Right.get(), y->Right.get()});
    }
    return {};
}
