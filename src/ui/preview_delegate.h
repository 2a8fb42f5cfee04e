// Draws the rows of the preview list: the entry's icon at the left, the new name after it.
#pragma once

#include <QIcon>
#include <QStyledItemDelegate>

#include <functional>

// What the preview list needs to know about the file list entry beside a row.
struct PreviewRowLook {
  bool previewValid = true; // false: the rows hold the refresh hint or the drives help
  bool hasEntry = true;     // a file list entry exists at the row's index
  QIcon icon;               // the entry's small icon
  bool hidden = false;      // the entry is a hidden file
};

class TPreviewDelegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  using LookFunction = std::function<PreviewRowLook(int row)>;
  explicit TPreviewDelegate(LookFunction look, QObject *parent = nullptr);

  void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
  QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

  // Rows are never shorter than this.
  static constexpr int kMinRowHeight = 17;
  static constexpr int kIconColumn = 20; // left part kept for the icon
  static constexpr int kTextLeft = 22;
  static constexpr int kMargin = 2;

private:
  LookFunction m_look;
};
