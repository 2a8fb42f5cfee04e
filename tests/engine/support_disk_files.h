// Files made and entries listed by the bytes of their paths, for the tests of renames on disk.
#pragma once

#include "engine/preview.h"
#include "engine/rename_run.h"
#include "explorer/file_list_entry.h"
#include "platform/folder_snapshot.h"
#include "platform/name_codec.h"
#include "platform/platform.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cstdio>

// A listed entry for a name in folder, as the file list makes it from disk.
inline FileListEntry Entry(const QByteArray &folder, const QByteArray &name) {
  FileListEntry e;
  e.Caption = DecodeName(name);
  e.SubItems[SubFolder] = DecodeName(folder);
  e.SubItems[SubFullPath] = DecodeName(folder + name);
  e.NativePath = folder + name;
  QFileInfo info(QFile::decodeName(folder + name));
  e.SubItems[SubKind] = info.isDir() ? QStringLiteral("dir") : QStringLiteral("file");
  return e;
}

// The names of the folders as the file list's listing hands them on.
inline FolderSnapshots ListedSnapshots(const QByteArrayList &folders) {
  FolderSnapshots snapshots;
  for (const QByteArray &folder : folders)
    if (const auto listing = DefaultPlatform().Files->ReadFolder(folder))
      snapshots.push_back(SnapshotOf(*listing));
  return snapshots;
}

// Made by the bytes of the path, so that names that are not valid UTF-8 work too.
inline void Make(const QByteArray &path, const QByteArray &content) {
  FILE *f = std::fopen(path.constData(), "wb");
  QVERIFY(f);
  std::fwrite(content.constData(), 1, content.size(), f);
  std::fclose(f);
}

// The content of a file named by the bytes of its path; "<missing>" when it cannot be opened.
inline QByteArray ContentOf(const QByteArray &path) {
  FILE *f = std::fopen(path.constData(), "rb");
  if (!f)
    return "<missing>";
  QByteArray content;
  char buffer[4096];
  while (const size_t n = std::fread(buffer, 1, sizeof buffer, f))
    content.append(buffer, qsizetype(n));
  std::fclose(f);
  return content;
}
