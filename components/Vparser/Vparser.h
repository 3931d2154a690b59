#pragma once
// TVParser: evaluates an arithmetic expression of the variables x, a, b, c, d
// given as text, such as 2*sin(x)^2+1. Set Expression, call CreateTree once,
// then set the variables and call Evaluate as often as needed.
//
// All TVParser objects share one tree root (TreeRoot): CreateTree on one of
// them changes what Evaluate computes on every other; each evaluates with its
// own variables and settings.
#include "components/Vparser/ParserState.h"
#include "components/Vparser/Tree.h"

#include <QObject>
#include <QString>

#include <algorithm>

class TVParser : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Expression READ Expression WRITE setExpression)
    Q_PROPERTY(int Precision READ Precision WRITE setPrecision)
    Q_PROPERTY(QString X READ X WRITE setX)
    Q_PROPERTY(QString A READ A WRITE setA)
    Q_PROPERTY(QString B READ B WRITE setB)
    Q_PROPERTY(QString C READ C WRITE setC)
    Q_PROPERTY(QString D READ D WRITE setD)
    Q_PROPERTY(QString OverwriteDecimalSymbol READ OverwriteDecimalSymbol WRITE setOverwriteDecimalSymbol)
    Q_PROPERTY(bool ConvertAllColonsAndDots READ ConvertAllColonsAndDots WRITE setConvertAllColonsAndDots)
    Q_PROPERTY(QString ErgebnisString READ ErgebnisString)

public:
    explicit TVParser(QObject *owner = nullptr);

    QString Expression() const { return m_state.Expression; }
    void setExpression(const QString &expression) { m_state.Expression = expression; }
    int Precision() const { return m_state.Precision; }
    // Clamped to 1..17, the digits a double carries.
    void setPrecision(int precision);
    QString X() const { return m_state.X; }
    void setX(const QString &value) { assignVariable(m_state.X, value); }
    QString A() const { return m_state.A; }
    void setA(const QString &value) { assignVariable(m_state.A, value); }
    QString B() const { return m_state.B; }
    void setB(const QString &value) { assignVariable(m_state.B, value); }
    QString C() const { return m_state.C; }
    void setC(const QString &value) { assignVariable(m_state.C, value); }
    QString D() const { return m_state.D; }
    void setD(const QString &value) { assignVariable(m_state.D, value); }
    QString OverwriteDecimalSymbol() const { return m_state.OverwriteDecimalSymbol; }
    void setOverwriteDecimalSymbol(const QString &symbol) { m_state.OverwriteDecimalSymbol = symbol; }
    bool ConvertAllColonsAndDots() const { return m_state.ConvertAllColonsAndDots; }
    void setConvertAllColonsAndDots(bool convert) { m_state.ConvertAllColonsAndDots = convert; }
    QString ErgebnisString() const;
    // The decimal mark in use (not published); written only by InitLandDot.
    QString LandDot() const { return m_state.LandDot; }

    // The operations; their rules are stated in ParserCore.h.
    Q_INVOKABLE void InitLandDot();
    Q_INVOKABLE QString EntferneLeerzeichen(const QString &text);
    Q_INVOKABLE QString EntferneKlammern(const QString &text);
    Q_INVOKABLE QString WandleSinCosTanUm(const QString &text);
    Q_INVOKABLE QString Assiotiativitaet(const QString &text);
    Q_INVOKABLE void SplitLowest(QString &left, QString &right, QString &op, const QString &expression);
    Q_INVOKABLE bool MakeTree(Tree &node, const QString &expression);
    Q_INVOKABLE bool CreateTree();
    Q_INVOKABLE bool IsZahl(const QString &text);
    Q_INVOKABLE bool IsLongDouble(const QString &text);
    Q_INVOKABLE long double StrToLongDouble(const QString &text);
    Q_INVOKABLE QString LongDoubleToStr(long double value);
    Q_INVOKABLE QString EntferneNullenUndPunkte(const QString &text);
    Q_INVOKABLE long double Eval(const Tree &node);
    Q_INVOKABLE long double modl(long double a, long double b);
    Q_INVOKABLE long double Evaluate();

    // The unit's tree root, shared by all TVParser objects; at start a leaf
    // with an empty Value.
    static Tree &TreeRoot();

private:
    // to = from. A variable is set before every evaluation: a short text is
    // copied into the variable's own buffer, which costs less than sharing
    // the caller's (two atomic reference counts per call). resize() and
    // data() detach a buffer that is shared, so earlier copies keep their text.
    static void assignVariable(QString &to, const QString &from)
    {
        const qsizetype n = from.size();
        if (n > ShortVariable || from.isNull()) {
            to = from;
            return;
        }
        if (n != to.size())
            to.resize(n);
        std::copy_n(from.constData(), n, to.data());
    }
    static constexpr qsizetype ShortVariable = 32;

    ParserState m_state;
};

namespace Vparser {
// Registers TVParser on the component palette page "Varnosel".
void Register();
} // namespace Vparser
