#include "components/Vparser/ParserCore.h"

#include "components/Vparser/EvalProgram.h"
#include "platform/core/Exception.h"
#include "components/platform/core/NumberText.h"
#include "components/Vparser/SplitRules.h"
#include "components/Vparser/TreeBuilder.h"

#include <QVarLengthArray>

#include <algorithm>
#include <bit>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
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

namespace {
// InitLandDot, inline for the evaluation.
inline void initLandDot(ParserState &s)
{
    if (s.OverwriteDecimalSymbol.isEmpty()) {
        const QChar separator = DecimalSeparator();
        if (!isSingleChar(s.LandDot, separator))
            s.LandDot = QString(separator);
    } else if (!sameText(s.LandDot, s.OverwriteDecimalSymbol)) {
        s.LandDot = s.OverwriteDecimalSymbol;
    }
}
} // namespace

void ParserCore::InitLandDot()
{
    initLandDot(s);
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
    return scan.rewrites ? rewriteAssociativity(text) : text;
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
    const QString s = scan.rewrites ? rewriteAssociativity(expression) : expression;
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
        if (oneCharDot && c == s.LandDot.at(0))
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
    QString text;
    formatResult(value, s.Precision, s.LandDot, text);
    return text;
}

namespace {
// EntferneNullenUndPunkte on chars[0, n): how many characters stay, and
// whether a "0" goes in front.
struct ZeroTrim
{
    qsizetype keep;
    bool zeroInFront;
};

ZeroTrim trimZeros(const QChar *chars, qsizetype n, QStringView landDot)
{
    // A LandDot of more than one character never equals a character.
    const bool hasDot = landDot.size() == 1;
    const char16_t dot = hasDot ? landDot.front().unicode() : 0;
    const auto isDot = [&](QChar c) { return hasDot && c.unicode() == dot; };
    bool seenDot = false;
    qsizetype run = -1;
    for (qsizetype i = 0; i < n; ++i) {
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
    qsizetype keep = run >= 0 ? run : n;
    if (keep > 0 && isDot(chars[keep - 1]))
        --keep;
    return {keep, keep > 0 && isDot(chars[0])};
}
} // namespace

void ParserCore::formatResult(long double value, int precision, QStringView landDot, QString &out)
{
    const double x = double(value);
    if (std::isnan(x)) {
        out = QStringLiteral("NAN");
        return;
    }
    if (std::isinf(x)) {
        out = x > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
        return;
    }
    const EcvtDigits e = Ecvt(x, std::clamp(precision, 1, 17));
    const int p = e.decimalPoint;
    QVarLengthArray<QChar, 64> text;
    text.reserve(e.count + std::abs(p) + landDot.size() + 2);
    const auto addDot = [&] { text.append(landDot.data(), landDot.size()); };
    if (p >= 1) {
        for (int i = 0; i < std::max(p, e.count); ++i) {
            if (i == p)
                addDot();
            text.append(QLatin1Char(i < e.count ? e.digits[i] : '0'));
        }
        if (p >= e.count)
            addDot();
    } else {
        text.append(u'0');
        addDot();
        for (int i = 0; i < -p; ++i)
            text.append(u'0');
        for (int i = 0; i < e.count; ++i)
            text.append(QLatin1Char(e.digits[i]));
    }
    const ZeroTrim trim = trimZeros(text.constData(), text.size(), landDot);
    // Zero has no sign.
    const bool minus = e.negative && x != 0;
    // Written into out's own buffer when it has one that fits.
    out.resize(trim.keep + qsizetype(trim.zeroInFront) + qsizetype(minus));
    QChar *o = out.data();
    if (minus)
        *o++ = u'-';
    if (trim.zeroInFront)
        *o++ = u'0';
    std::copy(text.constData(), text.constData() + trim.keep, o);
}

QString ParserCore::EntferneNullenUndPunkte(QString text) const
{
    const ZeroTrim trim = trimZeros(text.constData(), text.size(), s.LandDot);
    text.truncate(trim.keep);
    if (trim.zeroInFront)
        text.prepend(u'0');
    return text;
}

const QString &ParserCore::resultText(const ParserState &state)
{
    if (state.Pending.pending) {
        const QChar dot(state.Pending.dot);
        formatResult(state.Pending.value, state.Pending.precision, QStringView(&dot, 1), state.ErgebnisString);
        state.Pending.pending = false;
    }
    return state.ErgebnisString;
}

bool ParserCore::readPlainNumber(QStringView text, long double &value) const
{
    PlainNumber number;
    return scanPlainNumber(text, number) && ExactDecimal(number.negative, number.significand, number.exponent, value);
}

namespace {
// The digits of whole and fraction without the leading zeros.
[[gnu::cold]] qsizetype significantDigits(const char16_t *whole, const char16_t *wholeEnd, const char16_t *fraction,
                                          const char16_t *fractionEnd)
{
    while (whole != wholeEnd && *whole == u'0')
        ++whole;
    if (whole != wholeEnd)
        return (wholeEnd - whole) + (fractionEnd - fraction);
    while (fraction != fractionEnd && *fraction == u'0')
        ++fraction;
    return fractionEnd - fraction;
}
} // namespace

[[gnu::always_inline]] inline bool ParserCore::scanPlainNumber(QStringView text, PlainNumber &number) const
{
    // The characters StrToLongDouble turns into ".": "." itself, "," when
    // both count, and a one-character LandDot.
    const char16_t comma = s.ConvertAllColonsAndDots ? u',' : u'.';
    const char16_t dot = s.LandDot.size() == 1 ? s.LandDot.at(0).unicode() : u'.';
    const auto isDigit = [](char16_t ch) { return char16_t(ch - u'0') <= 9; };
    // A digit that reads as the mark is left to the general conversion.
    if (isDigit(dot))
        return false;
    const auto isMark = [&](char16_t ch) { return ch == u'.' || ch == comma || ch == dot; };
    const char16_t *c = text.utf16();
    const char16_t *const end = c + text.size();
    bool negative = false;
    if (c != end && (*c == u'+' || *c == u'-') && !isMark(*c))
        negative = *c++ == u'-';
    // One pass reads the digits and their value; leading zeros add nothing
    // to it, so only the count of significant digits is left to check.
    quint64 significand = 0;
    const auto readDigits = [&] {
        const char16_t *const from = c;
        for (; c != end; ++c) {
            const unsigned digit = unsigned(*c) - u'0';
            if (digit > 9)
                break;
            significand = significand * 10 + digit;
        }
        return from;
    };
    const char16_t *const whole = readDigits();
    const char16_t *const wholeEnd = c;
    const char16_t *fraction = c;
    if (c != end && isMark(*c)) {
        ++c;
        fraction = readDigits();
    }
    const char16_t *const fractionEnd = c;
    if (wholeEnd == whole && fractionEnd == fraction)
        return false;
    // As TextToLongDouble counts them: at most 19 significant digits (leading
    // zeros are none); each digit after the mark lowers the exponent.
    if ((wholeEnd - whole) + (fractionEnd - fraction) > 19 && significantDigits(whole, wholeEnd, fraction, fractionEnd) > 19)
        return false;
    qint64 exponent = -(fractionEnd - fraction);
    if (c != end && (*c == u'e' || *c == u'E') && !isMark(*c)) {
        ++c;
        bool negativeExponent = false;
        if (c != end && (*c == u'+' || *c == u'-') && !isMark(*c))
            negativeExponent = *c++ == u'-';
        const char16_t *const first = c;
        qint64 e = 0;
        for (; c != end && isDigit(*c); ++c)
            e = std::min<qint64>(e * 10 + (*c - u'0'), 1000000);
        if (c == first)
            return false;
        exponent += negativeExponent ? -e : e;
    }
    number = {negative, significand, exponent};
    return c == end;
}

inline const Tree &ParserCore::known(const Tree &node)
{
    if (node.m_known && sameText(node.Value, node.m_seen)) [[likely]]
        return node;
    decide(node);
    return node;
}

quint8 ParserCore::leafKindOf(const QString &text)
{
    static constexpr struct
    {
        QStringView name;
        LeafKind kind;
    } names[] = {{u"x", VariableX}, {u"a", VariableA}, {u"b", VariableB}, {u"c", VariableC},
                 {u"d", VariableD}, {u"pi", ConstantPi}, {u"e", ConstantE}};
    for (const auto &name : names) {
        if (isName(text, name.name))
            return name.kind;
    }
    return NumberLeaf;
}

void ParserCore::decide(const Tree &node)
{
    const QString &v = node.Value;
    const char16_t c = v.size() == 1 ? v.front().unicode() : 0;
    node.m_seen = v;
    node.m_known = true;
    node.m_cache.cached = false;
    node.m_operator = isTreeOperator(c) ? c : 0;
    node.m_function = isFunctionCode(c) ? c : 0;
    node.m_leaf = leafKindOf(v);
}

[[gnu::always_inline]] inline long double ParserCore::variableValue(quint8 kind, const QString &text)
{
    const QString *variable = &s.X;
    switch (kind) {
    case VariableX:
        variable = &s.X;
        break;
    case VariableA:
        variable = &s.A;
        break;
    case VariableB:
        variable = &s.B;
        break;
    case VariableC:
        variable = &s.C;
        break;
    case VariableD:
        variable = &s.D;
        break;
    default:
        break;
    }
    // Variables are read every time; a plain number text directly.
    PlainNumber number;
    if (scanPlainNumber(*variable, number) && IsExactDecimal(number.significand, number.exponent))
        return ExactDecimalValue(number.negative, number.significand, number.exponent);
    return StrToLongDouble(text);
}

inline long double ParserCore::leafValue(quint8 kind, const QString &text, LeafCache &cache)
{
    if (kind >= VariableX && kind <= VariableD)
        return variableValue(kind, text);
    // A number or constant reads the same until its text, the decimal mark
    // or the conversion setting changes.
    if (s.LandDot.size() != 1)
        return StrToLongDouble(text);
    const char16_t dot = s.LandDot.at(0).unicode();
    if (cache.cached && cache.dot == dot && cache.convert == s.ConvertAllColonsAndDots)
        return cache.number;
    const long double value = StrToLongDouble(text);
    cache = {true, s.ConvertAllColonsAndDots, dot, value};
    return value;
}

namespace {
// Out of line, so that the arithmetic around them stays small.
[[noreturn, gnu::noinline, gnu::cold]] void raise(const char16_t *message)
{
    throw Exception(QString::fromUtf16(message));
}
} // namespace

inline long double ParserCore::applyFunction(char16_t code, long double argument)
{
    switch (code) {
    case u's':
        return std::sin(double(argument));
    case u'c':
        return std::cos(double(argument));
    case u't':
        return std::tan(double(argument));
    case u'n':
    case u'g':
        if (!(argument > 0))
            raise(u"Log von X mit X <= 0");
        return code == u'n' ? std::log(argument) : std::log(argument) / std::log(10.0L);
    case u'r':
        return std::fabs(argument);
    default:
        return 0;
    }
}

namespace {
// ParserCore::power, inline for the evaluation.
[[gnu::always_inline]] inline double squareOrPow(double base, double exponent)
{
    if (exponent == 2) {
        // base * base is the exact square correctly rounded. pow's result is
        // the rounding of a value within d units in the last place of the
        // exact square, where d is the error of its exp (at most 0.011
        // units beyond the rounding) plus that of its log, |2 ln base| x
        // 1.5 x 2^-68 relative, at most 0.035 units over all squares: pow
        // documents 0.54 units in all. Where the exact square is within
        // 0.5 - d units of base * base, no other double is near enough for
        // pow to give another result: within 0.45 units always, and within
        // 0.48 for squares from 2^-100 to 2^100 (|2 ln base| <= 70, d below
        // 0.015). The fused multiply-add gives the product's error exactly;
        // tiny, huge and special squares are left to pow.
        const double square = base * base;
        const quint64 bits = std::bit_cast<quint64>(square);
        const quint64 exponentBits = bits & 0x7ff0000000000000ULL;
        if (exponentBits > (200ULL << 52) && exponentBits < (1800ULL << 52)) {
            const double error = std::fma(base, base, -square);
            const double unit = std::bit_cast<double>(exponentBits - (52ULL << 52));
            const bool moderate = exponentBits >= (923ULL << 52) && exponentBits < (1123ULL << 52);
            const double within = moderate ? 0.48 : 0.45;
            // Just below a power of two the next double down is half a unit away.
            const bool halfBelow = error < 0 && (bits & 0xfffffffffffffULL) == 0;
            if (std::fabs(error) <= (halfBelow ? within / 2 : within) * unit)
                return square;
        }
    }
    return std::pow(base, exponent);
}
} // namespace

// With a fused multiply-add where the processor has one.
[[gnu::target_clones("fma", "default")]] double ParserCore::power(double base, double exponent)
{
    return squareOrPow(base, exponent);
}

inline long double ParserCore::applyOperator(char16_t op, long double left, long double right)
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
            raise(u"Division durch 0");
        return left / right;
    case u'm':
        return modl(left, right);
    default: // '^'
        return applyPower(double(left), double(right));
    }
}

