#include "platform/safe_rename.h"

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

FileSystemCalls &SystemFileSystemCalls() {
  static FileSystemCalls calls;
  return calls;
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

// Renames after making sure that nothing answers to the new name. Used only where the file system
// refuses the atomic check; the gap between check and rename is as small as it can be made.
int CheckedRename(const char *from, const char *to, FileSystemCalls &calls) {
  struct stat st;
  const int probe = calls.LStat(to, st);
  if (probe == 0)
    return EEXIST;
  if (probe != ENOENT)
    return probe;
  return calls.Rename(from, to);
}

// One rename that fails with EEXIST when to is taken, on any file system.
int MoveNoReplace(const char *from, const char *to, FileSystemCalls &calls) {
  const int error = calls.RenameNoReplace(from, to);
  if (!FlagRefused(error))
    return error;
  struct stat st;
  if (const int statError = calls.LStat(from, st))
    return statError;
  if (S_ISDIR(st.st_mode))
    return CheckedRename(from, to, calls);
  const int linkError = calls.Link(from, to);
  if (linkError == 0) {
    const int unlinkError = calls.Unlink(from);
    if (unlinkError != 0)
      calls.Unlink(to); // keep one name only: the file stays where it was
    return unlinkError;
  }
  if (linkError == EPERM || linkError == EOPNOTSUPP || linkError == EMLINK || linkError == ENOSYS)
    return CheckedRename(from, to, calls); // no hard links here (FAT, exFAT)
  return linkError;
}

// Whether to, which exists, is only another spelling of from on a file system that ignores case.
bool IsCaseAlias(const QByteArray &from, const QByteArray &to, FileSystemCalls &calls) {
  if (NativeFolder(from) != NativeFolder(to))
    return false;
  const QString fromName = QString::fromUtf8(NativeFileName(from));
  const QString toName = QString::fromUtf8(NativeFileName(to));
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
                 .arg(QString::fromLocal8Bit(std::strerror(error)), QString::fromUtf8(temporary)));
}

} // namespace

RenameStatus SafeRename(const QByteArray &from, const QByteArray &to, FileSystemCalls &calls) {
  if (from.isEmpty() || to.isEmpty() || from.contains('\0') || to.contains('\0'))
    return RenameStatus::Failure(EINVAL);
  if (from == to) {
    struct stat st;
    return RenameStatus::Failure(calls.LStat(from.constData(), st));
  }
  const int error = MoveNoReplace(from.constData(), to.constData(), calls);
  if (error == EEXIST && IsCaseAlias(from, to, calls))
    return RenameThroughTemporary(from, to, calls);
  return RenameStatus::Failure(error);
}
