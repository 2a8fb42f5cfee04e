// The file-manager entry "Zelvo Rename from Here": added and removed as a whole, record and files.
#pragma once

#include "settings/shell_entry_record.h"

#include <QString>

// What went wrong while adding or removing the entry; nothing was changed then.
struct [[nodiscard]] ShellEntryStatus {
  QString path;   // the file that could not be written or removed; empty when all went well
  QString reason; // why, in the system's words

  bool ok() const { return path.isEmpty(); }
};

class ShellExtension {
public:
  // storeFile: the settings store holding the record; dataHome: the XDG data folder under which
  // the file managers look. The defaults are the user's.
  explicit ShellExtension(QString storeFile = ShellEntryRecord::UserStoreFile(), QString dataHome = {});

  // Whether the entry is installed, as the "Drive" record says.
  bool Installed() const { return m_record.Installed(); }

  // Adds the entry with a menu text that starts programPath on the folder, or rewrites it with a
  // new text (the files of an older text go). On failure everything is left as it was before.
  ShellEntryStatus WriteShellExtension(const QString &caption, const QString &programPath) const;
  // Removes the entry, record and files. Removing an entry that is not there succeeds. On failure
  // everything is left as it was before.
  ShellEntryStatus RemoveShellExtension() const;

  const ShellEntryRecord &Record() const { return m_record; }
  QString DataHome() const { return m_dataHome; }

private:
  ShellEntryRecord m_record;
  QString m_dataHome;
};
