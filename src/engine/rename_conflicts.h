// What a rename run would do with each preview line, known before the run by looking names up.
#pragma once

#include "engine/folder_names.h"
#include "engine/rename_options.h"
#include "explorer/file_list_entry.h"
#include "platform/safe_rename.h"

#include <QStringList>

#include <span>
#include <vector>

// Why a line would not be renamed; the first four are failures of the run.
enum class LineConflict : quint8 {
  None,       // renamed
  SameTarget, // an earlier line gives the same name
  NameTaken,  // the name is held by a file that keeps it (outside the run, or not renamed)
  NotAllowed, // not a name a file may have (empty, "." or "..", "/", a control character)
  NoLine,     // the preview has no line for the entry
  Unchanged,  // the entry keeps its name
  Excluded,   // a folder the run leaves alone
};

inline bool WouldFail(LineConflict c) {
  return c == LineConflict::SameTarget || c == LineConflict::NameTaken || c == LineConflict::NotAllowed ||
         c == LineConflict::NoLine;
}

// A short English text for a conflict ("same name as line 3").
QString ConflictText(LineConflict conflict);

struct ConflictReport {
  std::vector<LineConflict> lines; // one per entry
  qsizetype failing = 0;           // lines that would fail
};

// Looks at every entry with its line as the run would: names an earlier line takes, names freed by
// other entries of the run before they are needed (chains and cycles succeed), names held by files
// that stay. Touches nothing; a folder with many new names is read once instead of looking each up.
// The only check of what a run will do: the window marks its preview with it, the command line
// prints and counts with it.
ConflictReport CheckConflicts(const RenameOptions &options, std::span<const FileListEntry> entries,
                              const QStringList &lines, FileSystemCalls &calls = SystemFileSystemCalls());
// The same with the names of folders known already (those the listing read, offered to folderNames,
// and those earlier checks read): a known folder is read again only when it has changed; the names
// read are kept there for the next check, as on every refresh of the preview.
ConflictReport CheckConflicts(const RenameOptions &options, std::span<const FileListEntry> entries,
                              const QStringList &lines, FolderNameCache &folderNames,
                              FileSystemCalls &calls = SystemFileSystemCalls());
