#include "explorer/folder_tree_model.h"

#include "explorer/explorer_helpers.h"
#include "platform/name_codec.h"

#include <algorithm>
#include <numeric>

namespace {

enum class Subfolders : std::uint8_t { Unknown, Yes, No };

QString VolumeCaption(const Volume &volume) {
  QString name = volume.Label;
  if (name.isEmpty()) {
    const QString source = DecodeName(volume.Source);
    name = source.startsWith(QLatin1String("/dev/")) ? source.mid(source.lastIndexOf(QLatin1Char('/')) + 1)
                                                     : source;
  }
  return QStringLiteral(" (") + DecodeName(volume.MountPoint) + QStringLiteral(")  ") + name;
}

// A name's sort key: its case-folded UTF-8, so that byte order is name order ignoring case.
QByteArray SortKey(const QByteArray &name) {
  for (const char c : name)
    if (static_cast<unsigned char>(c) >= 0x80)
      return EncodeName(ChangeKeepingEscapedBytes(DecodeName(name),
                                                  [](QString run) { return std::move(run).toCaseFolded(); }));
  return name.toLower(); // shares the name when it has no capitals
}

QByteArray WithSlash(const QByteArray &path) {
  return path.endsWith('/') ? path : path + '/';
}

} // namespace

struct TZelvoRenameFolderTreeModel::Node {
  NodeKind Kind = NodeKind::Folder;
  mutable QString Caption; // a folder's is made from its name when first asked for
  QByteArray Name;         // a folder's name on disk; a volume's mount point ending with "/"
  DriveType Type = DriveType::Fixed;
  Node *Parent = nullptr;
  int Row = 0;
  bool Listed = false;
  Subfolders HasSub = Subfolders::Unknown;
  std::vector<std::unique_ptr<Node>> Children;

  void Adopt(std::vector<std::unique_ptr<Node>> nodes) {
    Children = std::move(nodes);
    for (size_t i = 0; i < Children.size(); ++i) {
      Children[i]->Parent = this;
      Children[i]->Row = int(i);
    }
  }
};

TZelvoRenameFolderTreeModel::TZelvoRenameFolderTreeModel(QObject *parent, const Platform *platform)
    : QAbstractItemModel(parent), m_platform(platform ? platform : &DefaultPlatform()),
      m_root(std::make_unique<Node>()) {}

TZelvoRenameFolderTreeModel::~TZelvoRenameFolderTreeModel() = default;

void TZelvoRenameFolderTreeModel::FillDrives() {
  beginResetModel();
  auto computer = std::make_unique<Node>();
  computer->Kind = NodeKind::Computer;
  computer->Caption = m_rootCaption;
  computer->Listed = true;
  std::vector<std::unique_ptr<Node>> volumes;
  for (const Volume &volume : m_platform->Volumes->Volumes()) {
    auto node = std::make_unique<Node>();
    node->Kind = NodeKind::Volume;
    node->Caption = VolumeCaption(volume);
    node->Name = WithSlash(volume.MountPoint);
    node->Type = volume.Type;
    node->HasSub = Subfolders::Yes; // until it is listed
    volumes.push_back(std::move(node));
  }
  computer->Adopt(std::move(volumes));
  std::vector<std::unique_ptr<Node>> top;
  top.push_back(std::move(computer));
  m_root->Adopt(std::move(top));
  endResetModel();
}

void TZelvoRenameFolderTreeModel::SetRootCaption(const QString &caption) {
  m_rootCaption = caption;
  if (!m_root->Children.empty()) {
    m_root->Children.front()->Caption = caption;
    const QModelIndex root = RootIndex();
    emit dataChanged(root, root);
  }
}

void TZelvoRenameFolderTreeModel::SetDecorationProvider(
    std::function<QVariant(const QString &, const QString &)> provider) {
  m_decoration = std::move(provider);
}

QModelIndex TZelvoRenameFolderTreeModel::RootIndex() const {
  return m_root->Children.empty() ? QModelIndex() : createIndex(0, 0, m_root->Children.front().get());
}

TZelvoRenameFolderTreeModel::Node *TZelvoRenameFolderTreeModel::NodeOf(const QModelIndex &index) const {
  return index.isValid() ? static_cast<Node *>(index.internalPointer()) : m_root.get();
}

QModelIndex TZelvoRenameFolderTreeModel::IndexOf(const Node *node) const {
  return node == m_root.get() ? QModelIndex() : createIndex(node->Row, 0, const_cast<Node *>(node));
}

TZelvoRenameFolderTreeModel::NodeKind TZelvoRenameFolderTreeModel::KindOf(const QModelIndex &index) const {
  return index.isValid() ? NodeOf(index)->Kind : NodeKind::Computer;
}

DriveType TZelvoRenameFolderTreeModel::VolumeTypeOf(const QModelIndex &index) const {
  return index.isValid() ? NodeOf(index)->Type : DriveType::Unknown;
}

