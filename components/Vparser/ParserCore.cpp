#include "ParserCore.h"

#include "Exception.h"
#include "NumberText.h"
#include "SplitRules.h"
#include "TreeBuilder.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The lower-cased text equals `name` (lower-case ASCII). Only ASCII letters
// lower-case to ASCII letters, so an ASCII comparison is exact.
bool isName(QStringView text, QStringView name)
{
    if (text.size() != name.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (c >= u'A' && c <= u'Z')
            c += u'a' - u'A';
        if (c != name[i].unicode())
            return false;
    }
    return true;
}

// x a b c d pi e, in any letter case.
bool isVariableOrConstant(QStringView text)
{
    if (text.size() == 1) {
        const char16_t c = text[0].unicode() | 0x20; // ASCII lower case
        return c == u'x' || (c >= u'a' && c <= u'e');
    }
    return isName(text, u"pi");
}

bool isFunctionCode(char16_t c)
{
    return c == u's' || c == u'c' || c == u't' || c == u'n' || c == u'g' || c == u'r';
}

bool isTreeOperator(char16_t c)
{
    return c == u'+' || c == u'*' || c == u'-' || c == u'/' || c == u'm' || c == u'^' || c == u'#';
}

// The same text object: it has not been replaced or changed since.
bool sameText(const QString &a, const QString &b)
{
    return a.constData() == b.constData() && a.size() == b.size();
}

bool isSingleChar(const QString &text, QChar c)
{
    return text.size() == 1 && text.front() == c;
}

} // namespace

void ParserCore::InitLandDot()
{
    if (s.OverwriteDecimalSymbol.isEmpty()) {
        const QChar separator = DecimalSeparator();
        if (!isSingleChar(s.LandDot, separator))
            s.LandDot = QString(separator);
    } else if (!sameText(s.LandDot, s.OverwriteDecimalSymbol)) {
        s.LandDot = s.OverwriteDecimalSymbol;
    }
}

QString ParserCore::EntferneLeerzeichen(const QString &text)
{
    QString result = text;
    result.remove(u' ');
    return result;
}

QString ParserCore::EntferneKlammern(const QString &text)
{
    const QStringView stripped = stripParentheses(text);
    return stripped.size() == text.size() ? text : stripped.toString();
}

QString ParserCore::WandleSinCosTanUm(const QString &text) const
{
    struct Name
    {
        QStringView written;
        QStringView code;
    };
    static constexpr Name names[] = {{u"sin", u"s#"}, {u"cos", u"c#"}, {u"tan", u"t#"}, {u"ln", u"n#"},
                                     {u"lg", u"g#"},  {u"abs", u"r#"}, {u"mod", u"m"}};
    const QStringView in(text);
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < in.size();) {
        const Name *match = nullptr;
        const char16_t first = in[i].unicode() | 0x20; // ASCII lower case
        if (first == u's' || first == u'c' || first == u't' || first == u'l' || first == u'a' || first == u'm') {
            for (const Name &name : names) {
                if (isName(in.mid(i, name.written.size()), name.written)) {
                    match = &name;
                    break;
                }
            }
        }
        if (match) {
            out += match->code;
            i += match->written.size();
        } else {
            const QChar c = in[i++];
            if (s.ConvertAllColonsAndDots && (c == u'.' || c == u','))
                out += s.LandDot;
            else
                out += c;
        }
    }
    return out;
}

QString ParserCore::Assiotiativitaet(const QString &text)
{
    const SplitScan scan = scanSplit(text);
    return scan.rewrites ? rewriteAssociativity(text, scan.divisionRule) : text;
}

void ParserCore::SplitLowest(QString &left, QString &right, QString &op, const QString &expression)
{
    const SplitScan scan = scanSplit(expression);
    if (scan.pos < 0) {
        left.clear();
        right.clear();
        op.clear();
        return;
    }
    const QString s = scan.rewrites ? rewriteAssociativity(expression, scan.divisionRule) : expression;
    op = s.mid(scan.pos, 1);
    left = stripParentheses(QStringView(s).left(scan.pos)).toString();
    right = stripParentheses(QStringView(s).mid(scan.pos + 1)).toString();
}

bool ParserCore::MakeTree(Tree &node, const QString &expression)
{
    return buildTree(node, expression, BuildBudget);
}

bool ParserCore::CreateTree(std::unique_ptr<Tree> &root)
{
    InitLandDot();
    s.Expression = EntferneLeerzeichen(s.Expression);
    s.Expression = EntferneKlammern(s.Expression);
    s.Expression = WandleSinCosTanUm(s.Expression);
    auto fresh = std::make_unique<Tree>();
    const bool built = MakeTree(*fresh, s.Expression);
    root = std::move(fresh);
    return built;
}

