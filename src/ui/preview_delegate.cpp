#include "ui/preview_delegate.h"

#include "app/preview_model.h"
#include "ui/entry_icons.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QStyle>

TPreviewDelegate::TPreviewDelegate(QObject *parent)
    : QStyledItemDelegate(parent), m_warning(QIcon::fromTheme(QStringLiteral("dialog-warning"))) {
  if (m_warning.isNull())
    m_warning = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
}

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
    QRect textRect = rect.adjusted(kTextLeft, kMargin, 0, 0);
    if (index.data(PreviewModel::FailsRole).toBool()) {
      // The mark stays in sight at the right edge of the list, however long the line.
      int right = rect.right();
      if (const auto *view = qobject_cast<const QAbstractItemView *>(option.widget))
        right = qMin(right, view->viewport()->width() - 1);
      textRect.setRight(right - kMarkWidth);
      m_warning.paint(painter, QRect(right + 1 - kMarkWidth + kMargin, rect.top(), iconSize, iconSize));
    }
    if (index.data(PreviewModel::ChangedRole).toBool()) {
      QFont bold = option.font;
      bold.setBold(true);
      painter->setFont(bold);
    }
    painter->setPen(pen);
    painter->drawText(textRect, flags, text);
  }
  painter->restore();
}

QSize TPreviewDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const {
  const int height =
      m_rowHeight > 0 ? m_rowHeight : qMax(kMinRowHeight, option.fontMetrics.height() + 2 * kMargin);
  return QSize(kTextLeft + option.fontMetrics.horizontalAdvance(index.data().toString()), height);
}
