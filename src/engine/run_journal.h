// The journal of a rename run, which lets a run cut short (a crash, a kill, a power cut) be put back.
#pragma once

#include "engine/rename_run.h"

#include <QString>
#include <QStringList>

// The folder journals are kept in: $XDG_STATE_HOME/zelvo-rename, or ~/.local/state/zelvo-rename
// (in test mode, a folder of the test data).
QString JournalFolder();

// Writes the plan of a run before its first move and marks progress ahead of the moves, in batches
// that double from a few thousand moves (each mark reaches the disk before the moves it covers, so a
// run of any size syncs the journal a dozen times at most; cycles of names are marked one by one);
// it is removed when the run ends normally. The file stays locked while the run lasts; a journal nobody holds
// belongs to a run that was cut short.
class RunJournal : public RenameRunObserver {
public:
  RunJournal() = default;
  RunJournal(const RunJournal &) = delete;
  RunJournal &operator=(const RunJournal &) = delete;
  ~RunJournal() override;

  // Creates the journal file; returns an empty text or why it could not be made (the run may go on
  // without one).
  QString Open(const QString &folder = JournalFolder());
  const QString &Path() const { return m_path; }

  void Planned(const std::vector<PlannedMove> &moves) override;
  void Trying(qsizetype step) override;
  void Finished() override;

private:
  void Write(QByteArrayView bytes);
  int m_fd = -1;
  QString m_path;
  qsizetype m_markedUpTo = 0;
  qsizetype m_markStep = 4096; // how far ahead the next mark goes
  qsizetype m_syncedUpTo = 0;  // the next mark from here on is synced
  std::vector<qsizetype> m_cycleStarts;
};

// Journals left by runs that were cut short, oldest first.
QStringList InterruptedJournals(const QString &folder = JournalFolder());

// What recovering a journal did.
struct JournalRecovery {
  QStringList restored; // "new -> old" for every file put back, newest move first
  QStringList failed;   // files that could not be put back, with why
  QString error;        // the journal could not be read
};

// Puts back every move the journal shows was (or may have been) made, newest first, never replacing
// a file: a move is undone only where its new name is present and its old name free. The journal is
// removed when nothing failed.
JournalRecovery RecoverJournal(const QString &path, FileSystemCalls &calls = SystemFileSystemCalls());
