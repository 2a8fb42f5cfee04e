// Builds file list entries for engine tests without touching the disk.
#pragma once

#include "explorer/file_list_entry.h"

#include <QStringList>

#include <vector>

inline FileListEntry MakeEntry(const QString &caption, const QString &folder = QStringLiteral("/pics/"),
                               bool isFolder = false, bool selected = false) {
  FileListEntry e;
  e.Caption = caption;
  e.SubItems[SubFolder] = folder;
  e.SubItems[SubFullPath] = folder + caption;
  e.SubItems[SubKind] = isFolder ? QStringLiteral("dir") : QStringLiteral("file");
  e.Selected = selected;
  return e;
}

inline std::vector<FileListEntry> MakeEntries(const QStringList &captions,
                                              const QString &folder = QStringLiteral("/pics/")) {
  std::vector<FileListEntry> entries;
  for (const QString &c : captions)
    entries.push_back(MakeEntry(c, folder));
  return entries;
}
