#include "settings/window_fit.h"

#include <QMargins>

#include <algorithm>

namespace {

qint64 Overlap(const QRect &a, const QRect &b) {
  const QRect both = a.intersected(b);
  return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

// Width and height kept inside [minimum, most]; the most wins when the two cross.
int Bounded(int value, int minimum, int most) {
  return std::max(1, std::min(std::max(value, minimum), most));
}

} // namespace

QSize FittedMinimum(const QSize &needed, const QRect &area) {
  if (area.isEmpty())
    return needed;
  return {std::min(needed.width(), area.width()), std::min(needed.height(), area.height())};
}

QRect CentredIn(const QSize &size, const QRect &area) {
  return {area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2,
          size.width(), size.height()};
}

QRect FitToScreens(const QRect &wanted, const QSize &minimum, const ScreenAreas &screens,
                   const QMargins &frame) {
  // The stored numbers may be anything: no arithmetic on them overflows.
  const QRect safe(std::clamp(wanted.x(), -(1 << 24), 1 << 24), std::clamp(wanted.y(), -(1 << 24), 1 << 24),
                   std::clamp(wanted.width(), 0, 1 << 24), std::clamp(wanted.height(), 0, 1 << 24));
  QRect area;
  qint64 best = 0;
  for (const QRect &candidate : screens.available) {
    const qint64 overlap = Overlap(safe.marginsAdded(frame), candidate);
    if (overlap > best) {
      best = overlap;
      area = candidate;
    }
  }
  const bool offScreen = area.isEmpty();
  if (offScreen)
    area = screens.home;
  if (area.isEmpty())
    return safe; // no screen known: nothing to fit into
  QRect inner = area.marginsRemoved(frame);
  if (inner.isEmpty())
    inner = area;
  const QSize size(Bounded(safe.width(), minimum.width(), inner.width()),
                   Bounded(safe.height(), minimum.height(), inner.height()));
  if (offScreen)
    return CentredIn(size, inner);
  QRect fitted(safe.topLeft(), size);
  fitted.moveLeft(std::clamp(fitted.left(), inner.left(), inner.right() + 1 - size.width()));
  fitted.moveTop(std::clamp(fitted.top(), inner.top(), inner.bottom() + 1 - size.height()));
  return fitted;
}
