#include "settings/shell_entry_files.h"

#include <QStandardPaths>

namespace {

const QString kFileStem = QStringLiteral("zelvo-rename-from-here");
const QString kIconName = QStringLiteral("zelvo-rename");

// A desktop entry's string value: no line breaks, backslashes written twice, and a blank at its
// start written "\s" (readers drop blanks around the "=").
QString EntryValue(const QString &text) {
  QString out = text;
  out.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
  out.replace(QLatin1Char('\n'), QLatin1String("\\n"));
  out.replace(QLatin1Char('\r'), QLatin1String("\\r"));
  out.replace(QLatin1Char('\t'), QLatin1String("\\t"));
  if (out.startsWith(QLatin1Char(' ')))
    out.replace(0, 1, QLatin1String("\\s"));
  return out;
}

// A value of a Nemo action, where "%" starts a token and "%%" stands for a percent sign.
QString NemoValue(const QString &text) {
  QString out = text;
  out.replace(QLatin1Char('%'), QLatin1String("%%"));
  return EntryValue(out);
}

QByteArray ApplicationEntry(const QString &caption, const QString &exec) {
  return QStringLiteral("[Desktop Entry]\n"
                        "Type=Application\n"
                        "Name=%1\n"
                        "Comment=Rename the files of this folder\n"
                        "Icon=%2\n"
                        "Exec=%3 %f\n"
                        "MimeType=inode/directory;\n"
                        "NoDisplay=true\n"
                        "Terminal=false\n")
      .arg(EntryValue(caption), kIconName, exec)
      .toUtf8();
}

QByteArray DolphinServiceMenu(const QString &caption, const QString &exec) {
  return QStringLiteral("[Desktop Entry]\n"
                        "Type=Service\n"
                        "ServiceTypes=KonqPopupMenu/Plugin\n"
                        "MimeType=inode/directory;\n"
                        "Actions=openZelvoRename;\n"
                        "X-KDE-Priority=TopLevel\n"
                        "\n"
                        "[Desktop Action openZelvoRename]\n"
                        "Name=%1\n"
                        "Icon=%2\n"
                        "Exec=%3 %f\n")
      .arg(EntryValue(caption), kIconName, exec)
      .toUtf8();
}

// Nautilus runs scripts with the selection in NAUTILUS_SCRIPT_SELECTED_FILE_PATHS (one path a line)
// and the folder shown as the current folder. A selected file stands for its folder.
QByteArray NautilusScript(const QString &programPath) {
  return QStringLiteral("#!/bin/sh\n"
                        "# Opens Zelvo Rename on the selected folder, or on the folder shown.\n"
                        "folder=$(printf '%s\\n' \"$NAUTILUS_SCRIPT_SELECTED_FILE_PATHS\" | head -n 1)\n"
                        "[ -n \"$folder\" ] || folder=$(pwd)\n"
                        "[ -d \"$folder\" ] || folder=$(dirname -- \"$folder\")\n"
                        "exec %1 \"$folder\"\n")
      .arg(ShellQuoted(programPath))
      .toUtf8();
}

// Nemo fills %F with the selected folder, quoted as Quote= says, and splits the line as the shell
// does (without expanding anything).
QByteArray NemoAction(const QString &caption, const QString &programPath) {
  return QStringLiteral("[Nemo Action]\n"
                        "Active=true\n"
                        "Name=%1\n"
                        "Comment=Rename the files of this folder\n"
                        "Exec=%2 %F\n"
                        "Icon-Name=%3\n"
                        "Selection=s\n"
                        "Extensions=dir;\n"
                        "Quote=double\n")
      .arg(NemoValue(caption), NemoValue(ShellQuoted(programPath)), kIconName)
      .toUtf8();
}

} // namespace

QString UserDataHome() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString ShellQuoted(const QString &word) {
  QString out = word;
  out.replace(QLatin1Char('\''), QLatin1String("'\\''"));
  return QLatin1Char('\'') + out + QLatin1Char('\'');
}

QString DesktopExecProgram(const QString &programPath) {
  // Characters that make an Exec argument need double quotes; inside them ", `, $ and \ are escaped.
  static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
  bool quote = false;
  for (const QChar c : programPath)
    quote = quote || reserved.contains(c);
  QString word = programPath;
  word.replace(QLatin1Char('%'), QLatin1String("%%"));
  if (quote) {
    QString escaped;
    for (const QChar c : std::as_const(word)) {
      if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
        escaped += QLatin1Char('\\');
      escaped += c;
    }
    word = QLatin1Char('"') + escaped + QLatin1Char('"');
  }
  return EntryValue(word);
}

QString NautilusScriptPath(const QString &dataHome, const QString &caption) {
  // The file name is the menu text; a slash cannot be part of it, and blanks at either end only
  // make it hard to find.
  QString name = caption.trimmed();
  name.replace(QLatin1Char('/'), QLatin1Char('-'));
  if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
    name = kFileStem;
  return dataHome + QLatin1String("/nautilus/scripts/") + name;
}

QList<ShellEntryFile> ShellEntryFiles(const QString &dataHome, const QString &caption,
                                      const QString &programPath) {
  const QString exec = DesktopExecProgram(programPath);
  return {
      {dataHome + QLatin1String("/applications/") + kFileStem + QLatin1String(".desktop"),
       ApplicationEntry(caption, exec), false},
      {dataHome + QLatin1String("/kio/servicemenus/") + kFileStem + QLatin1String(".desktop"),
       DolphinServiceMenu(caption, exec), true},
      {NautilusScriptPath(dataHome, caption), NautilusScript(programPath), true},
      {dataHome + QLatin1String("/nemo/actions/") + kFileStem + QLatin1String(".nemo_action"),
       NemoAction(caption, programPath), false},
  };
}

QStringList ShellEntryPaths(const QString &dataHome, const QStringList &captions) {
  QStringList paths;
  const QString noScript = NautilusScriptPath(dataHome, QString());
  for (const ShellEntryFile &file : ShellEntryFiles(dataHome, QString(), QString())) {
    if (file.path != noScript)
      paths.append(file.path);
  }
  for (const QString &caption : captions)
    paths.append(NautilusScriptPath(dataHome, caption));
  return paths;
}
