// Files made and entries listed by the bytes of their paths, for the tests of renames on disk.
#pragma once

#include "engine/preview.h"
#include "engine/rename_run.h"
#include "explorer/file_list_entry.h"
#include "platform/name_codec.h"

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

// The lines with their keys, as a refresh of the window makes them; entries of one folder share its
// text, as the file list lists them.
inline Preview KeyedPreview(std::vector<FileListEntry> &entries, const QStringList &lines,
                            const RenameOptions &options = RenameOptions()) {
  for (size_t i = 1; i < entries.size(); ++i)
    if (entries[i].SubItems[SubFolder] == entries[i - 1].SubItems[SubFolder])
      entries[i].SubItems[SubFolder] = entries[i - 1].SubItems[SubFolder];
  Preview preview;
  preview.lZelvoList = lines;
  preview.PreviewValid = true;
  preview.Keys.Start(lines.size(), QHashSeed::globalSeed());
  NameBytes scratch(64);
  for (qsizetype i = 0; i < lines.size() && i < qsizetype(entries.size()); ++i)
    AddLineKey(preview.Keys, entries[size_t(i)], lines.at(i), IsExcludedFromRun(options, entries[size_t(i)]),
               scratch);
  return preview;
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
