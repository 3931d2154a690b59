#pragma once
// One node of an expression tree: an operator with its two operands, or a
// leaf (a number text, a variable or constant name, or a function code).
#include <QString>

#include <memory>

struct Tree
{
    QString Value;               // operator "+", "-", "*", "/", "m", "^", "#", or the leaf text
    std::unique_ptr<Tree> Right; // operand right of the operator
    std::unique_ptr<Tree> Left;  // operand left of the operator; the function code for "#"

    Tree() = default;
    explicit Tree(QString value) : Value(std::move(value)) {}
    Tree(const Tree &) = delete;
    Tree &operator=(const Tree &) = delete;
    // Frees the children without recursion: a tree may be a chain of a
    // million nodes.
    ~Tree();

    // An inner node has both links set; every other node is read as a leaf.
    bool isInner() const { return Left && Right; }

private:
    friend class ParserCore;
    // Value of a number leaf, valid while Value is still the text it was
    // read from and the decimal mark and conversion setting are unchanged.
    mutable QString m_cacheText;
    mutable QString m_cacheLandDot;
    mutable long double m_cacheValue = 0;
    mutable bool m_cacheConvert = false;
    mutable bool m_cached = false;
};
