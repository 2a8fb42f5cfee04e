// Photo and music metadata kept from one refresh to the next while a file's size and modification time stay.
#pragma once

#include "variables/reader_records.h"

#include <QByteArray>
#include <QHash>

#include <optional>

// The records come from the media module (variables/media_readers.h), loaded on the first lookup.
// Each lookup checks the file's size and modification time (one stat); a file that changed, or that
// is seen for the first time, is read again. Files that cannot be examined are read every time.
class MetadataCache {
public:
  // The most files kept; beyond them the cache starts afresh.
  static constexpr qsizetype kMaxFiles = 50000;

  PhotoInfo Photo(const ReaderPath &path);
  MusicTagInfo Music(const ReaderPath &path);
  qsizetype size() const { return m_entries.size(); }

private:
  struct Entry {
    qint64 size = -1;
    qint64 modifiedNs = 0;
    std::optional<PhotoInfo> photo;
    std::optional<MusicTagInfo> music;
  };
  // The entry of the file, emptied when the file changed; nullptr when the file cannot be examined.
  Entry *Current(const ReaderPath &path);

  QHash<QByteArray, Entry> m_entries;
};