inline double ParserCore::applyPower(double left, double right)
{
    const double result = squareOrPow(left, right);
    // NaN from numbers: a negative base with a non-integer exponent.
    if (std::isnan(result) && !std::isnan(left) && !std::isnan(right)) {
        raise(s.PowerErrorMessage ? u"Kein negativer Ausdruck unter Wurzel erlaubt."
                                  : u"Invalid floating point operation");
    }
    return result;
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

// Post-order walk on an explicit stack, for trees of any depth.
long double ParserCore::evalDeep(const Tree &node)
{
    struct Frame
    {
        const Tree *node; // an operator node with both links
        int stage;        // 0: right operand next, 1: left operand next, 2: combine
    };
    SmallStack<Frame, 32> frames;
    SmallStack<long double, 32> values;
    const auto visit = [&](const Tree *n) {
        const Tree &k = known(*n);
        if (k.m_operator && k.isInner())
            frames.push({n, 0});
        else
            values.push(leafValue(k.m_leaf, k.Value, k.m_cache));
    };
    visit(&node);
    while (!frames.empty()) {
        Frame &f = frames.top();
        const Tree &n = *f.node;
        if (f.stage == 0) {
            f.stage = 1;
            visit(n.Right.get());
        } else if (n.m_operator == u'#') {
            const long double argument = values.pop();
            frames.pop();
            values.push(applyFunction(known(*n.Left).m_function, argument));
        } else if (f.stage == 1) {
            f.stage = 2;
            visit(n.Left.get());
        } else {
            const long double left = values.pop();
            const long double right = values.pop();
            frames.pop();
            values.push(applyOperator(n.m_operator, left, right));
        }
    }
    return values.pop();
}

namespace {
// Trees up to this many nodes are laid out as an EvalProgram.
constexpr std::size_t ProgramLimit = 4096;

// What a step checks of its node, read field by field.
inline EvalStep::Key keyOf(const Tree &n)
{
    // cbegin() is null for a null text, so a null and an empty text differ.
    return {reinterpret_cast<const char16_t *>(n.Value.cbegin()), n.Value.size(), n.Right.get(), n.Left.get()};
}

inline bool stillValid(const EvalProgram &program)
{
    // Pre-order: a node is read only after its parent's links were found
    // unchanged, since a replaced child may be freed already. (A function
    // code's links do not count, but a change there only lays the tree out
    // again.)
#pragma GCC unroll 4
    for (const EvalStep &e : program.steps) {
        const EvalStep::Key now = keyOf(*e.node);
#ifdef __SSE2__
        if constexpr (sizeof(EvalStep::Key) == 32) {
            // The four fields beside the step's record, two at a time.
            const __m128i *const then = reinterpret_cast<const __m128i *>(&e.key);
            const __m128i low = _mm_xor_si128(_mm_set_epi64x(now.size, qint64(now.chars)), _mm_loadu_si128(then));
            const __m128i high =
                _mm_xor_si128(_mm_set_epi64x(qint64(now.left), qint64(now.right)), _mm_loadu_si128(then + 1));
            if (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_or_si128(low, high), _mm_setzero_si128())) != 0xffff)
                return false;
            continue;
        }
#endif
        if (now.chars != e.key.chars || now.size != e.key.size || now.right != e.key.right || now.left != e.key.left)
            return false;
    }
    return true;
}
} // namespace

