#include "ui/window_keeper.h"

#include "app/app_core.h"
#include "settings/window_fit.h"
#include "ui/window_layout.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QResizeEvent>
#include <QScreen>
#include <QSplitter>
#include <QWidget>

namespace {

// The new width of a part that keeps its share of a whole that changed width.
int KeptShare(int part, int oldWhole, int newWhole) {
  return oldWhole > 0 ? int(qint64(newWhole) * part / oldWhole) : part;
}

ScreenAreas AreasFor(const QWidget &window) {
  ScreenAreas areas;
  for (const QScreen *screen : QGuiApplication::screens())
    areas.available << screen->availableGeometry();
  if (const QScreen *home = window.screen() ? window.screen() : QGuiApplication::primaryScreen())
    areas.home = home->availableGeometry();
  return areas;
}

// The frame the window system draws around the window; known once the window was shown.
QMargins FrameOf(const QWidget &window) {
  const QRect outer = window.frameGeometry();
  const QRect inner = window.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
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
  PlaceFitted(m_window, g);
  if (placement.maximized)
    m_window.setWindowState(m_window.windowState() | Qt::WindowMaximized);
}

void TWindowKeeper::Measure() {
  // The sizes the options need are known once the style and fonts are in place.
  if (m_arrange)
    m_arrange(kDefaultWidth);
  RefreshSizeHints(m_window);
  if (m_window.layout())
    m_window.layout()->activate();
  QSize needed = m_window.layout() ? m_window.layout()->totalMinimumSize() : m_window.minimumSizeHint();
  needed = needed.expandedTo(m_window.minimumSizeHint());
  needed.setHeight(qMax(kMinimumHeight, needed.height()));
  m_window.setMinimumSize(FittedMinimum(needed, AreasFor(m_window).home));
}

void TWindowKeeper::PlaceAtDefault(QWidget &window) {
  if (window.isMaximized() || window.isMinimized())
    window.showNormal();
  PlaceFitted(window, CentredIn(QSize(kDefaultWidth, kDefaultHeight), AreasFor(window).home));
}

void TWindowKeeper::PlaceFitted(QWidget &window, const QRect &wanted) {
  const QRect fitted = FitToScreens(wanted, window.minimumSize(), AreasFor(window), FrameOf(window));
  if (fitted != window.geometry())
    window.setGeometry(fitted);
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
  // Now that the frame is known, it too goes onto the screen.
  if (!m_shown && !(m_window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
    PlaceFitted(m_window, m_window.geometry());
  m_shown = true;
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
    if (oldWidth <= 0 && newWidth > 0 && before.size() == 2) {
      // The first layout, whatever size the window starts at: the preview gets its share of the
      // window's design, 181 of the upper area's 629 pixels.
      m_upper.removeEventFilter(this);
      QCoreApplication::sendEvent(&m_upper, event);
      m_upper.installEventFilter(this);
      KeepPreviewShare(181, 629, newWidth);
      return true;
    }
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
