// Keeps the preview row-aligned with the file list: both scroll by whole rows, show rows of one
// height in viewports of one height, and always show the same first row, whichever list was
// scrolled (scroll bar, keys, wheel, selection) and after every refresh or folder change.
#pragma once

#include <QObject>

class QAbstractItemView;
class QListView;
class TPreviewDelegate;

class TListAligner : public QObject {
  Q_OBJECT
public:
  // The lists must outlive the aligner (it is their window's child).
  TListAligner(QAbstractItemView &fileList, QListView &preview, TPreviewDelegate &previewDelegate,
               QObject *parent = nullptr);

  // The first row each list shows (-1 when empty).
  static int FirstVisibleRow(const QAbstractItemView &view);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void Follow(QAbstractItemView &leader, QAbstractItemView &follower);
  void MatchGeometry();

  QAbstractItemView &m_fileList;
  QListView &m_preview;
  TPreviewDelegate &m_delegate;
  bool m_following = false;
  bool m_matching = false;
};
