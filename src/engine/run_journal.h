// The journal of a rename run, which lets a run cut short (a crash, a kill, a power cut) be put back.
#pragma once

#include "engine/rename_run.h"

#include <QString>
#include <QStringList>

// The folder journals are kept in: $XDG_STATE_HOME/zelvo-rename, or ~/.local/state/zelvo-rename
// (in test mode, a folder of the test data).
QString JournalFolder();

// Writes the plan of a run before its first move, marks progress every few hundred moves (one small
// write each time, so it costs next to nothing), and is removed when the run ends normally. The
// file stays locked while the run lasts; a journal nobody holds belongs to a run that was cut short.
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
  void Write(const QByteArray &bytes);
  int m_fd = -1;
  QString m_path;
  qsizetype m_markedUpTo = 0;
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
