// The rename script, the undo script and the preview text file, and the names they are saved under.
#pragma once

#include "engine/rename_options.h"
#include "engine/rename_run.h"
#include "explorer/file_list_entry.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <span>

// The two kinds of script: REN lines for the Windows command interpreter (CR LF, "%" doubled), or a
// POSIX shell script of mv lines with absolute, single-quoted paths.
enum class ScriptFormat { Ren, Shell };

// A script's bytes, and the positions it leaves out with the reason for each.
struct ScriptText {
  QByteArray text;
  QList<qsizetype> leftOut;
  QStringList reasons; // one per position of leftOut
};

// Everything after the last "/" of a path, or the whole text when it has none.
QString FileNameFromPath(const QString &path);

// The undo of the record, newest rename first, so that a chain the run made comes back whole.
// REN: REN "<full new path>" "<old name>" for every position. Shell: a move from the new path to the
// old one for every file whose name changed. Paths are the bytes the file system holds.
// REN lines leave out names that hold a double quote or a line break: no REN line can quote them.
ScriptText MakeUndoScript(const UndoRecord &record, ScriptFormat format = ScriptFormat::Ren);

// The renames the run would make (excluded folders, drives and entries without a line are left out
// without being listed). REN, in list order: REN "<full old path>" "<preview line>". Shell, in the
// order the run takes them (names freed before they are taken, cycles through a temporary name): a
// move from the old path to the name the run gives on disk, for every name that changes; a name the
// run would refuse (empty, "." or "..", holding "/") is left out.
ScriptText MakeRenameScript(const RenameOptions &options, std::span<const FileListEntry> entries,
                            const QStringList &lines, ScriptFormat format = ScriptFormat::Ren);

// Every preview line as shown, each ended by CR LF; UTF-8. A line paired with an entry (give the
// entries only while the lines are new names) is the name the rename gives (see NameOnDisk), and
// the bytes of a name that are not valid UTF-8 are written as they are on disk.
QByteArray MakePreviewText(const QStringList &lines, std::span<const FileListEntry> entries = {});

enum class FileMode { Plain, Runnable };

// Creates or replaces the file with the bytes. An existing file is replaced only once all bytes are
// written. Runnable: whoever may read the file may also run it. Returns an empty text on success,
// else a one-line message naming the file.
QString WriteWholeFile(const QString &path, const QByteArray &bytes, FileMode mode = FileMode::Plain);

// What a save command proposes and which extension it insists on.
struct SaveTarget {
  const char *defaultName;       // proposed in the save dialog
  const char *filter;            // the dialog's filter
  const char *requiredExtension; // compared with the end of the chosen name, upper-cased
  const char *appendedExtension; // appended when the chosen name does not end with it
};

inline constexpr SaveTarget kPreviewTextTarget{"Preview.txt", "*.txt", ".TXT", ".txt"};
inline constexpr SaveTarget kRenameScriptTarget{"RenameIt.bat", "*.bat", ".BAT", ".bat"};
inline constexpr SaveTarget kUndoScriptTarget{"Undo.bat", "*.bat", ".BAT", ".bat"};
inline constexpr SaveTarget kOptionsFileTarget{"MyOptions.INI", "*.ini", ".INI", ".ini"};

// The chosen name with the target's extension appended unless its last characters, upper-cased, are
// already that extension ("notes" gives "notes.txt", "list.cmd" gives "list.cmd.bat").
QString WithRequiredExtension(const QString &chosen, const SaveTarget &target);

// The second filter of the two script commands' save dialog, after the target's own ("*.bat").
inline constexpr char kShellScriptFilter[] = "Shell scripts (*.sh)";
inline constexpr SaveTarget kShellScriptTarget{"RenameIt.sh", kShellScriptFilter, ".SH", ".sh"};

// The format a script's file name asks for: a name ending in ".sh" (any case) is a shell script,
// any other gets REN lines. The command line uses this rule as it is.
ScriptFormat ScriptFormatOf(const QString &fileName);

// The file a script command of the window writes, and its format: a name ending in ".sh" or ".bat"
// is used as chosen; any other gets ".sh" when the shell filter was chosen, else the target's rule.
struct ScriptFile {
  QString path;
  ScriptFormat format = ScriptFormat::Ren;
};
ScriptFile ChooseScriptFile(const QString &chosen, const SaveTarget &target, bool shellFilterChosen);

// Shell scripts are written runnable.
inline FileMode RunMode(ScriptFormat format) {
  return format == ScriptFormat::Shell ? FileMode::Runnable : FileMode::Plain;
}
