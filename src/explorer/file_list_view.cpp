#include "explorer/file_list_view.h"

#include "explorer/explorer_helpers.h"
#include "explorer/file_list_listing.h"
#include "platform/name_codec.h"
#include "platform/name_mask.h"

#include <QDir>

#include <algorithm>

std::uint32_t FileAttrBits(TFileAttr attr) {
  switch (attr) {
  case ftReadOnly:
    return AttrReadOnly;
  case ftHidden:
    return AttrHidden;
  case ftSystem:
    return AttrSystem;
  case ftArchive:
    return AttrArchive;
  case ftNormal:
    return AttrNormal;
  }
  return 0;
}

std::uint32_t FileAttrBits(TFileType type) {
  std::uint32_t bits = 0;
  for (TFileAttr attr : {ftReadOnly, ftHidden, ftSystem, ftArchive, ftNormal})
    if (type.testFlag(attr))
      bits |= FileAttrBits(attr);
  return bits;
}

TZelvoRenameFileListView::TZelvoRenameFileListView(QObject *parent, const Platform *platform)
    : QAbstractTableModel(parent), m_platform(platform ? platform : &DefaultPlatform()) {
  // The folder view's columns until the first reload chooses.
  m_inReset = true;
  BuildFileColumns();
  m_inReset = false;
}

TZelvoRenameFileListView::~TZelvoRenameFileListView() = default;

// ---- Properties

bool TZelvoRenameFileListView::IsDrivesView() const {
  return IsDrivesFolder(m_directory);
}

void TZelvoRenameFileListView::SetDirectory(const QString &directory) {
  // Folder names differ by letter case on this system; only the drives word ignores it.
  if (directory == m_directory || (IsDrivesFolder(directory) && IsDrivesFolder(m_directory)))
    return;
  m_recurseDirs = false;
  SaveColumnWidths();
  if (IsDrivesFolder(directory)) {
    m_directory = directory;
    Reload();
    return;
  }
  if (directory.isEmpty() || !m_platform->Files->FolderExists(EncodeName(directory)))
    return;
  QString folder = WithTrailingBackslash(directory);
  if (QDir::isRelativePath(folder))
    folder = WithTrailingBackslash(QDir::current().absoluteFilePath(folder));
  m_platform->Files->SetCurrentFolder(EncodeName(folder));
  m_directory = folder;
  Reload();
}

bool TZelvoRenameFileListView::SetUp(const ListSetUp &setUp) {
  if (setUp.directory.isEmpty() || IsDrivesFolder(setUp.directory) ||
      !m_platform->Files->FolderExists(EncodeName(setUp.directory)))
    return false;
  QString folder = WithTrailingBackslash(setUp.directory);
  if (QDir::isRelativePath(folder))
    folder = WithTrailingBackslash(QDir::current().absoluteFilePath(folder));
  m_platform->Files->SetCurrentFolder(EncodeName(folder));
  SaveColumnWidths();
  m_directory = folder;
  m_mask = setUp.mask;
  m_showFolders = setUp.showFolders;
  m_showFilenames = setUp.showFilenames;
  m_workWithFolders = setUp.workWithFolders;
  m_recurseDirs = setUp.recurse;
  m_viewTexts = setUp.viewTexts;
  Reload();
  return true;
}

void TZelvoRenameFileListView::SetMask(const QString &mask) {
  if (mask == m_mask)
    return;
  m_mask = mask;
  Reload();
}

void TZelvoRenameFileListView::SetFileType(TFileType type) {
  if (type == m_fileType)
    return;
  m_fileType = type;
  Reload();
}

void TZelvoRenameFileListView::SetShowFolders(bool on) {
  if (on == m_showFolders)
    return;
  m_showFolders = on;
  Reload();
}

void TZelvoRenameFileListView::SetShowFilenames(bool on) {
  if (on == m_showFilenames)
    return;
  m_showFilenames = on;
  Reload();
}

void TZelvoRenameFileListView::SetWorkWithFolders(bool on) {
  if (on == m_workWithFolders)
    return;
  m_workWithFolders = on;
  Reload();
}

void TZelvoRenameFileListView::SetRecurseDirs(bool on) {
  if (on == m_recurseDirs)
    return;
  m_recurseDirs = on;
  Reload();
}

void TZelvoRenameFileListView::SetDateFormat(TDateFormat format) {
  m_dateFormat = format;
  if (format == TDateFormat(dfMDY))
    m_formats.SetShortDate(QStringLiteral("mm/dd/yyyy"));
  else if (format == TDateFormat(dfDMY))
    m_formats.SetShortDate(QStringLiteral("dd/mm/yyyy"));
  else if (format == TDateFormat(dfYMD))
    m_formats.SetShortDate(QStringLiteral("yyyy/mm/dd"));
  Reload();
}

void TZelvoRenameFileListView::SetLanguage(int language) {
  if (language == m_language)
    return;
  m_language = language;
  m_texts = &ExplorerTextsOf(language);
  ApplyColumnCaptions();
  if (IsDrivesView())
    Reload(); // the drive type names change too
}

