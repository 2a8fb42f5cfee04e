// The file list on screen: the entries of the list model in report style, with its keys, double
// click, sortable header, in-place rename of names and the notifications the main window handles.
#pragma once

#include "explorer/file_list_commands.h"

#include <QTreeView>

class TZelvoRenameFileListView;
class FileListHeader;
class FileListDelegate;

// The window connects:
// - DropDownRequested (F4) to the folder drop-down's toggle, DropDownCloseRequested (Esc) to its
//   closing, and DirectoryChosen to the drop-down's and the tree's selection of that folder;
// - FoldersRenamed to rebuilding the folder trees, MessageRequested to its message box;
// - the model's own OnAddFiles and OnRecienOrdenado (List()) for its caption, widths and preview.
class TZelvoRenameFileListWidget : public QTreeView {
  Q_OBJECT
public:
  TZelvoRenameFileListWidget(TZelvoRenameFileListView &list, QWidget *parent = nullptr);
  ~TZelvoRenameFileListWidget() override;

  TZelvoRenameFileListView &List() const { return m_list; }
  FileListCommands &Commands() { return m_commands; }
  FileListHeader *Header() const { return m_header; }
  FileListDelegate *Delegate() const { return m_delegate; }

  // View switches of the list, with the repaint they need.
  void SetDimmHiddenFiles(bool on);
  void SetShowColumnIcon(bool on);
  void SetDblClickEnabled(bool on);

  // The commands of the keys, also for the window's buttons; each shows the busy cursor and reports
  // through the signals below.
  void GoUp();
  void OpenEntry();
  void OpenWithTool();
  // The end of an in-place edit of row's name: hands the name to the rename (OnEdited, or the
  // list's own never-replacing rename when the window does not handle it) and lists the folder again.
  void EditDone(int row, const QString &name);

signals:
  // The notifications of the main window.
  void OnClick();
  void OnDblClick();
  void OnKeyUp(int key, Qt::KeyboardModifiers modifiers);
  // The user renamed row to text in place; the handler renames the file and may change text.
  void OnEdited(int row, QString &text);
  void OnHeaderEndTrack();
  // F4 and Esc: the folder drop-down is to open or close.
  void DropDownRequested();
  void DropDownCloseRequested();
  // The list went into a folder or up; "Drives" for the drives view.
  void DirectoryChosen(const QString &directory);
  // A folder was renamed in place: the folder trees are out of date.
  void FoldersRenamed();
  // A text for the user (a file that could not be opened, a drive without medium).
  void MessageRequested(const QString &message);

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void keyReleaseEvent(QKeyEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
  void Report(const CommandResult &result);
  void ApplyColumnWidths();
  void BusyStart();
  void BusyEnd();
  bool HasSelection() const;

  TZelvoRenameFileListView &m_list;
  FileListCommands m_commands;
  FileListHeader *m_header;
  FileListDelegate *m_delegate;
  int m_busy = 0; // busy cursors set by this list
};
