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

// A script's bytes: one REN line per item, each ended by CR LF, no header; UTF-8.
struct ScriptText {
  QByteArray text;
  // Positions left out because a path or name holds a double quote or a line break, which no REN line
  // can quote: written as they are, they would end the quoting and run the rest as a command.
  QList<qsizetype> leftOut;
};

// Everything after the last "/" of a path, or the whole text when it has none.
QString FileNameFromPath(const QString &path);

// REN "<full new path>" "<old name>" for every position of the record, in its order.
ScriptText MakeUndoScript(const UndoRecord &record);

// REN "<full old path>" "<preview line>" for every entry the rename run would rename, in list order
// (excluded folders, drives and entries without a line are left out without being listed).
ScriptText MakeRenameScript(const RenameOptions &options, std::span<const FileListEntry> entries,
                            const QStringList &lines);

// Every preview line exactly as shown, each ended by CR LF; UTF-8.
QByteArray MakePreviewText(const QStringList &lines);

// Creates or replaces the file with the bytes. An existing file is replaced only once all bytes are
// written. Returns an empty text on success, else a one-line message naming the file.
QString WriteWholeFile(const QString &path, const QByteArray &bytes);

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