int TZelvoRenameFileListView::SelectedNumber() const {
  int selected = 0;
  for (const FileListEntry &e : m_entries)
    selected += e.Selected ? 1 : 0;
  return selected ? selected : Count();
}

// ---- Columns

int TZelvoRenameFileListView::ColumnWidth(int column) const {
  return column >= 0 && column < NumColumns() ? m_columns[size_t(column)].Width : 0;
}

void TZelvoRenameFileListView::SetColumnWidth(int column, int width) {
  if (column < 0 || column >= NumColumns() || m_columns[size_t(column)].Width == width)
    return;
  m_columns[size_t(column)].Width = width;
  emit headerDataChanged(Qt::Horizontal, column, column);
}

void TZelvoRenameFileListView::SaveColumnWidths() {
  if (m_columns.empty())
    return;
  if (IsDrivesView()) {
    for (int c = 0; c < kDriveColumnCount && c < NumColumns(); ++c)
      m_widthSlots[size_t(kFolderColumnCount + c)] = m_columns[size_t(c)].Width;
  } else {
    for (int c = 0; c < kFolderColumnCount && c < NumColumns(); ++c)
      m_widthSlots[size_t(c)] = m_columns[size_t(c)].Width;
  }
}

void TZelvoRenameFileListView::SetColumns(std::vector<FileListColumn> columns) {
  if (!m_inReset)
    beginResetModel();
  m_columns = std::move(columns);
  ApplyColumnCaptions();
  if (!m_inReset)
    endResetModel();
}

void TZelvoRenameFileListView::BuildFileColumns() {
  std::vector<FileListColumn> columns(kFolderColumnCount);
  for (int c = 0; c < kFolderColumnCount; ++c)
    columns[size_t(c)].Width = m_widthSlots[size_t(c)];
  columns[2].Alignment = Qt::AlignRight;
  SetColumns(std::move(columns));
}

void TZelvoRenameFileListView::BuildDriveColumns() {
  std::vector<FileListColumn> columns(kDriveColumnCount);
  for (int c = 0; c < kDriveColumnCount; ++c)
    columns[size_t(c)].Width = m_widthSlots[size_t(kFolderColumnCount + c)];
  SetColumns(std::move(columns));
}

void TZelvoRenameFileListView::ApplyColumnCaptions() {
  const ExplorerTexts &t = *m_texts;
  const QString folderCaptions[kFolderColumnCount] = {t.sColName,     t.sColPath,      t.sColSize,
                                                      t.sColType,     t.sColExtension, t.sColCreated,
                                                      t.sColModified, t.sColAccessed,  t.sColAttributes};
  const QString driveCaptions[kDriveColumnCount] = {t.sColName, t.sColType};
  const bool drives = NumColumns() == kDriveColumnCount;
  for (int c = 0; c < NumColumns(); ++c)
    m_columns[size_t(c)].Caption = drives ? driveCaptions[c] : folderCaptions[c];
  if (!m_inReset && NumColumns() > 0)
    emit headerDataChanged(Qt::Horizontal, 0, NumColumns() - 1);
}

// ---- Listing

void TZelvoRenameFileListView::Reload() {
  m_everListed = true;
  emit ReloadStarted(this);
  beginResetModel();
  m_inReset = true;
  m_entries.clear();
  m_numFiles = 0;
  m_numFolders = 0;
  m_snapshots.clear();
  m_listing = std::make_unique<Listing>(*m_platform, m_formats, *m_texts, m_snapshots);
  if (IsDrivesView()) {
    BuildDriveColumns();
    ListDrives();
  } else {
    BuildFileColumns();
    const std::uint32_t fileMask = FileAttrBits(m_fileType);
    const std::uint32_t folderMask = fileMask | AttrDirectory;
    const QString folder = WithTrailingBackslash(m_directory);
    const QByteArray nativeFolder = EncodeName(folder);
    const QStringList patterns = SplitMask(m_mask);
    if (m_showFolders) {
      if (m_workWithFolders) {
        for (const QString &pattern : patterns)
          AddEntriesIn(folder, nativeFolder, pattern, folderMask, m_entries);
      } else {
        AddEntriesIn(folder, nativeFolder, QStringLiteral("*.*"), folderMask, m_entries);
      }
    }
    if (m_showFilenames)
      for (const QString &pattern : patterns)
        AddEntriesIn(folder, nativeFolder, pattern, fileMask, m_entries);
    if (m_recurseDirs && !m_showFolders)
      WalkSubfolders(folder, nativeFolder, patterns, fileMask, folderMask, m_entries);
  }
  m_listing.reset();
  if (m_entries.capacity() > m_entries.size() + m_entries.size() / 4 + 64)
    m_entries.shrink_to_fit();
  // Every reload ends sorted by name, ascending.
  m_sortColumn = 0;
  m_sortDescending = false;
  SortEntries();
  m_inReset = false;
  endResetModel();
  emit OnRecienOrdenado(this);
  if (!m_entries.empty() && SelectedIndexes().empty())
    SetFocused(0);
  emit OnAddFiles(this);
}