bool ParserCore::IsZahl(QStringView text)
{
    if (text.size() == 1 && isFunctionCode(text.front().unicode()))
        return true;
    if (isVariableOrConstant(text))
        return true;
    return IsLongDouble(text);
}

bool ParserCore::IsLongDouble(QStringView text)
{
    // FloatToStr never gives more than 23 characters ("-1.23456789012345E-4951").
    if (text.size() > 32)
        return false;
    long double value;
    return TryStrToFloat(text, value) && FloatToStr(value) == text;
}

long double ParserCore::StrToLongDouble(const QString &text)
{
    InitLandDot();
    const QString *t = &text;
    if (isName(*t, u"x"))
        t = &s.X;
    if (isName(*t, u"a"))
        t = &s.A;
    if (isName(*t, u"b"))
        t = &s.B;
    if (isName(*t, u"c"))
        t = &s.C;
    if (isName(*t, u"d"))
        t = &s.D;
    QString constant;
    if (isName(*t, u"pi")) {
        constant = u'3' + s.LandDot + QLatin1String("1415927");
        t = &constant;
    }
    if (isName(*t, u"e")) {
        constant = u'2' + s.LandDot + QLatin1String("7182818");
        t = &constant;
    }

    QVarLengthArray<QChar, 64> converted(t->size());
    const bool oneCharDot = s.LandDot.size() == 1;
    for (qsizetype i = 0; i < t->size(); ++i) {
        QChar c = t->at(i);
        if (s.ConvertAllColonsAndDots && (c == u'.' || c == u','))
            c = u'.';
        if (oneCharDot && c == s.LandDot.front())
            c = u'.';
        converted[i] = c;
    }
    const QStringView number(converted.constData(), converted.size());
    const long double value = TextToLongDouble(number);
    // The runtime's conversion raised on overflow.
    if (std::isinf(value))
        throw Exception(number.toString() + QStringLiteral(" kann nicht in eine Zahl umgewandelt werden! (STD)"));
    return value;
}

QString ParserCore::LongDoubleToStr(long double value)
{
    InitLandDot();
    const double x = double(value);
    if (std::isnan(x))
        return QStringLiteral("NAN");
    if (std::isinf(x))
        return x > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    const EcvtDigits e = Ecvt(x, std::clamp(s.Precision, 1, 17));
    const int p = e.decimalPoint;
    QString text;
    text.reserve(e.count + std::abs(p) + s.LandDot.size() + 2);
    if (p >= 1) {
        for (int i = 0; i < std::max(p, e.count); ++i) {
            if (i == p)
                text += s.LandDot;
            text += QLatin1Char(i < e.count ? e.digits[i] : '0');
        }
        if (p >= e.count)
            text += s.LandDot;
    } else {
        text += u'0';
        text += s.LandDot;
        text.append(QString(-p, u'0'));
        text += QLatin1String(e.digits, e.count);
    }
    text = EntferneNullenUndPunkte(std::move(text));
    // Zero has no sign.
    if (e.negative && x != 0)
        text.prepend(u'-');
    return text;
}

QString ParserCore::EntferneNullenUndPunkte(QString text) const
{
    // A LandDot of more than one character never equals a character.
    const char16_t dot = s.LandDot.size() == 1 ? s.LandDot.front().unicode() : 0;
    const bool hasDot = s.LandDot.size() == 1;
    const auto isDot = [&](QChar c) { return hasDot && c.unicode() == dot; };
    const QChar *chars = text.constData();
    bool seenDot = false;
    qsizetype run = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isDot(chars[i])) {
            seenDot = true;
            run = -1;
        } else if (seenDot && chars[i] == u'0') {
            if (run < 0)
                run = i;
        } else {
            run = -1;
        }
    }
    if (run >= 0)
        text.truncate(run);
    if (!text.isEmpty() && isDot(text.back()))
        text.chop(1);
    if (!text.isEmpty() && isDot(text.front()))
        text.prepend(u'0');
    return text;
}

long double ParserCore::leafValue(const Tree &leaf)
{
    if (isVariableOrConstant(leaf.Value))
        return StrToLongDouble(leaf.Value);
    // A number text reads the same until the text, the decimal mark or the
    // conversion setting changes; variables are read every time.
    InitLandDot();
    if (leaf.m_cached && sameText(leaf.Value, leaf.m_cacheText) && leaf.m_cacheConvert == s.ConvertAllColonsAndDots
        && leaf.m_cacheLandDot == s.LandDot)
        return leaf.m_cacheValue;
    const long double value = StrToLongDouble(leaf.Value);
    leaf.m_cacheText = leaf.Value;
    leaf.m_cacheLandDot = s.LandDot;
    leaf.m_cacheConvert = s.ConvertAllColonsAndDots;
    leaf.m_cacheValue = value;
    leaf.m_cached = true;
    return value;
}

