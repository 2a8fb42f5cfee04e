#include "settings/file_transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr QFileDevice::Permissions kExecute =
    QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther;

bool Exists(const QString &path) {
  return QFileInfo(path).isSymLink() || QFileInfo::exists(path);
}

bool Restore(const QString &path, const QByteArray &bytes, QFileDevice::Permissions permissions) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    return false;
  return QFile::setPermissions(path, permissions);
}

} // namespace

bool FileTransaction::Fail(const QString &path, const QString &text) {
  m_errorPath = path;
  m_errorText = text;
  return false;
}

bool FileTransaction::Note(const QString &path) {
  Before before;
  before.path = path;
  before.existed = Exists(path);
  if (before.existed) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
      return Fail(path, file.errorString());
    before.bytes = file.readAll();
    before.permissions = file.permissions();
  }
  m_before.append(before);
  return true;
}

bool FileTransaction::Write(const QString &path, const QByteArray &bytes, bool executable) {
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder))
    return Fail(path, QStringLiteral("Cannot create the folder \"%1\"").arg(folder));
  if (!Note(path))
    return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return Fail(path, file.errorString());
  if (file.write(bytes) != bytes.size() || !file.commit())
    return Fail(path, file.errorString());
  QFileDevice::Permissions permissions = QFile::permissions(path);
  if (executable)
    permissions |= kExecute;
  if (!QFile::setPermissions(path, permissions))
    return Fail(path, QStringLiteral("Cannot set the permissions"));
  return true;
}

bool FileTransaction::Remove(const QString &path) {
  if (!Exists(path))
    return true;
  if (!Note(path))
    return false;
  QFile file(path);
  if (!file.remove())
    return Fail(path, file.errorString());
  return true;
}

void FileTransaction::Rollback() {
  for (auto it = m_before.crbegin(); it != m_before.crend(); ++it) {
    if (it->existed)
      (void)Restore(it->path, it->bytes, it->permissions);
    else
      QFile::remove(it->path);
  }
  m_before.clear();
}
