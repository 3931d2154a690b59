#pragma once
// The expression parser: normalisation, tree building and evaluation, written
// once for TVParser and for the plotter's private copy. A ParserCore works on
// the ParserState it is given; the tree root is passed in by the owner.
//
// Normalised alphabet: digits and the decimal mark; x a b c d pi e (any case);
// operators + - * / m(mod) ^; ( ); function codes s c t n g r, each followed
// by "#" before its argument.
//
// Precedence of the split (lowest first, 16 higher per enclosing parenthesis):
//   + -      first "-", else last "+"      (test 1; "-" stores 1, "+" stores 2)
//   * / m    first; with a "/" before the first "m": the last * or /
//            before it, so 8/4*2 = (8/4)*2  (test 2, store 2)
//   ^        first, so 2^3^2 = 2^(3^2)      (test 4, store 4)
//   #        first, so s#x^2 = (s#x)^2      (test 8, store 8)
#include "components/Vparser/ParserState.h"
#include "components/Vparser/Tree.h"

#include <QString>
#include <QStringView>

#include <memory>

#ifndef VTQX_PARSER_WIDE
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VTQX_PARSER_WIDE 1
#else
#define VTQX_PARSER_WIDE 0
#endif
#endif

class ParserCore
{
public:
    explicit ParserCore(ParserState &state) : s(state) {}

    // Upper bound of the characters that one MakeTree may examine (all texts
    // of all nodes together); a build that needs more returns false. Nested
    // or chained inputs of some ten thousand characters stay well below it.
    static constexpr qint64 BuildBudget = qint64(1) << 27;

    /* LandDot = OverwriteDecimalSymbol, or the locale's DecimalSeparator when that is empty */
    void InitLandDot();
    /* text without any blank (character 32) */
    static QString EntferneLeerzeichen(const QString &text);
    /* "(" t ")" -> t when the first "(" closes at the end, else the text unchanged */
    static QString EntferneKlammern(const QString &text);
    /* sin cos tan ln lg abs mod (any case) -> s# c# t# n# g# r# m; "." "," -> LandDot if ConvertAllColonsAndDots */
    QString WandleSinCosTanUm(const QString &text) const;
    /* at depth 0 after the first "-": "+" <-> "-" (products with "/" go left
       to right by where SplitLowest cuts them, not by a rewrite) */
    static QString Assiotiativitaet(const QString &text);
    /* expression = left operator right, at the operator of lowest precedence of Assiotiativitaet(expression) */
    static void SplitLowest(QString &left, QString &right, QString &op, const QString &expression);
    /* node = leaf | operator(MakeTree(left), MakeTree(right)); true if every part built */
    bool MakeTree(Tree &node, const QString &expression);
    /* Expression = normalised Expression; root = fresh tree of it, also when the build fails */
    bool CreateTree(std::unique_ptr<Tree> &root);
    /* function code | variable or constant name | canonical number text (FloatToStr(StrToFloat(t)) == t) */
    static bool IsZahl(QStringView text);
    /* canonical number text in the locale's notation */
    static bool IsLongDouble(QStringView text);
    /* variables and constants substituted, decimal marks made ".", read like strtold */
    long double StrToLongDouble(const QString &text);
    /* Precision significant digits with LandDot, trailing zeros removed; "INF", "-INF", "NAN" */
    QString LongDoubleToStr(long double value);
    /* trailing zeros after LandDot and a dangling LandDot removed, "0" before a leading LandDot */
    QString EntferneNullenUndPunkte(QString text) const;
    /* value of the tree; right operand before left */
    long double Eval(const Tree &node);
    /* Eval by a plain walk of the tree, without the laid-out program (the reference for it) */
    long double evalByWalk(const Tree &node);
    /* pow(base, exponent); a square as one multiplication where that is pow's own result */
    static double power(double base, double exponent);
    /* a - b * trunc(a / b); 0 when b is 0; a when that is not finite */
    static long double modl(long double a, long double b);
    /* Eval(root), and its text in ErgebnisString */
    long double Evaluate(const Tree &root);

    /* the value StrToLongDouble gives a text of the form [sign] digits [mark
       [digits]] [e [sign] digits] (mark: a character that reads as the
       decimal mark under LandDot and ConvertAllColonsAndDots), when it is an
       exact decimal (ExactDecimal); false for every other text. Uses the
       LandDot in force: call InitLandDot first. */
    bool readPlainNumber(QStringView text, long double &value) const;
    /* the state's ErgebnisString, written now if Evaluate left it pending */
    static const QString &resultText(const ParserState &state);
    /* LongDoubleToStr with the given precision and mark, into `out` (its buffer is reused) */
    static void formatResult(long double value, int precision, QStringView landDot, QString &out);

    enum LeafKind : quint8 { NumberLeaf, VariableX, VariableA, VariableB, VariableC, VariableD, ConstantPi, ConstantE };

private:
    // A text of the form readPlainNumber reads, as significand x 10^exponent.
    struct PlainNumber
    {
        bool negative = false;
        quint64 significand = 0;
        qint64 exponent = 0;
    };
    bool scanPlainNumber(QStringView text, PlainNumber &number) const;
    // The node with its meaning decided (Tree::m_operator and the rest).
    static const Tree &known(const Tree &node);
    static void decide(const Tree &node);
    static quint8 leafKindOf(const QString &text);
    static bool layOut(const Tree &root, EvalProgram &program);
    void translate(EvalProgram &program);
    long double run(EvalProgram &program);
    // run(program) when the tree is still the one it was laid out from
    // (`unchanged` false otherwise); on x86-64 also a version for processors
    // with AVX2 and FMA, chosen when the program starts.
#if VTQX_PARSER_WIDE
    [[gnu::target("default")]] long double runIfUnchanged(EvalProgram &program, bool &unchanged);
    [[gnu::target("avx2,fma")]] long double runIfUnchanged(EvalProgram &program, bool &unchanged);
#else
    long double runIfUnchanged(EvalProgram &program, bool &unchanged);
#endif
    // Eval, inline for Evaluate.
    long double evalNode(const Tree &node);
    // Eval after the program was found missing, changed or made for other settings.
    [[gnu::noinline]] long double evalPrepared(const Tree &node);
    long double evalDeep(const Tree &node);
    long double variableValue(quint8 kind, const QString &text);
    long double leafValue(quint8 kind, const QString &text, LeafCache &cache);
    long double applyFunction(char16_t code, long double argument);
    long double applyOperator(char16_t op, long double left, long double right);
    double applyPower(double left, double right);

    ParserState &s;
};
