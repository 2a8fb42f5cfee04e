// Where the main window goes on the screens it has: a wanted place and size brought into the
// available area of a screen, whatever the scale factor or the stored values.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// The areas the window may use, in the window system's (scaled) pixels.
struct ScreenAreas {
  QList<QRect> available; // each screen's area without its panels
  QRect home;             // the area a window without a place goes to (the primary screen's)
};

// The smallest size a window accepts on that area: what its options need, but never more than the
// area (a window larger than the screen would hide its buttons).
QSize FittedMinimum(const QSize &needed, const QRect &area);

// The window's geometry (without its frame, whose extents are given) once fitted: a size larger
// than the area of its screen becomes that area's, a size below the minimum becomes the minimum; a
// window that touches no screen is centred on the home area; one partly off its screen is moved
// in. The screen is the one that holds most of the wanted geometry.
QRect FitToScreens(const QRect &wanted, const QSize &minimum, const ScreenAreas &screens,
                   const QMargins &frame = QMargins());

// The default place of a window of that size: the middle of the area.
QRect CentredIn(const QSize &size, const QRect &area);