void TZelvoRenameFileListView::AppendEntries(std::vector<FileListEntry> &&added) {
  if (added.empty())
    return;
  if (!m_inReset)
    beginInsertRows(QModelIndex(), Count(), Count() + int(added.size()) - 1);
  if (m_entries.empty())
    m_entries = std::move(added);
  else
    m_entries.insert(m_entries.end(), std::make_move_iterator(added.begin()),
                     std::make_move_iterator(added.end()));
  if (!m_inReset)
    endInsertRows();
}

// ---- Selection and focus

void TZelvoRenameFileListView::SetSelected(int index, bool selected) {
  if (index < 0 || index >= Count() || m_entries[size_t(index)].Selected == selected)
    return;
  m_entries[size_t(index)].Selected = selected;
  emit dataChanged(this->index(index, 0), this->index(index, std::max(0, NumColumns() - 1)), {SelectedRole});
}

void TZelvoRenameFileListView::SetSelectedRange(int first, int last, bool selected) {
  first = std::max(first, 0);
  last = std::min(last, Count() - 1);
  int changedFirst = -1, changedLast = -1;
  for (int i = first; i <= last; ++i) {
    FileListEntry &e = m_entries[size_t(i)];
    if (e.Selected != selected) {
      e.Selected = selected;
      changedFirst = changedFirst < 0 ? i : changedFirst;
      changedLast = i;
    }
  }
  if (changedFirst >= 0)
    emit dataChanged(index(changedFirst, 0), index(changedLast, std::max(0, NumColumns() - 1)),
                     {SelectedRole});
}

void TZelvoRenameFileListView::ClearSelection() {
  int first = -1, last = -1;
  for (int i = 0; i < Count(); ++i) {
    FileListEntry &e = m_entries[size_t(i)];
    if (e.Selected) {
      e.Selected = false;
      first = first < 0 ? i : first;
      last = i;
    }
  }
  if (first >= 0)
    emit dataChanged(index(first, 0), index(last, std::max(0, NumColumns() - 1)), {SelectedRole});
}

std::vector<int> TZelvoRenameFileListView::SelectedIndexes() const {
  std::vector<int> selected;
  for (int i = 0; i < Count(); ++i)
    if (m_entries[size_t(i)].Selected)
      selected.push_back(i);
  return selected;
}

int TZelvoRenameFileListView::FocusedIndex() const {
  for (int i = 0; i < Count(); ++i)
    if (m_entries[size_t(i)].Focused)
      return i;
  return -1;
}

void TZelvoRenameFileListView::SetFocused(int index) {
  for (int i = 0; i < Count(); ++i)
    m_entries[size_t(i)].Focused = i == index;
}

// ---- Item model

int TZelvoRenameFileListView::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : Count();
}

int TZelvoRenameFileListView::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : NumColumns();
}

QVariant TZelvoRenameFileListView::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || index.row() >= Count() || index.column() >= NumColumns())
    return QVariant();
  const FileListEntry &e = m_entries[size_t(index.row())];
  const int column = index.column();
  switch (role) {
  case Qt::DisplayRole: // bytes of a name that are not valid UTF-8 shown as "\xE9"
    return ShownName(column == 0 ? e.Caption : e.SubItems[size_t(column - 1)]);
  case Qt::EditRole:
    return column == 0 ? e.Caption : e.SubItems[size_t(column - 1)];
  case Qt::TextAlignmentRole:
    return QVariant::fromValue(m_columns[size_t(column)].Alignment | Qt::AlignVCenter);
  case IconKeyRole:
    return column == 0 ? QVariant(e.IconKey()) : QVariant();
  case HiddenRole:
    return !e.SubItems[SubHidden].isEmpty();
  case KindRole:
    return e.SubItems[SubKind];
  case SelectedRole:
    return e.Selected;
  default:
    return QVariant();
  }
}

QVariant TZelvoRenameFileListView::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= NumColumns())
    return QAbstractTableModel::headerData(section, orientation, role);
  const FileListColumn &column = m_columns[size_t(section)];
  switch (role) {
  case Qt::DisplayRole:
    return column.Caption;
  case Qt::TextAlignmentRole:
    return QVariant::fromValue(column.Alignment | Qt::AlignVCenter);
  case ColumnWidthRole:
    return column.Width;
  default:
    return QVariant();
  }
}

Qt::ItemFlags TZelvoRenameFileListView::flags(const QModelIndex &index) const {
  if (!index.isValid())
    return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
  // Names of files and folders can be edited in place; volumes cannot.
  if (index.column() == 0 && !ReadOnly && index.row() < Count() && !IsDrivesView() &&
      m_entries[size_t(index.row())].SubItems[SubKind] != QLatin1String("drv"))
    flags |= Qt::ItemIsEditable;
  return flags;
}

bool TZelvoRenameFileListView::setData(const QModelIndex &index, const QVariant &value, int role) {
  if (role != SelectedRole || !index.isValid() || index.row() >= Count())
    return false;
  SetSelected(index.row(), value.toBool());
  return true;
}

void TZelvoRenameFileListView::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= NumColumns())
    return;
  // SortByColumn sorts ascending on a new column and flips on the same one.
  m_sortColumn = column;
  m_sortDescending = order == Qt::AscendingOrder;
  SortByColumn(column);
}
