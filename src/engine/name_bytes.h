// New names as the bytes a file would be given: written one after another, checked for what a name
// may not hold.
#pragma once

#include "explorer/file_list_entry.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <memory>

// New names, one after another, written in place.
class NameBytes {
public:
  explicit NameBytes(size_t expected)
      : m_bytes(std::make_unique_for_overwrite<char[]>(expected)), m_capacity(expected) {}
  // Room for at least n more bytes after the names taken.
  char *Room(size_t n) { return m_used + n <= m_capacity ? m_bytes.get() + m_used : Grow(n); }
  void Took(size_t n) { m_used += n; }
  void Clear() { m_used = 0; }
  size_t size() const { return m_used; }
  QByteArrayView View(size_t at, size_t n) const { return QByteArrayView(m_bytes.get() + at, qsizetype(n)); }

private:
  char *Grow(size_t n);

  std::unique_ptr<char[]> m_bytes;
  size_t m_capacity;
  size_t m_used = 0;
};

// The name a line gives on disk, as NameOnDisk, without a copy.
inline QStringView NameOfLine(const QString &line, const QString &oldName) {
  if (!line.isEmpty() && line.back() == u'.' && (oldName.isEmpty() || oldName.back() != u'.'))
    return QStringView(line).chopped(1);
  return line;
}

// Whether the entry is a drive, which no run renames.
inline bool IsDrive(const FileListEntry &entry) {
  const QString &kind = entry.SubItem(SubKind);
  return kind.size() == 3 && kind == QLatin1String("drv");
}

// When a name may be given to a file (as IsAllowedFileName), writes its bytes (EncodeName) after the
// names taken and returns its size; else -1. ascii tells whether every character was below 0x80.
qsizetype WriteAllowedName(QStringView name, NameBytes &bytes, bool &ascii);
