// The journal of a rename run, which lets a run cut short (a crash, a kill, a power cut) be put back.
#pragma once

#include "engine/journal_recovery.h"
#include "engine/rename_run.h"

#include <QString>

#include <memory>

class JournalledCalls;

// Where a journal's writes are made to reach the disk; tests replace it to see what would stay
// after a power cut.
class JournalDisk {
public:
  virtual ~JournalDisk() = default;
  // fdatasync(2) of the journal, and fsync(2) of its folder (so that its new name stays).
  virtual int SyncFile(int fd);
  virtual int SyncFolder(const QString &folder);
};

// Writes the plan of a run before its first move: every move with the device and inode numbers of
// the file it moves, so that recovery moves back only files it finds where the run put them. The
// plan is written under a name of its own, reaches the disk, and only then takes the journal's name,
// so a journal always holds a whole plan. The placeholders and temporary names the moves make are
// written down as they are made. The journal is removed when the run ends normally; it stays locked
// while the run lasts, and a journal nobody holds belongs to a run that was cut short.
class RunJournal : public RenameRunObserver {
public:
  explicit RunJournal(JournalDisk *disk = nullptr);
  RunJournal(const RunJournal &) = delete;
  RunJournal &operator=(const RunJournal &) = delete;
  ~RunJournal() override;

  // Creates the journal file; returns an empty text or why it could not be made (the run may go on
  // without one).
  QString Open(const QString &folder = JournalFolder());
  // Where the journal is once its plan is written.
  const QString &Path() const { return m_path; }

  // The calls the run's moves are to go through (RenameRunControl::calls), given the ones it would
  // use: they write down the placeholders and temporary names the moves make. Before the run.
  FileSystemCalls &Calls(FileSystemCalls &calls = SystemFileSystemCalls());
  void Planned(const std::vector<PlannedMove> &moves) override;
  void Trying(qsizetype) override {}
  void Finished() override;

private:
  void Drop();
  int m_fd = -1;
  QString m_path;    // the journal's name
  QString m_writing; // the name it has while its plan is written
  bool m_planned = false;
  JournalDisk *m_disk;
  std::unique_ptr<JournalledCalls> m_calls;
};
