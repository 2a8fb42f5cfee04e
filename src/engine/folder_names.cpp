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

FolderNameCache::Folder FolderNameCache::Keep(std::shared_ptr<const FolderSnapshot> snapshot) {
  Folder kept;
  timespec settled = snapshot->stamp.Modified;
  settled.tv_sec += kSettledAfterSeconds;
  kept.trusted = snapshot->stamp.Known && Before(settled, snapshot->stamp.ReadAt);
  kept.snapshot = std::move(snapshot);
  return kept;
}

void FolderNameCache::Offer(FolderSnapshots snapshots) {
  if (snapshots.empty())
    return;
  std::erase_if(m_folders, [](const auto &folder) { return !folder.second.used; });
  for (std::shared_ptr<const FolderSnapshot> &snapshot : snapshots) {
    if (!snapshot || !snapshot->stamp.Known)
      continue; // nothing would tell whether the folder changed since
    const auto it = m_folders.find(snapshot->folder);
    if (it != m_folders.end() && !Before(it->second.snapshot->stamp.ReadAt, snapshot->stamp.ReadAt))
      continue;
    const QByteArray folder = snapshot->folder;
    m_folders.insert_or_assign(folder, Keep(std::move(snapshot)));
  }
}

const NameTable *FolderNameCache::Names(const QByteArray &folder, bool read, FileSystemCalls &calls) {
  auto it = m_folders.find(folder);
  if (it == m_folders.end() && !read)
    return nullptr;
  const char *path = folder.isEmpty() ? "." : folder.constData();
  struct stat st;
  const bool known = calls.Stat(path, st) == 0;
  if (it != m_folders.end()) {
    Folder &kept = it->second;
    kept.asked = true;
    const FolderStamp &stamp = kept.snapshot->stamp;
    if (known && stamp.Known && stamp.Device == st.st_dev && stamp.Inode == st.st_ino &&
        Same(stamp.Modified, st.st_mtim) && Same(stamp.Changed, st.st_ctim) && (kept.trusted || !kept.used)) {
      kept.used = true;
      return Built(folder, kept, calls);
    }
    if (!read) {
      m_folders.erase(it);
      return nullptr;
    }
  }
  // Read now, the times first: a change while it reads moves them past those kept.
  auto snapshot = std::make_shared<FolderSnapshot>();
  snapshot->folder = folder;
  if (known) {
    FolderStamp &stamp = snapshot->stamp;
    stamp.Known = true;
    stamp.Device = st.st_dev;
    stamp.Inode = st.st_ino;
    stamp.Modified = st.st_mtim;
    stamp.Changed = st.st_ctim;
    ::clock_gettime(CLOCK_REALTIME, &stamp.ReadAt);
  }
  const int error = calls.ReadFolderTypes(path, [&](QByteArrayView name, unsigned char) {
    if (name != "." && name != "..")
      snapshot->Add(name);
  });
  if (error != 0) {
    if (it != m_folders.end())
      m_folders.erase(it);
    return nullptr;
  }
  Folder &kept = m_folders.insert_or_assign(folder, Keep(std::move(snapshot))).first->second;
  kept.used = true;
  return Built(folder, kept, calls);
}

const NameTable *FolderNameCache::Built(const QByteArray &folder, Folder &kept,
                                        FileSystemCalls &calls) const {
  if (!kept.built) {
    const FolderSnapshot &snapshot = *kept.snapshot;
    kept.names = NameTable(qsizetype(snapshot.size()));
    for (size_t i = 0; i < snapshot.size(); ++i) {
      const QByteArrayView name = snapshot.Name(i);
      kept.names.Add(0, name, NameHash(name));
    }
    kept.ignoresCase = FolderIgnoresCase(folder, kept.names, m_seed, calls);
    if (kept.ignoresCase)
      kept.names = NameTable();
    kept.built = true;
  }
  return kept.ignoresCase ? nullptr : &kept.names;
}

void FolderNameCache::ForgetUnasked() {
  for (auto it = m_folders.begin(); it != m_folders.end();) {
    if (!it->second.asked && it->second.used) {
      it = m_folders.erase(it);
    } else {
      it->second.asked = false;
      ++it;
    }
  }
}

bool FolderIgnoresCase(const QByteArray &folder, const NameTable &names, size_t seed,
                       FileSystemCalls &calls) {
  for (qsizetype p = 0; p < names.size(); ++p) {
    QByteArray other = names.Name(p).toByteArray();
    for (char &c : other) {
      if ((c | 0x20) < 'a' || (c | 0x20) > 'z')
        continue;
      c ^= 0x20;
      if (names.Find(0, other, HashName(other, seed)) >= 0)
        return false; // both spellings are there
      struct stat st;
      return calls.LStat((folder + other).constData(), st) == 0;
    }
  }
  return false;
}
