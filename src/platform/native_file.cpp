#include "platform/native_file.h"

#include "platform/name_codec.h"

#include <QAtomicInt>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Quoted(const QString &path) {
  return QLatin1Char('"') + ShownName(path) + QLatin1Char('"');
}

QString SystemError(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

mode_t WithRunBits(mode_t mode) {
  return mode | ((mode & S_IRUSR) ? S_IXUSR : 0) | ((mode & S_IRGRP) ? S_IXGRP : 0) |
         ((mode & S_IROTH) ? S_IXOTH : 0);
}

} // namespace

QByteArray NativePathOf(const QString &path) {
  return EncodeName(path);
}

bool NativeExists(const QString &path) {
  struct stat st;
  return ::stat(NativePathOf(path).constData(), &st) == 0;
}

bool NativeIsFolder(const QString &path) {
  struct stat st;
  return ::stat(NativePathOf(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

QString NativeAbsolutePath(const QString &path) {
  if (path.startsWith(QLatin1Char('/')))
    return path;
  QByteArray folder(4096, Qt::Uninitialized);
  while (!::getcwd(folder.data(), size_t(folder.size()))) {
    if (errno != ERANGE)
      return path;
    folder.resize(folder.size() * 2);
  }
  folder.truncate(qsizetype(std::strlen(folder.constData())));
  QString absolute = DecodeName(folder);
  if (!absolute.endsWith(QLatin1Char('/')))
    absolute += QLatin1Char('/');
  return absolute + (path.startsWith(QLatin1String("./")) ? path.mid(2) : path);
}

namespace {

// Why an item of that status is not a regular file of at most limit bytes, or an empty text.
QString RegularFileProblem(const QString &path, const struct stat &st, qint64 limit) {
  if (!S_ISREG(st.st_mode))
    return Quoted(path) + QStringLiteral(" is not a regular file");
  if (st.st_size > limit)
    return Quoted(path) + QStringLiteral(" is larger than %1 MB").arg(limit >> 20);
  return {};
}

} // namespace

QString CheckRegularFile(const QString &path, qint64 limit) {
  struct stat st;
  if (::stat(NativePathOf(path).constData(), &st) != 0)
    return Quoted(path) + QStringLiteral(" is not a regular file");
  return RegularFileProblem(path, st, limit);
}

WholeFileRead ReadWholeFile(const QString &path, qint64 limit) {
  WholeFileRead read;
  // Opened without waiting on a pipe, then looked at as what was opened.
  const int fd = ::open(NativePathOf(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    read.missing = errno == ENOENT || errno == ENOTDIR;
    read.error = read.missing ? Quoted(path) + QStringLiteral(" does not exist")
                              : QStringLiteral("Cannot open %1: %2").arg(Quoted(path), SystemError(errno));
    return read;
  }
  struct stat st;
  read.error = ::fstat(fd, &st) != 0 ? Quoted(path) + QStringLiteral(" is not a regular file")
                                     : RegularFileProblem(path, st, limit);
  if (!read.error.isEmpty()) {
    ::close(fd);
    return read;
  }
  read.bytes.reserve(qsizetype(st.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0) {
      read.error = QStringLiteral("Cannot read %1: %2").arg(Quoted(path), SystemError(errno));
      break;
    }
    if (n == 0)
      break;
    read.bytes.append(buffer, n);
    if (read.bytes.size() > limit) { // grew while being read
      read.bytes.clear();
      read.error = Quoted(path) + QStringLiteral(" is larger than %1 MB").arg(limit >> 20);
      break;
    }
  }
  ::close(fd);
  return read;
}

QString WriteWholeFileAt(const QString &path, const QByteArray &bytes, bool runnable) {
  static QAtomicInt counter;
  QByteArray native = NativePathOf(path);
  // A link is written through: the file it points to gets the new content, the link stays.
  struct stat old;
  if (::lstat(native.constData(), &old) == 0 && S_ISLNK(old.st_mode))
    if (char *target = ::realpath(native.constData(), nullptr)) {
      native = target;
      std::free(target);
    }
  const bool exists = ::stat(native.constData(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode))
    return Quoted(path) + QStringLiteral(" is a folder");
  const qsizetype slash = native.lastIndexOf('/');
  const QByteArray folder = native.left(slash + 1);
  const QByteArray temporary = folder + '.' + native.mid(slash + 1) + ".zr-" +
                               QByteArray::number(::getpid()) + '-' +
                               QByteArray::number(counter.fetchAndAddRelaxed(1)) + ".tmp";
  // Made with the usual permissions (the creation mask applies), never over another file.
  int fd = ::open(temporary.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
  int error = fd < 0 ? errno : 0;
  const bool inPlace = fd < 0 && exists && (error == EACCES || error == EPERM || error == EROFS) &&
                       ::access(native.constData(), W_OK) == 0;
  if (inPlace) {
    fd = ::open(native.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY);
    error = fd < 0 ? errno : 0;
  }
  if (fd < 0)
    return QStringLiteral("Cannot create %1: %2").arg(Quoted(path), SystemError(error));
  struct stat made;
  bool ok = WriteAllTo(fd, bytes) && ::fstat(fd, &made) == 0;
  error = ok ? 0 : errno;
  if (ok && !inPlace) {
    const mode_t mode = (exists ? old.st_mode : made.st_mode) & 07777;
    ok = ::fchmod(fd, runnable ? WithRunBits(mode) : mode) == 0 && ::fdatasync(fd) == 0;
    error = ok ? 0 : errno;
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && !inPlace && ::rename(temporary.constData(), native.constData()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    if (!inPlace)
      ::unlink(temporary.constData());
    return QStringLiteral("Cannot write %1: %2").arg(Quoted(path), SystemError(error));
  }
  if (inPlace && runnable && ::chmod(native.constData(), WithRunBits(made.st_mode & 07777)) != 0)
    return QStringLiteral("Cannot make %1 runnable").arg(Quoted(path));
  return {};
}

bool WriteAllTo(int fd, QByteArrayView bytes) {
  for (qsizetype done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    done += n;
  }
  return true;
}
