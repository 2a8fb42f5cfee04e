// What one reload of the file list remembers while it runs: the folder last read, type names by
// extension and recent date texts. Private to the file list.
#pragma once

#include "explorer/file_list_view.h"
#include "platform/file_system.h"
#include "platform/folder_snapshot.h"
#include "platform/text_blocks.h"
#include "platform/type_names.h"

#include <QHash>

#include <array>
#include <optional>

struct TZelvoRenameFileListView::Listing {
  Listing(const Platform &platform, const DateTimeFormats &formats, const ExplorerTexts &texts,
          FolderSnapshots &snapshots);

  // The folder's listing; the last one read is kept, so that listing a folder once per pattern (and
  // once more for its subfolders) reads it once. Null when the folder cannot be read. The names of
  // every read go to snapshots.
  FolderListing *ListingFor(const QByteArray &folder);
  // The type of an item: per extension for files, per kind otherwise; each asked once per reload.
  // sharedExtension receives a copy of extension shared by every entry.
  const TypeInfo &TypeFor(ItemKind kind, QStringView extension, QString &sharedExtension);
  QString DateText(const FileTime &time);
  QString SizeText(std::uint64_t size);

  const Platform &platform;
  const DateTimeFormats &formats;
  const ExplorerTexts &texts;
  FolderSnapshots &snapshots;
  QByteArray cachedFolder;
  std::unique_ptr<FolderListing> cached;
  QHash<QString, TypeInfo> byExtension;
  std::array<std::optional<TypeInfo>, 8> byKind;
  struct DateSlot {
    std::int64_t key = INT64_MIN;
    QString text;
  };
  std::array<DateSlot, 256> dates;
  bool datesToTheMinute = true;       // the date texts show no seconds
  const TypeInfo *lastType = nullptr; // the type of the last file, and its extension
  QString lastExtension;
  std::uint64_t lastSize = ~std::uint64_t(0);
  QString lastSizeText;
  TextBlocks names; // the names and paths of the entries
};
