#include "ui/list_aligner.h"

#include "ui/preview_delegate.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QListView>
#include <QScrollBar>

namespace {

// The viewport margins of a scroll area are for its own class to set; this reaches them from
// outside, without a class of the preview's own in the form.
struct MarginReach : QAbstractScrollArea {
  static void Set(QAbstractScrollArea &area, const QMargins &margins) {
    using Setter = void (QAbstractScrollArea::*)(const QMargins &);
    (area.*static_cast<Setter>(&MarginReach::setViewportMargins))(margins);
  }
  static QMargins Get(const QAbstractScrollArea &area) { return (area.*&MarginReach::viewportMargins)(); }
};

} // namespace

TListAligner::TListAligner(QAbstractItemView &fileList, QListView &preview, TPreviewDelegate &previewDelegate,
                           QObject *parent)
    : QObject(parent), m_fileList(fileList), m_preview(preview), m_delegate(previewDelegate) {
  for (QAbstractItemView *view : {&m_fileList, static_cast<QAbstractItemView *>(&m_preview)}) {
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view->viewport()->installEventFilter(this);
  }
  QScrollBar *listBar = m_fileList.verticalScrollBar();
  QScrollBar *previewBar = m_preview.verticalScrollBar();
  connect(listBar, &QScrollBar::valueChanged, this, [this] { Follow(m_fileList, m_preview); });
  connect(previewBar, &QScrollBar::valueChanged, this, [this] { Follow(m_preview, m_fileList); });
  // A refresh or a reload resets a list, which starts again from its top: the file list leads then,
  // so a new preview keeps the place of the list it belongs to.
  connect(listBar, &QScrollBar::rangeChanged, this, [this] {
    MatchGeometry();
    Follow(m_fileList, m_preview);
  });
  connect(previewBar, &QScrollBar::rangeChanged, this, [this] { Follow(m_fileList, m_preview); });
}

int TListAligner::FirstVisibleRow(const QAbstractItemView &view) {
  return view.indexAt(QPoint(1, 1)).row();
}

void TListAligner::Follow(QAbstractItemView &leader, QAbstractItemView &follower) {
  if (m_following)
    return;
  m_following = true;
  follower.verticalScrollBar()->setValue(leader.verticalScrollBar()->value());
  m_following = false;
}

// The preview takes the row height of the file list, and leaves empty at its foot what its
// viewport has more than the file list's, so that both show as many whole rows and reach the same
// last first row.
void TListAligner::MatchGeometry() {
  if (m_matching)
    return;
  m_matching = true;
  const QAbstractItemModel *model = m_fileList.model();
  if (model && model->rowCount() > 0) {
    const int height = m_fileList.visualRect(model->index(0, 0)).height();
    if (height > 0 && height != m_delegate.RowHeight()) {
      m_delegate.SetRowHeight(height);
      m_preview.doItemsLayout();
    }
  }
  const QMargins margins = MarginReach::Get(m_preview);
  const int available = m_preview.viewport()->height() + margins.bottom();
  const int extra = qMax(0, available - m_fileList.viewport()->height());
  if (extra != margins.bottom())
    MarginReach::Set(m_preview, QMargins(margins.left(), margins.top(), margins.right(), extra));
  m_matching = false;
}

bool TListAligner::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::Resize &&
      (watched == m_fileList.viewport() || watched == m_preview.viewport())) {
    MatchGeometry();
    Follow(m_fileList, m_preview);
  }
  return QObject::eventFilter(watched, event);
}