QByteArray TZelvoRenameFolderTreeModel::NativePath(const QModelIndex &index) const {
  if (!index.isValid())
    return {};
  std::vector<const Node *> chain;
  for (const Node *n = NodeOf(index); n && n->Kind == NodeKind::Folder; n = n->Parent)
    chain.push_back(n);
  const Node *top = chain.empty() ? NodeOf(index) : chain.back()->Parent;
  if (!top || top->Kind != NodeKind::Volume)
    return {};
  QByteArray path = top->Name;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    path += (*it)->Name;
    if (it + 1 != chain.rend())
      path += '/';
  }
  return path;
}

QString TZelvoRenameFolderTreeModel::NodePath(const QModelIndex &index) const {
  return DecodeName(NativePath(index));
}

bool TZelvoRenameFolderTreeModel::IsListed(const QModelIndex &index) const {
  return NodeOf(index)->Listed;
}

std::vector<std::unique_ptr<TZelvoRenameFolderTreeModel::Node>>
TZelvoRenameFolderTreeModel::ListFolders(const Node &parent) const {
  std::vector<std::unique_ptr<Node>> folders;
  const QByteArray path = WithSlash(NativePath(IndexOf(&parent)));
  std::unique_ptr<FolderListing> listing = m_platform->Files->ReadFolder(path);
  if (!listing)
    return folders;
  std::vector<QByteArray> names;
  names.reserve(listing->Items.size());
  for (FolderItem &item : listing->Items) {
    // The listing names the kind of most items; links and some file systems need a look.
    if (item.Kind == ItemKind::Unknown)
      m_platform->Files->Stat(*listing, item);
    if (item.Kind == ItemKind::Folder)
      names.push_back(item.Name);
  }
  // By name ignoring case; names that differ only by case keep their byte order. The first sixteen
  // bytes of a key, as two big-endian words, decide most comparisons.
  struct Head {
    std::uint64_t word[2];
    std::uint32_t index;
  };
  std::vector<QByteArray> keys;
  std::vector<Head> heads;
  keys.reserve(names.size());
  heads.reserve(names.size());
  for (const QByteArray &name : names) {
    keys.push_back(SortKey(name));
    const QByteArray &key = keys.back();
    Head head{{0, 0}, std::uint32_t(heads.size())};
    const qsizetype n = std::min<qsizetype>(key.size(), 16);
    for (qsizetype i = 0; i < n; ++i) // names hold no NUL, so the padding sorts before any byte
      head.word[i / 8] |= std::uint64_t(static_cast<unsigned char>(key[i])) << (56 - 8 * (i % 8));
    heads.push_back(head);
  }
  std::sort(heads.begin(), heads.end(), [&](const Head &a, const Head &b) {
    if (a.word[0] != b.word[0])
      return a.word[0] < b.word[0];
    if (a.word[1] != b.word[1])
      return a.word[1] < b.word[1];
    const QByteArray &ka = keys[a.index], &kb = keys[b.index];
    const int c = (ka.size() > 16 || kb.size() > 16) ? ka.compare(kb) : 0;
    return c != 0 ? c < 0 : names[a.index] < names[b.index];
  });
  folders.reserve(heads.size());
  for (const Head &head : heads) {
    auto node = std::make_unique<Node>();
    node->Name = names[head.index];
    folders.push_back(std::move(node));
  }
  return folders;
}

bool TZelvoRenameFolderTreeModel::CheckSubfolders(const QModelIndex &index) {
  Node *node = NodeOf(index);
  if (!index.isValid() || node->Kind != NodeKind::Folder || node->Listed ||
      node->HasSub != Subfolders::Unknown)
    return hasChildren(index);
  ++m_subfolderChecks;
  node->HasSub = Subfolders::No;
  if (std::unique_ptr<FolderListing> listing = m_platform->Files->ReadFolder(WithSlash(NativePath(index)))) {
    for (FolderItem &item : listing->Items) {
      if (item.Kind == ItemKind::Unknown)
        m_platform->Files->Stat(*listing, item);
      if (item.Kind == ItemKind::Folder) {
        node->HasSub = Subfolders::Yes;
        break;
      }
    }
  }
  if (node->HasSub == Subfolders::No)
    emit dataChanged(index, index);
  return node->HasSub == Subfolders::Yes;
}

QModelIndex TZelvoRenameFolderTreeModel::FindPath(const QString &path, QModelIndex *deepest) {
  if (deepest)
    *deepest = QModelIndex();
  const QModelIndex root = RootIndex();
  if (!root.isValid())
    return {};
  if (IsDrivesFolder(path))
    return root;
  if (deepest)
    *deepest = root;
  const QByteArray native = EncodeName(path);
  if (!native.startsWith('/'))
    return {};
  // The volume mounted at the longest leading part of the path.
  Node *current = nullptr;
  qsizetype matched = 0;
  for (const auto &volume : NodeOf(root)->Children) {
    const QByteArray point = volume->Name; // ends with "/"
    const QByteArray bare = point.size() > 1 ? point.left(point.size() - 1) : point;
    const bool inside = native == bare || native.startsWith(point);
    if (inside && bare.size() >= matched) {
      current = volume.get();
      matched = bare.size();
    }
  }
  if (!current)
    return {};
  if (deepest)
    *deepest = IndexOf(current);
  for (const QByteArray &component : native.mid(matched).split('/')) {
    if (component.isEmpty())
      continue;
    const QModelIndex at = IndexOf(current);
    if (canFetchMore(at))
      fetchMore(at);
    Node *next = nullptr;
    for (const auto &child : current->Children)
      if (child->Name == component) {
        next = child.get();
        break;
      }
    if (!next)
      return {};
    current = next;
    if (deepest)
      *deepest = IndexOf(current);
  }
  return IndexOf(current);
}

