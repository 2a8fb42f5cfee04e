// Keeps the selected and focused states of the file list's entries in step with the view's
// selection, both ways, so that what the rename engine reads is what the user sees.
#pragma once

#include <QItemSelection>
#include <QObject>

class QItemSelectionModel;
class TZelvoRenameFileListView;

class FileListSelectionSync final : public QObject {
  Q_OBJECT
public:
  FileListSelectionSync(TZelvoRenameFileListView &list, QItemSelectionModel &selection,
                        QObject *parent = nullptr);

private:
  void ViewSelectionChanged(const QItemSelection &selected, const QItemSelection &deselected);
  void ListSelectionChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                            const QList<int> &roles);
  void ListReloaded();

  TZelvoRenameFileListView &m_list;
  QItemSelectionModel &m_selection;
  bool m_busy = false; // a change being passed on, not to be passed back
};
