#include "engine/journal_recovery.h"

#include "engine/journal_calls.h"
#include "engine/journal_records.h"
#include "platform/escaped_text.h"
#include "platform/name_codec.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStandardPaths>

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// A placeholder counts as one made after its journal line when it is at most this much older (file
// systems such as exFAT keep times in steps of up to two seconds).
constexpr std::uint64_t kTimeSlackNs = 2'000'000'000;

struct Move {
  QByteArray from, to;
  FileIdentity id;
};

struct Placeholder {
  QByteArray path;
  std::uint64_t time = 0; // when the line was written, in nanoseconds
  FileIdentity id;        // unknown when the run stopped before it could write it
};

struct Journal {
  std::vector<Move> moves;
  std::vector<Move> caseTemporaries;
  std::vector<Placeholder> placeholders;
  QSet<FileIdentity> puttingBack;
  QString damage; // why it cannot be read whole
};

// A name in a report: its line breaks and other control characters escaped, so that it cannot
// fake a line of the report or steer a terminal.
QString Shown(const QByteArray &path) {
  return EscapedControls(ShownName(DecodeName(path)));
}

// The lines after the header. A last line without its line break, or of NUL bytes only (a power cut
// in the middle of a write), was being written when the run stopped: it is left out.
Journal Parse(const QByteArray &bytes) {
  Journal journal;
  if (!bytes.startsWith(kJournalHeader)) {
    journal.damage = bytes.startsWith("zelvo-rename journal ")
                         ? QStringLiteral("was written by an earlier version, which did not record which "
                                          "files it moved")
                         : QStringLiteral("is not a journal of this program");
    return journal;
  }
  qsizetype end = bytes.size();
  while (end > 0 && bytes[end - 1] == '\0')
    --end;
  end = bytes.lastIndexOf('\n', end - 1) + 1;
  std::uint64_t expected = 0, soFar = 0;
  bool started = false, inPieces = false;
  QByteArray folder;
  bool hasFolder = false;
  QByteArrayList f;
  qsizetype number = 1;
  for (qsizetype at = qsizetype(sizeof kJournalHeader - 1); at < end; ++number) {
    const qsizetype lineEnd = bytes.indexOf('\n', at);
    const QByteArrayView line = QByteArrayView(bytes).sliced(at, lineEnd - at);
    at = lineEnd + 1;
    char kind = 0;
    bool ok = ReadJournalLine(line, kind, f);
    if (ok && !started)
      ok = kind == JournalKind::Start && f.size() == 2 && ReadJournalNumber(f[0], expected);
    else if (ok) {
      Move move;
      Placeholder held;
      switch (kind) {
      case JournalKind::Folder:
        ok = f.size() == 1;
        folder = f.value(0);
        hasFolder = ok;
        break;
      case JournalKind::InFolder:
      case JournalKind::Move:
      case JournalKind::CaseTemp:
        ok = f.size() == 5 && ReadIdentity(f, 2, move.id) && (kind != JournalKind::InFolder || hasFolder);
        move.from = kind == JournalKind::InFolder ? folder + f.value(0) : f.value(0);
        move.to = kind == JournalKind::InFolder ? folder + f.value(1) : f.value(1);
        if (ok)
          (kind == JournalKind::CaseTemp ? journal.caseTemporaries : journal.moves)
              .push_back(std::move(move));
        break;
      case JournalKind::Reserving:
        ok = f.size() == 2 && ReadJournalNumber(f[1], held.time);
        held.path = f.value(0);
        if (ok)
          journal.placeholders.push_back(std::move(held));
        break;
      case JournalKind::Reserved:
        ok = f.size() == 4 && ReadIdentity(f, 1, held.id) && !journal.placeholders.empty() &&
             journal.placeholders.back().path == f[0];
        if (ok)
          journal.placeholders.back().id = held.id;
        break;
      case JournalKind::PlanSoFar:
        ok = f.size() == 1 && ReadJournalNumber(f[0], soFar) && soFar == journal.moves.size();
        inPieces = inPieces || ok;
        break;
      case JournalKind::PuttingBack:
        ok = f.size() == 3 && ReadIdentity(f, 0, move.id);
        if (ok)
          journal.puttingBack.insert(move.id);
        break;
      default:
        ok = false;
      }
    }
    started = true;
    if (!ok) {
      // The lines after it are still read, to tell which files cannot be decided.
      if (journal.damage.isEmpty())
        journal.damage =
            QStringLiteral("is damaged at line %1 (it does not read back as it was written)").arg(number + 1);
      if (line.startsWith(JournalKind::Folder))
        hasFolder = false;
    }
  }
  if (!journal.damage.isEmpty())
    return journal;
  if (!started)
    journal.damage = QStringLiteral("holds no plan");
  else if (journal.moves.size() > expected || (journal.moves.size() < expected && !inPieces))
    journal.damage =
        QStringLiteral("holds %1 of the %2 moves of its plan").arg(journal.moves.size()).arg(expected);
  return journal;
}

