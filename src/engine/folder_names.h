// The names folders hold, read once and kept for later checks while the folder stays unchanged.
#pragma once

#include "platform/folder_snapshot.h"
#include "platform/safe_rename.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>

#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <vector>

// A hash of a file name, from a seed: eight bytes at a time, the last ones read overlapping.
inline size_t HashName(QByteArrayView name, size_t seed) {
  const char *p = name.data();
  size_t n = size_t(name.size());
  quint64 h = seed ^ (n * 0x9E3779B97F4A7C15ull), w = 0;
  auto mix = [&h](quint64 word) {
    h = (h ^ word) * 0xBF58476D1CE4E5B9ull;
    h ^= h >> 31;
  };
  for (; n > 8; p += 8, n -= 8) {
    std::memcpy(&w, p, 8);
    mix(w);
  }
  if (n == 8) {
    std::memcpy(&w, p, 8);
  } else if (n >= 4) {
    quint32 a, b;
    std::memcpy(&a, p, 4);
    std::memcpy(&b, p + n - 4, 4);
    w = (quint64(a) << 32) | b;
  } else if (n > 0) {
    w = (quint64(quint8(p[0])) << 16) | (quint64(quint8(p[n / 2])) << 8) | quint8(p[n - 1]);
  }
  mix(w);
  h *= 0x94D049BB133111EBull;
  return size_t(h ^ (h >> 29));
}

// Names spelt as stored, byte for byte (letter case counts), each in a numbered folder and given a
// position in the order they were added. The table keeps views: the bytes of every name must stay
// in place while it is used. The caller works out the hash of a name once and may look it up in
// several tables with it.
class NameTable {
public:
  explicit NameTable(qsizetype expected = 0) {
    size_t size = 16;
    while (size < size_t(expected) * 2)
      size *= 2;
    m_slots.resize(size);
    m_names.reserve(size_t(expected));
  }

  // The position of the name in the folder, added at the end when new.
  qsizetype Add(qint32 folder, QByteArrayView name, size_t hash) {
    const quint32 h = Mixed(folder, hash);
    size_t s = Probe(h, folder, name);
    if (m_slots[s].name != 0)
      return qsizetype(m_slots[s].name) - 1;
    if ((m_names.size() + 1) * 2 > m_slots.size()) {
      Grow();
      s = Probe(h, folder, name);
    }
    m_slots[s] = {h, quint32(m_names.size() + 1)};
    m_names.push_back({name.data(), qint32(name.size()), folder});
    return qsizetype(m_names.size()) - 1;
  }
  // The position of the name in the folder, or -1.
  qsizetype Find(qint32 folder, QByteArrayView name, size_t hash) const {
    return qsizetype(m_slots[Probe(Mixed(folder, hash), folder, name)].name) - 1;
  }
  // Whether a name of this hash may be in the folder: false means it is not, without reading a name.
  bool MayHold(qint32 folder, size_t hash) const {
    const quint32 h = Mixed(folder, hash);
    const size_t mask = m_slots.size() - 1;
    for (size_t s = h & mask; m_slots[s].name != 0; s = (s + 1) & mask)
      if (m_slots[s].hash == h)
        return true;
    return false;
  }
  // Asks for the slot a name would start from, ahead of Add or Find.
  void Prefetch(qint32 folder, size_t hash) const {
    __builtin_prefetch(&m_slots[Mixed(folder, hash) & (m_slots.size() - 1)]);
  }
  qsizetype size() const { return qsizetype(m_names.size()); }
  QByteArrayView Name(qsizetype position) const {
    const Key &k = m_names[size_t(position)];
    return QByteArrayView(k.data, k.size);
  }

private:
  struct Slot {
    quint32 hash = 0;
    quint32 name = 0; // position plus one; 0 when free
  };
  struct Key {
    const char *data;
    qint32 size;
    qint32 folder;
  };
  static quint32 Mixed(qint32 folder, size_t hash) { return quint32(hash) ^ (quint32(folder) * 0x9E3779B9u); }
  // The slot of the name, or the free one where it would go.
  size_t Probe(quint32 h, qint32 folder, QByteArrayView name) const {
    const size_t mask = m_slots.size() - 1;
    size_t s = h & mask;
    for (; m_slots[s].name != 0; s = (s + 1) & mask) {
      if (m_slots[s].hash != h)
        continue;
      const Key &k = m_names[m_slots[s].name - 1];
      if (k.folder == folder && k.size == name.size() &&
          std::memcmp(k.data, name.data(), size_t(k.size)) == 0)
        break;
    }
    return s;
  }
  void Grow();

  std::vector<Key> m_names;
  std::vector<Slot> m_slots; // a power of two, at most half full
};

// Whether the folder answers to a listed name with one letter in the other case that it does not
// list. A folder without a name holding a letter from a to z is taken to tell case apart. names
// are those the folder (a native path ending with "/") lists, in folder 0 of the table.
bool FolderIgnoresCase(const QByteArray &folder, const NameTable &names, size_t seed, FileSystemCalls &calls);

// What the conflict checks of one window or job know of the names of each folder, kept for the next
// check (the preview refreshes): handed over by the listing that read the folder, or read by a
// check. A folder is read again only when it has changed since. Whether it changed is told by its
// identity and times, which are trusted once the folder had been left alone for a while when it was
// read (a change within the same tick of the file system's clock would not move them); names read
// within that while are used by one check only.
class FolderNameCache {
public:
  // readFrom: a folder not known yet is read whole once a check has at least this many new names in
  // it, rather than looking each name up.
  explicit FolderNameCache(qsizetype readFrom = 64) : m_readFrom(readFrom) {}

  qsizetype ReadFrom() const { return m_readFrom; }
  // The hash of a name for the tables of this cache.
  size_t NameHash(QByteArrayView name) const { return HashName(name, m_seed); }

  // Takes the names a listing read, each in place of older names of its folder. Names offered
  // earlier and not used by any check since are forgotten.
  void Offer(FolderSnapshots snapshots);
  // The names the folder (a native path ending with "/", or empty for the current folder) lists,
  // in folder 0 of the table: kept while the folder is unchanged, else read now when read is true.
  // Null when not known, when the folder cannot be read, and where the folder ignores letter case
  // (so that a name must be looked up as such).
  const NameTable *Names(const QByteArray &folder, bool read, FileSystemCalls &calls);
  // Forgets the folders a check used but did not ask about since the last call.
  void ForgetUnasked();

private:
  struct Folder {
    std::shared_ptr<const FolderSnapshot> snapshot;
    bool trusted = false; // whether unchanged times mean an unchanged folder
    bool used = false;    // a check has used the names
    bool asked = true;
    bool built = false;       // table and ignoresCase are made
    bool ignoresCase = false; // the table is empty then
    NameTable names;          // views of the snapshot's bytes
  };
  static Folder Keep(std::shared_ptr<const FolderSnapshot> snapshot);
  const NameTable *Built(const QByteArray &folder, Folder &kept, FileSystemCalls &calls) const;

  qsizetype m_readFrom;
  size_t m_seed = QHashSeed::globalSeed();
  std::map<QByteArray, Folder> m_folders; // nodes stay put, so the tables handed out do
};
