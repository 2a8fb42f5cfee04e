// The names one read of a folder gave, packed, with how the folder stood: what a listing hands on to
// the checks that look names up, so that they need not read the folder again.
#pragma once

#include "platform/file_system.h"

#include <QByteArray>
#include <QByteArrayView>

#include <memory>
#include <vector>

struct FolderSnapshot {
  QByteArray folder; // native path ending with "/", as it was read
  FolderStamp stamp;
  std::vector<char> bytes;   // every name, one after another
  std::vector<quint32> ends; // where each name ends in bytes

  size_t size() const { return ends.size(); }
  QByteArrayView Name(size_t i) const {
    const quint32 start = i == 0 ? 0 : ends[i - 1];
    return QByteArrayView(bytes.data() + start, qsizetype(ends[i] - start));
  }
  void Add(QByteArrayView name) {
    bytes.insert(bytes.end(), name.begin(), name.end());
    ends.push_back(quint32(bytes.size()));
  }
};

using FolderSnapshots = std::vector<std::shared_ptr<const FolderSnapshot>>;

// The names of a listing, packed.
inline std::shared_ptr<const FolderSnapshot> SnapshotOf(const FolderListing &listing) {
  auto snapshot = std::make_shared<FolderSnapshot>();
  snapshot->folder = listing.Folder;
  snapshot->stamp = listing.Stamp;
  size_t total = 0;
  for (const FolderItem &item : listing.Items)
    total += size_t(item.Name.size());
  snapshot->bytes.reserve(total);
  snapshot->ends.reserve(listing.Items.size());
  for (const FolderItem &item : listing.Items)
    snapshot->Add(item.Name);
  return snapshot;
}
