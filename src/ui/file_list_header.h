// The column header of the file list: sorts on a click and shows the sort marker, an up arrow while
// the order is descending and a down arrow while it is ascending, in the sorted column. It shows the
// list's column widths, each at least as wide as its caption, and the Name column also takes the
// width the other columns leave free.
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
  // Puts the list's widths on the sections, as above.
  void ShowWidths();
  // The width a section shows for a list width: its caption's at least, and for the Name column
  // whatever the others leave of the header's width.
  int ShownWidth(int section) const;

signals:
  // The end of a divider drag, or a divider double-click that sized a column to fit.
  void HeaderEndTrack();

protected:
  void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;

private:
  const QPixmap &Arrow(Marker marker) const;
  int CaptionWidth(int section) const;

  TZelvoRenameFileListView &m_list;
  bool m_pressed = false;
  bool m_resizing = false;
  bool m_showing = false;       // the sections are being set from the list
  mutable QPixmap m_up, m_down; // drawn when first needed
};
