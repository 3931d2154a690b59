#include "components/Vgraphics/Vgraphics.h"

#include "components/platform/gui/Canvas.h"
#include "components/platform/core/ComponentPalette.h"
#include "platform/core/Exception.h"
#include "platform/core/MessagePump.h"
#include "components/Vparser/ParserCore.h"

#include <climits>
#include <cmath>
#include <memory>
#include <optional>

#include <QPointer>

namespace {

constexpr int Silver = 12632256;

std::unique_ptr<Tree> &root()
{
    static std::unique_ptr<Tree> unitRoot = std::make_unique<Tree>();
    return unitRoot;
}

// trunc toward zero into the int range.
int truncToInt(long double value)
{
    const long double t = std::trunc(value);
    if (t <= INT_MIN)
        return INT_MIN;
    if (t >= INT_MAX)
        return INT_MAX;
    return int(t);
}

// trunc toward zero into +-2^62, so that sums of two stay in range.
qint64 truncToInt64(long double value)
{
    constexpr qint64 limit = qint64(1) << 62;
    const long double t = std::trunc(value);
    return t <= -limit ? -limit : t >= limit ? limit : qint64(t);
}

QString number(long double value)
{
    return QString::number(double(value), 'g', 10);
}

// (offset from the range start) * size / trunc(to - from), truncated; the
// common part of UmrechnenX and UmrechnenY.
long double scaled(long double offset, long double value, int size, double from, double to, const char *axis)
{
    const double width = std::trunc(to - from);
    if (width == 0 || !std::isfinite(width))
        throw Exception(QStringLiteral("Der Bereich von %1 bis %2 ist schmaler als eine Einheit.")
                            .arg(number(from), number(to)));
    const long double pixel = std::trunc(offset * size / width);
    if (!std::isfinite(pixel))
        throw Exception(QStringLiteral("%1 lässt sich nicht in eine %2 umrechnen.")
                            .arg(number(value), QLatin1String(axis)));
    return pixel;
}

long double columnOf(long double value, int size, double from, double to)
{
    return scaled(value - from, value, size, from, to, "Spalte");
}

long double rowOf(long double value, int size, double from, double to)
{
    return scaled(to - value, value, size, from, to, "Zeile");
}

// The leading decimal integer of a text, 0 if there is none.
int leadingInteger(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min<qint64>(value * 10 + (text[i].unicode() - u'0'), qint64(INT_MAX) + 1);
    return int(std::clamp<qint64>(negative ? -value : value, INT_MIN, INT_MAX));
}

// The k in [1, count] for which origin + k * step lies in [0, limit): grid
// lines outside the destination would draw nothing, and with far ranges
// there may be billions of them.
std::pair<qint64, qint64> visibleLines(qint64 origin, qint64 step, qint64 count, qint64 limit)
{
    long double lo = (0 - origin) / static_cast<long double>(step);
    long double hi = (limit - 1 - origin) / static_cast<long double>(step);
    if (step < 0)
        std::swap(lo, hi);
    const long double first = std::max<long double>(1, std::ceil(lo));
    const long double last = std::min<long double>(count, std::floor(hi));
    if (first > last)
        return {1, 0};
    return {qint64(first), qint64(last)};
}

// Line `index` of one of the lists that go with Expressions.
QString lineOf(const QStringList &list, const char *name, qsizetype index, qsizetype expressions)
{
    if (index >= list.size())
        throw Exception(QStringLiteral("Listenindex überschreitet das Maximum (%1): %2 hat %3 Zeilen, "
                                       "Expressions hat %4")
                            .arg(index)
                            .arg(QLatin1String(name))
                            .arg(list.size())
                            .arg(expressions));
    return list.at(index);
}

} // namespace

TVGraphics::TVGraphics(QObject *owner) : QObject(owner) {}

Tree &TVGraphics::TreeRoot()
{
    return *root();
}

int TVGraphics::UmrechnenX(long double value, int size, double from, double to)
{
    return truncToInt(columnOf(value, size, from, to));
}

int TVGraphics::UmrechnenY(long double value, int size, double from, double to)
{
    return truncToInt(rowOf(value, size, from, to));
}

void TVGraphics::checkRanges() const
{
    const auto checkRange = [](const char *name, long double from, long double to) {
        // The scale runs in double: bounds beyond its range are as infinite.
        const double f = double(from), t = double(to);
        if (!std::isfinite(f) || !std::isfinite(t) || !std::isfinite(t - f))
            throw Exception(QStringLiteral("Ungültiger Bereich %1: von %2 bis %3. Die Grenzen und ihr Abstand "
                                           "müssen endliche Zahlen sein.")
                                .arg(QLatin1String(name), number(from), number(to)));
        // Also false for NaN.
        if (!(to - from >= 1))
            throw Exception(QStringLiteral("Ungültiger Bereich %1: von %2 bis %3. Der Bereich muss mindestens "
                                           "eine Einheit breit sein.")
                                .arg(QLatin1String(name), number(from), number(to)));
    };
    checkRange("X", m_xFrom, m_xTo);
    checkRange("Y", m_yFrom, m_yTo);
    if (m_grid && (m_gridSpace == 0 || std::isnan(m_gridSpace)))
        throw Exception(QStringLiteral("GridSpace darf nicht 0 sein."));
}

