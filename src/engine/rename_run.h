// The rename run: every listed entry renamed to its preview line, with the undo and error records.
#pragma once

#include "engine/rename_options.h"
#include "explorer/file_list_entry.h"
#include "platform/safe_rename.h"

#include <QByteArrayList>
#include <QStringList>

#include <atomic>
#include <functional>
#include <span>
#include <utility>
#include <vector>

// The successful renames of the last run, position by position, in the order they were made (so
// undo, running it backwards, finds every name free). An entry of a cycle (a swap) that went through
// a temporary name holds two positions: to the temporary name, and from it to the new name. The
// paths are full and as the file system holds them; DecodeName gives the text a user reads.
struct UndoRecord {
  QByteArrayList lOld; // full old paths
  QByteArrayList lNew; // full new paths

  qsizetype size() const { return lOld.size(); }
  bool isEmpty() const { return lOld.isEmpty(); }
  void clear();
  // Room for n positions, so that a run's record is not moved as it grows.
  void reserve(qsizetype n);
  void append(const QByteArray &oldPath, const QByteArray &newPath);
  void removeLast();
  void removeAt(qsizetype i);
};

// The entries whose rename failed, in order.
struct RenameErrorRecord {
  // The texts are for reading: bytes of a name that are not valid UTF-8 are written as ShownName
  // writes them, so that names differing only in such bytes read apart.
  QStringList lFileNames; // full old path of each failed entry
  QStringList lidItems;   // its index in the file list, as decimal text
  QStringList reasons;    // why it failed, one line each
  QStringList newNames;   // the name it should have had (empty when there was none)

  qsizetype size() const { return lFileNames.size(); }
  bool isEmpty() const { return lFileNames.isEmpty(); }
  void clear();
  void append(const QString &path, qsizetype index, const QString &reason, const QString &newName = {});
};

struct RenameRunResult {
  UndoRecord undo;
  RenameErrorRecord errors; // in the order of the list
  qsizetype renamed = 0;    // entries that have a new name now
  qsizetype unchanged = 0;  // entries whose name stays as it is
  bool stopped = false;     // stopped on request
  qsizetype notTaken = 0;   // entries left untouched and unrecorded because the run was stopped
};

// Told how many entries of how many a run has handled, before each further entry; false stops the
// run there.
using RunProgress = std::function<bool(qsizetype done, qsizetype total)>;

// One move of a run: from one full native path to another (the paths stay with whoever made the plan;
// a plan of a hundred thousand moves holds two pointers for each).
class PlannedMove {
public:
  PlannedMove(const QByteArray &from, const QByteArray &to) : m_from(&from), m_to(&to) {}
  PlannedMove(QByteArray &&, const QByteArray &) = delete; // the paths must outlive the plan
  PlannedMove(const QByteArray &, QByteArray &&) = delete;
  QByteArrayView From() const { return *m_from; }
  QByteArrayView To() const { return *m_to; }

private:
  const QByteArray *m_from;
  const QByteArray *m_to;
};

// How the temporary name of a cycle of names starts; the move onto it begins the cycle.
inline constexpr char kCycleTemporaryPrefix[] = ".zr-swap-";

// Told about a run as it goes (the journal that lets an interrupted run be put back).
class RenameRunObserver {
public:
  virtual ~RenameRunObserver() = default;
  // Every move the run will try, in order, before the first one. A move undone because its cycle
  // could not be completed is not listed.
  virtual void Planned(std::vector<PlannedMove> moves) = 0;
  // Move number step of the plan is about to be tried.
  virtual void Trying(qsizetype step) = 0;
  // The run is over (not called when it is cut short by the process ending).
  virtual void Finished() = 0;
  // The run was left by an exception: the plan's paths are gone; what is written stays for recovery.
  virtual void Abandoned() = 0;
};

// What a run is done with, besides its entries.
struct RenameRunControl {
  FileSystemCalls *calls = &SystemFileSystemCalls();
  // Set (by Ctrl-C, by a Stop button) to end the run between two files.
  const std::atomic_bool *stop = nullptr;
  RunProgress progress; // may stop the run too
  RenameRunObserver *observer = nullptr;
  // Whether every entry is looked up again after the run (one read of each folder) to find items
  // that changed kind since they were listed. A caller that read the folder just before the run,
  // as the command line does, takes the kinds of that read as they are.
  bool recheckKinds = true;
  // Whether names held by other entries are freed first and cycles go through a temporary name
  // (OrderRenames). Off, entries are taken in the list's order, which is right only for a plan in
  // which no new name is the old name of another entry: for measuring what the ordering costs.
  bool ordered = true;
  // Whether the renames are recorded for undo (the command line needs them only for an undo script).
  bool keepUndo = true;
};

// Whether a name may be given to a file: not empty, not "." or "..", no "/" and no control character
// (U+0000 to U+001F, U+007F).
bool IsAllowedFileName(const QString &name);

// The name a preview line gives on disk: a line whose extension part is empty ends with "."; that
// dot is dropped unless the old name itself ends with a dot, so a file without an extension never
// gains a trailing dot and "readme." keeps its own.
QString NameOnDisk(const QString &line, const QString &oldName);

// Whether the run leaves the entry alone: a folder while folders are shown but not worked on.
bool IsExcludedFromRun(const RenameOptions &options, const FileListEntry &entry);

// Renames entry i to line i and never replaces a file. Entries are taken in the list's order, except
// that a name another entry still holds is freed first and a cycle of names (a swap) goes through a
// temporary name in the same folder, which a failure undoes (see OrderRenames). An entry without a
// line, with a name that is not allowed, that vanished or changed kind since it was listed, or whose
// name is taken is recorded as a failure and the run goes on. Entries renamed onto their own names
// are recorded for undo without being touched. A run stopped by progress (or the stop flag) leaves
// the entries not taken yet untouched and unrecorded; a cycle is never stopped halfway.
RenameRunResult RenameAllEntries(const RenameOptions &options, std::span<const FileListEntry> entries,
                                 const QStringList &lines, FileSystemCalls &calls = SystemFileSystemCalls(),
                                 const RunProgress &progress = {});
RenameRunResult RenameAllEntries(const RenameOptions &options, std::span<const FileListEntry> entries,
                                 const QStringList &lines, const RenameRunControl &control);

// The in-place rename of one entry to the name typed (taken as typed). Asking about hidden files
// is the caller's business.
RenameStatus RenameInPlace(const FileListEntry &entry, const QString &text,
                           FileSystemCalls &calls = SystemFileSystemCalls());

// The entry's full path and folder as the file system holds them.
QByteArray NativeOldPath(const FileListEntry &entry);
QByteArray NativeFolderOf(const FileListEntry &entry);
