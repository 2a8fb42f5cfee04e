#include "engine/folder_names.h"

#include <sys/stat.h>

void NameTable::Grow() {
  std::vector<Slot> old(m_slots.size() * 2);
  old.swap(m_slots);
  const size_t mask = m_slots.size() - 1;
  for (const Slot &slot : old) {
    if (slot.name == 0)
      continue;
    size_t s = slot.hash & mask;
    while (m_slots[s].name != 0)
      s = (s + 1) & mask;
    m_slots[s] = slot;
  }
}

namespace {

// A folder changed this long ago or longer is taken as unchanged while its times stay the same: a
// file system stamps changes with a clock of its own granularity (two seconds on FAT).
constexpr time_t kSettledAfterSeconds = 2;

bool Before(const timespec &a, const timespec &b) {
  return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

bool Same(const timespec &a, const timespec &b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

} // namespace

const ListedNames *FolderNameCache::Names(const QByteArray &folder, bool read, FileSystemCalls &calls) {
  auto it = m_folders.find(folder);
  if (it == m_folders.end() && !read)
    return nullptr;
  const char *path = folder.isEmpty() ? "." : folder.constData();
  struct stat st;
  const bool known = calls.Stat(path, st) == 0;
  if (it != m_folders.end()) {
    Folder &kept = it->second;
    kept.asked = true;
    if (known && kept.trusted && kept.device == st.st_dev && kept.inode == st.st_ino &&
        Same(kept.modified, st.st_mtim) && Same(kept.changed, st.st_ctim))
      return kept.ignoresCase ? nullptr : &kept.listing;
    if (!read) {
      m_folders.erase(it);
      return nullptr;
    }
    kept = Folder();
  } else {
    it = m_folders.emplace(folder, Folder()).first;
  }
  Folder &kept = it->second;
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  if (!ReadFolder(folder, kept, calls)) {
    m_folders.erase(it);
    return nullptr;
  }
  if (known) {
    kept.device = st.st_dev;
    kept.inode = st.st_ino;
    kept.modified = st.st_mtim;
    kept.changed = st.st_ctim;
    timespec settled = kept.modified;
    settled.tv_sec += kSettledAfterSeconds;
    kept.trusted = Before(settled, now);
  }
  return kept.ignoresCase ? nullptr : &kept.listing;
}

void FolderNameCache::ForgetUnasked() {
  for (auto it = m_folders.begin(); it != m_folders.end();) {
    if (!it->second.asked) {
      it = m_folders.erase(it);
    } else {
      it->second.asked = false;
      ++it;
    }
  }
}

bool FolderNameCache::ReadFolder(const QByteArray &folder, Folder &kept, FileSystemCalls &calls) const {
  // Every name with its end first, then the table over the bytes, which stay in place from then on.
  std::vector<char> &bytes = kept.bytes;
  std::vector<size_t> ends;
  const int error = calls.ReadFolderTypes(folder.isEmpty() ? "." : folder.constData(),
                                          [&](QByteArrayView name, unsigned char) {
                                            if (name == "." || name == "..")
                                              return;
                                            bytes.insert(bytes.end(), name.begin(), name.end());
                                            ends.push_back(bytes.size());
                                          });
  if (error != 0)
    return false;
  ListedNames &listing = kept.listing;
  NameTable &names = listing.names;
  names = NameTable(qsizetype(ends.size()));
  while ((size_t(1) << listing.wordBits) * 2 < ends.size()) // 32 bits of filter for each name
    ++listing.wordBits;
  listing.words.assign(size_t(1) << listing.wordBits, 0);
  size_t start = 0;
  for (const size_t end : ends) {
    const QByteArrayView name(bytes.data() + start, qsizetype(end - start));
    const size_t hash = NameHash(name);
    names.Add(0, name, hash);
    listing.Filter(quint32(hash));
    start = end;
  }
  kept.ignoresCase = IgnoresCase(folder, names, calls);
  if (kept.ignoresCase) {
    kept.listing = ListedNames();
    kept.bytes = {};
  }
  return true;
}

// Whether the folder answers to a listed name with one letter in the other case that it does not
// list. A folder without a name holding a letter from a to z is taken to tell case apart.
bool FolderNameCache::IgnoresCase(const QByteArray &folder, const NameTable &names,
                                  FileSystemCalls &calls) const {
  for (qsizetype p = 0; p < names.size(); ++p) {
    QByteArray other = names.Name(p).toByteArray();
    for (char &c : other) {
      if ((c | 0x20) < 'a' || (c | 0x20) > 'z')
        continue;
      c ^= 0x20;
      if (names.Find(0, other, NameHash(other)) >= 0)
        return false; // both spellings are there
      struct stat st;
      return calls.LStat((folder + other).constData(), st) == 0;
    }
  }
  return false;
}
