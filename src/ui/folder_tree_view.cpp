#include "ui/folder_tree_view.h"

#include "explorer/explorer_helpers.h"

#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

namespace {

// Pictures of the style for icon names the theme does not have.
QStyle::StandardPixmap FallbackPixmap(const QString &key) {
  if (key == QLatin1String("computer"))
    return QStyle::SP_ComputerIcon;
  if (key == QLatin1String("drive-removable-media"))
    return QStyle::SP_DriveFDIcon;
  if (key == QLatin1String("drive-optical"))
    return QStyle::SP_DriveCDIcon;
  if (key == QLatin1String("folder-remote"))
    return QStyle::SP_DriveNetIcon;
  if (key == QLatin1String("drive-harddisk"))
    return QStyle::SP_DriveHDIcon;
  if (key == QLatin1String("folder-open"))
    return QStyle::SP_DirOpenIcon;
  return QStyle::SP_DirIcon;
}

} // namespace

TZelvoRenameFolderTreeView::TZelvoRenameFolderTreeView(QWidget *parent, const Platform *platform)
    : QTreeView(parent), m_model(new TZelvoRenameFolderTreeModel(this, platform)) {
  m_model->SetDecorationProvider(
      [this](const QString &key, const QString &openKey) { return Decoration(key, openKey); });
  setModel(m_model);
  setHeaderHidden(true);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setIconSize(QSize(16, 16));
}

QString TZelvoRenameFolderTreeView::ChoicePath(const QModelIndex &index) const {
  if (index.isValid() && m_model->KindOf(index) == TZelvoRenameFolderTreeModel::NodeKind::Computer)
    return QStringLiteral("Drives");
  return NodePath(index);
}

QModelIndex TZelvoRenameFolderTreeView::NodeAt(const QPoint &pos) const {
  const QModelIndex index = indexAt(pos);
  if (!index.isValid())
    return {};
  // The visual rectangle covers the picture and the label, not the indentation with the button.
  QRect rect = visualRect(index);
  const QString text = index.data().toString();
  rect.setWidth(std::min(rect.width(), iconSize().width() + 8 + fontMetrics().horizontalAdvance(text)));
  return rect.contains(pos) ? index : QModelIndex();
}

QIcon TZelvoRenameFolderTreeView::NodeIcon(const QModelIndex &index) const {
  return index.data(Qt::DecorationRole).value<QIcon>();
}

bool TZelvoRenameFolderTreeView::NeedsMediumCheck(const QModelIndex &index, bool alsoOptical) const {
  if (m_model->KindOf(index) != TZelvoRenameFolderTreeModel::NodeKind::Volume)
    return false;
  const DriveType type = m_model->VolumeTypeOf(index);
  return type == DriveType::Removable || (alsoOptical && type == DriveType::CdRom);
}

void TZelvoRenameFolderTreeView::FillDrives() {
  m_model->FillDrives();
  ExpandNode(m_model->RootIndex());
}

void TZelvoRenameFolderTreeView::ListBeforeExpanding(const QModelIndex &index) {
  // Rows added while the tree expands a node make it lay out every row again.
  if (index.isValid() && m_model->canFetchMore(index))
    m_model->fetchMore(index);
}

void TZelvoRenameFolderTreeView::ExpandNode(const QModelIndex &index) {
  ListBeforeExpanding(index);
  expand(index);
}

void TZelvoRenameFolderTreeView::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
  case Qt::Key_Asterisk:
    // Expanding every folder below a volume would walk the whole disk.
    event->accept();
    return;
  case Qt::Key_Right:
  case Qt::Key_Plus:
    ListBeforeExpanding(currentIndex());
    break;
  default:
    break;
  }
  QTreeView::keyPressEvent(event);
}

void TZelvoRenameFolderTreeView::mousePressEvent(QMouseEvent *event) {
  const QPoint pos = event->position().toPoint();
  const QModelIndex index = indexAt(pos);
  if (index.isValid() && pos.x() < visualRect(index).left())
    ListBeforeExpanding(index); // on the expand button
  QTreeView::mousePressEvent(event);
}

void TZelvoRenameFolderTreeView::mouseDoubleClickEvent(QMouseEvent *event) {
  ListBeforeExpanding(indexAt(event->position().toPoint()));
  QTreeView::mouseDoubleClickEvent(event);
}

void TZelvoRenameFolderTreeView::CollapseAll(const QModelIndex &index) {
  if (!index.isValid())
    return;
  for (int row = 0; row < m_model->rowCount(index); ++row) {
    const QModelIndex child = m_model->index(row, 0, index);
    if (isExpanded(child))
      CollapseAll(child);
  }
  collapse(index);
}

QModelIndex TZelvoRenameFolderTreeView::ShowPath(const QString &path) {
  if (path.isEmpty())
    return {};
  if (!IsDrivesFolder(path) && !m_model->Files().FolderExists(QFile::encodeName(path)))
    return {};
  const QModelIndex root = m_model->RootIndex();
  CollapseAll(root);
  QModelIndex deepest;
  QModelIndex found = m_model->FindPath(path, &deepest);
  if (!found.isValid() && deepest.isValid() && deepest != root) {
    // The folder exists but was made after its parent was listed: list the parent again.
    m_model->Forget(deepest);
    found = m_model->FindPath(path, &deepest);
  }
  const QModelIndex last = found.isValid() ? found : deepest;
  std::vector<QModelIndex> chain;
  for (QModelIndex i = last; i.isValid(); i = i.parent())
    chain.push_back(i);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    ExpandNode(*it);
  if (last.isValid()) {
    setCurrentIndex(last);
    scrollTo(last);
  }
  return found;
}

void TZelvoRenameFolderTreeView::paintEvent(QPaintEvent *event) {
  // Folders get their expand button only when they have subfolders; only the rows shown are looked at.
  const int bottom = viewport()->height();
  for (QModelIndex index = indexAt(QPoint(0, 0)); index.isValid(); index = indexBelow(index)) {
    if (visualRect(index).top() > bottom)
      break;
    m_model->CheckSubfolders(index);
  }
  QTreeView::paintEvent(event);
}

QIcon TZelvoRenameFolderTreeView::ThemeIcon(const QString &key) {
  auto it = m_icons.find(key);
  if (it == m_icons.end())
    it = m_icons.insert(key, QIcon::fromTheme(key, style()->standardIcon(FallbackPixmap(key))));
  return *it;
}

QVariant TZelvoRenameFolderTreeView::Decoration(const QString &key, const QString &openKey) {
  if (key == openKey)
    return ThemeIcon(key);
  // A selected folder shows open.
  const QString pair = key + QLatin1Char('|') + openKey;
  auto it = m_icons.find(pair);
  if (it == m_icons.end()) {
    QIcon icon;
    const QSize size = iconSize();
    icon.addPixmap(ThemeIcon(key).pixmap(size), QIcon::Normal);
    icon.addPixmap(ThemeIcon(openKey).pixmap(size), QIcon::Selected);
    it = m_icons.insert(pair, icon);
  }
  return *it;
}
