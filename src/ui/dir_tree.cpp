#include "ui/dir_tree.h"

#include "explorer/explorer_helpers.h"
#include "explorer/file_list_view.h"
#include "explorer/shell_helpers.h"
#include "ui/explorer_dialogs.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace {

// Hands the edited name to the tree instead of writing it into the model.
class RenameDelegate final : public QStyledItemDelegate {
public:
  explicit RenameDelegate(TZelvoRenameDirTree *tree) : QStyledItemDelegate(tree), m_tree(tree) {}
  void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override {
    if (auto *line = qobject_cast<QLineEdit *>(editor))
      m_tree->EndEdit(index, line->text());
  }

private:
  TZelvoRenameDirTree *m_tree;
};

QString NamePart(const QString &path) {
  return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// Keeps the busy cursor up while it lives.
struct BusyCursor {
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor &) = delete;
  BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

TZelvoRenameDirTree::TZelvoRenameDirTree(QWidget *parent, const Platform *platform)
    : TZelvoRenameFolderTreeView(parent, platform), m_dialogs(&MessageBoxDialogs()) {
  Model()->SetFoldersEditable(true);
  setItemDelegate(new RenameDelegate(this));
  setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  resize(180, 120);
  FillDrives();
}

QString TZelvoRenameDirTree::RefusedCharacters() {
  return QStringLiteral("\\*?/=\"<>|:,;+^");
}

void TZelvoRenameDirTree::SetSelectedPath(const QString &path) {
  m_selectedPath = path;
}

void TZelvoRenameDirTree::SetFileList(TZelvoRenameFileListView *list) {
  if (list == m_fileList)
    return;
  if (m_fileList)
    disconnect(m_fileList, nullptr, this, nullptr);
  m_fileList = list;
  if (!list)
    return;
  connect(list, &TZelvoRenameFileListView::OnAddFiles, this, &TZelvoRenameDirTree::FollowFileList);
  if (!m_selectedPath.isEmpty())
    list->SetDirectory(m_selectedPath);
  else
    FollowFileList();
}

void TZelvoRenameDirTree::FollowFileList() {
  if (!m_fileList)
    return;
  const QString directory = m_fileList->Directory();
  if (IsDrivesFolder(directory) ? IsDrivesFolder(m_selectedPath)
                                : WithTrailingBackslash(directory) == WithTrailingBackslash(m_selectedPath))
    return;
  SelectPath(directory);
}

void TZelvoRenameDirTree::SelectPath(const QString &path) {
  if (ShowPath(path).isValid())
    m_selectedPath = path;
}

void TZelvoRenameDirTree::ChooseSelected() {
  const QModelIndex index = currentIndex();
  if (!index.isValid())
    return;
  const QString path = ChoicePath(index);
  m_selectedPath = path;
  if (NeedsMediumCheck(index, true)) {
    QString message;
    if (!DiskReady(NodePath(index), true, &message)) {
      m_dialogs->ShowError(this, message);
      return;
    }
  }
  if (m_fileList && !path.isEmpty())
    m_fileList->SetDirectory(path);
}

void TZelvoRenameDirTree::EndEdit(const QModelIndex &index, const QString &name) {
  if (Model()->KindOf(index) != TZelvoRenameFolderTreeModel::NodeKind::Folder ||
      name == index.data().toString())
    return;
  if (name.isEmpty() || ContainsAnyChar(RefusedCharacters(), name)) {
    m_dialogs->Beep();
    if (!name.isEmpty())
      m_dialogs->ShowError(this, QStringLiteral("Error - Invalid Directory Name\n") + name);
    return;
  }
  const QString from = WithoutTrailingBackslash(NodePath(index));
  if (from.isEmpty())
    return;
  const QString to = from.left(from.lastIndexOf(QLatin1Char('/')) + 1) + name;
  if (!m_dialogs->Confirm(this, QStringLiteral("Do you want to rename the selected folder\n\n    From  : ") +
                                    NamePart(from) + QStringLiteral("\n    To     : ") + NamePart(to)))
    return;
  QString message;
  {
    BusyCursor busy;
    bool aborted = false;
    if (ShellFileOperation(kShellRename, from, aborted, to, &message)) {
      Model()->SetFolderName(index, name);
      const QModelIndex parent = index.parent();
      setCurrentIndex(parent);
      m_selectedPath = NodePath(parent);
      if (m_fileList) {
        const QString before = m_fileList->Directory();
        m_fileList->SetDirectory(m_selectedPath);
        if (m_fileList->Directory() == before)
          m_fileList->Reload();
      }
      return;
    }
  }
  // Nothing else tells the user why the name did not change.
  m_dialogs->ShowError(this, message);
}

void TZelvoRenameDirTree::keyPressEvent(QKeyEvent *event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && state() != EditingState) {
    ChooseSelected();
    return;
  }
  TZelvoRenameFolderTreeView::keyPressEvent(event);
}

void TZelvoRenameDirTree::mousePressEvent(QMouseEvent *event) {
  TZelvoRenameFolderTreeView::mousePressEvent(event);
  if (event->button() == Qt::LeftButton && NodeAt(event->position().toPoint()).isValid())
    ChooseSelected();
}
