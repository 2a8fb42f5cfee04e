#include "engine/run_journal.h"

#include "platform/name_codec.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const QByteArray kHeader = "zelvo-rename journal 1\n";
// Progress is marked ahead of the run, first this many moves ahead and then twice as far each time,
// up to kMarkMost, and each of these marks is on disk before the moves it covers: a run cut short has
// tried at most up to the last mark. A mark never reaches into a cycle of names not begun yet (undoing
// a swap that never happened would make one), so a cycle is marked when it begins; those marks reach
// the disk with the next batch, and one lost to a power cut only leaves that cycle as it is.
constexpr qsizetype kMarkFirst = 4096;
constexpr qsizetype kMarkMost = 65536;

// Bytes left as they are in the journal; every other byte is written as %XX (what
// QByteArray::toPercentEncoding("/") does, which fromPercentEncoding reads back).
constexpr bool Plain(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~' || c == '/';
}

// The plan as it is written: folder lines ("D folder") and the moves within the last folder named
// ("N from to", names only), or whole paths ("M from to") for a move between folders; written out in
// pieces of a few dozen kilobytes.
class PlanWriter {
public:
  explicit PlanWriter(const std::function<void(QByteArrayView)> &write)
      : m_write(write), m_buffer(kPiece + 16384) {}
  ~PlanWriter() { m_write(QByteArrayView(m_buffer.data(), qsizetype(m_used))); }
  void Move(const QByteArray &from, const QByteArray &to) {
    const void *last = ::memrchr(from.constData(), '/', size_t(from.size()));
    const qsizetype slash = last ? static_cast<const char *>(last) - from.constData() + 1 : 0;
    const QByteArrayView folder = QByteArrayView(from).first(slash);
    if (to.size() <= slash || !to.startsWith(folder) || to.indexOf('/', slash) >= 0) {
      Line('M', from, to);
      return;
    }
    if (!m_hasFolder || folder != QByteArrayView(m_folder)) {
      m_folder = folder.toByteArray();
      m_hasFolder = true;
      Line('D', m_folder, {});
    }
    Line('N', QByteArrayView(from).sliced(slash), QByteArrayView(to).sliced(slash));
  }

private:
  static constexpr size_t kPiece = 1 << 16;
  // "kind from to" (or "kind from" without a to), ending with a line break.
  void Line(char kind, QByteArrayView from, QByteArrayView to) {
    const size_t most = 4 + 3 * size_t(from.size() + to.size());
    if (m_used + most > m_buffer.size())
      m_buffer.resize(m_used + most);
    char *out = m_buffer.data() + m_used;
    *out++ = kind;
    *out++ = ' ';
    out = Append(out, from);
    if (!to.isNull()) {
      *out++ = ' ';
      out = Append(out, to);
    }
    *out++ = '\n';
    m_used = size_t(out - m_buffer.data());
    if (m_used >= kPiece) {
      m_write(QByteArrayView(m_buffer.data(), qsizetype(m_used)));
      m_used = 0;
    }
  }
  static char *Append(char *out, QByteArrayView bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    static constexpr auto kPlain = [] {
      std::array<bool, 256> plain{};
      for (int c = 0; c < 256; ++c)
        plain[size_t(c)] = Plain(static_cast<unsigned char>(c));
      return plain;
    }();
    for (const char b : bytes) {
      const auto c = static_cast<unsigned char>(b);
      if (kPlain[c]) {
        *out++ = b;
      } else {
        *out++ = '%';
        *out++ = kHex[c >> 4];
        *out++ = kHex[c & 15];
      }
    }
    return out;
  }
  const std::function<void(QByteArrayView)> &m_write;
  std::vector<char> m_buffer;
  size_t m_used = 0;
  QByteArray m_folder;
  bool m_hasFolder = false;
};

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

void RunJournal::Write(QByteArrayView bytes) {
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
  Write(kHeader);
  const std::function<void(QByteArrayView)> write = [this](QByteArrayView bytes) { Write(bytes); };
  {
    PlanWriter plan(write);
    for (const auto &[from, to] : moves)
      plan.Move(from, to);
  }
  m_markStep = kMarkFirst;
  m_cycleStarts.clear();
  for (qsizetype k = 0; k < qsizetype(moves.size()); ++k) {
    const QByteArray &to = moves[size_t(k)].second;
    const void *slash = ::memrchr(to.constData(), '/', size_t(to.size()));
    const qsizetype leaf = slash ? static_cast<const char *>(slash) - to.constData() + 1 : 0;
    if (QByteArrayView(to).sliced(leaf).startsWith(kCycleTemporaryPrefix))
      m_cycleStarts.push_back(k);
  }
  // The plan reaches the disk with the first mark, before the first move.
}

void RunJournal::Trying(qsizetype step) {
  if (step < m_markedUpTo)
    return;
  m_markedUpTo = step + m_markStep;
  const auto cycle = std::upper_bound(m_cycleStarts.begin(), m_cycleStarts.end(), step);
  if (cycle != m_cycleStarts.end())
    m_markedUpTo = qMin(m_markedUpTo, *cycle);
  Write("A " + QByteArray::number(m_markedUpTo) + '\n');
  if (step >= m_syncedUpTo && m_fd >= 0) {
    ::fdatasync(m_fd);
    m_syncedUpTo = step + m_markStep;
    m_markStep = qMin(m_markStep * 2, kMarkMost);
  }
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
  QByteArray folder;
  for (const QByteArray &line : bytes.mid(kHeader.size()).split('\n')) {
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() == 3 && parts[0] == "M")
      moves.emplace_back(QByteArray::fromPercentEncoding(parts[1]),
                         QByteArray::fromPercentEncoding(parts[2]));
    else if (parts.size() == 2 && parts[0] == "D")
      folder = QByteArray::fromPercentEncoding(parts[1]);
    else if (parts.size() == 3 && parts[0] == "N")
      moves.emplace_back(folder + QByteArray::fromPercentEncoding(parts[1]),
                         folder + QByteArray::fromPercentEncoding(parts[2]));
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
