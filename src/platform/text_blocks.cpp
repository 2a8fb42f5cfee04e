#include "platform/text_blocks.h"

#include "platform/name_codec.h"

#include <cstring>

namespace {

constexpr qsizetype kBlockBytes = 64 * 1024;

bool IsAscii(QByteArrayView bytes) {
  for (const char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80)
      return false;
  return true;
}

} // namespace

template <typename T> T *TextBlocks::Block<T>::Room(qsizetype n) {
  constexpr qsizetype units = kBlockBytes / qsizetype(sizeof(T));
  if (n + 1 > units / 16)
    return nullptr; // a long text would leave much of a block unused
  if (!owner.d_ptr() || used + n + 1 > owner.constAllocatedCapacity()) {
    owner = QArrayDataPointer<T>(QTypedArrayData<T>::allocate(units));
    used = 0;
  }
  return owner.data() + used;
}

template <typename T> QArrayDataPointer<T> TextBlocks::Block<T>::Take(qsizetype n) {
  T *at = owner.data() + used;
  at[n] = T(0);
  used += n + 1;
  owner.d_ptr()->ref();
  return QArrayDataPointer<T>(owner.d_ptr(), at, n);
}

QString TextBlocks::Decode(QByteArrayView name) {
  if (!IsAscii(name))
    return Add(DecodeName(name));
  char16_t *at = name.isEmpty() ? nullptr : m_chars.Room(name.size());
  if (!at)
    return DecodeName(name);
  for (qsizetype i = 0; i < name.size(); ++i)
    at[i] = char16_t(static_cast<unsigned char>(name[i]));
  return QString(m_chars.Take(name.size()));
}

QString TextBlocks::Add(QStringView text) {
  char16_t *at = text.isEmpty() ? nullptr : m_chars.Room(text.size());
  if (!at)
    return text.toString();
  std::memcpy(at, text.utf16(), size_t(text.size()) * sizeof(char16_t));
  return QString(m_chars.Take(text.size()));
}

QString TextBlocks::Concatenated(std::initializer_list<QStringView> parts) {
  qsizetype n = 0;
  for (const QStringView part : parts)
    n += part.size();
  char16_t *at = n == 0 ? nullptr : m_chars.Room(n);
  if (!at) {
    QString text;
    text.reserve(n);
    for (const QStringView part : parts)
      text += part;
    return text;
  }
  for (const QStringView part : parts) {
    if (!part.isEmpty())
      std::memcpy(at, part.utf16(), size_t(part.size()) * sizeof(char16_t));
    at += part.size();
  }
  return QString(m_chars.Take(n));
}

QByteArray TextBlocks::Encoded(QByteArrayView folder, QStringView name) {
  const qsizetype n = folder.size() + name.size();
  const char16_t *from = name.utf16();
  for (qsizetype i = 0; i < name.size(); ++i)
    if (from[i] >= 0x80) // beyond ASCII: the general encoding
      return Joined(folder, EncodeName(name));
  char *at = n == 0 ? nullptr : m_bytes.Room(n);
  if (!at)
    return EncodeNameAfter(folder, name);
  if (!folder.isEmpty())
    std::memcpy(at, folder.data(), size_t(folder.size()));
  for (qsizetype i = 0; i < name.size(); ++i)
    at[folder.size() + i] = char(from[i]);
  return QByteArray(m_bytes.Take(n));
}

QByteArray TextBlocks::Joined(QByteArrayView folder, QByteArrayView name) {
  const qsizetype n = folder.size() + name.size();
  char *at = n == 0 ? nullptr : m_bytes.Room(n);
  if (!at)
    return JoinedPath(folder, name);
  if (!folder.isEmpty())
    std::memcpy(at, folder.data(), size_t(folder.size()));
  if (!name.isEmpty())
    std::memcpy(at + folder.size(), name.data(), size_t(name.size()));
  return QByteArray(m_bytes.Take(n));
}
