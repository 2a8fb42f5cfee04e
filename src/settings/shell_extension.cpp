#include "settings/shell_extension.h"

#include "settings/file_transaction.h"
#include "settings/shell_entry_files.h"

namespace {

ShellEntryStatus Failed(FileTransaction &transaction) {
  transaction.Rollback();
  return {transaction.ErrorPath(), transaction.ErrorText()};
}

ShellEntryStatus StoreFailed(FileTransaction &transaction, const ShellEntryRecord &record) {
  transaction.Rollback();
  return {record.StoreFile(), QStringLiteral("The settings could not be written")};
}

} // namespace

ShellExtension::ShellExtension(QString storeFile, QString dataHome)
    : m_record(std::move(storeFile)), m_dataHome(dataHome.isEmpty() ? UserDataHome() : std::move(dataHome)) {}

ShellEntryStatus ShellExtension::WriteShellExtension(const QString &caption,
                                                     const QString &programPath) const {
  FileTransaction transaction;
  const QString script = NautilusScriptPath(m_dataHome, caption);
  for (const ShellEntryFile &file : ShellEntryFiles(m_dataHome, caption, programPath)) {
    if (!transaction.Write(file.path, file.bytes, file.executable))
      return Failed(transaction);
  }
  // The script of an earlier menu text would show a second entry.
  for (const QString &old : m_record.Captions()) {
    const QString oldScript = NautilusScriptPath(m_dataHome, old);
    if (oldScript != script && !transaction.Remove(oldScript))
      return Failed(transaction);
  }
  if (!m_record.Write(caption, programPath))
    return StoreFailed(transaction, m_record);
  return {};
}

ShellEntryStatus ShellExtension::RemoveShellExtension() const {
  FileTransaction transaction;
  for (const QString &path : ShellEntryPaths(m_dataHome, m_record.Captions())) {
    if (!transaction.Remove(path))
      return Failed(transaction);
  }
  if (!m_record.Remove())
    return StoreFailed(transaction, m_record);
  return {};
}
