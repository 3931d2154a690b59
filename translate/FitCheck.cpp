#include "translate/FitCheck.h"

#include <QStringList>

#include <algorithm>

namespace FitCheck {

std::vector<Fit> measure(const std::vector<FormControl> &layout, const QHash<QString, QString> &captions,
                         const Measure &width)
{
    std::vector<Fit> out;
    for (size_t i = 0; i < layout.size(); ++i) {
        const FormControl &c = layout[i];
        const auto caption = captions.constFind(c.name);
        if (caption == captions.cend() || !hasFixedWidth(c, i == 0))
            continue;
        Fit fit{int(i), shownCaption(*caption)};
        int widest = 0;
        for (const QString &line : fit.text.split(u'\n'))
            widest = std::max(widest, width(c.font, line));
        fit.needs = widest + captionMargin(c.className);
        fit.fits = fit.needs <= c.width;
        out.push_back(fit);
    }
    return out;
}

QHash<QString, QString> captionsOf(const QHash<QString, QString> &formTexts)
{
    QHash<QString, QString> out;
    for (auto it = formTexts.cbegin(); it != formTexts.cend(); ++it) {
        const QStringList parts = it.key().split(QStringLiteral("->"));
        if ((parts.size() == 2 || parts.size() == 3) && parts.constLast() == u"Caption")
            out.insert(parts.at(parts.size() - 2), it.value());
    }
    return out;
}

} // namespace FitCheck
