#include "explorer/shell_helpers.h"

#include "explorer/explorer_helpers.h"
#include "platform/safe_rename.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

bool ShellOpen(const QString &verb, const QString &file, const QString &parameters, const QString &folder,
               QString *message) {
  QString target = file;
  if (verb.compare(QLatin1String("explore"), Qt::CaseInsensitive) == 0 && !FolderExists(file))
    target = QFileInfo(file).path();
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  Q_UNUSED(parameters); // the desktop's handler takes the file alone
  const bool ok = !opener.isEmpty() && !target.isEmpty() &&
                  QProcess::startDetached(opener, {target}, folder.isEmpty() ? QString() : folder);
  if (!ok && message)
    *message = QStringLiteral("ERROR - Can't ") + verb + QStringLiteral(" file  ") + file;
  return ok;
}

bool ShellFileOperation(int operation, const QString &source, bool &aborted, const QString &target,
                        QString *message) {
  if (aborted)
    return false;
  if (operation != kShellRename) {
    aborted = true;
    return false;
  }
  const RenameStatus status = SafeRename(QFile::encodeName(WithoutTrailingBackslash(source)),
                                         QFile::encodeName(WithoutTrailingBackslash(target)));
  if (!status.ok() && message)
    *message = status.Text();
  return status.ok();
}
