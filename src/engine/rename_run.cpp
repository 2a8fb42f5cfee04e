#include "engine/rename_run.h"

#include "engine/name_index.h"
#include "engine/rename_order.h"
#include "platform/name_codec.h"
#include "platform/text_blocks.h"

#include <QAtomicInt>
#include <QCoreApplication>

#include <QHash>

#include <cerrno>
#include <cstring>
#include <deque>
#include <dirent.h>
#include <sys/stat.h>

void UndoRecord::clear() {
  lOld.clear();
  lNew.clear();
}

void UndoRecord::reserve(qsizetype n) {
  lOld.reserve(n);
  lNew.reserve(n);
}

void UndoRecord::append(const QByteArray &oldPath, const QByteArray &newPath) {
  lOld.append(oldPath);
  lNew.append(newPath);
}

void UndoRecord::removeLast() {
  lOld.removeLast();
  lNew.removeLast();
}

void UndoRecord::removeAt(qsizetype i) {
  lOld.removeAt(i);
  lNew.removeAt(i);
}

void RenameErrorRecord::clear() {
  lFileNames.clear();
  lidItems.clear();
  reasons.clear();
  newNames.clear();
}

void RenameErrorRecord::append(const QString &path, qsizetype index, const QString &reason,
                               const QString &newName) {
  lFileNames.append(ShownName(path));
  lidItems.append(QString::number(index));
  reasons.append(ShownName(reason));
  newNames.append(ShownName(newName));
}

bool IsAllowedFileName(const QString &name) {
  if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
    return false;
  for (const QChar c : name)
    if (c == QLatin1Char('/') || c.unicode() < 0x20 || c.unicode() == 0x7F)
      return false; // no line break from a text list or a tag ends up in a name
  return true;
}

QString NameOnDisk(const QString &line, const QString &oldName) {
  // The split of a name without a dot adds one; a name that really ends with a dot keeps it.
  if (line.endsWith(QLatin1Char('.')) && !oldName.endsWith(QLatin1Char('.')))
    return line.chopped(1);
  return line;
}

bool IsExcludedFromRun(const RenameOptions &options, const FileListEntry &entry) {
  return options.cViewFolders && entry.IsFolder() && !options.cWorkWithFolders;
}

QByteArray NativeOldPath(const FileListEntry &entry) {
  if (!entry.NativePath.isEmpty())
    return entry.NativePath;
  return EncodeName(entry.SubItem(SubFullPath));
}

QByteArray NativeFolderOf(const FileListEntry &entry) {
  if (!entry.NativePath.isEmpty())
    return NativeFolder(entry.NativePath);
  QByteArray folder = EncodeName(entry.SubItem(SubFolder));
  if (!folder.isEmpty() && !folder.endsWith('/'))
    folder += '/';
  return folder;
}

