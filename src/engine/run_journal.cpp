#include "engine/run_journal.h"

#include "platform/name_codec.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kHeader = "zelvo-rename journal 1\n";
// Progress is marked this many moves ahead: a run cut short has tried at most up to the last mark.
constexpr qsizetype kMarkEvery = 256;

QByteArray Encode(const QByteArray &path) {
  return path.toPercentEncoding("/");
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

RunJournal::~RunJournal() {
  if (m_fd >= 0)
    ::close(m_fd); // not finished: the journal stays for recovery
}

QString RunJournal::Open(const QString &folder) {
  if (!QDir().mkpath(folder))
    return QStringLiteral("Cannot make the journal folder \"%1\"").arg(folder);
  m_path =
      folder + QStringLiteral("/run-%1-%2.journal").arg(QDateTime::currentMSecsSinceEpoch()).arg(::getpid());
  m_fd =
      ::open(QFile::encodeName(m_path).constData(), O_CREAT | O_EXCL | O_WRONLY | O_APPEND | O_CLOEXEC, 0600);
  if (m_fd < 0)
    return QStringLiteral("Cannot create the journal \"%1\"").arg(m_path);
  ::flock(m_fd, LOCK_EX);
  return {};
}

void RunJournal::Write(const QByteArray &bytes) {
  for (qsizetype done = 0; m_fd >= 0 && done < bytes.size();) {
    const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return;
    done += n;
  }
}

void RunJournal::Planned(const std::vector<PlannedMove> &moves) {
  QByteArray plan = kHeader;
  for (const auto &[from, to] : moves)
    plan += "M " + Encode(from) + ' ' + Encode(to) + '\n';
  Write(plan);
  if (m_fd >= 0)
    ::fdatasync(m_fd); // the plan is on disk before the first move
}

void RunJournal::Trying(qsizetype step) {
  if (step < m_markedUpTo)
    return;
  m_markedUpTo = step + kMarkEvery;
  Write("A " + QByteArray::number(m_markedUpTo) + '\n');
}

void RunJournal::Finished() {
  if (m_fd < 0)
    return;
  ::unlink(QFile::encodeName(m_path).constData());
  ::close(m_fd);
  m_fd = -1;
}

QStringList InterruptedJournals(const QString &folder) {
  QStringList found;
  const QDir dir(folder);
  for (const QString &name : dir.entryList({QStringLiteral("run-*.journal")}, QDir::Files, QDir::Name)) {
    const QString path = dir.filePath(name);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
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
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    recovery.error = QStringLiteral("Cannot open the journal \"%1\"").arg(path);
    return recovery;
  }
  const QByteArray bytes = file.readAll();
  if (!bytes.startsWith(kHeader)) {
    recovery.error = QStringLiteral("\"%1\" is not a journal of this program").arg(path);
    return recovery;
  }
  std::vector<PlannedMove> moves;
  qsizetype tried = 0;
  for (const QByteArray &line : bytes.mid(kHeader.size()).split('\n')) {
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() == 3 && parts[0] == "M")
      moves.emplace_back(QByteArray::fromPercentEncoding(parts[1]),
                         QByteArray::fromPercentEncoding(parts[2]));
    else if (parts.size() == 2 && parts[0] == "A")
      tried = qMax(tried, parts[1].toLongLong());
  }
  struct stat st;
  for (qsizetype k = qMin<qsizetype>(tried, qsizetype(moves.size())) - 1; k >= 0; --k) {
    const auto &[from, to] = moves[size_t(k)];
    if (calls.LStat(to.constData(), st) != 0 || calls.LStat(from.constData(), st) == 0)
      continue; // not made, or already undone
    const RenameStatus status = SafeRename(to, from, calls);
    const QString shown = ShownName(DecodeName(to)) + QStringLiteral(" -> ") + ShownName(DecodeName(from));
    if (status.ok())
      recovery.restored << shown;
    else
      recovery.failed << shown + QStringLiteral("  (") + status.Text() + QLatin1Char(')');
  }
  if (recovery.failed.isEmpty())
    QFile::remove(path);
  return recovery;
}
