// Draws the rows of the preview list: the entry's icon at the left, the new name after it, grey
// for a hidden entry, nothing past the entries; the hint and the help as plain lines.
#pragma once

#include <QStyledItemDelegate>

// Reads the roles of PreviewModel.
class TPreviewDelegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
  QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

  static constexpr int kMinRowHeight = 17;
  static constexpr int kIconColumn = 20; // left part kept for the icon, never highlighted
  static constexpr int kTextLeft = 22;
  static constexpr int kMargin = 2;
};
