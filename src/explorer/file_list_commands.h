// The commands of the file list (go up, open an entry, open with the editor of its type, rename in
// place) as decisions on the list model, without widgets: the list widget runs them on keys.
#pragma once

#include "explorer/shell_calls.h"

#include <QString>

class TZelvoRenameFileListView;

// What a command did. A message is for the window to show; a changed folder for the linked
// trees to follow ("Drives" for the drives view).
struct [[nodiscard]] CommandResult {
  enum Kind { Nothing, EnteredFolder, OpenedFile, Renamed, Refused };
  Kind kind = Nothing;
  QString folder;  // for EnteredFolder
  QString message; // for Refused, or a file that could not be opened
};

class FileListCommands {
public:
  // shell: how programs are started; the desktop's when null.
  explicit FileListCommands(TZelvoRenameFileListView &list, ShellCalls *shell = nullptr);
  void SetShell(ShellCalls *shell);
  ShellCalls &Shell() const { return *m_shell; }

  // The parent of the listed folder: of "/" the drives view, of any other folder (a mount point
  // too) the folder that holds it. Nothing happens in the drives view.
  CommandResult GoUp();
  // The first selected entry: a file is opened with the desktop's handler, a folder or a volume is
  // entered (a removable volume only when it answers).
  CommandResult OpenEntry();
  // The first selected file, in the desktop's editor of its type: the text editor for program
  // sources and settings files, the word processor for documents, the picture editor for bitmaps.
  // Other files are left alone.
  CommandResult OpenWithTool();

  // Whether entry row may be renamed in place to name: not in the drives view, not a volume, a
  // plain name of a file or folder, and no other item of that name in its folder. Refused with a
  // message when not; Nothing when the name is unchanged.
  CommandResult CheckRename(int row, const QString &name) const;
  // The in-place rename itself, after CheckRename: never replaces an existing item.
  CommandResult RenameEntry(int row, const QString &name);

  // The MIME type whose default application OpenWithTool uses for an extension (with or without the
  // dot, any case); empty for extensions it leaves alone.
  static QString ToolMimeType(const QString &extension);

private:
  int FirstSelected() const;

  TZelvoRenameFileListView &m_list;
  ShellCalls *m_shell;
};
