// Putting back the files of a rename run that was cut short, from its journal: only files found
// where the run put them are moved, so a recovery is never wrong and may be run again at any time.
#pragma once

#include "platform/safe_rename.h"

#include <QString>
#include <QStringList>

#include <vector>

// The folder journals are kept in: $XDG_STATE_HOME/zelvo-rename, or ~/.local/state/zelvo-rename
// (in test mode, a folder of the test data).
QString JournalFolder();

// Journals left by runs that were cut short, oldest first.
QStringList InterruptedJournals(const QString &folder = JournalFolder());

// What recovering one journal did. Every list is of files, one line each.
struct JournalRecovery {
  QString journal;
  QStringList restored;  // "new -> old": under its old name again (by this or an earlier recovery)
  QStringList failed;    // "new -> old  (why)": still under a name the run gave it
  QStringList missing;   // old names of files found under none of the names the run gave them: left alone
  QStringList undecided; // a journal that cannot be read whole: old names of its files not under them
  QString error;         // why the journal was not used (damaged, in use, not a journal)
  bool damaged = false;  // it cannot be read whole
  bool kept = false;     // the journal is still there for the next recovery
};

// Puts back, newest first and never replacing a file, every file the journal shows was moved and
// that is still where the run put it (the same device and inode); anything else stays. Placeholders
// the run or an earlier recovery made and left empty are removed first. What it puts back is
// written into the journal first, so a recovery cut short and run again reports every file. A
// journal that cannot be read whole is left as it is and nothing is moved. The journal is removed
// when nothing failed.
JournalRecovery RecoverJournal(const QString &path, FileSystemCalls &calls = SystemFileSystemCalls());

// Every journal of the folder recovered, newest first, one recovery at a time (a lock on the folder).
struct RecoveryReport {
  QString error; // another recovery is going on: nothing was done
  std::vector<JournalRecovery> journals;
  // Nothing failed, nothing was left undecided, no journal is kept.
  bool Complete() const;
};
RecoveryReport RecoverInterruptedRuns(const QString &folder = JournalFolder(),
                                      FileSystemCalls &calls = SystemFileSystemCalls());

// What a recovery did, in the words both the window and the command line use; each list shows at
// most listed lines (all when negative).
QString RecoveryReportText(const RecoveryReport &report, qsizetype listed = -1);
