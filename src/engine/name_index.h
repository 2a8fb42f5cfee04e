// A table from byte strings to positions, for the run's look-ups of many names at once.
#pragma once

#include <QByteArrayView>
#include <QHashFunctions>

#include <vector>

// Open addressing over views of keys the caller keeps alive; no allocation per key.
class NameIndex {
public:
  explicit NameIndex(size_t count) {
    size_t size = 16;
    while (size < count * 2)
      size *= 2;
    m_slots.assign(size, -1);
    m_keys.reserve(count);
  }

  // The position already given to key, or -1 after giving it position.
  qsizetype AddFirst(QByteArrayView key, qsizetype position) {
    size_t s = Home(key);
    for (; m_slots[s] >= 0; s = (s + 1) & (m_slots.size() - 1))
      if (m_keys[size_t(m_slots[s])].key == key)
        return m_keys[size_t(m_slots[s])].position;
    m_slots[s] = qsizetype(m_keys.size());
    m_keys.push_back({key, position});
    return -1;
  }

  // The position of key, or -1.
  qsizetype Find(QByteArrayView key) const {
    for (size_t s = Home(key); m_slots[s] >= 0; s = (s + 1) & (m_slots.size() - 1))
      if (m_keys[size_t(m_slots[s])].key == key)
        return m_keys[size_t(m_slots[s])].position;
    return -1;
  }

private:
  struct Key {
    QByteArrayView key;
    qsizetype position;
  };
  size_t Home(QByteArrayView key) const { return qHash(key, 0) & (m_slots.size() - 1); }

  std::vector<qsizetype> m_slots; // index into m_keys, -1 when free
  std::vector<Key> m_keys;
};
