#include "cli/cli_outputs.h"

#include "engine/rename_run.h"
#include "platform/name_codec.h"
#include "platform/native_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

OutputFiles::~OutputFiles() {
  for (const QString &path : std::as_const(m_created)) {
    const QByteArray native = NativePathOf(path);
    struct stat st;
    if (::lstat(native.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size == 0)
      ::unlink(native.constData());
  }
}

QString OutputFiles::Claim(const QString &path, bool force, std::span<const FileListEntry> entries,
                           const std::vector<QByteArray> &newPaths) {
  const QByteArray native = NativePathOf(path);
  const QString shown = ShownName(path);
  for (size_t i = 0; i < entries.size(); ++i)
    if (NativeOldPath(entries[i]) == native || (i < newPaths.size() && newPaths[i] == native))
      return QStringLiteral("\"%1\" is a file this run renames; choose another file to write").arg(shown);
  const int fd = ::open(native.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
  if (fd >= 0) {
    ::close(fd);
    m_created.append(path);
    return {};
  }
  const int error = errno;
  if (error != EEXIST)
    return QStringLiteral("Cannot create \"%1\": %2")
        .arg(shown, QString::fromLocal8Bit(std::strerror(error)));
  struct stat st;
  if (::stat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode))
    return QStringLiteral("\"%1\" is a folder").arg(shown);
  if (!force)
    return QStringLiteral("\"%1\" exists already; add --force to replace it").arg(shown);
  const qsizetype slash = native.lastIndexOf('/');
  const QByteArray folder = slash > 0 ? native.left(slash) : QByteArray(slash == 0 ? "/" : ".");
  if (::access(native.constData(), W_OK) != 0 || ::access(folder.constData(), W_OK) != 0)
    return QStringLiteral("Cannot replace \"%1\": not writable").arg(shown);
  return {};
}

void OutputFiles::Written(const QString &path) {
  m_created.removeAll(path);
}