bool ParserCore::layOut(const Tree &root, EvalProgram &program)
{
    program.steps.clear();
    struct Pending
    {
        const Tree *node;
        bool code; // the left node of a "#": only its text counts
    };
    QVarLengthArray<Pending, 64> pending;
    pending.append({&root, false});
    while (!pending.isEmpty()) {
        const Pending p = pending.back();
        pending.removeLast();
        if (program.steps.size() == ProgramLimit)
            return false;
        const Tree *n = p.node;
        const char16_t c = n->Value.size() == 1 ? n->Value.front().unicode() : 0;
        EvalStep step{n, keyOf(*n), n->Value, EvalStep::Leaf, 0, NumberLeaf};
        if (p.code) {
            step.kind = EvalStep::FunctionCode;
            step.code = isFunctionCode(c) ? c : 0;
        } else if (isTreeOperator(c) && n->isInner()) {
            step.kind = EvalStep::Operator;
            step.code = c;
            // Pre-order: the left subtree comes out first.
            pending.append({n->Right.get(), false});
            pending.append({n->Left.get(), c == u'#'});
        } else {
            step.leaf = leafKindOf(n->Value);
        }
        program.steps.push_back(std::move(step));
    }
    program.translated = false;
    return true;
}

namespace {
// A value of the translation: a constant not yet loaded, the accumulator, or
// an entry of the run-time stack.
struct Slot
{
    enum Where : quint8 { Constant, Accumulator, Stacked };
    Where where;
    long double value;
};
} // namespace

