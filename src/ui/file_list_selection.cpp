#include "ui/file_list_selection.h"

#include "explorer/file_list_view.h"

#include <QItemSelectionModel>

FileListSelectionSync::FileListSelectionSync(TZelvoRenameFileListView &list, QItemSelectionModel &selection,
                                             QObject *parent)
    : QObject(parent), m_list(list), m_selection(selection) {
  connect(&selection, &QItemSelectionModel::selectionChanged, this,
          &FileListSelectionSync::ViewSelectionChanged);
  connect(&selection, &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
    if (!m_busy)
      m_list.SetFocused(current.isValid() ? current.row() : -1);
  });
  connect(&list, &QAbstractItemModel::dataChanged, this, &FileListSelectionSync::ListSelectionChanged);
  connect(&list, &TZelvoRenameFileListView::OnAddFiles, this, &FileListSelectionSync::ListReloaded);
}

void FileListSelectionSync::ViewSelectionChanged(const QItemSelection &selected,
                                                 const QItemSelection &deselected) {
  if (m_busy)
    return;
  m_busy = true;
  for (const QItemSelectionRange &range : deselected)
    m_list.SetSelectedRange(range.top(), range.bottom(), false);
  for (const QItemSelectionRange &range : selected)
    m_list.SetSelectedRange(range.top(), range.bottom(), true);
  m_busy = false;
}

void FileListSelectionSync::ListSelectionChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                                 const QList<int> &roles) {
  if (m_busy || !roles.contains(TZelvoRenameFileListView::SelectedRole))
    return;
  m_busy = true;
  // Runs of equal state become one selection range each.
  const int last = m_list.NumColumns() - 1;
  QItemSelection select, deselect;
  for (int row = topLeft.row(); row <= bottomRight.row();) {
    const bool on = m_list.Entry(row).Selected;
    int end = row;
    while (end + 1 <= bottomRight.row() && m_list.Entry(end + 1).Selected == on)
      ++end;
    (on ? select : deselect).select(m_list.index(row, 0), m_list.index(end, last));
    row = end + 1;
  }
  m_selection.select(deselect, QItemSelectionModel::Deselect);
  m_selection.select(select, QItemSelectionModel::Select);
  m_busy = false;
}

void FileListSelectionSync::ListReloaded() {
  // A reload leaves nothing selected and the focus on the first entry (not selected).
  m_busy = true;
  const int focused = m_list.FocusedIndex();
  m_selection.setCurrentIndex(focused >= 0 ? m_list.index(focused, 0) : QModelIndex(),
                              QItemSelectionModel::NoUpdate);
  m_busy = false;
}
