#include "preview/FormPicture.h"

#include <QPainter>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {
// Where a control's caption stands: after the box of a check box, on the
// frame of a group, centred on a button or panel, else at the left.
std::pair<QRect, int> captionPlace(const FormControl &c, const QRect &box)
{
    const auto is = [&](std::initializer_list<const char16_t *> names) {
        return std::any_of(names.begin(), names.end(), [&](const char16_t *n) { return c.className == QStringView(n); });
    };
    if (is({u"TCheckBox", u"TRadioButton"}))
        return {box.adjusted(captionMargin(c.className), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter};
    if (is({u"TGroupBox", u"TRadioGroup"}))
        return {QRect(box.left() + 8, box.top() - 7, std::max(box.width() - 16, 1), 14), Qt::AlignLeft | Qt::AlignVCenter};
    if (is({u"TButton", u"TBitBtn", u"TSpeedButton", u"TPanel"}))
        return {box, Qt::AlignCenter};
    return {box.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter};
}
} // namespace

QImage drawForm(const std::vector<FormControl> &layout, const QHash<QString, QString> &captions,
                const std::vector<FitCheck::Fit> &fits, FormFonts &fonts)
{
    constexpr int kTitle = 22; // the form's title bar, above its client area
    const FormControl &form = layout.front();
    QImage image(std::clamp(form.width, 50, 4000), std::clamp(form.height, 50, 4000) + kTitle, QImage::Format_RGB32);
    image.fill(QColor(240, 240, 240));
    QPainter p(&image);
    p.fillRect(0, 0, image.width(), kTitle, QColor(0, 84, 153));
    p.setPen(Qt::white);
    p.setFont(fonts.font(form.font));
    p.drawText(QRect(6, 0, image.width() - 12, kTitle), Qt::AlignVCenter | Qt::TextSingleLine,
               shownCaption(captions.value(form.name)));

    std::vector<QPoint> origin(layout.size(), QPoint(0, kTitle));
    for (size_t i = 1; i < layout.size(); ++i) {
        const FormControl &c = layout[i];
        const QPoint owner = c.parent > 0 ? origin[size_t(c.parent)] : QPoint(0, kTitle);
        origin[i] = owner + QPoint(c.left, c.top);
        if (!c.hasWidth || c.height <= 0)
            continue; // not drawn where it stands (menus, dialogs, data sources)
        const QRect box(origin[i], QSize(c.width, c.height));
        p.setPen(QColor(160, 160, 160));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box.adjusted(0, 0, -1, -1));
        const auto caption = captions.constFind(c.name);
        if (caption == captions.cend())
            continue;
        const auto fit = std::find_if(fits.begin(), fits.end(), [&](const FitCheck::Fit &f) { return f.control == int(i); });
        const bool overflows = fit != fits.end() && !fit->fits;
        p.setFont(fonts.font(c.font));
        p.setPen(Qt::black);
        // The whole text, also where it runs past the box: that is the point.
        const auto [area, align] = captionPlace(c, box);
        p.drawText(area, align | Qt::TextDontClip, shownCaption(*caption));
        if (overflows) {
            p.setPen(QPen(Qt::red, 2));
            p.drawRect(box.adjusted(1, 1, -1, -1));
        }
    }
    return image;
}
