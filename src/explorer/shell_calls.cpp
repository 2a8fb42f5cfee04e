#include "explorer/shell_calls.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The value of a key in a group of a freedesktop "key=value" file; empty when absent.
QString GroupValue(const QString &path, const QString &group, const QString &key) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    return {};
  const QString header = QLatin1Char('[') + group + QLatin1Char(']');
  bool inGroup = false;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.startsWith(QLatin1Char('['))) {
      inGroup = line == header;
      continue;
    }
    if (!inGroup)
      continue;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq > 0 && QStringView(line).left(eq).trimmed() == key)
      return line.mid(eq + 1).trimmed();
  }
  return {};
}

QStringList GroupList(const QString &path, const QString &group, const QString &key) {
  return GroupValue(path, group, key).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

QStringList ConfigDirs() {
  return QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
}

QStringList DataDirs() {
  return QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
}

// The mimeapps.list files in order of precedence: desktop-specific before generic, configuration
// before data.
QStringList MimeAppsLists(const QStringList &configDirs, const QStringList &dataDirs) {
  QStringList names;
  for (const QString &desktop :
       qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts))
    names << desktop.toLower() + QStringLiteral("-mimeapps.list");
  names << QStringLiteral("mimeapps.list");
  QStringList lists;
  for (const QString &dir : configDirs)
    for (const QString &name : names)
      lists << dir + QLatin1Char('/') + name;
  for (const QString &dir : dataDirs)
    for (const QString &name : names)
      lists << dir + QStringLiteral("/applications/") + name;
  return lists;
}

} // namespace

QString DesktopFilePath(const QString &desktopId, const QStringList &dataDirs) {
  if (desktopId.isEmpty() || desktopId.contains(QLatin1Char('/')))
    return QString();
  for (const QString &dir : dataDirs) {
    const QString base = dir + QStringLiteral("/applications/");
    if (QFile::exists(base + desktopId))
      return base + desktopId;
    // "vendor-app.desktop" may live in the subfolder "vendor" as "app.desktop".
    QString nested = desktopId;
    for (qsizetype dash = nested.indexOf(QLatin1Char('-')); dash > 0;
         dash = nested.indexOf(QLatin1Char('-'))) {
      nested[dash] = QLatin1Char('/');
      if (QFile::exists(base + nested))
        return base + nested;
    }
  }
  return QString();
}

QString DefaultApplicationFor(const QString &mimeType, const QStringList &configDirs,
                              const QStringList &dataDirs) {
  const QStringList lists = MimeAppsLists(configDirs, dataDirs);
  for (const QString &group : {QStringLiteral("Default Applications"), QStringLiteral("Added Associations")})
    for (const QString &list : lists)
      for (const QString &id : GroupList(list, group, mimeType))
        if (!DesktopFilePath(id, dataDirs).isEmpty())
          return id;
  for (const QString &dir : dataDirs)
    for (const QString &id : GroupList(dir + QStringLiteral("/applications/mimeinfo.cache"),
                                       QStringLiteral("MIME Cache"), mimeType))
      if (!DesktopFilePath(id, dataDirs).isEmpty())
        return id;
  return QString();
}

QString DesktopEntryExec(const QString &desktopFile) {
  return GroupValue(desktopFile, QStringLiteral("Desktop Entry"), QStringLiteral("Exec"));
}

QStringList DesktopExecCommand(const QString &exec, const QString &file) {
  QStringList command;
  bool fileGiven = false;
  for (const QString &word : QProcess::splitCommand(exec)) {
    if (word == QLatin1String("%f") || word == QLatin1String("%F") || word == QLatin1String("%u") ||
        word == QLatin1String("%U")) {
      command << file;
      fileGiven = true;
      continue;
    }
    QString out;
    for (qsizetype i = 0; i < word.size(); ++i) {
      if (word[i] != QLatin1Char('%') || i + 1 >= word.size()) {
        out += word[i];
        continue;
      }
      const QChar code = word[++i];
      if (code == QLatin1Char('%'))
        out += code;
      else if (QStringLiteral("fFuU").contains(code)) {
        out += file;
        fileGiven = true;
      }
    }
    if (!out.isEmpty())
      command << out;
  }
  if (!command.isEmpty() && !fileGiven)
    command << file;
  return command;
}

bool DesktopShellCalls::Open(const QString &path, const QString &folder) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  return !opener.isEmpty() && !path.isEmpty() && QProcess::startDetached(opener, {path}, folder);
}

bool DesktopShellCalls::Run(const QString &program, const QStringList &arguments, const QString &folder) {
  return !program.isEmpty() && QProcess::startDetached(program, arguments, folder);
}

bool DesktopShellCalls::OpenWithAppFor(const QString &mimeType, const QString &file, const QString &folder) {
  const QStringList dataDirs = DataDirs();
  const QString desktopFile =
      DesktopFilePath(DefaultApplicationFor(mimeType, ConfigDirs(), dataDirs), dataDirs);
  if (desktopFile.isEmpty())
    return false;
  const QStringList command = DesktopExecCommand(DesktopEntryExec(desktopFile), file);
  return !command.isEmpty() && Run(command.first(), command.mid(1), folder);
}

ShellCalls &DesktopShell() {
  static DesktopShellCalls shell;
  return shell;
}
