// How the file list starts other programs: one small interface, the desktop's by default and a
// recording stand-in in tests, so that no test starts a real program.
#pragma once

#include <QString>
#include <QStringList>

class ShellCalls {
public:
  virtual ~ShellCalls() = default;
  // Opens a file or folder with the desktop's handler for its type. Whether a program was started.
  [[nodiscard]] virtual bool Open(const QString &path, const QString &folder) = 0;
  // Starts a program with arguments in a working folder, without waiting for it.
  [[nodiscard]] virtual bool Run(const QString &program, const QStringList &arguments,
                                 const QString &folder) = 0;
  // Opens file with the desktop's default application for a MIME type ("text/plain").
  [[nodiscard]] virtual bool OpenWithAppFor(const QString &mimeType, const QString &file,
                                            const QString &folder) = 0;
};

// The running desktop's: xdg-open, and the default applications of the freedesktop lists.
class DesktopShellCalls final : public ShellCalls {
public:
  bool Open(const QString &path, const QString &folder) override;
  bool Run(const QString &program, const QStringList &arguments, const QString &folder) override;
  bool OpenWithAppFor(const QString &mimeType, const QString &file, const QString &folder) override;
};

// The desktop's shell calls; they live until the program ends.
ShellCalls &DesktopShell();

// The desktop file id of the default application for a MIME type, from the mimeapps.list files of
// the configuration and data folders (in order of precedence) and the data folders' application
// caches; only installed applications count. Empty when there is none.
QString DefaultApplicationFor(const QString &mimeType, const QStringList &configDirs,
                              const QStringList &dataDirs);
// The path of an installed desktop file id ("org.gnome.gedit.desktop"), or empty.
QString DesktopFilePath(const QString &desktopId, const QStringList &dataDirs);
// The Exec line of a desktop entry file, or empty.
QString DesktopEntryExec(const QString &desktopFile);
// The program and arguments of a desktop entry's Exec line started on one file: %f %F %u %U become
// the file, %% a percent sign, the other field codes go. Empty when the line has no program.
QStringList DesktopExecCommand(const QString &exec, const QString &file);
