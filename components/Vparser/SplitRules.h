#pragma once
// The text rules under SplitLowest and MakeTree, on views: EntferneKlammern,
// the operator precedence scan and the associativity rewrite.
#include <QString>
#include <QStringView>

#include <vector>

/* "(" t ")" -> t when the first "(" closes at the end, else the text itself.
   Adds the characters examined to *steps when given. */
QStringView stripParentheses(QStringView text, qint64 *steps = nullptr);

// Where a text splits, and what Assiotiativitaet does to it. The split
// position is the same before and after the rewrite: the rewrite only swaps
// operators of equal rank that come after the chosen one, or that stand at
// depth 0 while the chosen one stands lower.
struct SplitScan
{
    qsizetype pos = -1;       // position of the operator, -1 when there is none
    qint64 level = 0;         // its level: 16 per enclosing parenthesis + stored value
    bool leftToRight = false; // a product with "/": cut at its last "*" or "/" before any "m"
    bool rewrites = false;    // the rewrite changes at least one character
};

// Positions of the depth-0 operators of a text (for MakeTree's chains).
struct DepthZeroOps
{
    std::vector<qsizetype> addSub; // "+" and "-"
    std::vector<qsizetype> runOps; // "*", "/" and "m"
};

/* split = the operator of lowest level (+- : test 1, "-" stores 1, "+" stores 2;
   * / m : 2; ^ : 4; # : 8; 16 more per parenthesis) that the scan keeps;
   but in a depth-0 run of * / m with a "/" before its first "m" (or without
   "m"), the last "*" or "/" before that "m": such runs go left to right, and
   "m" takes everything after it as its right operand */
SplitScan scanSplit(QStringView text, DepthZeroOps *ops = nullptr);

/* depth 0, after the first "-": "+" <-> "-" */
QString rewriteAssociativity(QStringView text);
