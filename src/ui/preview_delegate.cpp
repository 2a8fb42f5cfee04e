#include "ui/preview_delegate.h"

#include <QApplication>
#include <QPainter>

TPreviewDelegate::TPreviewDelegate(LookFunction look, QObject *parent)
    : QStyledItemDelegate(parent), m_look(std::move(look)) {}

void TPreviewDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const {
  const PreviewRowLook look = m_look ? m_look(index.row()) : PreviewRowLook{};
  const QString text = index.data(Qt::DisplayRole).toString();
  const QRect rect = option.rect;
  const QPalette &palette = option.palette;
  const bool selected = option.state & QStyle::State_Selected;
  const QRect textRect = rect.adjusted(kMargin, kMargin, 0, 0);
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;

  painter->save();
  if (!look.previewValid) {
    // The hint and the help are plain lines of text.
    painter->fillRect(rect, palette.base());
    painter->setPen(palette.color(QPalette::Text));
    painter->drawText(textRect, flags, text);
    painter->restore();
    return;
  }
  painter->fillRect(rect, palette.base());
  if (!look.hasEntry) {
    painter->restore();
    return;
  }
  QColor pen = palette.color(QPalette::Text);
  if (selected) {
    painter->fillRect(rect.adjusted(kIconColumn, 0, 0, 0), palette.highlight());
    pen = palette.color(QPalette::HighlightedText);
  } else if (look.hidden) {
    pen = palette.color(QPalette::Disabled, QPalette::Text);
  }
  const int iconSize = qMin(16, rect.height());
  if (!look.icon.isNull())
    look.icon.paint(painter, QRect(rect.left() + kMargin, rect.top(), iconSize, iconSize));
  painter->setPen(pen);
  painter->drawText(rect.adjusted(kTextLeft, kMargin, 0, 0), flags, text);
  painter->restore();
}

QSize TPreviewDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const {
  const int height = qMax(kMinRowHeight, option.fontMetrics.height() + 2 * kMargin);
  const int width = kTextLeft + option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
  return QSize(width, height);
}
