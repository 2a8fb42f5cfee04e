// How one cell of the file list is drawn and edited: the entry's icon from the icon theme, the grey
// name of a hidden entry, and the end of an in-place edit handed to the list widget.
#pragma once

#include <QHash>
#include <QIcon>
#include <QStyledItemDelegate>

#include <functional>

class TZelvoRenameFileListView;

// Icons of the desktop's theme by icon name, each looked up once, with generic ones for names the
// theme does not have.
class FileIconCache {
public:
  const QIcon &Icon(const QString &iconKey, const QString &kind);

private:
  QHash<QString, QIcon> m_icons;
};

class FileListDelegate final : public QStyledItemDelegate {
  Q_OBJECT
public:
  // commitName receives the row and the name typed when an edit ends.
  using CommitName = std::function<void(int row, const QString &name)>;
  FileListDelegate(TZelvoRenameFileListView &list, CommitName commitName, QObject *parent = nullptr);

  // Public for tests: what the view draws a cell with (its state must be set by the caller).
  void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
  void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
  TZelvoRenameFileListView &m_list;
  CommitName m_commitName;
  mutable FileIconCache m_icons;
};
