// One row of the file list: what the rename engine reads for every listed file, folder or drive.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// Positions of the eleven text sub-items of an entry.
enum FileListSubItem : int {
  SubFolder = 0,     // folder holding the item, ending with "/" (for a drive: its type name)
  SubSize = 1,       // size in bytes, decimal digits ("0" for a folder)
  SubType = 2,       // the type name of the item
  SubExtension = 3,  // extension without the dot
  SubCreated = 4,    // creation time as date, blank, time
  SubModified = 5,   // last write time
  SubAccessed = 6,   // last access time
  SubAttributes = 7, // attribute letters
  SubFullPath = 8,   // folder followed by the caption (for a drive: its mount point)
  SubKind = 9,       // "dir", "file" or "drv"
  SubHidden = 10,    // "H" for a hidden item, else empty
  SubItemCount = 11
};

struct FileListEntry {
  QString Caption; // name with extension, without folder
  // The full path exactly as the file system holds it; it differs from the UTF-8 of sub-item 8
  // only for a name that is not valid UTF-8. Empty when the entry was not read from disk. (Beside
  // the caption and the folder, which a refresh reads with it, in the same bytes of memory.)
  QByteArray NativePath;
  std::array<QString, SubItemCount> SubItems;
  bool Selected = false;
  bool Focused = false;
  QString IconKey; // icon theme name of the item's icon

  const QString &SubItem(FileListSubItem i) const { return SubItems[i]; }
  bool IsFolder() const { return SubItems[SubKind] == QLatin1String("dir"); }
};
