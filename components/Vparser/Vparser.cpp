#include "components/Vparser/Vparser.h"

#include "components/platform/core/ComponentPalette.h"
#include "components/Vparser/ParserCore.h"

#include <algorithm>
#include <memory>

namespace {
std::unique_ptr<Tree> &root()
{
    static std::unique_ptr<Tree> unitRoot = std::make_unique<Tree>();
    return unitRoot;
}
} // namespace

TVParser::TVParser(QObject *owner) : QObject(owner) {}

void TVParser::setPrecision(int precision)
{
    m_state.Precision = std::clamp(precision, 1, 17);
}

QString TVParser::ErgebnisString() const
{
    return ParserCore::resultText(m_state);
}

Tree &TVParser::TreeRoot()
{
    return *root();
}

void TVParser::InitLandDot()
{
    ParserCore(m_state).InitLandDot();
}

QString TVParser::EntferneLeerzeichen(const QString &text)
{
    return ParserCore::EntferneLeerzeichen(text);
}

QString TVParser::EntferneKlammern(const QString &text)
{
    return ParserCore::EntferneKlammern(text);
}

QString TVParser::WandleSinCosTanUm(const QString &text)
{
    return ParserCore(m_state).WandleSinCosTanUm(text);
}

QString TVParser::Assiotiativitaet(const QString &text)
{
    return ParserCore::Assiotiativitaet(text);
}

void TVParser::SplitLowest(QString &left, QString &right, QString &op, const QString &expression)
{
    ParserCore::SplitLowest(left, right, op, expression);
}

bool TVParser::MakeTree(Tree &node, const QString &expression)
{
    return ParserCore(m_state).MakeTree(node, expression);
}

bool TVParser::CreateTree()
{
    return ParserCore(m_state).CreateTree(root());
}

bool TVParser::IsZahl(const QString &text)
{
    return ParserCore::IsZahl(text);
}

bool TVParser::IsLongDouble(const QString &text)
{
    return ParserCore::IsLongDouble(text);
}

long double TVParser::StrToLongDouble(const QString &text)
{
    return ParserCore(m_state).StrToLongDouble(text);
}

QString TVParser::LongDoubleToStr(long double value)
{
    return ParserCore(m_state).LongDoubleToStr(value);
}

QString TVParser::EntferneNullenUndPunkte(const QString &text)
{
    return ParserCore(m_state).EntferneNullenUndPunkte(text);
}

long double TVParser::Eval(const Tree &node)
{
    return ParserCore(m_state).Eval(node);
}

long double TVParser::modl(long double a, long double b)
{
    return ParserCore::modl(a, b);
}

long double TVParser::Evaluate()
{
    return ParserCore(m_state).Evaluate(*root());
}

void Vparser::Register()
{
    RegisterComponentClass(QStringLiteral("Varnosel"), QStringLiteral("TVParser"));
}