void TZelvoRenameFolderTreeModel::SetFolderName(const QModelIndex &index, const QString &name) {
  Node *node = NodeOf(index);
  if (!index.isValid() || node->Kind != NodeKind::Folder)
    return;
  node->Name = EncodeName(name);
  node->Caption = name;
  emit dataChanged(index, index);
}

void TZelvoRenameFolderTreeModel::Forget(const QModelIndex &index) {
  Node *node = NodeOf(index);
  if (!index.isValid() || node->Kind == NodeKind::Computer)
    return;
  if (!node->Children.empty()) {
    beginRemoveRows(index, 0, int(node->Children.size()) - 1);
    node->Children.clear();
    endRemoveRows();
  }
  node->Listed = false;
  node->HasSub = node->Kind == NodeKind::Volume ? Subfolders::Yes : Subfolders::Unknown;
  emit dataChanged(index, index);
}

// ---- Item model

QModelIndex TZelvoRenameFolderTreeModel::index(int row, int column, const QModelIndex &parent) const {
  const Node *p = NodeOf(parent);
  if (column != 0 || row < 0 || size_t(row) >= p->Children.size())
    return {};
  return createIndex(row, 0, p->Children[size_t(row)].get());
}

QModelIndex TZelvoRenameFolderTreeModel::parent(const QModelIndex &child) const {
  if (!child.isValid())
    return {};
  const Node *p = NodeOf(child)->Parent;
  return p ? IndexOf(p) : QModelIndex();
}

int TZelvoRenameFolderTreeModel::rowCount(const QModelIndex &parent) const {
  if (parent.column() > 0)
    return 0;
  return int(NodeOf(parent)->Children.size());
}

int TZelvoRenameFolderTreeModel::columnCount(const QModelIndex &) const {
  return 1;
}

bool TZelvoRenameFolderTreeModel::hasChildren(const QModelIndex &parent) const {
  if (parent.column() > 0)
    return false;
  Node *node = NodeOf(parent);
  if (!parent.isValid() || node->Kind == NodeKind::Computer || node->Listed)
    return !node->Children.empty();
  // Until it is listed or checked, a folder may have subfolders.
  return node->HasSub != Subfolders::No;
}

bool TZelvoRenameFolderTreeModel::canFetchMore(const QModelIndex &parent) const {
  return parent.isValid() && parent.column() == 0 && !NodeOf(parent)->Listed;
}

void TZelvoRenameFolderTreeModel::fetchMore(const QModelIndex &parent) {
  if (!canFetchMore(parent))
    return;
  Node *node = NodeOf(parent);
  node->Listed = true;
  std::vector<std::unique_ptr<Node>> folders = ListFolders(*node);
  if (folders.empty()) {
    // Nothing below: the node loses its expand button.
    node->HasSub = Subfolders::No;
    emit dataChanged(parent, parent);
    return;
  }
  node->HasSub = Subfolders::Yes;
  beginInsertRows(parent, 0, int(folders.size()) - 1);
  node->Adopt(std::move(folders));
  endInsertRows();
}

QVariant TZelvoRenameFolderTreeModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid())
    return {};
  const Node *node = NodeOf(index);
  auto iconKey = [node] {
    switch (node->Kind) {
    case NodeKind::Computer:
      return QStringLiteral("computer");
    case NodeKind::Volume:
      return DriveIconKey(node->Type);
    default:
      return QStringLiteral("folder");
    }
  };
  auto openIconKey = [&] {
    return node->Kind == NodeKind::Folder ? QStringLiteral("folder-open") : iconKey();
  };
  if (node->Caption.isEmpty() && node->Kind == NodeKind::Folder)
    node->Caption = DecodeName(node->Name);
  switch (role) {
  case Qt::DisplayRole:
    return ShownName(node->Caption);
  case Qt::EditRole:
    return node->Caption;
  case Qt::DecorationRole:
    return m_decoration ? m_decoration(iconKey(), openIconKey()) : QVariant();
  case IconKeyRole:
    return iconKey();
  case OpenIconKeyRole:
    return openIconKey();
  case PathRole:
    return NodePath(index);
  case LevelRole: {
    int level = 0;
    for (const Node *n = node->Parent; n && n != m_root.get(); n = n->Parent)
      ++level;
    return level;
  }
  case DriveTypeRole:
    return int(node->Type);
  default:
    return {};
  }
}

Qt::ItemFlags TZelvoRenameFolderTreeModel::flags(const QModelIndex &index) const {
  if (!index.isValid())
    return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (m_foldersEditable && NodeOf(index)->Kind == NodeKind::Folder)
    f |= Qt::ItemIsEditable;
  return f;
}
