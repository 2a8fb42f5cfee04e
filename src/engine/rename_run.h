// The rename run: every listed entry renamed to its preview line, with the undo and error records.
#pragma once

#include "engine/rename_options.h"
#include "explorer/file_list_entry.h"
#include "platform/safe_rename.h"

#include <QByteArrayList>
#include <QStringList>

#include <functional>
#include <span>

// The successful renames of the last run, position by position, in the order of the file list.
struct UndoRecord {
  QStringList lOld; // full old paths as shown
  QStringList lNew; // full new paths as shown
  // The same paths as the file system holds them (they differ from the shown ones only for names
  // that are not valid UTF-8); undo and the undo script use these.
  QByteArrayList nativeOld;
  QByteArrayList nativeNew;

  qsizetype size() const { return lOld.size(); }
  bool isEmpty() const { return lOld.isEmpty(); }
  void clear();
  void append(const QString &oldPath, const QString &newPath, const QByteArray &nativeOldPath,
              const QByteArray &nativeNewPath);
};

// The entries whose rename failed, in order.
struct RenameErrorRecord {
  QStringList lFileNames; // full old path of each failed entry
  QStringList lidItems;   // its index in the file list, as decimal text
  QStringList reasons;    // why it failed, one line each

  qsizetype size() const { return lFileNames.size(); }
  bool isEmpty() const { return lFileNames.isEmpty(); }
  void clear();
  void append(const QString &path, qsizetype index, const QString &reason);
};

struct RenameRunResult {
  UndoRecord undo;
  RenameErrorRecord errors;
};

// Whether a name may be given to a file: not empty, not "." or "..", no "/" and no NUL.
bool IsAllowedFileName(const QString &name);

// The name a preview line gives on disk: a line whose extension part is empty ends with "."; that
// dot is dropped unless the line is the old name itself, so a file without an extension never
// gains a trailing dot.
QString NameOnDisk(const QString &line, const QString &oldName);

// Whether the run leaves the entry alone: a folder while folders are shown but not worked on.
bool IsExcludedFromRun(const RenameOptions &options, const FileListEntry &entry);

// Told how many entries of how many a run has handled, before each further entry; false stops the
// run there.
using RunProgress = std::function<bool(qsizetype done, qsizetype total)>;

// Renames entry i to line i, from the first entry to the last, and never replaces a file. An entry
// without a line, with a name that is not allowed, or that vanished or changed kind since it was
// listed is recorded as a failure and the run goes on. Entries renamed onto their own names are
// recorded for undo without being touched. A run stopped by progress leaves the entries after the
// stop untouched and unrecorded.
RenameRunResult RenameAllEntries(const RenameOptions &options, std::span<const FileListEntry> entries,
                                 const QStringList &lines, FileSystemCalls &calls = SystemFileSystemCalls(),
                                 const RunProgress &progress = {});

// The in-place rename of one entry to the name typed (taken as typed). Asking about hidden files
// is the caller's business.
RenameStatus RenameInPlace(const FileListEntry &entry, const QString &text,
                           FileSystemCalls &calls = SystemFileSystemCalls());

// The entry's full path and folder as the file system holds them.
QByteArray NativeOldPath(const FileListEntry &entry);
QByteArray NativeFolderOf(const FileListEntry &entry);
