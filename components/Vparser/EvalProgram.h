#pragma once
// A small tree laid out for ParserCore::Eval: its nodes in pre-order (node,
// left subtree, right subtree), each with what its text means decided once.
// Read backwards, the steps are the evaluation order: right operand, left
// operand, operator. A step stays valid while its node has the text and the
// links it had when the step was made; the parent's step vouches for the
// child's node pointer.
#include "Tree.h"

#include <QString>

#include <vector>

struct EvalStep
{
    enum Kind : quint8 { Operator, FunctionCode, Leaf };
    const Tree *node;
    QString text;      // node->Value then (holds its buffer, so a changed text has another address)
    const Tree *left;  // node->Left then
    const Tree *right; // node->Right then
    Kind kind;
    char16_t code;     // Operator: its character; FunctionCode: s c t n g r or 0
    quint8 leaf;       // Leaf: ParserCore::LeafKind
    LeafCache cache;
};

struct EvalProgram
{
    std::vector<EvalStep> steps;
    std::vector<long double> values; // the value stack of one evaluation
};
