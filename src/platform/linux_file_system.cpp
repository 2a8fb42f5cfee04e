#include "platform/linux_file_system.h"

#include "platform/text_blocks.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>

namespace {

// A listing that keeps its folder open, so that the details are read relative to it.
class LinuxFolderListing final : public FolderListing {
public:
  ~LinuxFolderListing() override {
    if (fd >= 0)
      ::close(fd);
  }
  int fd = -1;
  TextBlocks names; // the names of the items
};

ItemKind KindFromDirentType(unsigned char type) {
  switch (type) {
  case DT_DIR:
    return ItemKind::Folder;
  case DT_REG:
    return ItemKind::File;
  case DT_FIFO:
    return ItemKind::Fifo;
  case DT_CHR:
    return ItemKind::CharDevice;
  case DT_BLK:
    return ItemKind::BlockDevice;
  case DT_SOCK:
    return ItemKind::Socket;
  default:
    return ItemKind::Unknown; // DT_LNK and DT_UNKNOWN: only a stat tells
  }
}

ItemKind KindFromMode(unsigned mode) {
  switch (mode & S_IFMT) {
  case S_IFDIR:
    return ItemKind::Folder;
  case S_IFREG:
    return ItemKind::File;
  case S_IFIFO:
    return ItemKind::Fifo;
  case S_IFCHR:
    return ItemKind::CharDevice;
  case S_IFBLK:
    return ItemKind::BlockDevice;
  case S_IFSOCK:
    return ItemKind::Socket;
  default:
    return ItemKind::Other;
  }
}

FileTime FromStatx(const struct statx_timestamp &t) {
  return FileTime{t.tv_sec, t.tv_nsec, true};
}

} // namespace

std::uint32_t AttributesFor(ItemKind kind, const QByteArray &name, bool ownerMayWrite) {
  std::uint32_t bits = 0;
  if (kind == ItemKind::Folder)
    bits |= AttrDirectory;
  else if (kind == ItemKind::File)
    bits |= AttrArchive;
  else
    bits |= AttrSystem;
  if (!ownerMayWrite)
    bits |= AttrReadOnly;
  if (name.startsWith('.'))
    bits |= AttrHidden;
  return bits;
}

std::unique_ptr<FolderListing> LinuxFileSystem::ReadFolder(const QByteArray &folder) {
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return nullptr;
  auto listing = std::make_unique<LinuxFolderListing>();
  listing->fd = fd;
  listing->Folder = folder.endsWith('/') ? folder : folder + '/';
  // The times before the read: a change while it reads moves them past those kept.
  struct stat st;
  if (::fstat(fd, &st) == 0) {
    // A folder in memory (tmpfs) tells its number of names by its size, 20 bytes a name: its list is
    // made once, not copied as it grows, with a quarter more room, which the tables made after it
    // take up once it is freed (a big job's heap then grows less). Elsewhere the size says too little
    // to be worth room that may stay unused.
    struct statfs fs;
    if (::fstatfs(fd, &fs) == 0 && fs.f_type == TMPFS_MAGIC) {
      constexpr off_t kBytesPerName = 20, kMostNames = off_t(1) << 22;
      const off_t names = std::clamp(st.st_size / kBytesPerName, off_t(0), kMostNames);
      listing->Items.reserve(size_t(names + names / 4));
    }
    FolderStamp &stamp = listing->Stamp;
    stamp.Known = true;
    stamp.Device = st.st_dev;
    stamp.Inode = st.st_ino;
    stamp.Modified = st.st_mtim;
    stamp.Changed = st.st_ctim;
    ::clock_gettime(CLOCK_REALTIME, &stamp.ReadAt);
  }
  // The stream gets its own descriptor: the listing keeps fd for the per-item details.
  const int streamFd = ::dup(fd);
  DIR *dir = streamFd >= 0 ? ::fdopendir(streamFd) : nullptr;
  if (!dir) {
    if (streamFd >= 0)
      ::close(streamFd);
    return nullptr;
  }
  while (const dirent *d = ::readdir(dir)) {
    const char *n = d->d_name;
    if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
      continue;
    FolderItem item;
    item.Name = listing->names.Add(n);
    item.Kind = KindFromDirentType(d->d_type);
    item.IsSymlink = d->d_type == DT_LNK;
    listing->Items.push_back(std::move(item));
  }
  ::closedir(dir);
  return listing;
}

bool LinuxFileSystem::Stat(FolderListing &listing, FolderItem &item) {
  if (item.Statted)
    return !item.StatFailed;
  item.Statted = true;
  const int dirFd = static_cast<LinuxFolderListing &>(listing).fd;
  struct statx sx;
  const unsigned wanted = STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_ATIME | STATX_MTIME | STATX_BTIME;
  // A link is described by its target; a dangling link by itself.
  bool ok = ::statx(dirFd, item.Name.constData(), AT_NO_AUTOMOUNT, wanted, &sx) == 0;
  if (!ok)
    ok = ::statx(dirFd, item.Name.constData(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, wanted, &sx) == 0;
  if (!ok) {
    item.StatFailed = true;
    item.Attributes = AttributesFor(item.Kind, item.Name, true);
    return false;
  }
  if (S_ISLNK(sx.stx_mode))
    item.IsSymlink = true;
  item.Kind = KindFromMode(sx.stx_mode);
  item.Attributes = AttributesFor(item.Kind, item.Name, (sx.stx_mode & S_IWUSR) != 0);
  item.Size = item.Kind == ItemKind::Folder ? 0 : sx.stx_size;
  item.Modified = FromStatx(sx.stx_mtime);
  item.Accessed = FromStatx(sx.stx_atime);
  if (sx.stx_mask & STATX_BTIME)
    item.Created = FromStatx(sx.stx_btime);
  return true;
}

bool LinuxFileSystem::FolderExists(const QByteArray &path) {
  struct stat st;
  return !path.isEmpty() && ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool LinuxFileSystem::SetCurrentFolder(const QByteArray &path) {
  return ::chdir(path.constData()) == 0;
}

QByteArray LinuxFileSystem::CurrentFolder() {
  QByteArray buffer(4096, Qt::Uninitialized);
  while (!::getcwd(buffer.data(), buffer.size())) {
    if (errno != ERANGE)
      return QByteArray();
    buffer.resize(buffer.size() * 2);
  }
  return QByteArray(buffer.constData());
}
