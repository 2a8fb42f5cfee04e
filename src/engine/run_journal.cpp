#include "engine/run_journal.h"

#include "engine/journal_calls.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// The plan in lines: a folder ("D folder") and the moves within the last folder named ("N from to",
// names only), or whole paths ("M from to") for a move between folders; each with the file's device
// and inode numbers. Written out in pieces of a few dozen kilobytes.
class PlanWriter {
public:
  explicit PlanWriter(int fd) : m_fd(fd) {}
  ~PlanWriter() { Flush(); }
  bool ok() const { return m_ok; }

  void Move(const QByteArray &from, const QByteArray &to, const FileIdentity &id) {
    const IdentityFields f(id);
    const void *last = ::memrchr(from.constData(), '/', size_t(from.size()));
    const qsizetype slash = last ? static_cast<const char *>(last) - from.constData() + 1 : 0;
    const QByteArrayView folder = QByteArrayView(from).first(slash);
    if (to.size() <= slash || !to.startsWith(folder) || to.indexOf('/', slash) >= 0) {
      AppendJournalLine(m_buffer, JournalKind::Move, {from, to, f.device, f.inode, f.birth});
    } else {
      if (!m_hasFolder || folder != QByteArrayView(m_folder)) {
        m_folder = folder.toByteArray();
        m_hasFolder = true;
        AppendJournalLine(m_buffer, JournalKind::Folder, {m_folder});
      }
      AppendJournalLine(
          m_buffer, JournalKind::InFolder,
          {QByteArrayView(from).sliced(slash), QByteArrayView(to).sliced(slash), f.device, f.inode, f.birth});
    }
    if (m_buffer.size() >= kPiece)
      Flush();
  }
  void Flush() {
    m_ok = WriteAllTo(m_fd, m_buffer) && m_ok;
    m_buffer.clear();
  }

private:
  static constexpr qsizetype kPiece = 1 << 16;
  int m_fd;
  QByteArray m_buffer;
  QByteArray m_folder;
  bool m_hasFolder = false;
  bool m_ok = true;
};

bool IsCycleTemporary(const QByteArray &path) {
  const qsizetype slash = path.lastIndexOf('/');
  return QByteArrayView(path).sliced(slash + 1).startsWith(kCycleTemporaryPrefix);
}

} // namespace

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

void RunJournal::Planned(const std::vector<PlannedMove> &moves) {
  if (m_fd < 0 || m_planned)
    return;
  if (moves.empty()) {
    Drop(); // nothing to put back
    return;
  }
  QByteArray start = kJournalHeader;
  AppendJournalLine(start, JournalKind::Start,
                    {JournalNumber(moves.size()), JournalNumber(std::uint64_t(::time(nullptr)))});
  bool ok = WriteAllTo(m_fd, start);
  {
    PlanWriter plan(m_fd);
    // The file a move takes is the one under its old name now; a cycle's temporary name holds the
    // file its first move put there.
    FileIdentity temporaryHolds;
    for (const auto &[from, to] : moves) {
      FileIdentity id;
      if (IsCycleTemporary(from))
        id = temporaryHolds;
      else
        (void)IdentifyPath(from.constData(), id); // unknown when it is gone: the move fails
      if (IsCycleTemporary(to))
        temporaryHolds = id;
      plan.Move(from, to, id);
    }
    plan.Flush();
    ok = ok && plan.ok();
  }
  // The whole plan is on disk before it takes the journal's name, and the name before the first move.
  const QByteArray writing = QFile::encodeName(m_writing), path = QFile::encodeName(m_path);
  JournalDisk system;
  JournalDisk &disk = m_disk ? *m_disk : system;
  if (!ok || disk.SyncFile(m_fd) != 0 ||
      ::renameat2(AT_FDCWD, writing.constData(), AT_FDCWD, path.constData(), RENAME_NOREPLACE) != 0) {
    Drop(); // the run goes on without a journal, as when none could be made
    return;
  }
  m_planned = true;
  disk.SyncFolder(QFileInfo(m_path).path());
}

void RunJournal::Finished() {
  if (m_fd >= 0)
    Drop();
}
