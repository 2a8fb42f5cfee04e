#include "platform/bounded_input.h"

#include <QFileInfo>

QString CheckInputFile(const QString &path) {
  const QFileInfo info(path);
  if (!info.isFile())
    return QStringLiteral("\"%1\" is not a regular file").arg(path);
  if (info.size() > kMaxInputFileSize)
    return QStringLiteral("\"%1\" is larger than %2 MB").arg(path).arg(kMaxInputFileSize >> 20);
  return {};
}
