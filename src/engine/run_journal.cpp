#include "engine/run_journal.h"

#include "engine/journal_calls.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/file.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

// Where the name of path starts: after its last "/".
qsizetype NameStart(QByteArrayView path) {
  const void *last = ::memrchr(path.data(), '/', size_t(path.size()));
  return last ? static_cast<const char *>(last) - path.data() + 1 : 0;
}

// The plan in lines: a folder ("D folder") and the moves within the last folder named ("N from to",
// names only), or whole paths ("M from to") for a move between folders; each with the file's device
// and inode numbers.
class PlanLines {
public:
  QByteArray &Text() { return m_text; }

  void Move(QByteArrayView from, QByteArrayView to, const FileIdentity &id) {
    const IdentityFields f(id);
    const qsizetype slash = NameStart(from);
    const QByteArrayView folder = from.first(slash);
    if (to.size() <= slash || !to.startsWith(folder) || to.indexOf('/', slash) >= 0) {
      AppendJournalLine(m_text, JournalKind::Move, {from, to, f.device, f.inode, f.birth});
      return;
    }
    if (!m_hasFolder || folder != QByteArrayView(m_folder)) {
      m_folder = folder.toByteArray();
      m_hasFolder = true;
      AppendJournalLine(m_text, JournalKind::Folder, {m_folder});
    }
    AppendJournalLine(m_text, JournalKind::InFolder,
                      {from.sliced(slash), to.sliced(slash), f.device, f.inode, f.birth});
  }

private:
  QByteArray m_text;
  QByteArray m_folder;
  bool m_hasFolder = false;
};

bool IsCycleTemporary(QByteArrayView path) {
  return path.sliced(NameStart(path)).startsWith(kCycleTemporaryPrefix);
}

// Looks files up by their names in their open folders: one look-up of the folder for the files of
// a folder, not one of the whole path for each.
class FolderLookups {
public:
  explicit FolderLookups(JournalDisk &disk) : m_disk(disk) {}
  FolderLookups(const FolderLookups &) = delete;
  FolderLookups &operator=(const FolderLookups &) = delete;
  ~FolderLookups() { Close(); }

  // The identity of the file at path, or an unknown one when it is gone.
  FileIdentity Identify(QByteArrayView path) {
    FileIdentity id;
    const qsizetype slash = NameStart(path);
    const QByteArrayView folder = path.first(slash), name = path.sliced(slash);
    if (!m_open || folder != QByteArrayView(m_folder)) {
      Close();
      m_folder = folder.toByteArray();
      m_open = true;
      m_fd = m_folder.isEmpty() ? AT_FDCWD : ::open(m_folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
      m_lasting = m_lasting || m_fd < 0 || m_disk.Outlives(m_fd);
    }
    char buffer[512];
    if (m_fd == -1 || name.size() >= qsizetype(sizeof buffer)) {
      (void)IdentifyPath(path.toByteArray().constData(), id); // unknown when it is gone: the move fails
    } else {
      std::memcpy(buffer, name.data(), size_t(name.size()));
      buffer[name.size()] = '\0';
      (void)IdentifyIn(m_fd, buffer, id);
    }
    return id;
  }

  // Whether a folder looked in keeps its files through a power cut (or could not be told).
  bool Lasting() const { return m_lasting; }

private:
  void Close() {
    if (m_fd >= 0)
      ::close(m_fd);
    m_fd = -1;
    m_open = false;
  }
  JournalDisk &m_disk;
  bool m_lasting = false;
  QByteArray m_folder;
  int m_fd = -1;
  bool m_open = false;
};

// The lines of moves [begin, end), each naming the identity of the file it takes as it is now; a
// cycle's temporary name holds the file its first move put there. No cycle is cut at begin or end.
// Returns whether a file moved lives where it outlasts a power cut: only then need the lines reach
// the disk before the moves.
bool AppendPlan(const std::vector<PlannedMove> &moves, size_t begin, size_t end, QByteArray &text,
                JournalDisk &disk) {
  PlanLines lines;
  lines.Text() = std::move(text);
  FolderLookups lookups(disk);
  FileIdentity temporaryHolds;
  for (size_t k = begin; k < end; ++k) {
    const QByteArrayView from = moves[k].From(), to = moves[k].To();
    const FileIdentity id = IsCycleTemporary(from) ? temporaryHolds : lookups.Identify(from);
    if (IsCycleTemporary(to))
      temporaryHolds = id;
    lines.Move(from, to, id);
  }
  text = std::move(lines.Text());
  return lookups.Lasting();
}

// Where the plan may be cut at or after cut: not inside a cycle, whose first move's file the
// temporary name holds until its last move. begin is a place the plan may be cut at, before cut.
size_t CutBetweenCycles(const std::vector<PlannedMove> &moves, size_t begin, size_t cut) {
  for (size_t k = cut; k-- > begin;) {
    if (IsCycleTemporary(moves[k].From()))
      break; // the last cycle before the cut ends before it
    if (IsCycleTemporary(moves[k].To())) {
      while (cut < moves.size() && !IsCycleTemporary(moves[cut].From()))
        ++cut;
      return std::min(cut + 1, moves.size());
    }
  }
  return cut;
}

} // namespace

bool JournalDisk::Outlives(int folderFd) {
  struct statfs fs;
  return ::fstatfs(folderFd, &fs) != 0 || (fs.f_type != TMPFS_MAGIC && fs.f_type != RAMFS_MAGIC);
}

