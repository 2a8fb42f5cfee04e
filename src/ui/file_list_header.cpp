#include "ui/file_list_header.h"

#include "explorer/file_list_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int kArrowSize = 16;

// A small filled triangle pointing up or down, in the header's text colour.
QPixmap DrawArrow(bool up, const QColor &color, qreal ratio) {
  QImage image(QSize(kArrowSize, kArrowSize) * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainterPath path;
  const qreal left = 4, right = 12, top = 5.5, bottom = 10.5;
  path.moveTo(left, up ? bottom : top);
  path.lineTo(right, up ? bottom : top);
  path.lineTo((left + right) / 2, up ? top : bottom);
  path.closeSubpath();
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path, color);
  }
  return QPixmap::fromImage(image);
}

} // namespace

FileListHeader::FileListHeader(TZelvoRenameFileListView &list, QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent), m_list(list) {
  setSectionsClickable(true);
  setSortIndicatorShown(false); // the marker is drawn here, the same in every style
  setHighlightSections(false);
  setSectionResizeMode(QHeaderView::Interactive);
  setStretchLastSection(false);
  connect(this, &QHeaderView::sectionClicked, this, [this](int section) { m_list.SortByColumn(section); });
  connect(this, &QHeaderView::sectionResized, this, [this](int section, int, int size) {
    if (m_showing)
      return;
    m_list.SetColumnWidth(section, size); // the list's change shows the widths again
    m_resizing = m_resizing || m_pressed;
  });
  connect(this, &QHeaderView::sectionHandleDoubleClicked, this, [this](int section) {
    // The default handling has sized the column to fit; the list keeps that width.
    if (section < m_list.NumColumns())
      m_list.SetColumnWidth(section, sectionSize(section));
    emit HeaderEndTrack();
  });
  connect(&m_list, &TZelvoRenameFileListView::OnRecienOrdenado, viewport(), [this] { viewport()->update(); });
}

int FileListHeader::CaptionWidth(int section) const {
  // Room for the sort marker, which any column of a folder may show.
  const int marker = m_list.ShowColumnIcon && !m_list.IsDrivesView() ? kArrowSize + 2 : 0;
  return sectionSizeHint(section) + marker;
}

int FileListHeader::ShownWidth(int section) const {
  int width = std::max(m_list.ColumnWidth(section), CaptionWidth(section));
  if (section == 0) {
    int others = 0;
    for (int c = 1; c < m_list.NumColumns(); ++c)
      others += std::max(m_list.ColumnWidth(c), CaptionWidth(c));
    width = std::max(width, this->width() - others);
  }
  return width;
}

void FileListHeader::ShowWidths() {
  m_showing = true;
  for (int c = 0; c < std::min(count(), m_list.NumColumns()); ++c)
    if (const int width = ShownWidth(c); sectionSize(c) != width)
      resizeSection(c, width);
  m_showing = false;
}

void FileListHeader::resizeEvent(QResizeEvent *event) {
  QHeaderView::resizeEvent(event);
  ShowWidths();
}

FileListHeader::Marker FileListHeader::MarkerOf(int section) const {
  if (!m_list.ShowColumnIcon || m_list.IsDrivesView() || section != m_list.SortColumn())
    return NoMarker;
  return m_list.SortDescending() ? UpArrow : DownArrow;
}

const QPixmap &FileListHeader::Arrow(Marker marker) const {
  QPixmap &arrow = marker == UpArrow ? m_up : m_down;
  if (arrow.isNull())
    arrow = DrawArrow(marker == UpArrow, palette().color(QPalette::ButtonText), devicePixelRatioF());
  return arrow;
}

void FileListHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const {
  // The default drawing leaves the painter clipped to nothing.
  painter->save();
  QHeaderView::paintSection(painter, rect, logicalIndex);
  painter->restore();
  const Marker marker = MarkerOf(logicalIndex);
  if (marker == NoMarker || rect.width() < kArrowSize + 4)
    return;
  // After the caption of a left-aligned column, before that of a right-aligned one.
  const bool rightAligned =
      m_list.headerData(logicalIndex, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() &
      Qt::AlignRight;
  const int x = rightAligned ? rect.left() + 2 : rect.right() - kArrowSize - 2;
  const int y = rect.top() + (rect.height() - kArrowSize) / 2;
  painter->drawPixmap(x, y, Arrow(marker));
}

void FileListHeader::mousePressEvent(QMouseEvent *event) {
  m_resizing = false;
  m_pressed = true;
  QHeaderView::mousePressEvent(event);
}

void FileListHeader::mouseReleaseEvent(QMouseEvent *event) {
  QHeaderView::mouseReleaseEvent(event);
  m_pressed = false;
  if (m_resizing) {
    m_resizing = false;
    emit HeaderEndTrack();
  }
}
