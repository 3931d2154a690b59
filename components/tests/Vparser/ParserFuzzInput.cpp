#include "components/tests/Vparser/ParserFuzzInput.h"

#include "platform/core/Exception.h"
#include "components/platform/core/NumberText.h"
#include "components/Vparser/ParserCore.h"
#include "components/tests/Vparser/ParserTestSupport.h"
#include "components/Vparser/Vparser.h"

#include <QByteArray>
#include <QList>

#include <cmath>
#include <memory>
#include <vector>

namespace {

struct Outcome
{
    bool raised = false;
    QString message;
    long double value = 0;

    bool operator==(const Outcome &o) const
    {
        if (raised || o.raised)
            return raised == o.raised && message == o.message;
        return value == o.value || (std::isnan(value) && std::isnan(o.value));
    }
};

template <typename F>
Outcome outcomeOf(F evaluate)
{
    Outcome outcome;
    try {
        outcome.value = evaluate();
    } catch (const Exception &e) {
        outcome.raised = true;
        outcome.message = e.Message();
    }
    return outcome;
}

// A copy without any cached numbers.
std::unique_ptr<Tree> cloneTree(const Tree &tree)
{
    auto copy = std::make_unique<Tree>(tree.Value);
    std::vector<std::pair<const Tree *, Tree *>> pending{{&tree, copy.get()}};
    while (!pending.empty()) {
        const auto [from, to] = pending.back();
        pending.pop_back();
        if (from->Left) {
            to->Left = std::make_unique<Tree>(from->Left->Value);
            pending.push_back({from->Left.get(), to->Left.get()});
        }
        if (from->Right) {
            to->Right = std::make_unique<Tree>(from->Right->Value);
            pending.push_back({from->Right.get(), to->Right.get()});
        }
    }
    return copy;
}

void configure(TVParser &parser, uint8_t flags, uint8_t precision, const QList<QByteArray> &fields)
{
    static const char *const marks[] = {"", ",", ".", "<>"};
    parser.setConvertAllColonsAndDots(flags & 1);
    parser.setOverwriteDecimalSymbol(QString::fromLatin1(marks[(flags >> 1) & 3]));
    parser.setPrecision(int(precision % 21) - 2);
    const auto field = [&](int i) { return i < fields.size() ? QString::fromLatin1(fields[i]) : QString(); };
    parser.setExpression(field(0));
    parser.setX(field(1));
    parser.setA(field(2));
    parser.setB(field(3));
    parser.setC(field(4));
    parser.setD(field(5));
}

} // namespace

QString runParserFuzzInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return {};
    const uint8_t flags = data[0];
    SetDecimalSeparator((flags & 8) ? u',' : u'.');
    const QList<QByteArray> fields = QByteArray(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2)).split('\n');

    TVParser parser, twin;
    configure(parser, flags, data[1], fields);
    configure(twin, flags, data[1], fields);
    const QString expression = parser.Expression();
    const bool built = parser.CreateTree();

    // The iterative builder cuts exactly as the literal recursion.
    if (expression.size() <= 1000) {
        Tree reference;
        TVParser normaliser;
        configure(normaliser, flags, data[1], fields);
        normaliser.InitLandDot();
        const QString normalised = normaliser.WandleSinCosTanUm(
            normaliser.EntferneKlammern(normaliser.EntferneLeerzeichen(expression)));
        if (normalised != parser.Expression())
            return QStringLiteral("normalised differently");
        if (referenceMakeTree(reference, normalised) != built)
            return QStringLiteral("build result differs from the literal recursion");
        const QString difference = treeDifference(TVParser::TreeRoot(), reference);
        if (!difference.isEmpty())
            return QStringLiteral("tree differs from the literal recursion: ") + difference;
    }

    const Outcome first = outcomeOf([&] { return parser.Evaluate(); });
    const Outcome second = outcomeOf([&] { return parser.Evaluate(); });
    const Outcome other = outcomeOf([&] { return twin.Evaluate(); });
    const auto copy = cloneTree(TVParser::TreeRoot());
    const Outcome uncached = outcomeOf([&] { return twin.Eval(*copy); });
    // The plain walk of the tree, with the parser's settings.
    ParserState state;
    state.ConvertAllColonsAndDots = parser.ConvertAllColonsAndDots();
    state.OverwriteDecimalSymbol = parser.OverwriteDecimalSymbol();
    state.X = parser.X();
    state.A = parser.A();
    state.B = parser.B();
    state.C = parser.C();
    state.D = parser.D();
    const Outcome walked = outcomeOf([&] { return ParserCore(state).evalByWalk(TVParser::TreeRoot()); });
    if (!(first == second) || !(first == other) || !(first == uncached) || !(first == walked))
        return QStringLiteral("evaluations of one tree differ");

    // The result text reads back as the value to its precision.
    if (!first.raised && parser.OverwriteDecimalSymbol().isEmpty() && std::isfinite(double(first.value))) {
        QString text = parser.ErgebnisString();
        text.replace(DecimalSeparator(), u'.');
        const long double back = TextToLongDouble(text);
        const long double tolerance = std::fabs(double(first.value)) * std::pow(10.0L, 1 - parser.Precision());
        if (!(std::fabs(back - double(first.value)) <= tolerance))
            return QStringLiteral("result text %1 does not read back").arg(parser.ErgebnisString());
    }
    return {};
}
