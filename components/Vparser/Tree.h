#pragma once
// One node of an expression tree: an operator with its two operands, or a
// leaf (a number text, a variable or constant name, or a function code).
#include <QString>

#include <memory>

struct EvalProgram;

// Value of a number or constant leaf, read under the one-character decimal
// mark `dot` and the conversion setting `convert`.
struct LeafCache
{
    bool cached = false;
    bool convert = false;
    char16_t dot = 0;
    long double number = 0;
};

struct Tree
{
    QString Value;               // operator "+", "-", "*", "/", "m", "^", "#", or the leaf text
    std::unique_ptr<Tree> Right; // operand right of the operator
    std::unique_ptr<Tree> Left;  // operand left of the operator; the function code for "#"

    Tree();
    explicit Tree(QString value);
    Tree(const Tree &) = delete;
    Tree &operator=(const Tree &) = delete;
    // Frees the children without recursion: a tree may be a chain of a
    // million nodes.
    ~Tree();

    // An inner node has both links set; every other node is read as a leaf.
    bool isInner() const { return Left && Right; }

private:
    friend class ParserCore;
    // What Value means, decided once per Value text: kept while Value is
    // still the text it was decided on (m_seen pins that text's buffer).
    mutable QString m_seen;
    mutable bool m_known = false;
    mutable char16_t m_operator = 0; // "+", "-", "*", "/", "m", "^" or "#"; 0 for any other text
    mutable char16_t m_function = 0; // function code s c t n g r; 0 for any other text
    mutable quint8 m_leaf = 0;       // ParserCore::LeafKind
    mutable LeafCache m_cache;
    // The tree below this node laid out for evaluation, when Eval was
    // called on this node and the tree is small.
    mutable std::unique_ptr<EvalProgram> m_program;
};
