#include "variables/metadata_cache.h"

#include "variables/media_readers.h"

#include <sys/stat.h>

MetadataCache::Entry *MetadataCache::Current(const ReaderPath &path) {
  struct stat info {};
  if (path.native.isEmpty() || path.native.contains('\0') || ::stat(path.native.constData(), &info) != 0 ||
      !S_ISREG(info.st_mode))
    return nullptr;
  const qint64 modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
  auto it = m_entries.find(path.native);
  if (it == m_entries.end()) {
    if (m_entries.size() >= kMaxFiles)
      m_entries.clear();
    it = m_entries.insert(path.native, Entry());
  }
  Entry &entry = it.value();
  if (entry.size != qint64(info.st_size) || entry.modifiedNs != modifiedNs)
    entry = Entry{qint64(info.st_size), modifiedNs, std::nullopt, std::nullopt};
  return &entry;
}

PhotoInfo MetadataCache::Photo(const ReaderPath &path) {
  Entry *entry = Current(path);
  if (!entry)
    return LoadedMediaReaders().readPhoto(path).value;
  if (!entry->photo)
    entry->photo = LoadedMediaReaders().readPhoto(path).value;
  return *entry->photo;
}

MusicTagInfo MetadataCache::Music(const ReaderPath &path) {
  Entry *entry = Current(path);
  if (!entry)
    return LoadedMediaReaders().readMusic(path).value;
  if (!entry->music)
    entry->music = LoadedMediaReaders().readMusic(path).value;
  return *entry->music;
}
