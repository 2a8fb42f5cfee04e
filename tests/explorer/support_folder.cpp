#include "support_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void MakeFile(const QString &root, const QString &path, qint64 size) {
  const QString full = root + QLatin1Char('/') + path;
  QDir().mkpath(QFileInfo(full).path());
  QFile file(full);
  if (file.open(QIODevice::WriteOnly))
    file.resize(size);
}

void MakeFolder(const QString &root, const QString &path) {
  QDir().mkpath(root + QLatin1Char('/') + path);
}

void SetFileTimes(const QString &path, std::int64_t modified, std::int64_t accessed) {
  struct timespec times[2];
  times[0].tv_sec = accessed;
  times[0].tv_nsec = 0;
  times[1].tv_sec = modified;
  times[1].tv_nsec = 0;
  ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

QByteArray MakeRawNamedFile(const QString &folder, const QByteArray &name) {
  const QByteArray full = QFile::encodeName(folder) + '/' + name;
  const int fd = ::open(full.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
  if (fd >= 0)
    ::close(fd);
  return full;
}
