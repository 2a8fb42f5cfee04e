// One row of the file list: what the rename engine reads for every listed file, folder or drive.
#pragma once

#include "explorer/file_list_sub_items.h"

#include <QByteArray>
#include <QString>

struct FileListEntry {
  QString Caption; // name with extension, without folder
  // The full path exactly as the file system holds it; it differs from the UTF-8 of sub-item 8
  // only for a name that is not valid UTF-8. Empty when the entry was not read from disk. (Beside
  // the caption and the folder, which a refresh reads with it, in the same bytes of memory.)
  QByteArray NativePath;
  // SubItems[i] reads and sets sub-item i. (The flags below may sit in its last bytes.)
  [[no_unique_address]] FileListSubItems SubItems;
  bool Selected = false;
  bool Focused = false;

  const QString &SubItem(FileListSubItem i) const { return SubItems[i]; }
  bool IsFolder() const { return SubItems.IsFolder(); }
  // The icon theme name of the item's icon.
  const QString &IconKey() const { return SubItems.IconKey(); }
  void SetIconKey(QString key) { SubItems.SetIconKey(std::move(key)); }
};

// Every listed item costs this much; long lists hold a hundred thousand.
static_assert(sizeof(FileListEntry) <= 112, "a file list entry grew");
