#include "engine/rename_run.h"

#include <cerrno>
#include <sys/stat.h>

void UndoRecord::clear() {
  lOld.clear();
  lNew.clear();
  nativeOld.clear();
  nativeNew.clear();
}

void UndoRecord::append(const QString &oldPath, const QString &newPath, const QByteArray &nativeOldPath,
                        const QByteArray &nativeNewPath) {
  lOld.append(oldPath);
  lNew.append(newPath);
  nativeOld.append(nativeOldPath);
  nativeNew.append(nativeNewPath);
}

void RenameErrorRecord::clear() {
  lFileNames.clear();
  lidItems.clear();
  reasons.clear();
}

void RenameErrorRecord::append(const QString &path, qsizetype index, const QString &reason) {
  lFileNames.append(path);
  lidItems.append(QString::number(index));
  reasons.append(reason);
}

bool IsAllowedFileName(const QString &name) {
  return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
         !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

QString NameOnDisk(const QString &line, const QString &oldName) {
  if (line.endsWith(QLatin1Char('.')) && line != oldName)
    return line.chopped(1);
  return line;
}

bool IsExcludedFromRun(const RenameOptions &options, const FileListEntry &entry) {
  return options.cViewFolders && entry.IsFolder() && !options.cWorkWithFolders;
}

QByteArray NativeOldPath(const FileListEntry &entry) {
  if (!entry.NativePath.isEmpty())
    return entry.NativePath;
  return entry.SubItem(SubFullPath).toUtf8();
}

QByteArray NativeFolderOf(const FileListEntry &entry) {
  if (!entry.NativePath.isEmpty())
    return NativeFolder(entry.NativePath);
  QByteArray folder = entry.SubItem(SubFolder).toUtf8();
  if (!folder.isEmpty() && !folder.endsWith('/'))
    folder += '/';
  return folder;
}

namespace {

QString ShownFolder(const FileListEntry &entry) {
  const QString &folder = entry.SubItem(SubFolder);
  return folder.isEmpty() || folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// Whether the item at path is still what the list says the entry is: present, and a folder when
// listed as one.
RenameStatus CheckStillListed(const FileListEntry &entry, const QByteArray &path, FileSystemCalls &calls) {
  const QString &kind = entry.SubItem(SubKind);
  if (kind != QLatin1String("dir") && kind != QLatin1String("file"))
    return RenameStatus::Success();
  struct stat st;
  if (const int error = calls.Stat(path.constData(), st)) {
    if (calls.LStat(path.constData(), st) != 0) // a link whose target is gone counts as a file
      return RenameStatus::Failure(error);
  }
  if (S_ISDIR(st.st_mode) != entry.IsFolder())
    return RenameStatus::Failure(ESTALE, entry.IsFolder()
                                             ? QStringLiteral("It is no longer a folder")
                                             : QStringLiteral("It has been replaced by a folder"));
  return RenameStatus::Success();
}

RenameStatus RenameEntryTo(const FileListEntry &entry, const QString &newName, const QByteArray &oldPath,
                           QByteArray &newPath, FileSystemCalls &calls) {
  if (entry.SubItem(SubKind) == QLatin1String("drv"))
    return RenameStatus::Failure(EPERM, QStringLiteral("A drive cannot be renamed"));
  if (!IsAllowedFileName(newName))
    return RenameStatus::Failure(EINVAL, QStringLiteral("The new name \"%1\" is not allowed").arg(newName));
  // An unchanged name keeps the bytes on disk, even when they are not valid UTF-8.
  newPath = newName == entry.Caption ? oldPath : NativeFolderOf(entry) + newName.toUtf8();
  if (newPath == oldPath)
    return CheckStillListed(entry, oldPath, calls);
  // A vanished item fails the rename itself. Whether the item moved is still of the kind the list
  // showed is checked after the move, on the name the rename has just looked up (a check before it
  // would cost a second look-up of every name); one that is not goes straight back.
  const RenameStatus status = SafeRename(oldPath, newPath, calls);
  if (!status.ok())
    return status;
  if (const RenameStatus kind = CheckStillListed(entry, newPath, calls); !kind.ok()) {
    if (SafeRename(newPath, oldPath, calls).ok())
      return kind;
    // Its old name was taken meanwhile: it keeps the new one and is recorded for undo.
  }
  return status;
}

} // namespace

RenameRunResult RenameAllEntries(const RenameOptions &options, std::span<const FileListEntry> entries,
                                 const QStringList &lines, FileSystemCalls &calls,
                                 const RunProgress &progress) {
  RenameRunResult result;
  const qsizetype total = qsizetype(entries.size());
  for (qsizetype i = 0; i < total; ++i) {
    if (progress && !progress(i, total))
      break;
    const FileListEntry &entry = entries[i];
    if (IsExcludedFromRun(options, entry))
      continue;
    const QString &oldPathShown = entry.SubItem(SubFullPath);
    if (i >= lines.size()) {
      result.errors.append(oldPathShown, i, QStringLiteral("No new name for it in the preview"));
      continue;
    }
    const QString newName = NameOnDisk(lines.at(i), entry.Caption);
    const QByteArray oldPath = NativeOldPath(entry);
    QByteArray newPath;
    const RenameStatus status = RenameEntryTo(entry, newName, oldPath, newPath, calls);
    if (status.ok())
      result.undo.append(oldPathShown, ShownFolder(entry) + newName, oldPath, newPath);
    else
      result.errors.append(oldPathShown, i, status.Text());
  }
  return result;
}

RenameStatus RenameInPlace(const FileListEntry &entry, const QString &text, FileSystemCalls &calls) {
  QByteArray newPath;
  return RenameEntryTo(entry, text, NativeOldPath(entry), newPath, calls);
}
