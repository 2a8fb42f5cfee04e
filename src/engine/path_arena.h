// The new paths of one run, made into a few large blocks rather than one allocation each.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <memory>
#include <vector>

// A run of a hundred thousand files makes a hundred thousand paths; here they cost their bytes and
// no more. The byte arrays Add hands out point into the arena: they live no longer than it does,
// and what is to outlive it takes a copy of its own (OwnedBytes).
class PathArena {
public:
  PathArena() = default;
  PathArena(const PathArena &) = delete;
  PathArena &operator=(const PathArena &) = delete;

  // The bytes of folder followed by those of the encoded name (as EncodeNameAfter makes them), with
  // a NUL byte after them, so that they serve as a C string too.
  QByteArray Add(QByteArrayView folder, QStringView name);

private:
  char *Room(size_t most);

  std::vector<std::unique_ptr<char[]>> m_blocks;
  char *m_next = nullptr;
  size_t m_left = 0;
};

// The bytes in memory of their own: a copy of those that point into an arena, else the same array.
QByteArray OwnedBytes(const QByteArray &bytes);
