#include "cli/cli_outputs.h"

#include "engine/rename_run.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

OutputFiles::~OutputFiles() {
  for (const QString &path : std::as_const(m_created)) {
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (::lstat(native.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size == 0)
      ::unlink(native.constData());
  }
}

QString OutputFiles::Claim(const QString &path, bool force, std::span<const FileListEntry> entries,
                           const std::vector<QByteArray> &newPaths) {
  const QByteArray native = QFile::encodeName(path);
  for (size_t i = 0; i < entries.size(); ++i)
    if (NativeOldPath(entries[i]) == native || (i < newPaths.size() && newPaths[i] == native))
      return QStringLiteral("\"%1\" is a file this run renames; choose another file to write").arg(path);
  const int fd = ::open(native.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
  if (fd >= 0) {
    ::close(fd);
    m_created.append(path);
    return {};
  }
  const int error = errno;
  if (error != EEXIST)
    return QStringLiteral("Cannot create \"%1\": %2").arg(path, QString::fromLocal8Bit(std::strerror(error)));
  const QFileInfo info(path);
  if (info.isDir())
    return QStringLiteral("\"%1\" is a folder").arg(path);
  if (!force)
    return QStringLiteral("\"%1\" exists already; add --force to replace it").arg(path);
  if (!info.isWritable() || !QFileInfo(info.absolutePath()).isWritable())
    return QStringLiteral("Cannot replace \"%1\": not writable").arg(path);
  return {};
}

void OutputFiles::Written(const QString &path) {
  m_created.removeAll(path);
}
