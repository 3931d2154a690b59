#pragma once
// A small tree laid out for ParserCore::Eval: its nodes in pre-order (node,
// left subtree, right subtree), each with what its text means decided once.
// Read backwards, the steps are the evaluation order: right operand, left
// operand, operator. A step stays valid while its node has the text and the
// links it had when the step was made; the parent's step vouches for the
// child's node pointer.
//
// The steps are then translated into operations on one running value (the
// accumulator) and a small stack: constant leaves are read once, and
// operators and functions of constants that raise nothing are computed once.
// The operations hold for the decimal mark and conversion setting they were
// made with.
#include "components/Vparser/Tree.h"

#include <QString>

#include <vector>

struct EvalStep
{
    enum Kind : quint8 { Operator, FunctionCode, Leaf };
    // What a node held when its step was made, checked before every
    // evaluation.
    struct Key
    {
        const char16_t *chars; // Value's characters (null for a null text)
        qsizetype size;        // Value's length
        const Tree *right;     // Right
        const Tree *left;      // Left
    };
    const Tree *node;
    Key key;
    QString text; // node->Value (holds its buffer, so a changed text has another address)
    Kind kind;
    char16_t code; // Operator: its character; FunctionCode: s c t n g r or 0
    quint8 leaf;   // Leaf: ParserCore::LeafKind
};

struct EvalOp
{
    enum Code : quint8 {
        Load,            // value = constant
        LoadVariable,    // value = the variable `leaf`, step's text as its name
        LoadText,        // value = the step's text converted (a leaf that raises)
        Push,            // stack += value
        Pop,             // value = stack top, removed
        Function,        // value = function op (value)
        FunctionPower,   // value = (function op (value)) ^ constant
        VariableFunction,      // value = function op (the variable `leaf`)
        VariableFunctionPower, // value = (function op (the variable `leaf`)) ^ constant
        Apply,           // value = value op stack top (removed)
        ApplyConstRight, // value = value op constant
        ApplyConstLeft,  // value = constant op value
        AddConstRight,      // value = value + constant
        AddConstLeft,       // value = constant + value
        MultiplyConstRight, // value = value * constant (constant not 0; a zero value gives +0)
        MultiplyConstLeft,  // value = constant * value (likewise)
    };
    Code code;
    quint8 leaf;
    bool exact = false; // constant == narrow: read as a double, which loads faster
    char16_t op;
    int step;
    double narrow = 0; // the constant as a double (a power's exponent is one)
    long double constant;

    void setConstant(long double value)
    {
        constant = value;
        narrow = double(value);
        exact = narrow == value; // not for NaN, whose bits could change
    }
    long double constantValue() const { return exact ? narrow : constant; }
};

struct EvalProgram
{
    std::vector<EvalStep> steps;
    std::vector<EvalOp> ops;
    std::vector<long double> stack;
    bool translated = false;
    QString landDot; // the mark and setting the operations were made with
    bool convert = false;
};
