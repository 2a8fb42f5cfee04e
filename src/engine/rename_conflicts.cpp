#include "engine/rename_conflicts.h"

#include "engine/folder_names.h"
#include "engine/folder_numbers.h"
#include "engine/name_bytes.h"
#include "engine/rename_run.h"
#include "platform/name_codec.h"

#include <QHash>

#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>
#include <optional>
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

// How many lines ahead the table slots of a line are asked for, so that they are at hand in time.
constexpr size_t kPrefetchAhead = 16;

// The entries that would move, one position each: the new name (in the bytes of all new names) is
// what the first passes look at, the old name only where names may be held by other entries.
struct NewName {
  quint32 at, size;
  qint32 folder;
  quint32 hash;
};
struct OldName {
  const char *data;
  qint32 size;
  qint32 folder;
  QByteArrayView View() const { return QByteArrayView(data, size); }
};

} // namespace

ConflictReport CheckConflicts(const RenameOptions &options, std::span<const FileListEntry> entries,
                              const QStringList &lines, FileSystemCalls &calls) {
  FolderNameCache once;
  return CheckConflicts(options, entries, lines, once, calls);
}

ConflictReport CheckConflicts(const RenameOptions &options, std::span<const FileListEntry> entries,
                              const QStringList &lines, FolderNameCache &folderNames,
                              FileSystemCalls &calls) {
  const qsizetype count = qsizetype(entries.size());
  ConflictReport report;
  report.lines.assign(count, LineConflict::None);
  FolderNumbers folders;
  std::vector<QByteArray> madePaths; // paths of entries not read from disk
  NameBytes newNames(size_t(count) * 24);
  // By position among the moving entries.
  const auto entryOf = std::make_unique_for_overwrite<qsizetype[]>(size_t(count));
  const auto newName = std::make_unique_for_overwrite<NewName[]>(size_t(count));
  const auto oldName = std::make_unique_for_overwrite<OldName[]>(size_t(count));
  size_t moves = 0;
  const QChar *lastFolderText = nullptr; // the folder of the entry before, by its shared text
  qint32 lastFolder = -1;
  qsizetype lastNameAt = 0;
  for (qsizetype i = 0; i < count; ++i) {
    if (i + qsizetype(kPrefetchAhead) < lines.size()) // the text of a line is elsewhere in memory
      __builtin_prefetch(lines.at(i + kPrefetchAhead).constData());
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
    const QStringView name = NameOfLine(lines.at(i), entry.Caption);
    if (name == entry.Caption) {
      c = LineConflict::Unchanged;
      continue;
    }
    bool ascii = false;
    const qsizetype size = IsDrive(entry) ? -1 : WriteAllowedName(name, newNames, ascii);
    if (size < 0) {
      c = LineConflict::NotAllowed;
      continue;
    }
    // An entry read from disk moves within the folder its path names.
    QByteArrayView oldPath = entry.NativePath;
    const bool made = oldPath.isEmpty();
    if (made) {
      madePaths.push_back(NativeOldPath(entry));
      oldPath = madePaths.back();
    }
    qsizetype nameAt;
    qint32 oldFolder;
    // Entries listed from one folder share the text of their folder, and their paths start with
    // its bytes: the path itself is not read for them.
    const QString &folderText = entry.SubItems[SubFolder];
    if (!made && !folderText.isEmpty() && folderText.constData() == lastFolderText &&
        oldPath.size() > lastNameAt) {
      oldFolder = lastFolder;
      nameAt = lastNameAt;
    } else {
      oldFolder = folders.Of(oldPath, nameAt);
      lastFolderText = made ? nullptr : folderText.constData();
      lastFolder = oldFolder;
      lastNameAt = nameAt;
    }
    qint32 newFolder = oldFolder;
    if (made) {
      madePaths.push_back(NativeFolderOf(entry));
      newFolder = folders.Of(madePaths.back());
    }
    const QByteArrayView bytes = newNames.View(newNames.size(), size_t(size));
    // A new name of ASCII only that differs from the caption differs from the bytes of the old name
    // too (any other character of the caption has bytes beyond ASCII).
    if (oldFolder == newFolder && !(ascii && !made) && oldPath.sliced(nameAt) == bytes) {
      c = LineConflict::Unchanged;
      continue;
    }
    entryOf[moves] = i;
    newName[moves] = {quint32(newNames.size()), quint32(size), newFolder,
                      quint32(folderNames.NameHash(bytes))};
    oldName[moves] = {oldPath.data() + nameAt, qint32(oldPath.size() - nameAt), oldFolder};
    ++moves;
    newNames.Took(size_t(size));
    ++folders.NewNames(newFolder);
  }
  auto nameOf = [&](const NewName &n) { return newNames.View(n.at, n.size); };

  // The names of each folder with many new names, read once (or kept from an earlier check). A new
  // name such a folder does not hold is free: no file has it, so no entry of the run has it either.
  std::vector<const NameTable *> listed(size_t(folders.size()), nullptr);
  for (qint32 f = 0; f < qint32(folders.size()); ++f)
    if (folders.NewNames(f) > 0)
      listed[size_t(f)] = folderNames.Names(folders.Path(f).toByteArray(),
                                            folders.NewNames(f) >= folderNames.ReadFrom(), calls);

  // The first line to want each new name (the others would fail), and whether a listed folder
  // holds the name.
  NameTable wanted{qsizetype(moves)};
  std::vector<qint32> newPath(moves); // the position of the new name in wanted
  std::vector<qint32> firstWanting;   // by position in wanted
  std::vector<char> held;             // by position in wanted: held on disk (listed folders only)
  firstWanting.reserve(moves);
  held.reserve(moves);
  std::vector<char> mayBeHeld(size_t(folders.size()), 0); // by folder: names may be held by entries
  for (qint32 f = 0; f < qint32(folders.size()); ++f)
    mayBeHeld[size_t(f)] = folders.NewNames(f) > 0 && listed[size_t(f)] == nullptr;
  for (size_t k = 0; k < moves; ++k) {
    if (k + kPrefetchAhead < moves) {
      const NewName &ahead = newName[k + kPrefetchAhead];
      wanted.Prefetch(ahead.folder, ahead.hash);
      if (const NameTable *names = listed[size_t(ahead.folder)])
        names->Prefetch(0, ahead.hash);
    }
    const NewName &n = newName[k];
    const qsizetype p = wanted.Add(n.folder, nameOf(n), n.hash);
    newPath[k] = qint32(p);
    if (p < qsizetype(firstWanting.size())) {
      report.lines[entryOf[k]] = LineConflict::SameTarget;
      continue;
    }
    firstWanting.push_back(qint32(k));
    const NameTable *names = listed[size_t(n.folder)];
    const bool onDisk = names && names->Find(0, nameOf(n), n.hash) >= 0;
    held.push_back(onDisk);
    if (onDisk)
      mayBeHeld[size_t(n.folder)] = 1;
  }
  // Most often no new name is held by anyone: every line but those that lose their name succeeds.
  if (std::find(mayBeHeld.begin(), mayBeHeld.end(), 1) == mayBeHeld.end()) {
    folderNames.ForgetUnasked();
    report.failing = qsizetype(moves - firstWanting.size());
    for (const LineConflict c : report.lines)
      report.failing += c == LineConflict::NotAllowed || c == LineConflict::NoLine ? 1 : 0;
    return report;
  }

  // Who holds each new name now: the last moving entry that has it.
  std::vector<qint32> holder(firstWanting.size(), -1);
  for (size_t k = 0; k < moves; ++k) {
    const OldName &o = oldName[k];
    if (!mayBeHeld[size_t(o.folder)])
      continue;
    const qsizetype p = wanted.Find(o.folder, o.View(), folderNames.NameHash(o.View()));
    if (p >= 0)
      holder[size_t(p)] = qint32(k);
  }
  auto heldOnDisk = [&](size_t k) {
    const NewName &n = newName[k];
    if (listed[size_t(n.folder)])
      return held[size_t(newPath[k])] != 0;
    const QByteArray to = folders.Path(n.folder).toByteArray().append(nameOf(n));
    const QByteArray from = folders.Path(oldName[k].folder).toByteArray().append(oldName[k].View());
    struct stat target, own;
    if (calls.LStat(to.constData(), target) != 0)
      return false;
    // Another spelling of the entry's own name, where the file system ignores case: the same file,
    // or (where each spelling gets a number of its own, as through FUSE) a name of the same folder
    // that differs in case only and that the folder does not list as it is spelt.
    if (calls.LStat(from.constData(), own) != 0 || own.st_dev != target.st_dev)
      return true;
    if (own.st_ino == target.st_ino)
      return false;
    return n.folder != oldName[k].folder ||
           QString::compare(DecodeName(nameOf(n)), DecodeName(oldName[k].View()), Qt::CaseInsensitive) != 0 ||
           calls.FolderListsName(folders.Path(n.folder).toByteArray().constData(), nameOf(n).toByteArray());
  };

  // A name held by another moving entry is free once that one has moved: the line fails only when
  // that entry fails. Resolved along each chain; a cycle frees its own names.
  enum : char { Open, Walking, Resolved };
  std::vector<char> state(moves, Open);
  std::vector<size_t> path;
  auto conflict = [&](size_t k) -> LineConflict & { return report.lines[entryOf[k]]; };
  for (size_t i = 0; i < moves; ++i) {
    if (state[i] != Open || conflict(i) != LineConflict::None)
      continue;
    path.clear();
    size_t k = i;
    LineConflict end = LineConflict::None;
    while (true) {
      state[k] = Walking;
      path.push_back(k);
      const qint32 j = holder[size_t(newPath[k])];
      if (j < 0 || size_t(j) == k) {
        end = heldOnDisk(k) ? LineConflict::NameTaken : LineConflict::None;
        break;
      }
      if (state[size_t(j)] == Walking) { // a cycle: every name in it is freed
        end = LineConflict::None;
        break;
      }
      if (state[size_t(j)] == Resolved || conflict(size_t(j)) != LineConflict::None) {
        end = WouldFail(conflict(size_t(j))) || state[size_t(j)] != Resolved ? LineConflict::NameTaken
                                                                             : LineConflict::None;
        break;
      }
      k = size_t(j);
    }
    // The last entry of the path decides for itself; every one before it waits for the next.
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
      state[*it] = Resolved;
      conflict(*it) = end;
    }
  }
  folderNames.ForgetUnasked();
  for (LineConflict c : report.lines)
    report.failing += WouldFail(c) ? 1 : 0;
  return report;
}
