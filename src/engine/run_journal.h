// The journal of a rename run, which lets a run cut short (a crash, a kill, a power cut) be put back.
#pragma once

#include "engine/journal_recovery.h"
#include "engine/rename_run.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

class JournalledCalls;

// Where a journal's writes are made to reach the disk; tests replace it to see what would stay
// after a power cut.
class JournalDisk {
public:
  virtual ~JournalDisk() = default;
  // Whether the files of the folder open as folderFd outlast a power cut: not on a file system in
  // memory (tmpfs, ramfs), whose files a journal need not reach the disk before moving.
  virtual bool Outlives(int folderFd);
  // fdatasync(2) of the journal, and fsync(2) of its folder (so that its new name stays).
  virtual int SyncFile(int fd);
  virtual int SyncFolder(const QString &folder);
};

// Writes the plan of a run before its moves: every move with the device and inode numbers of the
// file it moves, so that recovery moves back only files it finds where the run put them. The plan's
// first piece (a short plan whole) is written under a name of its own, reaches the disk, and only
// then takes the journal's name. The pieces after it are written by a second thread while the run
// moves files, each reaching the disk before the run makes any move of it, and each ending with a
// line that says how many moves the plan holds so far: a journal holds every move its run may have
// made. The placeholders and temporary names the moves make are
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
  void Planned(std::vector<PlannedMove> moves) override;
  // Waits, when need be, until the piece of the plan holding the move is on disk.
  void Trying(qsizetype step) override;
  void Finished() override;
  void Abandoned() override;

  // How many moves the first piece holds, the fewest and the most a later one holds; before Planned.
  void SetPieces(qsizetype first, qsizetype largest) {
    m_firstPiece = first;
    m_largestPiece = largest;
  }

private:
  void Drop();
  JournalDisk &Disk() { return m_disk ? *m_disk : m_systemDisk; }
  void WriteRest(size_t begin);
  void Journalled(size_t end);
  void StopWriting();
  int m_fd = -1;
  QString m_path;    // the journal's name
  QString m_writing; // the name it has while its plan is written
  bool m_planned = false;
  JournalDisk *m_disk;
  JournalDisk m_systemDisk;
  std::unique_ptr<JournalledCalls> m_calls;
  qsizetype m_firstPiece = 256, m_largestPiece = 16384;
  std::vector<PlannedMove> m_moves;       // the plan, for the pieces after the first
  std::atomic<qsizetype> m_journalled{0}; // the moves on disk: those before it may be made
  std::atomic<qsizetype> m_trying{0};     // the move the run is at
  bool m_lasting = true; // a file of the plan so far outlasts a power cut: its pieces are synced
  std::atomic_bool m_stop{false};
  std::mutex m_mutex;
  std::condition_variable m_progress;
  std::thread m_writer;
};
