// Which file a name stands for: device, inode and, where the file system keeps it, birth time (an
// inode number freed and given to a new file does not make the new file pass for the old one).
#pragma once

#include <QHashFunctions>

#include <cstdint>

struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t birth = 0; // nanoseconds since 1970; 0 where the file system keeps none

  bool Known() const { return device != 0 || inode != 0; }
  friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};

inline size_t qHash(const FileIdentity &id, size_t seed = 0) {
  return qHashMulti(seed, id.device, id.inode, id.birth);
}

// The identity of the item path names (a symbolic link itself, not its target); 0 or an errno value.
int IdentifyPath(const char *path, FileIdentity &id);
// The same for a name (or a relative path) in the folder open as folderFd (AT_FDCWD: the current one).
int IdentifyIn(int folderFd, const char *name, FileIdentity &id);
