#include "platform/file_identity.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

int IdentifyPath(const char *path, FileIdentity &id) {
  return IdentifyIn(AT_FDCWD, path, id);
}

int IdentifyIn(int folderFd, const char *name, FileIdentity &id) {
  struct statx st;
  if (::statx(folderFd, name, AT_SYMLINK_NOFOLLOW, STATX_INO | STATX_BTIME, &st) != 0)
    return errno;
  id.device = (std::uint64_t(st.stx_dev_major) << 32) | st.stx_dev_minor;
  id.inode = st.stx_ino;
  id.birth = (st.stx_mask & STATX_BTIME)
                 ? std::uint64_t(st.stx_btime.tv_sec) * 1000000000u + st.stx_btime.tv_nsec
                 : 0;
  return 0;
}
