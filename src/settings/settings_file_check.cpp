#include "settings/settings_file_check.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

QString SettingsFileUnusable(const QString &path) {
  const QByteArray native = QFile::encodeName(path);
  struct stat st;
  if (::stat(native.constData(), &st) != 0) {
    const int error = errno;
    if (error == ENOENT && ::lstat(native.constData(), &st) != 0)
      return {}; // not there yet: it is made on the first write
    return error == ENOENT
               ? QStringLiteral("is a link to nothing")
               : QStringLiteral("cannot be looked at (%1)").arg(QString::fromLocal8Bit(std::strerror(error)));
  }
  if (!S_ISREG(st.st_mode))
    return QStringLiteral("is not a regular file");
  if (st.st_size > kSettingsFileMost)
    return QStringLiteral("is larger than %1 KB").arg(kSettingsFileMost / 1024);
  return {};
}
