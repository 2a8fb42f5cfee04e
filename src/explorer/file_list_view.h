// The file list as an item model: the entries of one folder (or one per drive), their columns,
// listing rules and sort order. The list widget shows it; the rename engine reads its entries.
#pragma once

#include "explorer/date_time_formats.h"
#include "explorer/explorer_texts.h"
#include "explorer/file_list_entry.h"
#include "platform/folder_snapshot.h"
#include "platform/platform.h"

#include <QAbstractTableModel>
#include <QFlags>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// Attributes an entry may carry (the FileType filter).
enum TFileAttr : std::uint8_t {
  ftReadOnly = 0x01,
  ftHidden = 0x02,
  ftSystem = 0x04,
  ftArchive = 0x08,
  ftNormal = 0x10,
};
Q_DECLARE_FLAGS(TFileType, TFileAttr)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFileType)

// The attribute bit (Attr... constants) that a member of the filter stands for.
std::uint32_t FileAttrBits(TFileAttr attr);
// The OR of the bits of every member.
std::uint32_t FileAttrBits(TFileType type);

// Order of day, month and year in the date columns.
enum TDTFormat : std::uint8_t { dfMDY = 0x01, dfDMY = 0x02, dfYMD = 0x04 };
Q_DECLARE_FLAGS(TDateFormat, TDTFormat)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDateFormat)

// One column of the list.
struct FileListColumn {
  QString Caption;
  int Width = 0;
  Qt::Alignment Alignment = Qt::AlignLeft;
};

class TZelvoRenameFileListView : public QAbstractTableModel {
  Q_OBJECT
public:
  // Roles beyond the display texts.
  enum Role {
    IconKeyRole = Qt::UserRole + 1, // QString: icon theme name of the row's icon (column 0)
    HiddenRole,                     // bool: the item is hidden (shown dimmed)
    KindRole,                       // QString: "dir", "file" or "drv"
    SelectedRole,                   // bool: the entry's selected state
    ColumnWidthRole,                // header data, int: the column's width
  };
  static constexpr int kFolderColumnCount = 9;
  static constexpr int kDriveColumnCount = 2;
  static constexpr int kColumnWidthSlotCount = 11; // nine folder-view widths, then two drives-view ones

  // The platform defaults to the running system's; tests pass their own.
  explicit TZelvoRenameFileListView(QObject *parent = nullptr, const Platform *platform = nullptr);
  ~TZelvoRenameFileListView() override;

  // Everything that decides what a reload lists, for SetUp.
  struct ListSetUp {
    QString directory; // an existing folder
    QString mask = QStringLiteral("*.*");
    bool showFolders = true;
    bool showFilenames = true;
    bool workWithFolders = false;
    bool recurse = false;
    bool viewTexts = true; // false: entries get no type names, full path texts or icons (ViewTexts)
  };

  // ---- Properties. Setters of listing properties reload when the value changes.
  // Sets every listing property at once and lists the folder (read once, subfolders too when
  // recursing). False, with the list left as it was, when the folder does not exist.
  bool SetUp(const ListSetUp &setUp);
  const QString &Directory() const { return m_directory; }
  // An existing folder (stored ending with "/", made the process's current folder) or "Drives".
  // Anything else leaves the list as it is. Turns recursion off.
  void SetDirectory(const QString &directory);
  const QString &Mask() const { return m_mask; }
  void SetMask(const QString &mask);
  TFileType FileType() const { return m_fileType; }
  void SetFileType(TFileType type);
  bool ShowFolders() const { return m_showFolders; }
  void SetShowFolders(bool on);
  bool ShowFilenames() const { return m_showFilenames; }
  void SetShowFilenames(bool on);
  bool WorkWithFolders() const { return m_workWithFolders; }
  void SetWorkWithFolders(bool on);
  bool RecurseDirs() const { return m_recurseDirs; }
  void SetRecurseDirs(bool on);
  TDateFormat DateFormat() const { return m_dateFormat; }
  void SetDateFormat(TDateFormat format);
  int Language() const { return m_language; }
  void SetLanguage(int language);
  // This list's texts (captions, drive types, the no-disk message), of its Language.
  const ExplorerTexts &Texts() const { return *m_texts; }
  // The formats of this list's date columns. Changing them takes effect at the next reload.
  const DateTimeFormats &Formats() const { return m_formats; }
  DateTimeFormats &Formats() { return m_formats; }
  // The platform services the list reads through.
  const Platform &Services() const { return *m_platform; }
  // Whether a reload reads each item's size, times and write permission. Without them only names
  // and kinds are listed: the size, type, date and attribute sub-items stay empty and every item
  // counts as writable. That is all a rename without variables needs. Does not reload.
  bool ReadDetails() const { return m_readDetails; }
  void SetReadDetails(bool on) { m_readDetails = on; }
  // Whether entries get the texts only a view shows: the type name, the full path text and the icon
  // (SubType, SubFullPath, IconKey stay empty without). A job that renames by names alone needs none.
  bool ViewTexts() const { return m_viewTexts; }
  // View behaviour, kept for the list widget.
  bool ReadOnly = false; // no renaming of entries in place
  bool DimmHiddenFiles = true;
  bool ShowColumnIcon = true;
  bool DblClickEnabled = true;

