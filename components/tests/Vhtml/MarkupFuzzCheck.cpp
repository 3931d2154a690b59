#include "components/tests/Vhtml/MarkupFuzzCheck.h"

#include "components/Vhtml/MarkupScan.h"

#include <functional>

namespace {
using Scan = std::function<int(QStringView, const MarkupScan::Sink &, const MarkupScan::PassHook &)>;

QString checkScan(const char *name, const Scan &scan, const QString &markup, QStringView terminator, int stopAfter)
{
    int handed = 0, passes = 0;
    QString failure;
    const MarkupScan::Sink sink = [&](const QString &value) {
        ++handed;
        if (failure.isEmpty() && !markup.contains(value))
            failure = QStringLiteral("%1: value '%2' is not in the markup").arg(QLatin1String(name), value);
        if (failure.isEmpty() && !terminator.isEmpty() && value.contains(terminator))
            failure = QStringLiteral("%1: value '%2' holds its terminator").arg(QLatin1String(name), value);
    };
    const int count = scan(markup, sink, [&] { return ++passes > 0; });
    if (!failure.isEmpty())
        return failure;
    if (count != handed)
        return QStringLiteral("%1: %2 values counted, %3 handed over").arg(QLatin1String(name)).arg(count).arg(handed);
    if (passes > markup.size())
        return QStringLiteral("%1: %2 passes over %3 positions").arg(QLatin1String(name)).arg(passes).arg(markup.size());

    int stoppedPasses = 0;
    const int stopped = scan(markup, [](const QString &) {}, [&] { return ++stoppedPasses <= stopAfter; });
    if (stopped > count || stoppedPasses > stopAfter + 1)
        return QStringLiteral("%1: stopped after %2 passes, found %3 of %4")
            .arg(QLatin1String(name)).arg(stoppedPasses).arg(stopped).arg(count);
    return QString();
}
} // namespace

QString checkMarkupInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return QString();
    const int lengths[3] = {data[0] & 3, (data[0] >> 2) & 3, (data[0] >> 4) & 3};
    const int stopAfter = data[1];
    const QString rest = QString::fromUtf8(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    QStringView view(rest);
    QStringView texts[3];
    for (int i = 0; i < 3; ++i) {
        const qsizetype n = std::min<qsizetype>(lengths[i], view.size());
        texts[i] = view.first(n);
        view = view.sliced(n);
    }
    const QString markup = view.toString();

    QString failure = checkScan("links", MarkupScan::links, markup, MarkupScan::quote, stopAfter);
    if (failure.isEmpty())
        failure = checkScan("images", MarkupScan::images, markup, MarkupScan::quote, stopAfter);
    if (failure.isEmpty())
        failure = checkScan(
            "values",
            [&](QStringView h, const MarkupScan::Sink &sink, const MarkupScan::PassHook &pass) {
                return MarkupScan::values(h, texts[0], texts[1], texts[2], sink, pass);
            },
            markup, texts[2], stopAfter);
    return failure;
}
