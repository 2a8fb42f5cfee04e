// The folder drop-down above the file list: a field with a drop button opening a folder tree, into
// which a path can also be typed or pasted, with completion of folder names.
#pragma once

#include "explorer/file_list_view.h"
#include "ui/folder_tree_view.h"

#include <QIcon>
#include <QLineEdit>
#include <QPointer>

class ExplorerDialogs;
class QCompleter;
class QStringListModel;
class QToolButton;
class TZelvoRenameDirTreeCombo;

// The drop-down tree: a window of its own that may reach beyond the main window. A click outside closes
// it; keys go to the combo.
class TKpDirTreeView : public TZelvoRenameFolderTreeView {
  Q_OBJECT
public:
  TKpDirTreeView(TZelvoRenameDirTreeCombo *combo, const Platform *platform);

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;

private:
  TZelvoRenameDirTreeCombo *m_combo;
};

class TZelvoRenameDirTreeCombo : public QLineEdit {
  Q_OBJECT
public:
  // The platform defaults to the running system's; tests pass their own.
  explicit TZelvoRenameDirTreeCombo(QWidget *parent = nullptr, const Platform *platform = nullptr);
  ~TZelvoRenameDirTreeCombo() override;

  // The chosen folder, or "Drives" for the computer. Setting it sets the linked list's folder.
  const QString &SelectedPath() const { return m_selectedPath; }
  void SetSelectedPath(const QString &path);
  // The list that follows the combo and that the combo follows (through its OnAddFiles).
  TZelvoRenameFileListView *FileList() const { return m_fileList; }
  void SetFileList(TZelvoRenameFileListView *list);
  bool ExpandRoot() const { return m_expandRoot; }
  void SetExpandRoot(bool on);
  int TreeHeight() const { return m_treeHeight; }
  void SetTreeHeight(int height) { m_treeHeight = height; }
  // The picture at the left of the text: that of the chosen node.
  QIcon Image() const { return m_image; }
  TKpDirTreeView *Tree() const { return m_tree; }
  bool IsDroppedDown() const;
  // Where the messages go; the real message boxes unless replaced.
  void SetDialogs(ExplorerDialogs *dialogs) { m_dialogs = dialogs; }

  // Handles a key for the combo and its tree; false when the key is not one of the combo's.
  bool HandleKey(QKeyEvent *event);
  // Chooses a node of the tree: the list shows its folder, the combo its caption and picture.
  void ChooseNode(const QModelIndex &index);
  // Whether the text is a path being typed (Enter hands it over as PathTyped).
  bool IsTyping() const { return m_typing; }
  QCompleter *Completer() const { return m_completer; }

public slots:
  // Opens or closes the drop-down tree; opening reads the folders again, so that folders made since
  // are there.
  void ToggleDropDown();
  // The field takes the keyboard with the chosen folder's full path selected, ready to be typed over.
  void BeginTyping();
  // Shows the chosen node's caption again instead of the text typed.
  void EndTyping();
  // Closes the drop-down tree when it is open.
  void CloseDropDown();
  // Shows a folder (ending with "/" or not, or "Drives") as the chosen node, without telling the list.
  void SelectPath(const QString &path);
  // Rebuilds the tree (after a folder was renamed elsewhere).
  void FillDrives();

signals:
  // A node was chosen with the mouse or Enter; path is its folder or "Drives".
  void PathChosen(const QString &path);
  // Enter was pressed on a typed text; the window decides whether it names a folder.
  void PathTyped(const QString &text);

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void paintEvent(QPaintEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;

private slots:
  void FollowFileList();

private:
  void ShowNode(const QModelIndex &index);
  void PlaceButton();
  void Typed(const QString &text);

  TKpDirTreeView *m_tree;
  QToolButton *m_button;
  QCompleter *m_completer;
  QStringListModel *m_completions;
  QPointer<TZelvoRenameFileListView> m_fileList;
  ExplorerDialogs *m_dialogs;
  QString m_selectedPath;
  QIcon m_image;
  bool m_expandRoot = true;
  int m_treeHeight = 240;
  bool m_typing = false;
};