long double ParserCore::applyFunction(const QString &code, long double argument)
{
    if (code.size() != 1)
        return 0;
    switch (code.front().unicode()) {
    case u's':
        return std::sin(double(argument));
    case u'c':
        return std::cos(double(argument));
    case u't':
        return std::tan(double(argument));
    case u'n':
    case u'g':
        if (!(argument > 0))
            throw Exception(QStringLiteral("Log von X mit X <= 0"));
        return code.front() == u'n' ? std::log(argument) : std::log(argument) / std::log(10.0L);
    case u'r':
        return std::fabs(argument);
    default:
        return 0;
    }
}

long double ParserCore::applyOperator(char16_t op, long double left, long double right)
{
    switch (op) {
    case u'+':
        return left + right;
    case u'*':
        return left == 0 || right == 0 ? 0 : left * right;
    case u'-':
        return left - right;
    case u'/':
        if (right == 0)
            throw Exception(QStringLiteral("Division durch 0"));
        return left / right;
    case u'm':
        return modl(left, right);
    default: { // '^'
        const double power = std::pow(double(left), double(right));
        // NaN from numbers: a negative base with a non-integer exponent.
        if (std::isnan(power) && !std::isnan(left) && !std::isnan(right)) {
            if (s.PowerErrorMessage)
                throw Exception(QStringLiteral("Kein negativer Ausdruck unter Wurzel erlaubt."));
            throw Exception(QStringLiteral("Invalid floating point operation"));
        }
        return power;
    }
    }
}

namespace {
// A stack that lives on the C++ stack while it is small.
template <typename T, int Inline>
class SmallStack
{
public:
    void push(const T &v)
    {
        if (m_size == m_capacity)
            grow();
        m_data[m_size++] = v;
    }
    T pop() { return m_data[--m_size]; }
    T &top() { return m_data[m_size - 1]; }
    bool empty() const { return m_size == 0; }

private:
    void grow()
    {
        m_heap.resize(std::size_t(m_capacity) * 2);
        if (m_data == m_inline)
            std::copy(m_inline, m_inline + m_size, m_heap.begin());
        m_capacity *= 2;
        m_data = m_heap.data();
    }
    T m_inline[Inline];
    T *m_data = m_inline;
    qsizetype m_size = 0;
    qsizetype m_capacity = Inline;
    std::vector<T> m_heap;
};
} // namespace

// Post-order walk on an explicit stack (trees may be arbitrarily deep).
long double ParserCore::Eval(const Tree &node)
{
    struct Frame
    {
        const Tree *node;
        char16_t op; // 0 for a leaf
        int stage;   // 0: right operand next, 1: left operand next, 2: combine
    };
    const auto frameOf = [](const Tree *n) {
        char16_t op = 0;
        if (n->isInner() && n->Value.size() == 1 && isTreeOperator(n->Value.front().unicode()))
            op = n->Value.front().unicode();
        return Frame{n, op, 0};
    };
    SmallStack<Frame, 32> frames;
    SmallStack<long double, 32> values;
    frames.push(frameOf(&node));
    while (!frames.empty()) {
        Frame &f = frames.top();
        if (f.op == 0) {
            values.push(leafValue(*f.node));
            frames.pop();
        } else if (f.stage == 0) {
            f.stage = 1;
            frames.push(frameOf(f.node->Right.get()));
        } else if (f.op == u'#') {
            const long double argument = values.pop();
            values.push(applyFunction(f.node->Left->Value, argument));
            frames.pop();
        } else if (f.stage == 1) {
            f.stage = 2;
            frames.push(frameOf(f.node->Left.get()));
        } else {
            const long double left = values.pop();
            const long double right = values.pop();
            values.push(applyOperator(f.op, left, right));
            frames.pop();
        }
    }
    return values.pop();
}

long double ParserCore::modl(long double a, long double b)
{
    if (b == 0)
        return 0;
    // The quotient truncated toward zero; within the 32-bit range this is the
    // integer conversion, beyond it the same truncation in long double.
    const long double quotient = std::trunc(a / b);
    if (!std::isfinite(quotient))
        return a;
    const long double remainder = a - b * quotient;
    return std::isfinite(remainder) ? remainder : a;
}

long double ParserCore::Evaluate(const Tree &root)
{
    const long double value = Eval(root);
    s.ErgebnisString = LongDoubleToStr(value);
    return value;
}
