#include "platform/safe_rename.h"

#include "platform/name_codec.h"

#include <QAtomicInt>
#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

int FileSystemCalls::RenameNoReplace(const char *from, const char *to) {
  return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0 ? 0 : errno;
}

int FileSystemCalls::RenameNoReplaceIn(const OpenFolder &folder, const char *fromName, const char *toName) {
  return RenameNoReplace((folder.Path() + fromName).constData(), (folder.Path() + toName).constData());
}

int FileSystemCalls::Rename(const char *from, const char *to) {
  return ::rename(from, to) == 0 ? 0 : errno;
}

int FileSystemCalls::Link(const char *from, const char *to) {
  return ::link(from, to) == 0 ? 0 : errno;
}

int FileSystemCalls::Unlink(const char *path) {
  return ::unlink(path) == 0 ? 0 : errno;
}

int FileSystemCalls::LStat(const char *path, struct stat &st) {
  return ::lstat(path, &st) == 0 ? 0 : errno;
}

int FileSystemCalls::Stat(const char *path, struct stat &st) {
  return ::stat(path, &st) == 0 ? 0 : errno;
}

bool FileSystemCalls::FolderListsName(const char *folder, const QByteArray &name) {
  DIR *dir = ::opendir(*folder ? folder : ".");
  if (!dir)
    return true; // cannot tell: assume the name is really taken
  bool found = false;
  while (const dirent *e = ::readdir(dir)) {
    if (name == e->d_name) {
      found = true;
      break;
    }
  }
  ::closedir(dir);
  return found;
}

int FileSystemCalls::ReadFolderTypes(
    const char *folder, const std::function<void(QByteArrayView name, unsigned char type)> &found) {
  DIR *dir = ::opendir(*folder ? folder : ".");
  if (!dir)
    return errno;
  // readdir tells an error from the end only through errno, which found may have set meanwhile.
  int error = 0;
  while (true) {
    errno = 0;
    const dirent *e = ::readdir(dir);
    if (!e) {
      error = errno;
      break;
    }
    found(QByteArrayView(e->d_name, qsizetype(std::strlen(e->d_name))), e->d_type);
  }
  ::closedir(dir);
  return error;
}

int FileSystemCalls::CreateExclusive(const char *path, struct stat &st) {
  const int fd = ::open(path, O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0)
    return errno;
  const int error = ::fstat(fd, &st) == 0 ? 0 : errno;
  ::close(fd);
  if (error != 0)
    ::unlink(path); // made a moment ago and unknown to anyone else
  return error;
}

int FileSystemCalls::MakeFolder(const char *path) {
  return ::mkdir(path, 0700) == 0 ? 0 : errno;
}

int FileSystemCalls::RemoveFolder(const char *path) {
  return ::rmdir(path) == 0 ? 0 : errno;
}

int FileSystemCalls::FolderNames(const char *folder, QByteArrayList &names) {
  DIR *dir = ::opendir(*folder ? folder : ".");
  if (!dir)
    return errno;
  while (const dirent *e = ::readdir(dir)) {
    const char *n = e->d_name;
    if (!(n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))))
      names.append(QByteArray(n));
  }
  ::closedir(dir);
  return 0;
}

namespace {

class SystemCalls final : public FileSystemCalls {
public:
  int RenameNoReplaceIn(const OpenFolder &folder, const char *fromName, const char *toName) override {
    if (folder.Fd() < 0)
      return FileSystemCalls::RenameNoReplaceIn(folder, fromName, toName);
    return ::renameat2(folder.Fd(), fromName, folder.Fd(), toName, RENAME_NOREPLACE) == 0 ? 0 : errno;
  }
};

} // namespace

FileSystemCalls &SystemFileSystemCalls() {
  static SystemCalls calls;
  return calls;
}

OpenFolder::OpenFolder(const QByteArray &path, bool open)
    : m_path(path),
      m_fd(open && !path.isEmpty() ? ::open(path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC) : -1) {}

OpenFolder::OpenFolder(OpenFolder &&other) noexcept : m_path(std::move(other.m_path)), m_fd(other.m_fd) {
  other.m_fd = -1;
}

OpenFolder::~OpenFolder() {
  if (m_fd >= 0)
    ::close(m_fd);
}