int JournalDisk::SyncFile(int fd) {
  return ::fdatasync(fd) == 0 ? 0 : errno;
}

int JournalDisk::SyncFolder(const QString &folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return errno;
  const int error = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return error;
}

RunJournal::RunJournal(JournalDisk *disk) : m_disk(disk) {}

RunJournal::~RunJournal() {
  StopWriting();
  if (m_fd >= 0)
    ::close(m_fd); // not finished: the journal stays for recovery
}

QString RunJournal::Open(const QString &folder) {
  if (!QDir().mkpath(folder))
    return QStringLiteral("Cannot make the journal folder \"%1\"").arg(folder);
  m_path =
      folder + QStringLiteral("/run-%1-%2.journal").arg(QDateTime::currentMSecsSinceEpoch()).arg(::getpid());
  m_writing = m_path + QStringLiteral(".part");
  m_fd = ::open(QFile::encodeName(m_writing).constData(), O_CREAT | O_EXCL | O_WRONLY | O_APPEND | O_CLOEXEC,
                0600);
  if (m_fd < 0)
    return QStringLiteral("Cannot create the journal \"%1\"").arg(m_path);
  ::flock(m_fd, LOCK_EX);
  return {};
}

FileSystemCalls &RunJournal::Calls(FileSystemCalls &calls) {
  if (m_fd < 0)
    return calls;
  m_calls = std::make_unique<JournalledCalls>(calls, &m_fd);
  return *m_calls;
}

void RunJournal::Drop() {
  ::unlink(QFile::encodeName(m_planned ? m_path : m_writing).constData());
  ::close(m_fd);
  m_fd = -1;
}

void RunJournal::Planned(std::vector<PlannedMove> moves) {
  if (m_fd < 0 || m_planned)
    return;
  if (moves.empty()) {
    Drop(); // nothing to put back
    return;
  }
  // The first piece of the plan, or the whole of a short one, is on disk before it takes the
  // journal's name, and the name before the first move.
  const size_t first = CutBetweenCycles(moves, 0, std::min(moves.size(), size_t(m_firstPiece)));
  QByteArray text = kJournalHeader;
  AppendJournalLine(text, JournalKind::Start,
                    {JournalNumber(moves.size()), JournalNumber(std::uint64_t(::time(nullptr)))});
  m_lasting = AppendPlan(moves, 0, first, text, Disk());
  if (first < moves.size())
    AppendJournalLine(text, JournalKind::PlanSoFar, {JournalNumber(first)});
  const QByteArray writing = QFile::encodeName(m_writing), path = QFile::encodeName(m_path);
  if (!WriteAllTo(m_fd, text) || (m_lasting && Disk().SyncFile(m_fd) != 0) ||
      ::renameat2(AT_FDCWD, writing.constData(), AT_FDCWD, path.constData(), RENAME_NOREPLACE) != 0) {
    Drop(); // the run goes on without a journal, as when none could be made
    return;
  }
  m_planned = true;
  if (m_lasting)
    Disk().SyncFolder(QFileInfo(m_path).path());
  m_journalled.store(qsizetype(first), std::memory_order_release);
  if (first < moves.size()) {
    m_moves = std::move(moves);
    m_writer = std::thread([this, first] { WriteRest(first); });
  }
}

void RunJournal::WriteRest(size_t begin) {
  while (begin < m_moves.size() && !m_stop.load(std::memory_order_relaxed)) {
    // As far ahead of the moves as they are behind: short pieces while they follow closely, and few
    // waits for the disk once the pieces are well ahead.
    const qsizetype ahead = qsizetype(begin) - m_trying.load(std::memory_order_relaxed);
    const size_t piece = size_t(std::clamp(ahead, m_firstPiece, m_largestPiece));
    const size_t end = CutBetweenCycles(m_moves, begin, std::min(m_moves.size(), begin + piece));
    QByteArray text;
    m_lasting = AppendPlan(m_moves, begin, end, text, Disk()) || m_lasting;
    AppendJournalLine(text, JournalKind::PlanSoFar, {JournalNumber(end)});
    // One write, so that no line the moves note comes between the lines of a piece.
    if (!WriteAllTo(m_fd, text) || (m_lasting && Disk().SyncFile(m_fd) != 0)) {
      Journalled(m_moves.size()); // the rest of the run goes on without a journal
      return;
    }
    Journalled(end);
    begin = end;
  }
}

void RunJournal::Journalled(size_t end) {
  {
    const std::lock_guard lock(m_mutex);
    m_journalled.store(qsizetype(end), std::memory_order_release);
  }
  m_progress.notify_all();
}

void RunJournal::Trying(qsizetype step) {
  m_trying.store(step, std::memory_order_relaxed);
  if (step < m_journalled.load(std::memory_order_acquire) || !m_writer.joinable())
    return;
  std::unique_lock lock(m_mutex);
  m_progress.wait(lock, [&] { return step < m_journalled.load(std::memory_order_acquire); });
}

void RunJournal::StopWriting() {
  m_stop.store(true, std::memory_order_relaxed);
  if (m_writer.joinable())
    m_writer.join();
}

void RunJournal::Abandoned() {
  StopWriting(); // the journal stays as it is, for recovery
}

void RunJournal::Finished() {
  StopWriting();
  if (m_fd >= 0)
    Drop();
}
