// A table from byte strings to positions, for the run's look-ups of many names at once.
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <QByteArray>

#include "engine/path_list.h"

#include <cstring>
#include <span>
#include <vector>

// Open addressing over views of keys the caller keeps alive; no allocation per key. Each slot keeps
// part of its key's hash beside the key's number, so a probe reads another key only when that part
// matches: a look-up of an absent name touches one slot. Callers that look many names up may hash
// them once (Hash) and ask for the slots ahead (Prefetch).
class NameIndex {
public:
  explicit NameIndex(size_t count) {
    size_t size = 16;
    while (size < count * 2)
      size *= 2;
    m_slots.assign(size, Slot{0, -1});
    m_keys.reserve(count);
  }

  // A hash of a name's bytes, eight at a time: names of one folder mostly differ in a few bytes
  // near their ends, which every bit of the result depends on.
  static size_t Hash(QByteArrayView key) {
    const char *p = key.data();
    size_t n = size_t(key.size());
    quint64 h = 0x9E3779B97F4A7C15ull ^ n;
    quint64 w;
    for (; n >= 8; n -= 8, p += 8) {
      std::memcpy(&w, p, 8);
      h = (h ^ w) * 0xFF51AFD7ED558CCDull;
      h ^= h >> 32;
    }
    if (n > 0) {
      w = 0;
      std::memcpy(&w, p, n);
      h = (h ^ w) * 0xFF51AFD7ED558CCDull;
    }
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 33;
    return size_t(h);
  }

  void Prefetch(size_t hash) const { __builtin_prefetch(&m_slots[hash & (m_slots.size() - 1)]); }

  // The part of a hash a slot keeps beside its key: the high bits of it.
  static quint32 Tag(size_t hash) { return quint32(quint64(hash) >> 32) ^ quint32(hash >> 7); }

  // The position already given to key, or -1 after giving it position.
  qsizetype AddFirst(QByteArrayView key, qsizetype position) { return AddFirst(key, Hash(key), position); }
  qsizetype AddFirst(QByteArrayView key, size_t hash, qsizetype position) {
    const quint32 tag = Tag(hash);
    size_t s = hash & (m_slots.size() - 1);
    for (; m_slots[s].key >= 0; s = (s + 1) & (m_slots.size() - 1))
      if (m_slots[s].tag == tag && m_keys[size_t(m_slots[s].key)].key == key)
        return m_keys[size_t(m_slots[s].key)].position;
    m_slots[s] = Slot{tag, qint32(m_keys.size())};
    m_keys.push_back({key, position});
    return -1;
  }

  // The position of key, or -1.
  qsizetype Find(QByteArrayView key) const { return Find(key, Hash(key)); }
  qsizetype Find(QByteArrayView key, size_t hash) const {
    const quint32 tag = Tag(hash);
    for (size_t s = hash & (m_slots.size() - 1); m_slots[s].key >= 0; s = (s + 1) & (m_slots.size() - 1))
      if (m_slots[s].tag == tag && m_keys[size_t(m_slots[s].key)].key == key)
        return m_keys[size_t(m_slots[s].key)].position;
    return -1;
  }

private:
  struct Slot {
    quint32 tag; // the high bits of the key's hash
    qint32 key;  // index into m_keys, -1 when free
  };
  struct Key {
    QByteArrayView key;
    qsizetype position;
  };

  std::vector<Slot> m_slots;
  std::vector<Key> m_keys;
};

// The same for names that stand in one list the caller keeps alive, each known by its position
// there: a slot holds the position alone, which is half the memory of a NameIndex for a big run.
class ListNameIndex {
public:
  ListNameIndex(PathList names) : m_names(names) {
    size_t size = 16;
    while (size < names.size() * 2)
      size *= 2;
    m_slots.assign(size, Slot{0, -1});
  }

  void Prefetch(size_t hash) const { __builtin_prefetch(&m_slots[hash & (m_slots.size() - 1)]); }

  // The position already given to the name at position (hashed as hash), or -1 after giving it
  // that position.
  qsizetype AddFirst(qsizetype position, size_t hash) {
    const QByteArrayView key = m_names[size_t(position)];
    const quint32 tag = NameIndex::Tag(hash);
    size_t s = hash & (m_slots.size() - 1);
    for (; m_slots[s].position >= 0; s = (s + 1) & (m_slots.size() - 1))
      if (m_slots[s].tag == tag && m_names[size_t(m_slots[s].position)] == key)
        return m_slots[s].position;
    m_slots[s] = Slot{tag, qint32(position)};
    return -1;
  }

  // The position of key, or -1.
  qsizetype Find(QByteArrayView key, size_t hash) const {
    const quint32 tag = NameIndex::Tag(hash);
    for (size_t s = hash & (m_slots.size() - 1); m_slots[s].position >= 0; s = (s + 1) & (m_slots.size() - 1))
      if (m_slots[s].tag == tag && m_names[size_t(m_slots[s].position)] == key)
        return m_slots[s].position;
    return -1;
  }

private:
  struct Slot {
    quint32 tag;
    qint32 position; // -1 when free
  };

  PathList m_names;
  std::vector<Slot> m_slots;
};
