#include "ui/file_list_widget.h"

#include "explorer/file_list_view.h"
#include "ui/file_list_delegate.h"
#include "ui/file_list_header.h"
#include "ui/file_list_selection.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPointer>
#include <QTimer>

namespace {

// Shows the busy cursor for as long as it lives.
class BusyCursor {
public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor &) = delete;
  BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

TZelvoRenameFileListWidget::TZelvoRenameFileListWidget(TZelvoRenameFileListView &list, QWidget *parent)
    : QTreeView(parent), m_list(list), m_commands(list) {
  // Without a desktop session no theme is named; the common one of this system serves.
  if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
    if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == QLatin1String("hicolor"))
      QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
  m_header = new FileListHeader(list, this);
  setHeader(m_header);
  setModel(&list);
  m_header->setSectionsClickable(true); // the list sorts on a click itself, not through setSortingEnabled
  // The edit's end is handled once the editor has closed: renaming reloads the list.
  m_delegate = new FileListDelegate(
      list,
      [this](int row, const QString &name) {
        QPointer<TZelvoRenameFileListWidget> self(this);
        QTimer::singleShot(0, this, [self, row, name] {
          if (self)
            self->EditDone(row, name);
        });
      },
      this);
  setItemDelegate(m_delegate);
  new FileListSelectionSync(list, *selectionModel(), this);

  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  setIconSize(QSize(16, 16));
  setTextElideMode(Qt::ElideRight);

  connect(m_header, &FileListHeader::HeaderEndTrack, this, &TZelvoRenameFileListWidget::OnHeaderEndTrack);
  connect(&list, &QAbstractItemModel::modelReset, this, &TZelvoRenameFileListWidget::ApplyColumnWidths);
  connect(&list, &QAbstractItemModel::headerDataChanged, this,
          &TZelvoRenameFileListWidget::ApplyColumnWidths);
  connect(&list, &TZelvoRenameFileListView::ReloadStarted, this, &TZelvoRenameFileListWidget::BusyStart);
  connect(&list, &TZelvoRenameFileListView::OnAddFiles, this, &TZelvoRenameFileListWidget::BusyEnd);
  ApplyColumnWidths();
}

TZelvoRenameFileListWidget::~TZelvoRenameFileListWidget() {
  while (m_busy > 0)
    BusyEnd();
}

void TZelvoRenameFileListWidget::BusyStart() {
  ++m_busy;
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TZelvoRenameFileListWidget::BusyEnd() {
  if (m_busy == 0)
    return;
  --m_busy;
  QApplication::restoreOverrideCursor();
}

void TZelvoRenameFileListWidget::ApplyColumnWidths() {
  m_header->ShowWidths();
}

void TZelvoRenameFileListWidget::SetDimmHiddenFiles(bool on) {
  if (m_list.DimmHiddenFiles == on)
    return;
  m_list.DimmHiddenFiles = on;
  viewport()->update();
}

void TZelvoRenameFileListWidget::SetShowColumnIcon(bool on) {
  if (m_list.ShowColumnIcon == on)
    return;
  m_list.ShowColumnIcon = on;
  m_header->ShowWidths();
  m_header->viewport()->update();
}

void TZelvoRenameFileListWidget::SetDblClickEnabled(bool on) {
  m_list.DblClickEnabled = on;
}

bool TZelvoRenameFileListWidget::HasSelection() const {
  return !m_list.SelectedIndexes().empty();
}

void TZelvoRenameFileListWidget::Report(const CommandResult &result) {
  if (result.kind == CommandResult::EnteredFolder)
    emit DirectoryChosen(result.folder);
  if (!result.message.isEmpty())
    emit MessageRequested(result.message);
}

void TZelvoRenameFileListWidget::GoUp() {
  BusyCursor busy;
  Report(m_commands.GoUp());
}

void TZelvoRenameFileListWidget::OpenEntry() {
  BusyCursor busy;
  Report(m_commands.OpenEntry());
}

void TZelvoRenameFileListWidget::OpenWithTool() {
  BusyCursor busy;
  Report(m_commands.OpenWithTool());
}

void TZelvoRenameFileListWidget::EditDone(int row, const QString &name) {
  if (row < 0 || row >= m_list.Count())
    return;
  const CommandResult check = m_commands.CheckRename(row, name);
  if (check.kind != CommandResult::Renamed)
    return; // unchanged, or refused: the name on disk stays and so does the list
  const bool folder = m_list.Entry(row).IsFolder();
  QString text = name;
  static const QMetaMethod edited = QMetaMethod::fromSignal(&TZelvoRenameFileListWidget::OnEdited);
  if (isSignalConnected(edited))
    emit OnEdited(row, text);
  else
    Report(m_commands.RenameEntry(row, text));
  {
    BusyCursor busy;
    m_list.Reload();
  }
  if (folder)
    emit FoldersRenamed();
}

void TZelvoRenameFileListWidget::keyPressEvent(QKeyEvent *event) {
  const Qt::KeyboardModifiers mods =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  const int key = event->key();
  if (state() != QAbstractItemView::EditingState) {
    if (mods == Qt::ControlModifier && (key == Qt::Key_F || key == Qt::Key_O)) {
      if (HasSelection())
        key == Qt::Key_F ? OpenWithTool() : OpenEntry();
      event->accept();
      return;
    }
    if (mods == Qt::NoModifier) {
      switch (key) {
      case Qt::Key_Backspace:
        GoUp();
        event->accept();
        return;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (HasSelection())
          OpenEntry();
        event->accept();
        return;
      case Qt::Key_Escape:
        emit DropDownCloseRequested();
        break;
      case Qt::Key_Up:
      case Qt::Key_Down:
        emit OnClick(); // before the focus moves
        break;
      case Qt::Key_F4:
        emit DropDownRequested();
        event->accept();
        return;
      case Qt::Key_F5: {
        BusyCursor busy;
        m_list.Reload();
        event->accept();
        return;
      }
      default:
        break;
      }
    }
  }
  QTreeView::keyPressEvent(event);
}

void TZelvoRenameFileListWidget::keyReleaseEvent(QKeyEvent *event) {
  QTreeView::keyReleaseEvent(event);
  emit OnKeyUp(event->key(), event->modifiers());
}

void TZelvoRenameFileListWidget::mouseReleaseEvent(QMouseEvent *event) {
  QTreeView::mouseReleaseEvent(event);
  emit OnClick();
}

void TZelvoRenameFileListWidget::mouseDoubleClickEvent(QMouseEvent *event) {
  QTreeView::mouseDoubleClickEvent(event); // also calls off a pending slow-click edit
  if (!m_list.DblClickEnabled)
    return;
  emit OnDblClick();
  OpenEntry();
}
