// The tree view both folder trees are made of: its model, pictures, lazy marks and path lookup.
#pragma once

#include "explorer/folder_tree_model.h"

#include <QHash>
#include <QIcon>
#include <QTreeView>

class TZelvoRenameFolderTreeView : public QTreeView {
  Q_OBJECT
public:
  // The platform defaults to the running system's; tests pass their own.
  explicit TZelvoRenameFolderTreeView(QWidget *parent = nullptr, const Platform *platform = nullptr);

  TZelvoRenameFolderTreeModel *Model() const { return m_model; }
  // The folder of a node: a volume's mount point ending with "/", a folder without a final "/",
  // empty for the computer and for no node.
  QString NodePath(const QModelIndex &index) const { return m_model->NodePath(index); }
  // What choosing a node stands for: its folder, or "Drives" for the computer.
  QString ChoicePath(const QModelIndex &index) const;
  // The node whose label or picture is at a viewport position; none beside it or on its expand button.
  QModelIndex NodeAt(const QPoint &pos) const;
  // The picture of a node, as drawn in the tree.
  QIcon NodeIcon(const QModelIndex &index) const;
  // Whether a volume node needs a medium check before it is entered: removable ones, and optical
  // ones when alsoOptical.
  bool NeedsMediumCheck(const QModelIndex &index, bool alsoOptical) const;

  // Rebuilds the tree: the computer and its volumes, the computer expanded.
  void FillDrives();
  // Shows a folder (or "Drives" for the computer): collapses the tree, then expands and selects each
  // node along the path; a folder made since its parent was listed is found by listing the parent
  // again. Returns the folder's node; invalid when the folder does not exist (or is not below a
  // volume), the tree then staying expanded along the part that matched.
  QModelIndex ShowPath(const QString &path);
  // Expands a node, listing its folders first so that the tree lays out its rows once.
  void ExpandNode(const QModelIndex &index);
  // Collapses a node and every node below it.
  void CollapseAll(const QModelIndex &index);

protected:
  void paintEvent(QPaintEvent *event) override;
  // The ways a user expands a node list its folders before the tree expands it.
  void keyPressEvent(QKeyEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
  void ListBeforeExpanding(const QModelIndex &index);
  QVariant Decoration(const QString &key, const QString &openKey);
  QIcon ThemeIcon(const QString &key);

  TZelvoRenameFolderTreeModel *m_model;
  QHash<QString, QIcon> m_icons;
};