QString RenameStatus::Text() const {
  if (ok())
    return {};
  if (!message.isEmpty())
    return message;
  return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray NativeFileName(const QByteArray &path) {
  const qsizetype slash = path.lastIndexOf('/');
  return slash < 0 ? path : path.mid(slash + 1);
}

QByteArray NativeFolder(const QByteArray &path) {
  const qsizetype slash = path.lastIndexOf('/');
  return slash < 0 ? QByteArray() : path.left(slash + 1);
}

namespace {

bool FlagRefused(int error) {
  return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

// Whether the item at path is still the placeholder reserved as reserved: the same item, and an
// empty file or a folder as it was made.
bool StillOurPlaceholder(const char *path, const struct stat &reserved, FileSystemCalls &calls) {
  struct stat now;
  if (calls.LStat(path, now) != 0 || now.st_dev != reserved.st_dev || now.st_ino != reserved.st_ino)
    return false;
  return S_ISDIR(reserved.st_mode) ? S_ISDIR(now.st_mode) : S_ISREG(now.st_mode) && now.st_size == 0;
}

// The rename where the file system refuses RENAME_NOREPLACE (exFAT and other FUSE file systems,
// some network file systems). The new name is reserved first by an exclusive create (an empty file,
// or an empty folder for a folder), which fails when anything answers to the name; the item is
// then renamed onto the reservation, which replaces only that placeholder (a folder can replace
// only an empty folder). From the reservation on, a program that creates, saves or copies a file
// under the name fails or waits as it would for any taken name, and so does a second run.
// What remains: between the check that the placeholder is still ours and the rename (and likewise
// the removal of the placeholder after a failed rename), a program that deletes our placeholder and
// puts its own file in its place within those microseconds would have that file replaced. Only a
// program deleting a file it did not make can do that; there is no window for anything else.
int ReservedRename(const char *from, const char *to, FileSystemCalls &calls) {
  struct stat source;
  if (const int error = calls.LStat(from, source))
    return error;
  struct stat reserved;
  const bool folder = S_ISDIR(source.st_mode);
  if (folder) {
    if (const int error = calls.MakeFolder(to))
      return error;
    if (const int error = calls.LStat(to, reserved)) {
      calls.RemoveFolder(to); // removes nothing but an empty folder
      return error;
    }
  } else if (const int error = calls.CreateExclusive(to, reserved)) {
    return error;
  }
  if (!StillOurPlaceholder(to, reserved, calls))
    return EEXIST; // no longer ours: whatever is there now stays
  const int error = calls.Rename(from, to);
  if (error != 0 && StillOurPlaceholder(to, reserved, calls)) {
    if (folder)
      calls.RemoveFolder(to);
    else
      calls.Unlink(to);
  }
  return error;
}

// One rename that fails with EEXIST when to is taken, on any file system; by the names in folder when
// both paths are in it.
int MoveNoReplace(const char *from, const char *to, FileSystemCalls &calls,
                  const OpenFolder *folder = nullptr) {
  const int error =
      folder ? calls.RenameNoReplaceIn(*folder, from + folder->Path().size(), to + folder->Path().size())
             : calls.RenameNoReplace(from, to);
  if (!FlagRefused(error))
    return error;
  return ReservedRename(from, to, calls);
}

// Whether to, which exists, is only another spelling of from on a file system that ignores case.
bool IsCaseAlias(const QByteArray &from, const QByteArray &to, FileSystemCalls &calls) {
  if (NativeFolder(from) != NativeFolder(to))
    return false;
  const QString fromName = DecodeName(NativeFileName(from));
  const QString toName = DecodeName(NativeFileName(to));
  if (fromName.compare(toName, Qt::CaseInsensitive) != 0)
    return false;
  struct stat a, b;
  if (calls.LStat(from.constData(), a) != 0 || calls.LStat(to.constData(), b) != 0)
    return false;
  if (a.st_dev != b.st_dev)
    return false;
  if (a.st_ino == b.st_ino)
    return true;
  // Some file systems (FUSE without inode numbers) give each spelling its own number: then the
  // exact new spelling must be missing from the folder listing.
  const QByteArray folder = NativeFolder(to);
  return !calls.FolderListsName(folder.isEmpty() ? "." : folder.constData(), NativeFileName(to));
}

QByteArray TemporaryName(const QByteArray &from, int attempt) {
  static QAtomicInt counter;
  return NativeFolder(from) + ".zr-case-" + QByteArray::number(QCoreApplication::applicationPid()) + '-' +
         QByteArray::number(counter.fetchAndAddRelaxed(1)) + '-' + QByteArray::number(attempt) + ".tmp";
}

// A change of letter case only: from to a free temporary name, then to the new spelling.
RenameStatus RenameThroughTemporary(const QByteArray &from, const QByteArray &to, FileSystemCalls &calls) {
  QByteArray temporary;
  int error = EEXIST;
  for (int attempt = 0; attempt < 8 && error == EEXIST; ++attempt) {
    temporary = TemporaryName(from, attempt);
    error = MoveNoReplace(from.constData(), temporary.constData(), calls);
  }
  if (error != 0)
    return RenameStatus::Failure(error);
  error = MoveNoReplace(temporary.constData(), to.constData(), calls);
  if (error == 0)
    return RenameStatus::Success();
  // Put it back under its old name; should even that fail, say where the file is.
  if (MoveNoReplace(temporary.constData(), from.constData(), calls) == 0)
    return RenameStatus::Failure(error);
  return RenameStatus::Failure(
      error, QStringLiteral("%1; the file is now named \"%2\"")
                 .arg(QString::fromLocal8Bit(std::strerror(error)), ShownName(DecodeName(temporary))));
}

// SafeRename, by the names in folder when it is given.
RenameStatus SafeRenameIn(const OpenFolder *folder, const QByteArray &from, const QByteArray &to,
                          FileSystemCalls &calls) {
  // A NUL would cut the path short: the system would rename another file than the one named.
  if (from.isEmpty() || to.isEmpty() || std::strlen(from.constData()) != size_t(from.size()) ||
      std::strlen(to.constData()) != size_t(to.size()))
    return RenameStatus::Failure(EINVAL);
  if (from == to) {
    struct stat st;
    return RenameStatus::Failure(calls.LStat(from.constData(), st));
  }
  const int error = MoveNoReplace(from.constData(), to.constData(), calls, folder);
  if (error == EEXIST && IsCaseAlias(from, to, calls))
    return RenameThroughTemporary(from, to, calls);
  return RenameStatus::Failure(error);
}

} // namespace

RenameStatus SafeRename(const QByteArray &from, const QByteArray &to, FileSystemCalls &calls) {
  return SafeRenameIn(nullptr, from, to, calls);
}

RenameStatus SafeRename(const OpenFolder &folder, const QByteArray &from, const QByteArray &to,
                        FileSystemCalls &calls) {
  const QByteArray &path = folder.Path();
  const bool inside = !path.isEmpty() && from.startsWith(path) && to.startsWith(path) &&
                      from.indexOf('/', path.size()) < 0 && to.indexOf('/', path.size()) < 0;
  return SafeRenameIn(inside ? &folder : nullptr, from, to, calls);
}