// The whole file open as fd, read from its start.
bool ReadWhole(int fd, QByteArray &bytes) {
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    return false;
  bytes.resize(qsizetype(st.st_size));
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), off_t(done));
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      break;
    done += n;
  }
  bytes.truncate(done);
  return true;
}

// Which file is under path now; unknown when none.
FileIdentity Under(const QByteArray &path, FileSystemCalls &) {
  FileIdentity id;
  return IdentifyPath(path.constData(), id) == 0 ? id : FileIdentity();
}

// Whether the move from -> to of file id has been made and not undone: the file is under to, and
// where both names reach the same file (a change of case on a file system that ignores case), the
// folder lists the new spelling.
bool StillMoved(const Move &move, FileSystemCalls &calls) {
  if (!move.id.Known() || Under(move.to, calls) != move.id)
    return false;
  if (Under(move.from, calls) != move.id)
    return true;
  const QByteArray folder = NativeFolder(move.to);
  return calls.FolderListsName(folder.isEmpty() ? "." : folder.constData(), NativeFileName(move.to));
}

// Removes the placeholders made for moves (empty files or folders under new names) that are still
// there and still empty: those whose device and inode were written down, and one made just before
// the run stopped, before its numbers could be written, when it is no file of the run and is newer
// than the line that announced it.
void ClearPlaceholders(const Journal &journal, const QSet<FileIdentity> &files, FileSystemCalls &calls) {
  for (auto it = journal.placeholders.rbegin(); it != journal.placeholders.rend(); ++it) {
    struct stat st;
    if (calls.LStat(it->path.constData(), st) != 0)
      continue;
    const FileIdentity id = Under(it->path, calls);
    const std::uint64_t changed =
        std::uint64_t(st.st_ctim.tv_sec) * 1000000000u + std::uint64_t(st.st_ctim.tv_nsec);
    const bool ours =
        it->id.Known() ? id == it->id : !files.contains(id) && changed + kTimeSlackNs >= it->time;
    if (!ours)
      continue;
    if (S_ISREG(st.st_mode) && st.st_size == 0)
      calls.Unlink(it->path.constData());
    else if (S_ISDIR(st.st_mode))
      calls.RemoveFolder(it->path.constData()); // removes only an empty folder
  }
}

// A file descriptor closed when it goes out of scope, however the scope is left.
struct OpenFile {
  int fd;
  explicit OpenFile(int descriptor) : fd(descriptor) {}
  OpenFile(const OpenFile &) = delete;
  OpenFile &operator=(const OpenFile &) = delete;
  ~OpenFile() {
    if (fd >= 0)
      ::close(fd);
  }
};

// Every file of the plan with the positions of its moves, in the order of its first move.
struct FileMoves {
  FileIdentity id;
  std::vector<qsizetype> moves;
};

std::vector<FileMoves> FilesOf(const Journal &journal) {
  std::vector<FileMoves> files;
  QHash<FileIdentity, size_t> index;
  for (qsizetype k = 0; k < qsizetype(journal.moves.size()); ++k) {
    const FileIdentity &id = journal.moves[size_t(k)].id;
    if (!id.Known())
      continue;
    const auto it = index.constFind(id);
    if (it == index.cend()) {
      index.insert(id, files.size());
      files.push_back({id, {k}});
    } else {
      files[it.value()].moves.push_back(k);
    }
  }
  return files;
}

} // namespace