namespace {
// An operation with a constant: the sum, and the product with a constant
// other than 0, have codes of their own.
EvalOp::Code constantOperation(EvalOp::Code general, char16_t op, long double constant)
{
    const bool right = general == EvalOp::ApplyConstRight;
    if (op == u'+')
        return right ? EvalOp::AddConstRight : EvalOp::AddConstLeft;
    if (op == u'*' && constant != 0)
        return right ? EvalOp::MultiplyConstRight : EvalOp::MultiplyConstLeft;
    return general;
}
} // namespace

void ParserCore::translate(EvalProgram &program)
{
    std::vector<EvalOp> &ops = program.ops;
    ops.clear();
    std::vector<Slot> entries;
    qsizetype accumulator = -1; // the slot held in the accumulator; always the topmost non-constant one
    std::size_t depth = 0, maxDepth = 0;
    const auto add = [&](EvalOp::Code code, char16_t op = 0, long double constant = 0) {
        ops.push_back({code, 0, false, op, 0, 0, 0});
        ops.back().setConstant(constant);
        if (code == EvalOp::Push)
            maxDepth = std::max(maxDepth, ++depth);
        else if (code == EvalOp::Pop || code == EvalOp::Apply)
            --depth;
    };
    const auto spill = [&] {
        if (accumulator >= 0) {
            add(EvalOp::Push);
            entries[std::size_t(accumulator)].where = Slot::Stacked;
            accumulator = -1;
        }
    };
    // The top slot into the accumulator.
    const auto fetch = [&] {
        Slot &top = entries.back();
        if (top.where == Slot::Constant) {
            spill();
            add(EvalOp::Load, 0, top.value);
        } else if (top.where == Slot::Stacked) {
            add(EvalOp::Pop);
        }
        top.where = Slot::Accumulator;
        accumulator = qsizetype(entries.size()) - 1;
    };
    const EvalStep *const steps = program.steps.data();
    for (std::size_t i = program.steps.size(); i-- > 0;) {
        const EvalStep &e = steps[i];
        if (e.kind == EvalStep::FunctionCode)
            continue;
        if (e.kind == EvalStep::Leaf) {
            if (e.leaf >= VariableX && e.leaf <= VariableD) {
                spill();
                ops.push_back({EvalOp::LoadVariable, e.leaf, false, 0, int(i), 0, 0});
            } else {
                try {
                    entries.push_back({Slot::Constant, StrToLongDouble(e.text)});
                    continue;
                } catch (const Exception &) {
                    // Raised again, in its place, by every evaluation.
                    spill();
                    ops.push_back({EvalOp::LoadText, e.leaf, false, 0, int(i), 0, 0});
                }
            }
            entries.push_back({Slot::Accumulator, 0});
            accumulator = qsizetype(entries.size()) - 1;
            continue;
        }
        if (e.code == u'#') {
            // The function code is the next step (the left node).
            const char16_t code = steps[i + 1].code;
            Slot &top = entries.back();
            if (top.where == Slot::Constant) {
                try {
                    top.value = applyFunction(code, top.value);
                    continue;
                } catch (const Exception &) {
                }
            }
            fetch();
            if (ops.back().code == EvalOp::LoadVariable) {
                ops.back().code = EvalOp::VariableFunction;
                ops.back().op = code;
            } else {
                add(EvalOp::Function, code);
            }
            continue;
        }
        // The left operand was evaluated last: it is the top slot.
        const Slot left = entries.back();
        const Slot right = entries[entries.size() - 2];
        if (left.where == Slot::Constant && right.where == Slot::Constant) {
            try {
                const long double value = applyOperator(e.code, left.value, right.value);
                entries.pop_back();
                entries.back().value = value;
                continue;
            } catch (const Exception &) {
            }
        }
        if (left.where == Slot::Constant) {
            entries.pop_back();
            fetch();
            add(constantOperation(EvalOp::ApplyConstLeft, e.code, left.value), e.code, left.value);
        } else if (right.where == Slot::Constant) {
            fetch();
            if (e.code == u'^' && (ops.back().code == EvalOp::Function || ops.back().code == EvalOp::VariableFunction)) {
                // A function's value to a constant power, without taking
                // the function's double through long double and back.
                ops.back().code =
                    ops.back().code == EvalOp::Function ? EvalOp::FunctionPower : EvalOp::VariableFunctionPower;
                ops.back().setConstant(right.value);
            } else {
                add(constantOperation(EvalOp::ApplyConstRight, e.code, right.value), e.code, right.value);
            }
            entries.pop_back();
        } else {
            // Both computed: the right one is on the stack below the left.
            fetch();
            add(EvalOp::Apply, e.code);
            entries.pop_back();
        }
        entries.back().where = Slot::Accumulator;
        accumulator = qsizetype(entries.size()) - 1;
    }
    if (!entries.empty())
        fetch();
    program.stack.resize(maxDepth);
    program.landDot = s.LandDot;
    program.convert = s.ConvertAllColonsAndDots;
    program.translated = true;
}

