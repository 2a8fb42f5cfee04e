#include "settings/preference_store.h"

#include "settings/settings_file_check.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace {

QString WidthName(int slot) {
  return slot < kFolderWidthSlots ? QStringLiteral("ColWidth_%1").arg(slot + 1)
                                  : QStringLiteral("ColWidthDrives_%1").arg(slot - kFolderWidthSlots + 1);
}

// A whole number, written by us or by hand; anything else counts as missing.
std::optional<int> ReadInt(const QSettings &store, const QString &name) {
  const QVariant value = store.value(name);
  bool ok = false;
  int number = 0;
  switch (value.typeId()) {
  case QMetaType::QString:
  case QMetaType::QByteArray:
    number = value.toString().trimmed().toInt(&ok);
    break;
  case QMetaType::Int:
  case QMetaType::UInt:
  case QMetaType::LongLong:
  case QMetaType::ULongLong:
  case QMetaType::Bool:
    number = value.toInt(&ok);
    break;
  default:
    break;
  }
  return ok ? std::optional<int>(number) : std::nullopt;
}

std::optional<bool> ReadFlag(const QSettings &store, const QString &name) {
  const std::optional<int> number = ReadInt(store, name);
  return number ? std::optional<bool>(*number != 0) : std::nullopt;
}

// A missing text reads as empty. An unquoted text with commas comes back as a list: joined again.
QString ReadText(const QSettings &store, const QString &name) {
  const QVariant value = store.value(name);
  if (value.typeId() == QMetaType::QStringList)
    return value.toStringList().join(QLatin1Char(','));
  return value.toString();
}

void WriteDefaultWidths(QSettings &store) {
  for (int slot = 0; slot < int(kDefaultColumnWidths.size()); ++slot)
    store.setValue(WidthName(slot), kDefaultColumnWidths[size_t(slot)]);
  store.sync();
}

// Steps 2 onwards of the reading; returns at the first value that fails.
void ReadValues(QSettings &store, PreferenceReading &r) {
  if (!store.contains(QStringLiteral("ColWidth_1")))
    WriteDefaultWidths(store);
  for (int slot = 0; slot < int(r.columnWidths.size()); ++slot) {
    const std::optional<int> width = ReadInt(store, WidthName(slot));
    if (!width)
      return;
    r.columnWidths[size_t(slot)] = *width;
    r.columnWidthsRead = slot + 1;
  }
  if (!(r.rememberWindowsPos = ReadFlag(store, QStringLiteral("Remember Windows Pos"))))
    return;
  if (*r.rememberWindowsPos) {
    if (!(r.width = ReadInt(store, QStringLiteral("Width"))) ||
        !(r.height = ReadInt(store, QStringLiteral("Height"))) ||
        !(r.top = ReadInt(store, QStringLiteral("Top"))) ||
        !(r.left = ReadInt(store, QStringLiteral("Left"))))
      return;
  }
  if (!(r.rememberLastPath = ReadFlag(store, QStringLiteral("Remember Last Path"))))
    return;
  if (*r.rememberLastPath)
    r.path = ReadText(store, QStringLiteral("Path"));
  if (!(r.maximize = ReadFlag(store, QStringLiteral("Maximize"))) ||
      !(r.instantPreview = ReadFlag(store, QStringLiteral("Instant Preview"))) ||
      !(r.viewFolders = ReadFlag(store, QStringLiteral("View Folders"))) ||
      !(r.workWithFolders = ReadFlag(store, QStringLiteral("Work With Folders"))) ||
      !(r.viewFiles = ReadFlag(store, QStringLiteral("View Files"))))
    return;
  r.language = ReadInt(store, QStringLiteral("Language"));
}

} // namespace

QString PreferenceStore::UserFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QLatin1String("/Zelvo Soft/Zelvo Rename.conf");
}

PreferenceReading PreferenceStore::Read(const StoredPreferences &initial) const {
  PreferenceReading reading;
  // A file that is no regular file (a device, a FIFO, which would hold the start) or is too large
  // is neither read nor written: the program starts with its defaults and says so once, here.
  if (const QString unusable = SettingsFileUnusable(m_file); !unusable.isEmpty()) {
    qWarning("The settings file \"%s\" %s: the defaults are used and nothing is written to it.",
             qPrintable(m_file), qPrintable(unusable));
    reading.damaged = true;
    return reading;
  }
  {
    QSettings store(m_file, QSettings::IniFormat);
    if (store.status() != QSettings::NoError) {
      reading.damaged = true;
      return reading;
    }
    // The preferences live at the top level; the file may hold other records only.
    reading.created = store.childKeys().isEmpty();
  }
  if (reading.created)
    (void)Write(initial);
  QSettings store(m_file, QSettings::IniFormat);
  ReadValues(store, reading);
  return reading;
}

bool PreferenceStore::Write(const StoredPreferences &v) const {
  if (!SettingsFileUnusable(m_file).isEmpty())
    return false;
  QSettings store(m_file, QSettings::IniFormat);
  store.setValue(QStringLiteral("Version"), QStringLiteral("4.2b"));
  store.setValue(QStringLiteral("Maximize"), int(v.maximize));
  store.setValue(QStringLiteral("Left"), v.left);
  store.setValue(QStringLiteral("Top"), v.top);
  store.setValue(QStringLiteral("Width"), v.width);
  store.setValue(QStringLiteral("Height"), v.height);
  store.setValue(QStringLiteral("Remember Last Path"), int(v.rememberLastPath));
  store.setValue(QStringLiteral("Remember Windows Pos"), int(v.rememberWindowsPos));
  store.setValue(QStringLiteral("Path"), v.path);
  store.setValue(QStringLiteral("Instant Preview"), int(v.instantPreview));
  store.setValue(QStringLiteral("View Folders"), int(v.viewFolders));
  store.setValue(QStringLiteral("Work With Folders"), int(v.workWithFolders));
  store.setValue(QStringLiteral("View Files"), int(v.viewFiles));
  store.setValue(QStringLiteral("Language"), v.language);
  for (int slot = 0; slot < int(v.columnWidths.size()); ++slot)
    store.setValue(WidthName(slot), v.columnWidths[size_t(slot)]);
  store.sync();
  return store.status() == QSettings::NoError;
}
