// The files that put "open here" entries into the folder menus of Linux file managers.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One file of the entry: where it goes and what it holds.
struct ShellEntryFile {
  QString path;
  QByteArray bytes;
  bool executable = false;
};

// Every file of the entry for a caption (the menu text) and the program to start, under dataHome
// (the user's XDG data folder):
// - applications/zelvo-rename-from-here.desktop: an application that opens folders, offered in
//   "Open With" of every desktop;
// - kio/servicemenus/zelvo-rename-from-here.desktop: a Dolphin service menu (executable);
// - nautilus/scripts/<caption>: a Nautilus script (executable), named by the menu text it shows;
// - nemo/actions/zelvo-rename-from-here.nemo_action: a Nemo action.
QList<ShellEntryFile> ShellEntryFiles(const QString &dataHome, const QString &caption,
                                      const QString &programPath);

// Where the files of the entry are for any of these captions: the three of fixed names and the
// Nautilus scripts of those captions.
QStringList ShellEntryPaths(const QString &dataHome, const QStringList &captions);

// The Nautilus script of a caption: the one file whose name depends on the menu text.
QString NautilusScriptPath(const QString &dataHome, const QString &caption);

// The user's data folder ($XDG_DATA_HOME, else ~/.local/share).
QString UserDataHome();

// The program as the first word of a desktop entry's Exec line: quoted where it needs to be and
// escaped for the entry's value syntax.
QString DesktopExecProgram(const QString &programPath);
// A word quoted for the POSIX shell.
QString ShellQuoted(const QString &word);