[[gnu::always_inline]] inline long double ParserCore::run(EvalProgram &program)
{
    long double value = 0;
    long double *top = program.stack.data(); // one past the last entry
    for (const EvalOp &o : program.ops) {
        switch (o.code) {
        case EvalOp::Load:
            value = o.constantValue();
            break;
        case EvalOp::LoadVariable:
            value = variableValue(o.leaf, program.steps[std::size_t(o.step)].text);
            break;
        case EvalOp::LoadText:
            value = StrToLongDouble(program.steps[std::size_t(o.step)].text);
            break;
        case EvalOp::Push:
            *top++ = value;
            break;
        case EvalOp::Pop:
            value = *--top;
            break;
        case EvalOp::Function:
            value = applyFunction(o.op, value);
            break;
        case EvalOp::FunctionPower:
            value = applyPower(double(applyFunction(o.op, value)), o.narrow);
            break;
        case EvalOp::VariableFunction:
            value = applyFunction(o.op, variableValue(o.leaf, program.steps[std::size_t(o.step)].text));
            break;
        case EvalOp::VariableFunctionPower:
            value = applyPower(double(applyFunction(o.op, variableValue(o.leaf, program.steps[std::size_t(o.step)].text))),
                               o.narrow);
            break;
        case EvalOp::Apply:
            --top;
            value = applyOperator(o.op, value, *top);
            break;
        case EvalOp::ApplyConstRight:
            value = applyOperator(o.op, value, o.constantValue());
            break;
        case EvalOp::ApplyConstLeft:
            value = applyOperator(o.op, o.constantValue(), value);
            break;
        case EvalOp::AddConstRight:
            value = value + o.constantValue();
            break;
        case EvalOp::AddConstLeft:
            value = o.constantValue() + value;
            break;
        case EvalOp::MultiplyConstRight:
            value = value == 0 ? 0 : value * o.constantValue();
            break;
        case EvalOp::MultiplyConstLeft:
            value = value == 0 ? 0 : o.constantValue() * value;
            break;
        }
    }
    return value;
}

