// The record of the file-manager entry in the settings store: classes "Drive" and "Directory".
#pragma once

#include <QString>
#include <QStringList>

// For each class, "<class>/Shell/Zelvo Rename" holds the menu text and
// "<class>/Shell/Zelvo Rename/command" the command: the program's path and "%1", each in double
// quotes. The store is an INI file read and written through QSettings.
class ShellEntryRecord {
public:
  explicit ShellEntryRecord(QString storeFile) : m_storeFile(std::move(storeFile)) {}

  // The user's settings store: "Zelvo Soft/Zelvo Rename.conf" in the XDG config folder.
  static QString UserStoreFile();
  // The command recorded for a program.
  static QString Command(const QString &programPath);

  // Whether the "Drive" class holds the entry; the "Directory" class alone does not count.
  bool Installed() const;
  // The menu texts recorded in either class (none, one or two different ones).
  QStringList Captions() const;
  // Records the entry in both classes; false when the store could not be written.
  [[nodiscard]] bool Write(const QString &caption, const QString &programPath) const;
  // Removes the entry of both classes with everything below it; false when the store could not
  // be written.
  [[nodiscard]] bool Remove() const;

  QString StoreFile() const { return m_storeFile; }

private:
  QString m_storeFile;
};
