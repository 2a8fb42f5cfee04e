#include "engine/rename_conflicts.h"

#include "engine/rename_run.h"
#include "platform/name_codec.h"

#include <QHash>
#include <QSet>

#include <sys/stat.h>

QString ConflictText(LineConflict conflict) {
  switch (conflict) {
  case LineConflict::None:
    return {};
  case LineConflict::SameTarget:
    return QStringLiteral("an earlier line gives the same name");
  case LineConflict::NameTaken:
    return QStringLiteral("the name is held by a file that keeps it");
  case LineConflict::NotAllowed:
    return QStringLiteral("not a name a file may have");
  case LineConflict::NoLine:
    return QStringLiteral("no new name in the preview");
  case LineConflict::Unchanged:
    return QStringLiteral("unchanged");
  case LineConflict::Excluded:
    return QStringLiteral("folder left alone");
  }
  return {};
}

namespace {

// A folder with at least this many new names is read whole rather than looked up name by name.
constexpr qsizetype kReadFolderFrom = 64;

} // namespace

ConflictReport CheckConflicts(const RenameOptions &options, std::span<const FileListEntry> entries,
                              const QStringList &lines, FileSystemCalls &calls) {
  const qsizetype count = qsizetype(entries.size());
  ConflictReport report;
  report.lines.assign(count, LineConflict::None);
  std::vector<QByteArray> from(count), to(count);
  QHash<QByteArray, qsizetype> holder, firstWanting;
  holder.reserve(count);
  firstWanting.reserve(count);
  QHash<QByteArray, qsizetype> newNamesPerFolder;
  for (qsizetype i = 0; i < count; ++i) {
    const FileListEntry &entry = entries[i];
    LineConflict &c = report.lines[i];
    if (IsExcludedFromRun(options, entry)) {
      c = LineConflict::Excluded;
      continue;
    }
    if (i >= lines.size()) {
      c = LineConflict::NoLine;
      continue;
    }
    const QString name = NameOnDisk(lines.at(i), entry.Caption);
    if (name == entry.Caption) {
      c = LineConflict::Unchanged;
      continue;
    }
    if (!IsAllowedFileName(name) || entry.SubItem(SubKind) == QLatin1String("drv")) {
      c = LineConflict::NotAllowed;
      continue;
    }
    from[i] = NativeOldPath(entry);
    to[i] = NativeFolderOf(entry) + EncodeName(name);
    if (from[i] == to[i]) {
      c = LineConflict::Unchanged;
      continue;
    }
    holder.insert(from[i], i + 1); // values one up: 0 means none
    qsizetype &first = firstWanting[to[i]];
    if (first != 0)
      c = LineConflict::SameTarget;
    else
      first = i + 1;
    ++newNamesPerFolder[NativeFolderOf(entry)];
  }

  // Names held on disk, looked up once per name or read once per busy folder.
  QHash<QByteArray, QSet<QByteArray>> folderNames;
  for (auto it = newNamesPerFolder.cbegin(); it != newNamesPerFolder.cend(); ++it) {
    if (it.value() < kReadFolderFrom)
      continue;
    QByteArrayList names;
    if (calls.FolderNames(it.key().isEmpty() ? "." : it.key().constData(), names) == 0)
      folderNames.insert(it.key(), QSet<QByteArray>(names.begin(), names.end()));
  }
  auto heldOnDisk = [&](qsizetype i) {
    const QByteArray folder = NativeFolder(to[i]);
    const auto listed = folderNames.constFind(folder);
    if (listed != folderNames.cend())
      return listed->contains(NativeFileName(to[i]));
    struct stat target, own;
    if (calls.LStat(to[i].constData(), target) != 0)
      return false;
    // Another spelling of the entry's own name, where the file system ignores case.
    return calls.LStat(from[i].constData(), own) != 0 || own.st_dev != target.st_dev ||
           own.st_ino != target.st_ino;
  };

  // A name held by another moving entry is free once that one has moved: the line fails only when
  // that entry fails. Resolved along each chain; a cycle frees its own names.
  enum : char { Open, Walking, Resolved };
  std::vector<char> state(count, Open);
  std::vector<qsizetype> path;
  for (qsizetype i = 0; i < count; ++i) {
    if (state[i] != Open || to[i].isEmpty() || report.lines[i] != LineConflict::None)
      continue;
    path.clear();
    qsizetype k = i;
    LineConflict end = LineConflict::None;
    while (true) {
      state[k] = Walking;
      path.push_back(k);
      const qsizetype j = holder.value(to[k], 0) - 1;
      if (j < 0 || j == k) {
        end = heldOnDisk(k) ? LineConflict::NameTaken : LineConflict::None;
        break;
      }
      if (state[j] == Walking) { // a cycle: every name in it is freed
        end = LineConflict::None;
        break;
      }
      if (state[j] == Resolved || report.lines[j] != LineConflict::None) {
        end =
            WouldFail(report.lines[j]) || state[j] != Resolved ? LineConflict::NameTaken : LineConflict::None;
        break;
      }
      k = j;
    }
    // The last entry of the path decides for itself; every one before it waits for the next.
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
      state[*it] = Resolved;
      report.lines[*it] = end;
    }
  }
  for (LineConflict c : report.lines)
    report.failing += WouldFail(c) ? 1 : 0;
  return report;
}