#if VTQX_PARSER_WIDE
[[gnu::target("default")]]
#endif
long double ParserCore::runIfUnchanged(EvalProgram &program, bool &unchanged)
{
    unchanged = stillValid(program);
    return unchanged ? run(program) : 0;
}

#if VTQX_PARSER_WIDE
// The same for processors with AVX2 and FMA: a fused multiply-add for squares.
[[gnu::target("avx2,fma")]] long double ParserCore::runIfUnchanged(EvalProgram &program, bool &unchanged)
{
    unchanged = stillValid(program);
    return unchanged ? run(program) : 0;
}
#endif

long double ParserCore::Eval(const Tree &node)
{
    return evalNode(node);
}

inline long double ParserCore::evalNode(const Tree &node)
{
    // Every leaf conversion starts with InitLandDot; once is enough here.
    initLandDot(s);
    EvalProgram *program = node.m_program.get();
    if (program && program->translated && program->convert == s.ConvertAllColonsAndDots
        && sameText(program->landDot, s.LandDot)) [[likely]] {
        bool unchanged;
        const long double value = runIfUnchanged(*program, unchanged);
        if (unchanged) [[likely]]
            return value;
    }
    return evalPrepared(node);
}

long double ParserCore::evalPrepared(const Tree &node)
{
    EvalProgram *program = node.m_program.get();
    if (!program || !stillValid(*program)) {
        if (!program)
            node.m_program = std::make_unique<EvalProgram>();
        if (!layOut(node, *node.m_program)) {
            node.m_program.reset();
            return evalDeep(node);
        }
        program = node.m_program.get();
    }
    if (!program->translated || program->convert != s.ConvertAllColonsAndDots
        || !(sameText(program->landDot, s.LandDot) || program->landDot == s.LandDot))
        translate(*program);
    return run(*program);
}

long double ParserCore::evalByWalk(const Tree &node)
{
    InitLandDot();
    return evalDeep(node);
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
    const long double value = evalNode(root);
    // The text is written when it is read, as the settings are now.
    if (s.LandDot.size() == 1) {
        s.Pending = {double(value), s.Precision, s.LandDot.at(0).unicode(), true};
    } else {
        s.Pending.pending = false;
        formatResult(value, s.Precision, s.LandDot, s.ErgebnisString);
    }
    return value;
}
