#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPixmap>

namespace {
const QString kInstalledTheme = QStringLiteral("breeze");

// pixmap as a size × dpr square, scaled smoothly and centred.
QPixmap fitted(const QPixmap &pixmap, QSize size, qreal dpr)
{
    const QSize device = size * dpr;
    QPixmap out(device);
    out.fill(Qt::transparent);
    if (!pixmap.isNull()) {
        const QPixmap scaled = pixmap.scaled(device, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter p(&out);
        p.drawPixmap((device.width() - scaled.width()) / 2, (device.height() - scaled.height()) / 2, scaled);
    }
    out.setDevicePixelRatio(dpr);
    return out;
}
} // namespace

QIcon toolbarIcon(const QString &themeName, const QIcon &fallback, QSize size)
{
    const QIcon icon = QIcon::fromTheme(themeName, fallback);
    QIcon out;
    for (const qreal dpr : {1.0, 2.0, 3.0}) {
        // Asking for a bigger size yields the largest image the icon has.
        const QPixmap largest = icon.pixmap(size * 4, dpr);
        QPixmap exact = icon.pixmap(size, dpr);
        if (exact.size() != size * dpr)
            exact = fitted(largest, size, dpr);
        out.addPixmap(exact);
    }
    return out;
}

void chooseIconTheme()
{
    const QString current = QIcon::themeName();
    if (current.isEmpty() || current == u"hicolor")
        QIcon::setThemeName(kInstalledTheme);
    QIcon::setFallbackThemeName(kInstalledTheme);
}

QIcon applicationIcon()
{
    return QIcon(QStringLiteral(":/vtqx/org.varnosel.vtqx.svg"));
}