int TVGraphics::DrawToCanvas(Canvas &canvas)
{
    m_cancelled = false;
    checkRanges();
    // Events pumped below may destroy this component (with its owner) or
    // the canvas's image; the drawing then ends without touching either.
    const QPointer<TVGraphics> self(this);
    const auto gone = [&] { return self.isNull() || !canvas.isAlive(); };
    const int w = m_width, h = m_height;
    const long double xFrom = m_xFrom, xTo = m_xTo, yFrom = m_yFrom, yTo = m_yTo;
    MessagePump pump;

    if (m_clearCanvas) {
        canvas.setBrushColor(Silver);
        canvas.fillRect(0, 0, w, h);
    }
    // The plot parser state: precision 8, the locale's decimal mark, no
    // conversion of "." and ",", a to d empty.
    ParserState state;
    state.PowerErrorMessage = false;
    ParserCore parser(state);
    long double step = 1;

    canvas.setBrushColor(m_background);
    canvas.floodFill(10, 10);

    // The axes, exactly: far ranges put them far outside the destination.
    const qint64 ox = truncToInt64(columnOf(0, w, double(xFrom), double(xTo)));
    const qint64 oy = truncToInt64(rowOf(0, h, double(yFrom), double(yTo)));
    if (m_grid) {
        const long double g = m_gridSpace;
        const qint64 sx = truncToInt64(w * g / (xTo - xFrom));
        const qint64 sy = truncToInt64(h * g / (yTo - yFrom));
        const auto count = [g](long double bound) { return std::llabs(truncToInt64(bound / g)); };
        canvas.setPenColor(m_gridColor);
        // below, above, right and left of the axes
        const struct
        {
            qint64 origin, step, count;
            bool horizontal;
        } sets[] = {{oy, sy, count(yFrom), true},
                    {oy, -sy, count(yTo), true},
                    {ox, sx, count(xTo), false},
                    {ox, -sx, count(xFrom), false}};
        for (const auto &set : sets) {
            // Lines closer than one pixel are left out.
            if (set.step == 0)
                continue;
            const auto [first, last] = visibleLines(set.origin, set.step, set.count, set.horizontal ? h : w);
            for (qint64 k = first; k <= last; ++k) {
                if (m_cancelled)
                    return -1;
                pump.pumpNow();
                if (gone())
                    return -1;
                const int at = int(set.origin + k * set.step);
                if (set.horizontal) {
                    canvas.moveTo(1, at);
                    canvas.lineTo(w, at);
                } else {
                    canvas.moveTo(at, 1);
                    canvas.lineTo(at, h);
                }
            }
        }
    }
    if (m_cross) {
        canvas.setPenColor(m_crossColor);
        canvas.moveTo(1, truncToInt(oy));
        canvas.lineTo(w, truncToInt(oy));
        canvas.moveTo(truncToInt(ox), 1);
        canvas.lineTo(truncToInt(ox), h);
    }

    int failed = -1;
    const QStringList expressions = m_expressions;
    for (qsizetype m = 0; m < expressions.size(); ++m) {
        if (m_cancelled)
            return -1;
        pump.pumpNow();
        if (gone())
            return -1;
        const QString stepText = lineOf(m_steps, "Steps", m, expressions.size());
        const int color = leadingInteger(lineOf(m_colors, "Colors", m, expressions.size()));
        try {
            step = parser.StrToLongDouble(stepText);
        } catch (const Exception &) {
            // the previous step stays
        }
        // The working copy is normalised; the Expressions lines stay as they are.
        state.Expression = expressions.at(m);
        if (!parser.CreateTree(root())) {
            failed = int(m);
            continue;
        }
        const Tree &tree = *root();
        const qint64 pixelStep = std::max(1, truncToInt(w * step / (xTo - xFrom)));
        std::optional<QPoint> last;
        canvas.setPenColor(color);
        for (qint64 c = 1; c <= w; c += pixelStep) {
            if (m_cancelled)
                return -1;
            const long double x = (xTo - xFrom) * c / w + xFrom;
            state.X = parser.LongDoubleToStr(x);
            try {
                const long double y = parser.Evaluate(tree);
                if (m_maxDifference > 0 && std::fabs(y) >= m_maxDifference)
                    last.reset();
                // A row beyond the int range fails the point (r - 1 must exist).
                const long double row = rowOf(y, h, double(yFrom), double(yTo));
                if (!(row > INT_MIN && row <= INT_MAX)) {
                    last.reset();
                    continue;
                }
                const int r = int(row);
                if (!last)
                    last = QPoint(int(c) - 1, r - 1);
                if (m_pointsOnly) {
                    canvas.moveTo(int(c) - 1, r - 1);
                } else {
                    canvas.moveTo(last->x(), last->y());
                    last = QPoint(int(c), r);
                }
                canvas.lineTo(int(c), r);
            } catch (const Exception &) {
                last.reset();
            }
        }
    }
    return failed + 1;
}

void Vgraphics::Register()
{
    RegisterComponentClass(QStringLiteral("Varnosel"), QStringLiteral("TVGraphics"));
}
