// What the conflict check needs of each preview line, worked out by the refresh while the line and
// its entry are at hand, so that the check on every keystroke reads a few bytes per line.
#pragma once

#include "explorer/file_list_entry.h"

#include <QByteArrayView>
#include <QString>

#include <memory>
#include <vector>

// What a rename run would do with a line, as far as the line and its entry tell.
enum class LineKeyState : quint8 {
  Move,       // a new name, allowed, other than the old one
  Unchanged,  // the entry keeps its name
  NotAllowed, // not a name a file may have
  Excluded,   // a folder the run leaves alone
  Made,       // an entry not read from disk: its path is worked out by the check
};

struct LineKey {
  quint32 hash = 0; // HashName of the new name's bytes (Move only)
  LineKeyState state = LineKeyState::Move;
  bool runStart = false; // the entry's folder text is not the one of the entry before
};

// The parts a check sorts the new names of count lines into, by the high bits of their hashes: as
// many bits as keep about a thousand lines in a part.
inline int KeyPartBits(qsizetype count) {
  int bits = 0;
  while ((qsizetype(1) << bits) * 1024 < count)
    ++bits;
  return bits;
}
inline quint32 KeyPart(quint32 hash, int bits) {
  return bits == 0 ? 0u : hash >> (32 - bits);
}

// The keys of one refresh, line by line, with the seed of their hashes, and how many new names fall
// in each part.
struct LineKeys {
  std::vector<LineKey> keys;
  size_t seed = 0;
  int partBits = 0;
  std::vector<quint32> partSizes;        // 1 << partBits of them
  const QChar *lastFolderText = nullptr; // the folder text of the last entry keyed

  // Starts the keys of a refresh of count lines.
  void Start(qsizetype count, size_t hashSeed) {
    keys.clear();
    keys.reserve(size_t(count));
    seed = hashSeed;
    partBits = KeyPartBits(count);
    partSizes.assign(size_t(1) << partBits, 0);
    lastFolderText = nullptr;
  }
};

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

// Keys the line just made for the entry (excluded: a folder the run leaves alone, as
// IsExcludedFromRun); scratch is room for the name's bytes.
void AddLineKey(LineKeys &keys, const FileListEntry &entry, const QString &line, bool excluded,
                NameBytes &scratch);
