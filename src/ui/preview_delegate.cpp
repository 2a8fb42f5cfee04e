#include "ui/preview_delegate.h"

#include "app/preview_model.h"
#include "ui/entry_icons.h"

#include <QPainter>

void TPreviewDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const {
  const QRect rect = option.rect;
  const QPalette &palette = option.palette;
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
  const QString text = index.data(Qt::DisplayRole).toString();

  painter->save();
  painter->fillRect(rect, palette.base());
  if (index.data(PreviewModel::PlainTextRole).toBool()) {
    painter->setPen(palette.color(QPalette::Text));
    painter->drawText(rect.adjusted(kMargin, kMargin, 0, 0), flags, text);
  } else if (index.data(PreviewModel::HasEntryRole).toBool()) {
    QColor pen = palette.color(QPalette::Text);
    if (option.state & QStyle::State_Selected) {
      painter->fillRect(rect.adjusted(kIconColumn, 0, 0, 0), palette.highlight());
      pen = palette.color(QPalette::HighlightedText);
    } else if (index.data(PreviewModel::HiddenRole).toBool()) {
      pen = palette.color(QPalette::Disabled, QPalette::Text);
    }
    const int iconSize = qMin(16, rect.height());
    EntryIcon(index.data(PreviewModel::IconKeyRole).toString())
        .paint(painter, QRect(rect.left() + kMargin, rect.top(), iconSize, iconSize));
    painter->setPen(pen);
    painter->drawText(rect.adjusted(kTextLeft, kMargin, 0, 0), flags, text);
  }
  painter->restore();
}

QSize TPreviewDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const {
  const int height = qMax(kMinRowHeight, option.fontMetrics.height() + 2 * kMargin);
  return QSize(kTextLeft + option.fontMetrics.horizontalAdvance(index.data().toString()), height);
}
