#include "explorer/shell_helpers.h"

#include "explorer/explorer_helpers.h"
#include "platform/name_codec.h"
#include "platform/safe_rename.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

ShellOpenResult ShellOpen(ShellCalls &shell, const QString &verb, const QString &file,
                          const QString &parameters, const QString &folder) {
  ShellOpenResult result;
  QString target = file;
  if (!target.isEmpty() && QDir::isRelativePath(target) && !folder.isEmpty())
    target = QDir(folder).filePath(target);
  const bool open = verb.isEmpty() || verb.compare(QLatin1String("open"), Qt::CaseInsensitive) == 0;
  const bool explore = verb.compare(QLatin1String("explore"), Qt::CaseInsensitive) == 0;
  if (!target.isEmpty()) {
    if (explore)
      result.started = shell.Open(FolderExists(target) ? target : QFileInfo(target).path(), folder);
    else if (open && parameters.isEmpty())
      result.started = shell.Open(target, folder);
    else if (open)
      result.started = shell.Run(target, QProcess::splitCommand(parameters), folder);
  }
  if (!result.started)
    result.message = QStringLiteral("ERROR - Can't ") + verb + QStringLiteral(" file  ") + file;
  return result;
}

bool ShellFileOperation(int operation, const QString &source, bool &aborted, const QString &target,
                        QString *message) {
  // The flag is the operation's to report: whatever the caller preset, it starts over.
  aborted = false;
  if (operation != kShellRename) {
    aborted = true;
    return false;
  }
  const RenameStatus status =
      SafeRename(EncodeName(WithoutTrailingBackslash(source)), EncodeName(WithoutTrailingBackslash(target)));
  if (!status.ok() && message)
    *message = status.Text();
  return status.ok();
}
