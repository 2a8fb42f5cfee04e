// The folder tree behind the drop-down and the standalone tree: the computer, its volumes, their folders.
#pragma once

#include "platform/platform.h"

#include <QAbstractItemModel>
#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

// Level 0 is the computer (choosing it means the drives view), level 1 one node per mounted volume,
// deeper levels folders. A node's folders are listed the first time it is expanded. A folder counts as
// having subfolders until it is listed or checked: a view checks only the rows it shows, so expanding
// a folder of many subfolders costs about one listing of it.
class TZelvoRenameFolderTreeModel : public QAbstractItemModel {
  Q_OBJECT
public:
  enum Role {
    IconKeyRole = Qt::UserRole + 1, // QString: icon theme name of the node
    OpenIconKeyRole,                // QString: icon theme name of the node while selected (an open folder)
    PathRole,                       // QString: NodePath
    LevelRole,                      // int: 0 computer, 1 volume, 2 and deeper folder
    DriveTypeRole,                  // int: DriveType of a volume node
  };
  enum class NodeKind { Computer, Volume, Folder };

  // The platform defaults to the running system's; tests pass their own.
  explicit TZelvoRenameFolderTreeModel(QObject *parent = nullptr, const Platform *platform = nullptr);
  ~TZelvoRenameFolderTreeModel() override;

  // Rebuilds the tree: the computer and one node per mounted volume, nothing listed below them.
  void FillDrives();
  const QString &RootCaption() const { return m_rootCaption; }
  void SetRootCaption(const QString &caption);
  // The widgets give the nodes their pictures: called with the icon keys of a node and returns what
  // Qt::DecorationRole answers (keeps this model free of the GUI library).
  void SetDecorationProvider(std::function<QVariant(const QString &key, const QString &openKey)> provider);

  // The file system the folders are listed from.
  FileSystem &Files() const { return *m_platform->Files; }
  QModelIndex RootIndex() const;
  NodeKind KindOf(const QModelIndex &index) const;
  DriveType VolumeTypeOf(const QModelIndex &index) const;
  // A volume node's mount point ending with "/", a folder's path without a final "/", the computer's
  // (and an invalid index's) empty.
  QString NodePath(const QModelIndex &index) const;
  QByteArray NativePath(const QModelIndex &index) const;
  // The node showing a folder (with or without a final "/"; "Drives" for the computer): the volume
  // mounted at the longest leading part of the path, then one folder per component, names compared
  // exactly. Lists the nodes on the way as needed. Invalid when a component matches nothing; deepest
  // then receives the last node that matched.
  QModelIndex FindPath(const QString &path, QModelIndex *deepest = nullptr);
  // Gives a folder node the name it now has on disk; the parent's order is kept.
  void SetFolderName(const QModelIndex &index, const QString &name);
  // Forgets a node's folders, so that the next expansion lists them again.
  void Forget(const QModelIndex &index);
  // Whether the node's folders have been listed.
  bool IsListed(const QModelIndex &index) const;
  // Looks whether a folder not listed yet has subfolders; when it has none it loses its expand mark
  // (dataChanged). Answers hasChildren. Each folder is looked at once.
  bool CheckSubfolders(const QModelIndex &index);
  // Folders whose has-subfolders mark has been worked out so far (for tests and the benchmark).
  int SubfolderChecks() const { return m_subfolderChecks; }
  // Folder nodes may be renamed in place by the standalone tree.
  void SetFoldersEditable(bool on) { m_foldersEditable = on; }

  // ---- Item model.
  QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
  QModelIndex parent(const QModelIndex &child) const override;
  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;
  bool canFetchMore(const QModelIndex &parent) const override;
  void fetchMore(const QModelIndex &parent) override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
  struct Node;
  Node *NodeOf(const QModelIndex &index) const;
  QModelIndex IndexOf(const Node *node) const;
  std::vector<std::unique_ptr<Node>> ListFolders(const Node &parent) const;

  const Platform *m_platform;
  QString m_rootCaption = QStringLiteral("Computer");
  std::unique_ptr<Node> m_root;
  std::function<QVariant(const QString &, const QString &)> m_decoration;
  int m_subfolderChecks = 0;
  bool m_foldersEditable = false;
};
