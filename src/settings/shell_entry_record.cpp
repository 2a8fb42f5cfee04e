#include "settings/shell_entry_record.h"

#include "settings/settings_file_check.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

const char *const kClasses[] = {"Drive", "Directory"};

QString EntryKey(const char *className) {
  return QLatin1String(className) + QLatin1String("/Shell/Zelvo Rename");
}

} // namespace

QString ShellEntryRecord::UserStoreFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QLatin1String("/Zelvo Soft/Zelvo Rename.conf");
}

QString ShellEntryRecord::Command(const QString &programPath) {
  return QLatin1Char('"') + programPath + QLatin1String("\" \"%1\"");
}

bool ShellEntryRecord::Installed() const {
  if (!SettingsFileUnusable(m_storeFile).isEmpty())
    return false;
  QSettings store(m_storeFile, QSettings::IniFormat);
  // The entry exists when anything is recorded under its key, even without a menu text.
  store.beginGroup(QStringLiteral("Drive/Shell"));
  const QString name = QStringLiteral("Zelvo Rename");
  return store.childKeys().contains(name) || store.childGroups().contains(name);
}

QStringList ShellEntryRecord::Captions() const {
  if (!SettingsFileUnusable(m_storeFile).isEmpty())
    return {};
  QSettings store(m_storeFile, QSettings::IniFormat);
  QStringList captions;
  for (const char *className : kClasses) {
    const QVariant caption = store.value(EntryKey(className));
    if (caption.isValid() && !captions.contains(caption.toString()))
      captions.append(caption.toString());
  }
  return captions;
}

bool ShellEntryRecord::Write(const QString &caption, const QString &programPath) const {
  if (!SettingsFileUnusable(m_storeFile).isEmpty())
    return false;
  QSettings store(m_storeFile, QSettings::IniFormat);
  for (const char *className : kClasses) {
    store.setValue(EntryKey(className), caption);
    store.setValue(EntryKey(className) + QLatin1String("/command"), Command(programPath));
  }
  store.sync();
  return store.status() == QSettings::NoError;
}

bool ShellEntryRecord::Remove() const {
  if (!SettingsFileUnusable(m_storeFile).isEmpty())
    return false;
  QSettings store(m_storeFile, QSettings::IniFormat);
  for (const char *className : kClasses)
    store.remove(EntryKey(className));
  store.sync();
  return store.status() == QSettings::NoError;
}
