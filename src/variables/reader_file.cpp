#include "variables/reader_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReaderFile::ReaderFile(const ReaderPath &path) {
  if (path.native.isEmpty() || path.native.contains('\0')) {
    return;
  }
  const int fd = ::open(path.native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    return;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return;
  }
  m_fd = fd;
  m_size = info.st_size;
}

ReaderFile::~ReaderFile() {
  if (m_fd >= 0) {
    ::close(m_fd);
  }
}

QByteArray ReaderFile::readAt(qint64 offset, qint64 length) {
  if (m_fd < 0 || offset < 0 || length <= 0 || offset >= m_size) {
    return {};
  }
  QByteArray bytes(qMin(length, m_size - offset), Qt::Uninitialized);
  qint64 done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::pread(m_fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done),
                              static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      break;
    }
    done += n;
  }
  bytes.truncate(done);
  return bytes;
}

QByteArray ReadFileHead(const ReaderPath &path, qint64 maxBytes) {
  ReaderFile file(path);
  return file.readAt(0, maxBytes);
}

bool IsRegularFilePath(const ReaderPath &path) {
  struct stat info {};
  return !path.native.isEmpty() && !path.native.contains('\0') &&
         ::stat(path.native.constData(), &info) == 0 && S_ISREG(info.st_mode);
}