  int NumFiles() const { return m_numFiles; }
  int NumFolders() const { return m_numFolders; }
  int NumColumns() const { return int(m_columns.size()); }
  // Selected entries, or all entries when none is selected.
  int SelectedNumber() const;
  int SortColumn() const { return m_sortColumn; }
  bool SortDescending() const { return m_sortDescending; }
  bool IsDrivesView() const;

  // ---- Columns.
  const std::vector<FileListColumn> &Columns() const { return m_columns; }
  int ColumnWidth(int column) const;
  void SetColumnWidth(int column, int width);
  std::array<int, kColumnWidthSlotCount> &ColumnWidthSlots() { return m_widthSlots; }
  void BuildFileColumns();
  void BuildDriveColumns();

  // ---- Listing.
  void Reload();
  // Whether the list has read its folder (or the drives) at least once; until then it shows the
  // folder view's columns, whatever its directory.
  bool EverListed() const { return m_everListed; }
  // Adds the items of the listed folder that match a name pattern (a pattern with a folder part lists
  // that folder) and pass the attribute mask (Attr... bits); whether any entry was added.
  bool AddEntries(const QString &pattern, std::uint32_t attributeMask);
  // Adds the files of every subfolder of folder, depth first, without following symbolic links.
  void AddSubfolderFiles(const QString &folder, const QString &mask, std::uint32_t fileMask,
                         std::uint32_t folderMask);
  // Adds one entry per mounted volume.
  void ListDrives();
  // The names of every folder read since the last reload began, each handed over once: a conflict
  // check takes them rather than reading the folders again.
  FolderSnapshots TakeFolderSnapshots() { return std::exchange(m_snapshots, {}); }

  // ---- Order.
  // Negative, zero or positive: the order of two entries under the current sort column and direction.
  int CompareEntries(const FileListEntry &a, const FileListEntry &b) const;
  // Sorts by a column: the same column again reverses the order, another one sorts ascending.
  void SortByColumn(int column);

  // ---- Entries, in display order.
  const std::vector<FileListEntry> &Entries() const { return m_entries; }
  int Count() const { return int(m_entries.size()); }
  const FileListEntry &Entry(int index) const { return m_entries[size_t(index)]; }
  void SetSelected(int index, bool selected);
  // Rows first to last, at once.
  void SetSelectedRange(int first, int last, bool selected);
  void ClearSelection();
  std::vector<int> SelectedIndexes() const;
  // The focused entry, or -1; setting one clears the focus of every other.
  int FocusedIndex() const;
  void SetFocused(int index);

  // ---- Item model.
  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;
  bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

signals:
  // End of every reload.
  void OnAddFiles(TZelvoRenameFileListView *sender);
  // After every sort, including the one that ends each reload.
  void OnRecienOrdenado(TZelvoRenameFileListView *sender);
  // Start of a reload (the widget shows the busy cursor until OnAddFiles).
  void ReloadStarted(TZelvoRenameFileListView *sender);

private:
  struct Listing;
  void SetColumns(std::vector<FileListColumn> columns);
  void ApplyColumnCaptions();
  void SaveColumnWidths();
  void AppendEntries(std::vector<FileListEntry> &&added);
  bool AddEntriesIn(const QString &folder, const QByteArray &nativeFolder, const QString &pattern,
                    std::uint32_t mask, std::vector<FileListEntry> &out);
  void WalkSubfolders(const QString &folder, const QByteArray &nativeFolder, const QStringList &patterns,
                      std::uint32_t fileMask, std::uint32_t folderMask, std::vector<FileListEntry> &out);
  void SortEntries();

  const Platform *m_platform;
  QString m_directory = QStringLiteral("Drives");
  QString m_mask = QStringLiteral("*.*");
  TFileType m_fileType = TFileType(ftReadOnly | ftHidden | ftSystem | ftArchive | ftNormal);
  bool m_showFolders = true;
  bool m_showFilenames = true;
  bool m_workWithFolders = false;
  bool m_recurseDirs = false;
  bool m_readDetails = true;
  bool m_viewTexts = true;
  TDateFormat m_dateFormat = dfDMY;
  int m_language = 0;
  const ExplorerTexts *m_texts = &ExplorerTextsOf(0);
  DateTimeFormats m_formats;
  int m_numFiles = 0;
  int m_numFolders = 0;
  int m_sortColumn = 0;
  bool m_sortDescending = true;
  bool m_inReset = false;
  bool m_everListed = false;
  std::array<int, kColumnWidthSlotCount> m_widthSlots = {160, 160, 90, 120, 70, 80, 80, 80, 80, 160, 160};
  std::vector<FileListColumn> m_columns;
  std::vector<FileListEntry> m_entries;
  std::unique_ptr<Listing> m_listing; // caches of one reload
  FolderSnapshots m_snapshots;        // the names of the folders read, until taken
};
