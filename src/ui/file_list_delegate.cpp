#include "ui/file_list_delegate.h"

#include "explorer/file_list_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyle>

const QIcon &FileIconCache::Icon(const QString &iconKey, const QString &kind) {
  const QString cacheKey = iconKey + QLatin1Char('\n') + kind;
  auto it = m_icons.constFind(cacheKey);
  if (it != m_icons.constEnd())
    return *it;
  QIcon icon = QIcon::fromTheme(iconKey);
  // "image-png" falls back to "image-x-generic", anything else to the plain file of its kind.
  const qsizetype dash = iconKey.indexOf(QLatin1Char('-'));
  if (icon.isNull() && dash > 0)
    icon = QIcon::fromTheme(iconKey.left(dash) + QStringLiteral("-x-generic"));
  if (icon.isNull()) {
    QStyle *style = QApplication::style();
    if (kind == QLatin1String("dir"))
      icon = QIcon::fromTheme(QStringLiteral("folder"), style->standardIcon(QStyle::SP_DirIcon));
    else if (kind == QLatin1String("drv"))
      icon = QIcon::fromTheme(QStringLiteral("drive-harddisk"), style->standardIcon(QStyle::SP_DriveHDIcon));
    else
      icon = QIcon::fromTheme(QStringLiteral("text-x-generic"), style->standardIcon(QStyle::SP_FileIcon));
  }
  return *m_icons.insert(cacheKey, icon);
}

FileListDelegate::FileListDelegate(TZelvoRenameFileListView &list, CommitName commitName, QObject *parent)
    : QStyledItemDelegate(parent), m_list(list), m_commitName(std::move(commitName)) {}

void FileListDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  if (index.column() != 0 || index.row() >= m_list.Count())
    return;
  const FileListEntry &entry = m_list.Entry(index.row());
  option->icon = m_icons.Icon(entry.IconKey(), entry.SubItems[SubKind]);
  option->features |= QStyleOptionViewItem::HasDecoration;
  option->decorationSize = QSize(16, 16);
  // A hidden entry's name is grey, unless it is selected; its other columns keep the usual colour.
  if (m_list.DimmHiddenFiles && !(option->state & QStyle::State_Selected) &&
      !entry.SubItems[SubHidden].isEmpty())
    option->palette.setBrush(QPalette::Text, option->palette.brush(QPalette::Disabled, QPalette::Text));
}

void FileListDelegate::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const {
  // The list renames the item and lists the folder again; the model's caption is not edited.
  if (auto *line = qobject_cast<QLineEdit *>(editor); line && m_commitName)
    m_commitName(index.row(), line->text());
}