namespace {

QString ShownFolder(const FileListEntry &entry) {
  const QString &folder = entry.SubItem(SubFolder);
  return folder.isEmpty() || folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// Whether an item of that kind is what the list says the entry is.
RenameStatus KindMatches(const FileListEntry &entry, bool isFolder) {
  if (isFolder == entry.IsFolder())
    return RenameStatus::Success();
  return RenameStatus::Failure(ESTALE, entry.IsFolder() ? QStringLiteral("It is no longer a folder")
                                                        : QStringLiteral("It has been replaced by a folder"));
}

bool KindIsChecked(const FileListEntry &entry) {
  const QString &kind = entry.SubItem(SubKind);
  return kind == QLatin1String("dir") || kind == QLatin1String("file");
}

// Whether the item at path is still what the list says the entry is: present, and a folder when
// listed as one.
RenameStatus CheckStillListed(const FileListEntry &entry, const QByteArray &path, FileSystemCalls &calls) {
  if (!KindIsChecked(entry))
    return RenameStatus::Success();
  struct stat st;
  if (const int error = calls.Stat(path.constData(), st)) {
    if (calls.LStat(path.constData(), st) != 0) // a link whose target is gone counts as a file
      return RenameStatus::Failure(error);
  }
  return KindMatches(entry, S_ISDIR(st.st_mode));
}

// The new path of an entry in folder (its native folder), or why it cannot have one; made in
// blocks when given.
RenameStatus PrepareEntry(const FileListEntry &entry, const QString &newName, const QByteArray &oldPath,
                          const QByteArray &folder, QByteArray &newPath, TextBlocks *blocks = nullptr) {
  if (entry.SubItem(SubKind) == QLatin1String("drv"))
    return RenameStatus::Failure(EPERM, QStringLiteral("A drive cannot be renamed"));
  if (!IsAllowedFileName(newName))
    return RenameStatus::Failure(EINVAL, QStringLiteral("The new name \"%1\" is not allowed").arg(newName));
  // An unchanged name keeps the bytes on disk, even when they are not valid UTF-8.
  if (newName == entry.Caption)
    newPath = oldPath;
  else
    newPath = blocks ? blocks->Encoded(folder, newName) : EncodeNameAfter(folder, newName);
  return RenameStatus::Success();
}

// Moves the entry from one path to another. A vanished item fails the rename itself. Whether the
// item moved is still of the kind the list showed is checked after the move, on the name the rename
// has just looked up (a check before it would cost a second look-up of every name); one that is not
// goes straight back.
RenameStatus MoveEntry(const FileListEntry &entry, const QByteArray &from, const QByteArray &to,
                       FileSystemCalls &calls) {
  const RenameStatus status = SafeRename(from, to, calls);
  if (!status.ok())
    return status;
  if (const RenameStatus kind = CheckStillListed(entry, to, calls); !kind.ok()) {
    if (SafeRename(to, from, calls).ok())
      return kind;
    // Its old name was taken meanwhile: it keeps the new one and is recorded for undo.
  }
  return status;
}

RenameStatus RenameEntryTo(const FileListEntry &entry, const QString &newName, const QByteArray &oldPath,
                           QByteArray &newPath, FileSystemCalls &calls) {
  if (const RenameStatus prepared = PrepareEntry(entry, newName, oldPath, NativeFolderOf(entry), newPath);
      !prepared.ok())
    return prepared;
  if (newPath == oldPath)
    return CheckStillListed(entry, oldPath, calls);
  return MoveEntry(entry, oldPath, newPath, calls);
}

// A free-looking name in the folder of path for the first entry of a cycle.
QByteArray CycleTemporaryName(const QByteArray &path) {
  static QAtomicInt counter;
  return NativeFolder(path) + kCycleTemporaryPrefix + QByteArray::number(QCoreApplication::applicationPid()) +
         '-' + QByteArray::number(counter.fetchAndAddRelaxed(1)) + ".tmp";
}

enum class Outcome : char { NotTaken, Renamed, Unchanged, Failed, Excluded };

// The state of one run.
class Run {
public:
  Run(const RenameOptions &options, std::span<const FileListEntry> entries, const QStringList &lines,
      const RenameRunControl &control)
      : m_entries(entries), m_lines(lines), m_calls(*control.calls), m_control(control),
        m_from(entries, &FileListEntry::NativePath), m_to(entries.size()),
        m_outcome(entries.size(), Outcome::NotTaken), m_folderOf(entries.size(), -1) {
    QHash<QByteArrayView, int> folderIndex;
    for (qsizetype i = 0; i < qsizetype(entries.size()); ++i) {
      const FileListEntry &entry = entries[i];
      if (IsExcludedFromRun(options, entry)) {
        m_outcome[i] = Outcome::Excluded;
        continue;
      }
      if (i >= lines.size()) {
        Fail(i, RenameStatus::Failure(ENOENT, QStringLiteral("No new name for it in the preview")));
        continue;
      }
      const QByteArray oldPath = NativeOldPath(entry);
      m_folderOf[i] = FolderIndex(entry, folderIndex);
      const RenameStatus prepared = PrepareEntry(
          entry, NewName(i), oldPath, m_folders[size_t(m_folderOf[i])].Path(), m_to[i], &m_newPaths);
      if (entry.NativePath.isEmpty()) { // an entry not read from disk: its path is made here
        if (m_madeFrom.empty())
          for (const FileListEntry &e : entries)
            m_madeFrom.push_back(e.NativePath);
        m_madeFrom[size_t(i)] = oldPath;
      }
      if (!prepared.ok())
        Fail(i, prepared);
    }
    if (!m_madeFrom.empty())
      m_from = PathList(m_madeFrom);
  }

  RenameRunResult Execute() {
    std::vector<OrderedStep> order;
    if (m_control.ordered) {
      order = OrderRenames(m_from, m_to);
    } else {
      order.resize(m_from.size());
      for (size_t k = 0; k < order.size(); ++k)
        order[k].entry = qint32(k);
    }
    // The temporary name of each cycle, by the position of its first step.
    QHash<size_t, QByteArray> temporary;
    for (size_t k = 0; k < order.size(); ++k)
      if (order[k].cycleLength > 0)
        temporary.insert(k, CycleTemporaryName(m_from[order[k].entry]));
    // Every entry takes one position of the undo record, the first of each cycle two.
    if (m_control.keepUndo)
      m_result.undo.reserve(qsizetype(order.size()) + temporary.size());
    // Left by an exception (the calls may throw), the run stops the writing of its plan before the
    // paths the plan points into go.
    struct PlanGuard {
      RenameRunObserver *observer;
      ~PlanGuard() {
        if (observer)
          observer->Abandoned();
      }
    } guard{m_control.observer};
    if (m_control.observer)
      m_control.observer->Planned(PlanOf(order, temporary));
    for (size_t k = 0; k < order.size();) {
      if ((m_control.stop && m_control.stop->load(std::memory_order_relaxed)) ||
          (m_control.progress && !m_control.progress(qsizetype(k), qsizetype(order.size())))) {
        m_result.stopped = true;
        break;
      }
      if (order[k].cycleLength > 0) {
        RunCycle(std::span(order).subspan(k, order[k].cycleLength), *temporary.constFind(k));
        k += order[k].cycleLength;
      } else {
        RunOne(order[k].entry);
        ++k;
      }
    }
    CheckKindsAfterRun();
    for (qsizetype i = 0; i < qsizetype(m_outcome.size()); ++i) {
      switch (m_outcome[i]) {
      case Outcome::NotTaken:
        ++m_result.notTaken;
        break;
      case Outcome::Failed:
        m_result.errors.append(Shown(i), i, m_status.value(i).Text(), NewName(i));
        break;
      case Outcome::Renamed:
        ++m_result.renamed;
        break;
      case Outcome::Unchanged:
        ++m_result.unchanged;
        break;
      case Outcome::Excluded:
        break;
      }
    }
    guard.observer = nullptr;
    if (m_control.observer)
      m_control.observer->Finished();
    return std::move(m_result);
  }

private:
  // The folder of an entry among those of the run, added when new. The first few folders are held
  // open for the renames; the others (a deep tree) go by full paths.
  int FolderIndex(const FileListEntry &entry, QHash<QByteArrayView, int> &index) {
    constexpr size_t kOpenFolders = 64;
    QByteArray spare;
    QByteArrayView folder;
    if (const QByteArray &path = entry.NativePath; !path.isEmpty()) {
      const void *slash = ::memrchr(path.constData(), '/', size_t(path.size()));
      folder = QByteArrayView(path.constData(),
                              slash ? static_cast<const char *>(slash) - path.constData() + 1 : 0);
    } else {
      spare = NativeFolderOf(entry);
      folder = spare;
    }
    if (!m_folders.empty() && m_folders.back().Path() == folder)
      return int(m_folders.size() - 1);
    if (const auto it = index.constFind(folder); it != index.cend())
      return it.value();
    m_folders.emplace_back(folder.toByteArray(), m_folders.size() < kOpenFolders);
    index.insert(QByteArrayView(m_folders.back().Path()), int(m_folders.size() - 1));
    return int(m_folders.size() - 1);
  }
  bool Moves(qsizetype i) const {
    return m_outcome[i] == Outcome::NotTaken && !m_to[i].isEmpty() && m_to[i] != m_from[i];
  }
  // The name entry i is to have on disk (none for an entry without a line).
  QString NewName(qsizetype i) const {
    return i < m_lines.size() ? NameOnDisk(m_lines.at(i), m_entries[i].Caption) : QString();
  }
  // The entry's path as a user reads it (made from its folder and name where the list left it out).
  QString Shown(qsizetype i) const {
    const QString &path = m_entries[i].SubItem(SubFullPath);
    return path.isEmpty() ? ShownIn(i, m_entries[i].Caption) : path;
  }
  QString ShownIn(qsizetype i, const QString &name) const {
    const QString &folder = m_entries[i].SubItem(SubFolder);
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
      return JoinedPath(folder, name);
    return ShownFolder(m_entries[i]) + name;
  }
  void Fail(qsizetype i, const RenameStatus &status) {
    m_outcome[i] = Outcome::Failed;
    m_status.insert(i, status);
  }
  void Record(const QByteArray &from, const QByteArray &to) {
    if (m_control.keepUndo)
      m_result.undo.append(from, to);
  }
  void Unrecord() {
    if (m_control.keepUndo)
      m_result.undo.removeLast();
  }
  void Trying() {
    if (m_control.observer)
      m_control.observer->Trying(m_step);
    ++m_step;
  }

  // The moves in order, pointing into the paths of this run and the temporary names.
  std::vector<PlannedMove> PlanOf(const std::vector<OrderedStep> &order,
                                  const QHash<size_t, QByteArray> &temporary) const {
    std::vector<PlannedMove> moves;
    moves.reserve(order.size() + 1);
    for (size_t k = 0; k < order.size(); ++k) {
      const qsizetype i = order[k].entry;
      if (order[k].cycleLength > 0) {
        const QByteArray &through = *temporary.constFind(k);
        moves.emplace_back(m_from[i], through);
        for (qsizetype c = 1; c < order[k].cycleLength; ++c)
          moves.emplace_back(m_from[order[k + c].entry], m_to[order[k + c].entry]);
        moves.emplace_back(through, m_to[i]);
        k += order[k].cycleLength - 1;
      } else if (Moves(i)) {
        moves.emplace_back(m_from[i], m_to[i]);
      }
    }
    return moves;
  }

  // An entry outside cycles. Whether the item is still of the kind the list showed is checked for
  // all of them at the end of the run, in one read of each folder (CheckKindsAfterRun).
  void RunOne(qsizetype i) {
    if (m_outcome[i] != Outcome::NotTaken)
      return;
    if (!Moves(i)) {
      m_outcome[i] = Outcome::Unchanged;
    } else {
      Trying();
      const RenameStatus status = SafeRename(m_folders[size_t(m_folderOf[i])], m_from[i], m_to[i], m_calls);
      if (!status.ok())
        return Fail(i, status);
      m_outcome[i] = Outcome::Renamed;
    }
    Record(m_from[i], m_to[i]);
    if (m_control.recheckKinds && KindIsChecked(m_entries[i]))
      m_unchecked.push_back({i, m_result.undo.size() - 1});
  }

  // Every entry RunOne took is looked up where it is now. One that is no longer of its listed kind
  // (a folder where the list had a file, or the other way round) is renamed back and fails; an
  // unchanged one that is gone or changed kind fails. A folder that cannot be read, links and
  // entries of unknown type are looked at one by one.
  void CheckKindsAfterRun() {
    constexpr int kNotFound = -1, kUnread = -2;
    std::vector<int> type(m_unchecked.size(), kNotFound);
    auto pathOf = [&](const Unchecked &u) -> const QByteArray & {
      return m_outcome[u.entry] == Outcome::Renamed ? m_to[u.entry] : m_from[u.entry];
    };
    // The entries of one folder, in groups; most runs have one folder.
    std::vector<std::pair<QByteArray, std::vector<size_t>>> folders;
    QByteArrayView lastFolder;
    size_t group = 0;
    for (size_t k = 0; k < m_unchecked.size(); ++k) {
      const QByteArray &path = pathOf(m_unchecked[k]);
      const QByteArrayView folder = QByteArrayView(path).first(path.lastIndexOf('/') + 1);
      if (folders.empty() || folder != lastFolder) {
        group = folders.size();
        for (size_t g = 0; g < folders.size(); ++g)
          if (folders[g].first == folder)
            group = g;
        if (group == folders.size())
          folders.emplace_back(folder.toByteArray(), std::vector<size_t>());
        lastFolder = folder;
      }
      folders[group].second.push_back(k);
    }
    for (const auto &[folder, members] : folders) {
      NameIndex names(members.size());
      for (size_t k : members) {
        const QByteArray &path = pathOf(m_unchecked[k]);
        names.AddFirst(QByteArrayView(path).sliced(folder.size()), qsizetype(k));
      }
      const int error = m_calls.ReadFolderTypes(folder.isEmpty() ? "." : folder.constData(),
                                                [&](QByteArrayView name, unsigned char t) {
                                                  const qsizetype k = names.Find(name);
                                                  if (k >= 0)
                                                    type[size_t(k)] = t;
                                                });
      if (error != 0)
        for (size_t k : members)
          type[k] = kUnread;
    }
    // Newest first, so that taking a record out leaves the positions of the others as they are.
    for (size_t k = m_unchecked.size(); k-- > 0;) {
      const qsizetype i = m_unchecked[k].entry;
      const FileListEntry &entry = m_entries[i];
      RenameStatus kind;
      if (type[k] == kNotFound)
        kind = RenameStatus::Failure(ENOENT);
      else if (type[k] == kUnread || type[k] == DT_LNK || type[k] == DT_UNKNOWN)
        kind = CheckStillListed(entry, pathOf(m_unchecked[k]), m_calls);
      else
        kind = KindMatches(entry, type[k] == DT_DIR);
      if (kind.ok())
        continue;
      // A moved item that went away, or whose old name was taken meanwhile, keeps its new name and
      // stays recorded for undo.
      if (m_outcome[i] == Outcome::Renamed && !SafeRename(m_to[i], m_from[i], m_calls).ok())
        continue;
      if (m_control.keepUndo)
        m_result.undo.removeAt(m_unchecked[k].record);
      Fail(i, kind);
    }
  }

  // The first entry goes to a temporary name, every other one onto the name the one after it in
  // the cycle frees, and the first onto its new name. When a step fails, the steps already made are
  // undone newest first and the first entry goes back, so no entry keeps the temporary name.
  void RunCycle(std::span<const OrderedStep> cycle, const QByteArray &temporary) {
    const qsizetype head = cycle.front().entry;
    Trying();
    if (const RenameStatus status = MoveEntry(m_entries[head], m_from[head], temporary, m_calls);
        !status.ok()) {
      // Every other entry of the cycle waits for a name that this one still holds.
      Fail(head, status);
      const QString why =
          QStringLiteral("Its new name is still held by \"%1\" (%2)").arg(Shown(head), status.Text());
      for (const OrderedStep &step : cycle.subspan(1))
        Fail(step.entry, RenameStatus::Failure(EEXIST, why));
      m_step += qsizetype(cycle.size());
      return;
    }
    Record(m_from[head], temporary);
    qsizetype made = 0;
    RenameStatus failure;
    qsizetype failed = -1;
    for (const OrderedStep &step : cycle.subspan(1)) {
      const qsizetype i = step.entry;
      Trying();
      failure = MoveEntry(m_entries[i], m_from[i], m_to[i], m_calls);
      if (!failure.ok()) {
        failed = i;
        break;
      }
      Record(m_from[i], m_to[i]);
      ++made;
    }
    if (failed < 0) {
      Trying();
      failure = SafeRename(temporary, m_to[head], m_calls);
      if (failure.ok()) {
        Record(temporary, m_to[head]);
        for (const OrderedStep &step : cycle)
          m_outcome[step.entry] = Outcome::Renamed;
        return;
      }
      failed = head;
    }
    // Put back what was done, newest first.
    const QString why =
        QStringLiteral("Put back: \"%1\" of the same cycle of names could not be renamed (%2)")
            .arg(Shown(failed), failure.Text());
    for (qsizetype c = made; c >= 1; --c) {
      const qsizetype i = cycle[c].entry;
      if (!SafeRename(m_to[i], m_from[i], m_calls).ok()) {
        // Its old name was taken meanwhile: this entry and those before it keep their new names.
        for (qsizetype d = 1; d <= c; ++d)
          m_outcome[cycle[d].entry] = Outcome::Renamed;
        break;
      }
      Unrecord();
      Fail(i, i == failed ? failure : RenameStatus::Failure(EAGAIN, why));
    }
    if (failed != head && failed >= 0)
      Fail(failed, failure);
    for (const OrderedStep &step : cycle.subspan(1)) // those after the failed one were not tried
      if (m_outcome[step.entry] == Outcome::NotTaken)
        Fail(step.entry, RenameStatus::Failure(EAGAIN, why));
    if (m_outcome[cycle[1].entry] != Outcome::Renamed && SafeRename(temporary, m_from[head], m_calls).ok()) {
      Unrecord();
      Fail(head, failed == head ? failure : RenameStatus::Failure(EAGAIN, why));
      return;
    }
    Fail(head,
         RenameStatus::Failure(
             failure.error, QStringLiteral("%1; the file is now named \"%2\"")
                                .arg(failure.Text(), ShownIn(head, DecodeName(NativeFileName(temporary))))));
  }

  std::span<const FileListEntry> m_entries;
  const QStringList &m_lines;
  FileSystemCalls &m_calls;
  const RenameRunControl &m_control;
  TextBlocks m_newPaths;              // where the new paths in m_to are made
  std::vector<QByteArray> m_madeFrom; // the old paths, when an entry has none of its own
  PathList m_from;                    // the old paths: the entries' own, else m_madeFrom
  std::vector<QByteArray> m_to;
  std::vector<Outcome> m_outcome;
  QHash<qsizetype, RenameStatus> m_status; // why each failed entry failed
  std::deque<OpenFolder> m_folders;        // stays put as it grows: the index above points into it
  std::vector<int> m_folderOf;             // the folder of each entry, -1 for one without a line
  struct Unchecked {
    qsizetype entry;
    qsizetype record; // its position in the undo record
  };
  std::vector<Unchecked> m_unchecked;
  RenameRunResult m_result;
  qsizetype m_step = 0;
};

} // namespace

RenameRunResult RenameAllEntries(const RenameOptions &options, std::span<const FileListEntry> entries,
                                 const QStringList &lines, const RenameRunControl &control) {
  return Run(options, entries, lines, control).Execute();
}

RenameRunResult RenameAllEntries(const RenameOptions &options, std::span<const FileListEntry> entries,
                                 const QStringList &lines, FileSystemCalls &calls,
                                 const RunProgress &progress) {
  RenameRunControl control;
  control.calls = &calls;
  control.progress = progress;
  return RenameAllEntries(options, entries, lines, control);
}

RenameStatus RenameInPlace(const FileListEntry &entry, const QString &text, FileSystemCalls &calls) {
  QByteArray newPath;
  return RenameEntryTo(entry, text, NativeOldPath(entry), newPath, calls);
}
