// The column header of the file list: sorts on a click and shows the sort marker, an up arrow while
// the order is descending and a down arrow while it is ascending, in the sorted column.
#pragma once

#include <QHeaderView>
#include <QPixmap>

class TZelvoRenameFileListView;

class FileListHeader final : public QHeaderView {
  Q_OBJECT
public:
  enum Marker { NoMarker, UpArrow, DownArrow };

  FileListHeader(TZelvoRenameFileListView &list, QWidget *parent = nullptr);

  // The marker a section shows now.
  Marker MarkerOf(int section) const;

signals:
  // The end of a divider drag, or a divider double-click that sized a column to fit.
  void HeaderEndTrack();

protected:
  void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

private:
  const QPixmap &Arrow(Marker marker) const;

  TZelvoRenameFileListView &m_list;
  bool m_pressed = false;
  bool m_resizing = false;
  mutable QPixmap m_up, m_down; // drawn when first needed
};
