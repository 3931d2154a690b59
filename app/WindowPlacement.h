#pragma once
// Where a window may lie: inside the available area of a screen (the screen
// without the desktop's panels), never partly beyond it.
#include <QList>
#include <QRect>

// The area a frame belongs to: the one it overlaps most, else the first one
// (the primary screen's). An empty list gives an empty rectangle.
QRect homeArea(const QRect &frame, const QList<QRect> &areas);

// The frame shrunk to the area where it is larger, then moved the least
// distance that puts it wholly inside.
QRect keptInside(const QRect &frame, const QRect &area);
