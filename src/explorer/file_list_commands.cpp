#include "explorer/file_list_commands.h"

#include "explorer/explorer_helpers.h"
#include "explorer/file_list_view.h"
#include "explorer/shell_helpers.h"
#include "platform/name_codec.h"
#include "platform/safe_rename.h"

#include <sys/stat.h>

namespace {

CommandResult Result(CommandResult::Kind kind, const QString &folder = {}, const QString &message = {}) {
  return CommandResult{kind, folder, message};
}

// The full path of an entry as the file system holds it.
QByteArray NativePathOf(const FileListEntry &entry) {
  return entry.NativePath.isEmpty() ? EncodeName(entry.SubItems[SubFullPath]) : entry.NativePath;
}

// Sets the list's folder; whether it changed.
bool Enter(TZelvoRenameFileListView &list, const QString &folder) {
  const QString before = list.Directory();
  list.SetDirectory(folder);
  return list.Directory() != before;
}

} // namespace

FileListCommands::FileListCommands(TZelvoRenameFileListView &list, ShellCalls *shell)
    : m_list(list), m_shell(shell ? shell : &DesktopShell()) {}

void FileListCommands::SetShell(ShellCalls *shell) {
  m_shell = shell ? shell : &DesktopShell();
}

int FileListCommands::FirstSelected() const {
  for (int i = 0; i < m_list.Count(); ++i)
    if (m_list.Entry(i).Selected)
      return i;
  return -1;
}

CommandResult FileListCommands::GoUp() {
  if (m_list.IsDrivesView())
    return Result(CommandResult::Nothing);
  // A folder that has gone since it was listed is passed over on the way up.
  QString parent = ParentFolder(m_list.Directory());
  while (!Enter(m_list, parent)) {
    if (IsDrivesFolder(parent))
      return Result(CommandResult::Nothing);
    parent = ParentFolder(parent);
  }
  return Result(CommandResult::EnteredFolder, m_list.Directory());
}

CommandResult FileListCommands::OpenEntry() {
  const int row = FirstSelected();
  if (row < 0)
    return Result(CommandResult::Nothing);
  const FileListEntry &entry = m_list.Entry(row);
  const QString &kind = entry.SubItems[SubKind];
  const QString &path = entry.SubItems[SubFullPath];
  if (kind == QLatin1String("file")) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const ShellOpenResult opened =
        ShellOpen(*m_shell, QStringLiteral("Open"), path.mid(slash + 1), QString(), path.left(slash + 1));
    return opened.ok() ? Result(CommandResult::OpenedFile)
                       : Result(CommandResult::Refused, {}, opened.message);
  }
  if (kind != QLatin1String("dir") && kind != QLatin1String("drv"))
    return Result(CommandResult::Nothing);
  const QString folder = WithTrailingBackslash(path);
  if (kind == QLatin1String("drv")) {
    const QString root = folder.size() > 1 ? WithoutTrailingBackslash(folder) : folder;
    VolumeTable &volumes = *m_list.Services().Volumes;
    const DriveType type = volumes.TypeOf(EncodeName(root));
    QString message;
    if ((type == DriveType::Removable || type == DriveType::CdRom) &&
        !DiskReady(volumes, root, true, &message, m_list.Texts()))
      return Result(CommandResult::Refused, {}, message);
  }
  if (!Enter(m_list, folder))
    return Result(CommandResult::Nothing);
  return Result(CommandResult::EnteredFolder, m_list.Directory());
}

QString FileListCommands::ToolMimeType(const QString &extension) {
  const QString e =
      (extension.startsWith(QLatin1Char('.')) ? extension : QLatin1Char('.') + extension).toUpper();
  static const QStringList text = {QStringLiteral(".C"),   QStringLiteral(".CPP"), QStringLiteral(".DPK"),
                                   QStringLiteral(".DPR"), QStringLiteral(".H"),   QStringLiteral(".INF"),
                                   QStringLiteral(".INI"), QStringLiteral(".PAS"), QStringLiteral(".PRG"),
                                   QStringLiteral(".TXT")};
  static const QStringList document = {QStringLiteral(".DOC"), QStringLiteral(".RTF"),
                                       QStringLiteral(".WRI")};
  if (text.contains(e))
    return QStringLiteral("text/plain");
  if (document.contains(e))
    return QStringLiteral("application/rtf");
  if (e == QLatin1String(".BMP"))
    return QStringLiteral("image/bmp");
  return QString();
}

CommandResult FileListCommands::OpenWithTool() {
  const int row = FirstSelected();
  if (row < 0)
    return Result(CommandResult::Nothing);
  const FileListEntry &entry = m_list.Entry(row);
  // Only files: a folder named like a document is not handed to an editor.
  const QString mime = ToolMimeType(ExtensionOf(entry.Caption));
  if (entry.SubItems[SubKind] != QLatin1String("file") || mime.isEmpty() ||
      ExtensionOf(entry.Caption).isEmpty())
    return Result(CommandResult::Nothing);
  const QString &path = entry.SubItems[SubFullPath];
  const QString folder = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
  if (m_shell->OpenWithAppFor(mime, path, folder))
    return Result(CommandResult::OpenedFile);
  return Result(CommandResult::Refused, {},
                QStringLiteral("ERROR - Can't Open file  ") +
                    path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
}

CommandResult FileListCommands::CheckRename(int row, const QString &name) const {
  if (row < 0 || row >= m_list.Count())
    return Result(CommandResult::Nothing);
  const FileListEntry &entry = m_list.Entry(row);
  if (name == entry.Caption)
    return Result(CommandResult::Nothing);
  const QString &kind = entry.SubItems[SubKind];
  if (m_list.IsDrivesView() || (kind != QLatin1String("file") && kind != QLatin1String("dir")))
    return Result(CommandResult::Refused);
  if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
      name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
    return Result(CommandResult::Refused);
  // Another item of that name is never replaced; the entry itself under another letter case (on a
  // file system that ignores case) is the rename's to sort out.
  const QByteArray from = NativePathOf(entry);
  const QByteArray to = NativeFolder(from) + EncodeName(name);
  struct stat target, source;
  if (::lstat(to.constData(), &target) == 0 &&
      (::lstat(from.constData(), &source) != 0 || source.st_dev != target.st_dev ||
       source.st_ino != target.st_ino))
    return Result(CommandResult::Refused);
  return Result(CommandResult::Renamed);
}

CommandResult FileListCommands::RenameEntry(int row, const QString &name) {
  const CommandResult check = CheckRename(row, name);
  if (check.kind != CommandResult::Renamed)
    return check;
  const QByteArray from = NativePathOf(m_list.Entry(row));
  const RenameStatus status = SafeRename(from, NativeFolder(from) + EncodeName(name));
  return status.ok() ? check : Result(CommandResult::Refused, {}, status.Text());
}
