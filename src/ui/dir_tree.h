// The standalone folder tree: choosing a folder for the file list, and renaming folders in place.
#pragma once

#include "explorer/file_list_view.h"
#include "ui/folder_tree_view.h"

#include <QPointer>

class ExplorerDialogs;

class TZelvoRenameDirTree : public TZelvoRenameFolderTreeView {
  Q_OBJECT
public:
  // The platform defaults to the running system's; tests pass their own.
  explicit TZelvoRenameDirTree(QWidget *parent = nullptr, const Platform *platform = nullptr);

  // The characters a folder name may not hold.
  static QString RefusedCharacters();

  // The last chosen folder, or "Drives" for the computer. Setting it changes nothing else.
  const QString &SelectedPath() const { return m_selectedPath; }
  void SetSelectedPath(const QString &path);
  // The list that follows the tree, and that the tree follows (through its OnAddFiles).
  TZelvoRenameFileListView *FileList() const { return m_fileList; }
  void SetFileList(TZelvoRenameFileListView *list);
  // Where the messages go; the real message boxes unless replaced.
  void SetDialogs(ExplorerDialogs *dialogs) { m_dialogs = dialogs; }

  // Chooses the selected node: it becomes SelectedPath and the linked list shows its folder.
  void ChooseSelected();
  // Ends the in-place edit of a folder's name with the new name: checks it, asks, and renames the
  // folder on disk without ever replacing another one. The caption changes only when that succeeded.
  void EndEdit(const QModelIndex &index, const QString &name);

public slots:
  // Shows a folder (ending with "/" or not, or "Drives") as the selected node.
  void SelectPath(const QString &path);
  void FillDrives() { TZelvoRenameFolderTreeView::FillDrives(); }

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;

private slots:
  void FollowFileList();

private:
  QPointer<TZelvoRenameFileListView> m_fileList;
  ExplorerDialogs *m_dialogs;
  QString m_selectedPath;
};
