#include "ui/program_icon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace {

QPixmap Draw(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal unit = size / 32.0;
  painter.setPen(QPen(QColor(0x2e, 0x5e, 0x1e), 1.5 * unit));
  painter.setBrush(QColor(0x5c, 0xa8, 0x3c));
  painter.drawEllipse(QRectF(2 * unit, 5 * unit, 28 * unit, 22 * unit));
  painter.setPen(Qt::white);
  QFont font;
  font.setBold(true);
  font.setPixelSize(int(12 * unit));
  painter.setFont(font);
  painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("ZR"));
  return pixmap;
}

} // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64})
    icon.addPixmap(Draw(size));
  return icon;
}
