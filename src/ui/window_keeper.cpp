#include "ui/window_keeper.h"

#include "app/app_core.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QResizeEvent>
#include <QSplitter>
#include <QWidget>

namespace {

// The new width of a part that keeps its share of a whole that changed width.
int KeptShare(int part, int oldWhole, int newWhole) {
  return oldWhole > 0 ? int(qint64(newWhole) * part / oldWhole) : part;
}

} // namespace

TWindowKeeper::TWindowKeeper(QWidget &window, AppCore &core, QSplitter &upper, PreferenceStore store)
    : QObject(&window), m_window(window), m_upper(upper), m_preferences(core, std::move(store)) {
  connect(&core.FileList(), &TZelvoRenameFileListView::OnRecienOrdenado, this,
          [this] { m_preferences.ListSorted(); });
  connect(&core, &AppCore::LanguageChanged, this, &TWindowKeeper::Measure);
  m_window.installEventFilter(this);
  m_upper.installEventFilter(this);
}

void TWindowKeeper::ReadMyRegistryValues(const AppPreferences::ShellEntryCheck &shellEntry) {
  const WindowPlacement placement = m_preferences.ReadMyRegistryValues(m_window.geometry(), shellEntry);
  Measure();
  QRect g = m_window.geometry();
  if (placement.width)
    g.setWidth(*placement.width);
  if (placement.height)
    g.setHeight(*placement.height);
  if (placement.top)
    g.moveTop(*placement.top);
  if (placement.left)
    g.moveLeft(*placement.left);
  if (g != m_window.geometry())
    m_window.setGeometry(g);
  if (placement.maximized)
    m_window.setWindowState(m_window.windowState() | Qt::WindowMaximized);
}

void TWindowKeeper::Measure() {
  // The sizes the options need are known once the style and fonts are in place.
  m_window.ensurePolished();
  if (m_window.layout())
    m_window.layout()->activate();
  QSize needed = m_window.layout() ? m_window.layout()->totalMinimumSize() : m_window.minimumSizeHint();
  needed = needed.expandedTo(m_window.minimumSizeHint());
  m_window.setMinimumSize(needed.width(), qMax(kMinimumHeight, needed.height()));
}

QRect TWindowKeeper::NormalGeometry() const {
  if (m_window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) {
    const QRect normal = m_window.normalGeometry();
    if (normal.isValid())
      return normal;
  }
  return m_window.geometry();
}

void TWindowKeeper::FormShow() {
  m_preferences.FormShow();
}

// Closing notes the restored geometry, whatever state the window is in, and the column widths.
void TWindowKeeper::FormClose() {
  m_closedGeometry = NormalGeometry();
  m_closed = true;
  m_preferences.NoteColumnWidths();
}

void TWindowKeeper::WriteMyRegDefault() {
  m_preferences.WriteMyRegDefault(m_closed ? m_closedGeometry : NormalGeometry());
}

void TWindowKeeper::KeepPreviewShare(int oldPreview, int oldWidth, int newWidth) {
  if (m_upper.count() != 2)
    return;
  const int handle = m_upper.handleWidth();
  const int preview = KeptShare(oldPreview, oldWidth, newWidth);
  m_upper.setSizes({newWidth - handle - preview, preview});
}

bool TWindowKeeper::eventFilter(QObject *watched, QEvent *event) {
  if (watched == &m_window && event->type() == QEvent::Close) {
    FormClose();
  } else if (watched == &m_upper && event->type() == QEvent::Resize) {
    // The splitter lays itself out first; the preview's share is set after.
    const auto *resize = static_cast<QResizeEvent *>(event);
    const int oldWidth = resize->oldSize().width();
    const int newWidth = resize->size().width();
    const QList<int> before = m_upper.sizes();
    if (oldWidth > 0 && oldWidth != newWidth && before.size() == 2) {
      m_upper.removeEventFilter(this);
      QResizeEvent copy(resize->size(), resize->oldSize());
      QCoreApplication::sendEvent(&m_upper, &copy);
      m_upper.installEventFilter(this);
      KeepPreviewShare(before[1], oldWidth, newWidth);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}
