// What a rename run would do with each preview line, known before the run by looking names up.
#pragma once

#include "engine/folder_names.h"
#include "engine/preview.h"
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
ConflictReport CheckConflicts(const RenameOptions &options, std::span<const FileListEntry> entries,
                              const QStringList &lines, FileSystemCalls &calls = SystemFileSystemCalls());
// The same, for a check on every refresh of the preview: the names of the folders read are kept in
// folderNames for the next check, which reads a folder again only when it has changed.
ConflictReport CheckConflicts(const RenameOptions &options, std::span<const FileListEntry> entries,
                              const QStringList &lines, FolderNameCache &folderNames,
                              FileSystemCalls &calls = SystemFileSystemCalls());
// The same for a preview whose refresh keyed its lines (RefreshSources::keyLines): where every
// folder with new names is read and no new name is held on disk, only the keys are read, not the
// lines; anything else is checked from the lines as above.
ConflictReport CheckConflicts(const RenameOptions &options, std::span<const FileListEntry> entries,
                              const Preview &preview, FolderNameCache &folderNames,
                              FileSystemCalls &calls = SystemFileSystemCalls());
