#include "engine/path_arena.h"

#include "platform/name_codec.h"

#include <algorithm>
#include <cstring>

QByteArray PathArena::Add(QByteArrayView folder, QStringView name) {
  // A UTF-16 unit takes at most three bytes of UTF-8.
  const size_t folderSize = size_t(folder.size());
  char *at = Room(folderSize + size_t(name.size()) * 3 + 1);
  if (folderSize > 0)
    std::memcpy(at, folder.data(), folderSize);
  char *out = at + folderSize;
  const char16_t *from = name.utf16();
  qsizetype i = 0;
  for (; i < name.size() && from[i] < 0x80; ++i)
    out[i] = char(from[i]);
  size_t length = folderSize + size_t(i);
  if (i < name.size()) { // beyond ASCII: the general encoding
    const QByteArray encoded = EncodeName(name);
    std::memcpy(out, encoded.constData(), size_t(encoded.size()));
    length = folderSize + size_t(encoded.size());
  }
  at[length] = '\0';
  m_next += length + 1;
  m_left -= length + 1;
  return QByteArray::fromRawData(at, qsizetype(length));
}

char *PathArena::Room(size_t most) {
  constexpr size_t kBlock = 64 * 1024;
  if (m_left < most) {
    const size_t size = std::max(kBlock, most);
    m_blocks.push_back(std::make_unique_for_overwrite<char[]>(size));
    m_next = m_blocks.back().get();
    m_left = size;
  }
  return m_next;
}

QByteArray OwnedBytes(const QByteArray &bytes) {
  // Bytes that point into memory of another (or into the program) hold no room of their own.
  if (bytes.capacity() >= bytes.size())
    return bytes;
  return QByteArray(bytes.constData(), bytes.size());
}