QString JournalFolder() {
  if (QStandardPaths::isTestModeEnabled()) // tests never touch the user's own journals
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zelvo-rename-state");
  QString base = qEnvironmentVariable("XDG_STATE_HOME");
  if (base.isEmpty() || !QDir::isAbsolutePath(base))
    base = QDir::homePath() + QStringLiteral("/.local/state");
  return base + QStringLiteral("/zelvo-rename");
}

QStringList InterruptedJournals(const QString &folder) {
  QStringList found;
  const QDir dir(folder);
  for (const QString &name : dir.entryList({QStringLiteral("run-*.journal")}, QDir::Files, QDir::Name)) {
    const QString path = dir.filePath(name);
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0)
      continue;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) // nobody holds it: its run is over
      found << path;
    ::close(fd);
  }
  return found;
}

JournalRecovery RecoverJournal(const QString &path, FileSystemCalls &calls) {
  JournalRecovery recovery;
  recovery.journal = path;
  recovery.kept = true;
  const QByteArray native = QFile::encodeName(path);
  const OpenFile file(::open(native.constData(), O_RDWR | O_APPEND | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
  const int &fd = file.fd;
  if (fd < 0) {
    recovery.error =
        QStringLiteral("cannot be opened (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
    return recovery;
  }
  QByteArray bytes;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    recovery.error = QStringLiteral("is in use by a run or another recovery");
  } else if (!ReadWhole(fd, bytes)) {
    recovery.error = QStringLiteral("is not a file");
  }
  if (!recovery.error.isEmpty())
    return recovery;
  const Journal journal = Parse(bytes);
  const std::vector<FileMoves> files = FilesOf(journal);
  if (!journal.damage.isEmpty()) {
    // Nothing is moved on a plan that cannot be read whole; the files it names that are not under
    // their old names are listed.
    recovery.error = journal.damage;
    recovery.damaged = true;
    for (const FileMoves &file : files) {
      const QByteArray &old = journal.moves[size_t(file.moves.front())].from;
      if (Under(old, calls) != file.id)
        recovery.undecided << Shown(old);
    }
    return recovery;
  }
  JournalledCalls noted(calls, &fd);
  QSet<FileIdentity> ids;
  for (const FileMoves &file : files)
    ids.insert(file.id);
  ClearPlaceholders(journal, ids, noted);

  QHash<FileIdentity, QString> failure; // the file and why its last move back failed
  auto putBack = [&](const Move &move) {
    const IdentityFields f(move.id);
    noted.Note(JournalKind::PuttingBack, {f.device, f.inode, f.birth});
    const RenameStatus status = SafeRename(move.to, move.from, noted);
    if (status.ok())
      failure.remove(move.id);
    else
      failure.insert(move.id, Shown(move.to) + QStringLiteral(" -> ") + Shown(move.from) +
                                  QStringLiteral("  (") + status.Text() + QLatin1Char(')'));
    return status.ok();
  };
  QSet<FileIdentity> putNow;
  // A change of case stopped halfway leaves its file under the temporary name.
  for (auto it = journal.caseTemporaries.rbegin(); it != journal.caseTemporaries.rend(); ++it)
    if (it->id.Known() && Under(it->to, calls) == it->id && putBack(*it))
      putNow.insert(it->id);
  for (auto it = journal.moves.rbegin(); it != journal.moves.rend(); ++it)
    if (StillMoved(*it, calls) && putBack(*it))
      putNow.insert(it->id);
  ClearPlaceholders(journal, ids, noted); // any left by a move back that failed

  for (const FileMoves &file : files) {
    const Move &first = journal.moves[size_t(file.moves.front())];
    const Move &last = journal.moves[size_t(file.moves.back())];
    if (const auto it = failure.constFind(file.id); it != failure.cend()) {
      recovery.failed << it.value();
    } else if (Under(first.from, calls) == file.id) {
      if (putNow.contains(file.id) || journal.puttingBack.contains(file.id))
        recovery.restored << Shown(last.to) + QStringLiteral(" -> ") + Shown(first.from);
    } else {
      recovery.missing << Shown(first.from);
    }
  }
  if (recovery.failed.isEmpty())
    recovery.kept = ::unlink(native.constData()) != 0;
  return recovery;
}

bool RecoveryReport::Complete() const {
  if (!error.isEmpty())
    return false;
  for (const JournalRecovery &journal : journals)
    if (journal.kept || !journal.error.isEmpty() || !journal.failed.isEmpty())
      return false;
  return true;
}

RecoveryReport RecoverInterruptedRuns(const QString &folder, FileSystemCalls &calls) {
  RecoveryReport report;
  // The lock is the journal folder's own (no file is left for it).
  QDir().mkpath(folder);
  const OpenFile lock(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (lock.fd < 0 || ::flock(lock.fd, LOCK_EX | LOCK_NB) != 0) {
    report.error = QStringLiteral("Another recovery is going on; nothing was done.");
    return report;
  }
  // A plan that never took its journal's name belongs to a run stopped before its first move (one
  // nobody holds and older than a minute: a run locks its journal a moment after making it).
  const QDir dir(folder);
  for (const QString &name : dir.entryList({QStringLiteral("run-*.journal.part")}, QDir::Files)) {
    const QByteArray part = QFile::encodeName(dir.filePath(name));
    const OpenFile file(::open(part.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
    struct stat st;
    if (file.fd >= 0 && ::fstat(file.fd, &st) == 0 && st.st_mtime + 60 < ::time(nullptr) &&
        ::flock(file.fd, LOCK_EX | LOCK_NB) == 0)
      ::unlink(part.constData());
  }
  // Newest first: a file an earlier run moved and a later one moved again goes back step by step.
  const QStringList journals = InterruptedJournals(folder);
  for (auto it = journals.crbegin(); it != journals.crend(); ++it)
    report.journals.push_back(RecoverJournal(*it, calls));
  return report;
}

namespace {

void AppendList(QString &text, const QString &title, const QStringList &lines, qsizetype listed) {
  if (lines.isEmpty())
    return;
  text += QStringLiteral("\n\n") + title;
  const qsizetype shown = listed < 0 ? lines.size() : qMin(listed, lines.size());
  for (qsizetype k = 0; k < shown; ++k)
    text += QStringLiteral("\n  ") + lines[k];
  if (shown < lines.size())
    text += QStringLiteral("\n  ... and %1 more").arg(lines.size() - shown);
}

QString Files(qsizetype n) {
  return n == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(n);
}

} // namespace

QString RecoveryReportText(const RecoveryReport &report, qsizetype listed) {
  if (!report.error.isEmpty())
    return report.error;
  QStringList restored, failed, missing;
  for (const JournalRecovery &journal : report.journals) {
    restored += journal.restored;
    failed += journal.failed;
    missing += journal.missing;
  }
  QString text =
      QStringLiteral("%1 got %2 old name%3 back.")
          .arg(Files(restored.size()), restored.size() == 1 ? QStringLiteral("its") : QStringLiteral("their"),
               restored.size() == 1 ? QString() : QStringLiteral("s"));
  AppendList(text, QStringLiteral("Put back (new name -> old name):"), restored, listed);
  AppendList(text,
             QStringLiteral("%1 could not be put back; the journal is kept and the recovery is offered "
                            "again:")
                 .arg(Files(failed.size())),
             failed, listed);
  AppendList(text,
             QStringLiteral("%1 under none of the names the run gave them, left alone (old names):")
                 .arg(Files(missing.size())),
             missing, listed);
  for (const JournalRecovery &journal : report.journals) {
    if (journal.error.isEmpty())
      continue;
    text += QStringLiteral("\n\nThe journal \"%1\" %2. Nothing of it was put back and it is kept")
                .arg(EscapedControls(ShownName(journal.journal)), journal.error);
    text += journal.damaged ? QStringLiteral("; remove it once its files are as they should be.")
                            : QStringLiteral(".");
    AppendList(text, QStringLiteral("Not decided, not under their old names:"), journal.undecided, listed);
  }
  return text;
}
