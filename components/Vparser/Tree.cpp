#include "components/Vparser/Tree.h"

#include "components/Vparser/EvalProgram.h"

#include <vector>

Tree::Tree() = default;

Tree::Tree(QString value) : Value(std::move(value)) {}

Tree::~Tree()
{
    if (!Left && !Right)
        return;
    std::vector<std::unique_ptr<Tree>> pending;
    pending.push_back(std::move(Left));
    pending.push_back(std::move(Right));
    while (!pending.empty()) {
        std::unique_ptr<Tree> node = std::move(pending.back());
        pending.pop_back();
        if (!node)
            continue;
        if (node->Left)
            pending.push_back(std::move(node->Left));
        if (node->Right)
            pending.push_back(std::move(node->Right));
        // node goes here without children.
    }
}
