#include "explorer/explorer_helpers.h"

#include "platform/name_codec.h"
#include "platform/platform.h"

bool FolderExists(const QString &path) {
  return !path.isEmpty() && DefaultPlatform().Files->FolderExists(EncodeName(path));
}

QString WithTrailingBackslash(const QString &path) {
  if (path.isEmpty() || path.endsWith(QLatin1Char('/')))
    return path;
  return path + QLatin1Char('/');
}

QString WithoutTrailingBackslash(const QString &path) {
  if (path.endsWith(QLatin1Char('/')))
    return path.left(path.size() - 1);
  return path;
}

QString DoubleNullTerminate(const QString &text) {
  return text + QChar(0);
}

bool ContainsAnyChar(const QString &set, const QString &text) {
  for (QChar c : set)
    if (text.contains(c))
      return true;
  return false;
}

QString FileTimeToText(const FileTime &time, const DateTimeFormats &formats) {
  if (!time.Valid)
    return QString();
  CalendarFields fields;
  if (!ToLocalCalendar(time.Seconds, time.Nanoseconds, fields))
    return QString();
  return formats.Text(fields);
}

QString AttributeLetters(std::uint32_t attributes) {
  QString letters;
  if (attributes & AttrArchive)
    letters += QLatin1Char('A');
  if (attributes & AttrReadOnly)
    letters += QLatin1Char('R');
  if (attributes & AttrHidden)
    letters += QLatin1Char('H');
  if (attributes & AttrSystem)
    letters += QLatin1Char('S');
  return letters;
}

QString HiddenMark(std::uint32_t attributes) {
  return (attributes & AttrHidden) ? QStringLiteral("H") : QString();
}

QString ExtensionOf(const QString &name) {
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? QString() : name.mid(dot + 1);
}

QString DriveTypeText(DriveType type, const ExplorerTexts &t) {
  switch (type) {
  case DriveType::Unknown:
    return t.sDriveUnknown;
  case DriveType::NoRoot:
    return t.sDriveNoRoot;
  case DriveType::Removable:
    return t.sDriveRemovable;
  case DriveType::Fixed:
    return t.sDriveFixed;
  case DriveType::Network:
    return t.sDriveNetwork;
  case DriveType::CdRom:
    return t.sDriveCdRom;
  case DriveType::Ram:
    return t.sDriveRam;
  }
  return QString();
}

QString DriveTypeName(const QString &root, const ExplorerTexts &texts) {
  return DriveTypeText(DefaultPlatform().Volumes->TypeOf(EncodeName(root)), texts);
}

QString ParentFolder(const QString &folder) {
  const QString path = WithoutTrailingBackslash(folder);
  if (path.isEmpty() || IsDrivesFolder(folder))
    return QStringLiteral("Drives");
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  return slash < 0 ? QStringLiteral("Drives") : path.left(slash + 1);
}

bool DiskReady(const QString &root, bool showMessage, QString *message, const ExplorerTexts &texts) {
  return DiskReady(*DefaultPlatform().Volumes, root, showMessage, message, texts);
}

bool DiskReady(VolumeTable &volumes, const QString &root, bool showMessage, QString *message,
               const ExplorerTexts &t) {
  QString shown;
  // A root that names no drive is said so, and asked about all the same.
  if (!root.startsWith(QLatin1Char('/')))
    shown = t.sDiskInvalid;
  const bool ready = !root.isEmpty() && volumes.Ready(EncodeName(root));
  if (!ready && showMessage) {
    if (!shown.isEmpty())
      shown += QLatin1Char('\n');
    shown += t.sDiskNone + root + QLatin1Char('\n') + t.sDiskOr + root + t.sDiskNotReady;
  }
  if (message)
    *message = shown;
  return ready;
}

bool IsDrivesFolder(const QString &folder) {
  return folder.compare(QLatin1String("DRIVES"), Qt::CaseInsensitive) == 0;
}

QString SmallIconKey(const QString &path) {
  if (IsDrivesFolder(path))
    return QStringLiteral("computer");
  if (FolderExists(path))
    return QStringLiteral("folder");
  return DefaultPlatform()
      .Types->ForExtension(ExtensionOf(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1)))
      .IconKey;
}

QString OpenIconKey(const QString &path) {
  if (!IsDrivesFolder(path) && FolderExists(path))
    return QStringLiteral("folder-open");
  return SmallIconKey(path);
}

QString DriveIconKey(DriveType type) {
  switch (type) {
  case DriveType::Removable:
    return QStringLiteral("drive-removable-media");
  case DriveType::Network:
    return QStringLiteral("folder-remote");
  case DriveType::CdRom:
    return QStringLiteral("drive-optical");
  default:
    return QStringLiteral("drive-harddisk");
  }
}
