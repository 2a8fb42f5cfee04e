// Draws the rows of the preview list: the entry's icon at the left, the new name after it, bold
// when it differs from the old name, grey for a hidden entry, a warning mark at the right of a line the
// rename run would fail on, nothing past the entries; the hint and the help as plain lines.
#pragma once

#include <QIcon>
#include <QStyledItemDelegate>

// Reads the roles of PreviewModel.
class TPreviewDelegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  explicit TPreviewDelegate(QObject *parent = nullptr);

  void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
  QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
  // The height of every row (0: as the font needs); the file list's, so that rows sit side by side.
  int RowHeight() const { return m_rowHeight; }
  void SetRowHeight(int height) { m_rowHeight = height; }

  static constexpr int kMinRowHeight = 17;
  static constexpr int kIconColumn = 20; // left part kept for the icon, never highlighted
  static constexpr int kTextLeft = 22;
  static constexpr int kMargin = 2;
  static constexpr int kMarkWidth = 20; // right part of a failing row, holding its mark

private:
  QIcon m_warning;
  int m_rowHeight = 0;
};
