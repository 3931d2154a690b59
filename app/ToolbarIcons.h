#pragma once
// Toolbar icons from the freedesktop icon theme, with the style's pixmaps as
// fallback, all drawn at one size.
#include <QIcon>
#include <QSize>
#include <QString>

// The theme icon named themeName, else fallback; an icon that has no image at
// size (or at twice and three times size for high-DPI screens) gets one
// scaled from its largest image, so that every toolbar icon is equally big.
QIcon toolbarIcon(const QString &themeName, const QIcon &fallback, QSize size);

// Where the desktop names no icon theme (a bare X server, offscreen), uses
// the theme the package depends on; the desktop's own theme is kept.
void chooseIconTheme();

// The program's own icon, also installed for the desktop entry.
QIcon applicationIcon();
