#include "engine/unique_names.h"

#include "engine/name_bytes.h"
#include "engine/name_compare.h"
#include "engine/rename_run.h"
#include "platform/name_codec.h"

#include <QHash>
#include <QSet>

#include <deque>
#include <string.h>

namespace {

struct Folder {
  QByteArray path;
  bool moves = false;
  bool ignoresCase = false;
  const NameTable *listed = nullptr; // the names on disk, where the folder tells case apart
  QSet<QByteArray> listedKeys;       // else their keys (when the folder could be read)
  bool movingKnown = false;
  QSet<QByteArray> moving; // keys of the old names of its entries that move, made when first needed
  // By the key of a wanted name: the counter it was last given. Every smaller one from 2 up was
  // taken then and still is, so many lines of one name do not try them all again.
  QHash<QByteArray, int> lastCounter;
};

struct Line {
  qint32 folder = -1;
  bool moves = false;
  quint32 at = 0, size = 0; // the new name in the bytes of all new names
  size_t hash = 0;          // of those bytes
  QByteArrayView oldName;   // in the entry's path, or in madePaths
};

// Reads the names of a folder whose names the cache does not give (one that ignores case, or that
// cannot be read) as keys.
void ReadKeys(Folder &f, FileSystemCalls &calls) {
  QByteArrayList names;
  if (calls.FolderNames(f.path.isEmpty() ? "." : f.path.constData(), names) != 0)
    return;
  f.listedKeys = QSet<QByteArray>(names.begin(), names.end());
  f.ignoresCase = FolderIgnoresLetterCase(f.path, f.listedKeys, calls);
  if (!f.ignoresCase)
    return;
  QSet<QByteArray> keys;
  keys.reserve(f.listedKeys.size());
  for (const QByteArray &name : std::as_const(f.listedKeys))
    keys.insert(NameKey(name, true));
  f.listedKeys = std::move(keys);
}

} // namespace

QString NumberedName(QStringView name, int counter) {
  qsizetype dot = name.lastIndexOf(u'.');
  if (dot <= 0)
    dot = name.size();
  QString numbered;
  numbered.reserve(name.size() + 8);
  numbered.append(name.first(dot));
  numbered.append(QStringLiteral(" (%1)").arg(counter));
  numbered.append(name.sliced(dot));
  return numbered;
}

std::vector<qsizetype> MakeNamesUnique(const RenameOptions &options, std::span<const FileListEntry> entries,
                                       QStringList &lines, FileSystemCalls &calls, FolderNameCache *known) {
  const qsizetype count = qMin(qsizetype(entries.size()), lines.size());
  FolderNameCache once(0);
  FolderNameCache &cache = known ? *known : once;
  std::vector<Folder> folders;
  QHash<QByteArray, qint32> folderOf;
  std::vector<Line> info(static_cast<size_t>(count));
  std::deque<QByteArray> madePaths; // paths of entries not read from disk (they do not move)
  NameBytes newNames(size_t(count) * 24);
  const QChar *lastFolderText = nullptr; // entries listed from one folder share its text
  qint32 lastFolder = -1;
  bool anyMoves = false;
  const bool excludeFolders = options.cViewFolders && !options.cWorkWithFolders; // as IsExcludedFromRun
  for (qsizetype i = 0; i < count; ++i) {
    const FileListEntry &entry = entries[size_t(i)];
    Line &line = info[size_t(i)];
    const QString &folderText = entry.SubItems[SubFolder];
    QByteArrayView path = entry.NativePath;
    if (path.isEmpty()) {
      madePaths.push_back(NativeOldPath(entry));
      path = madePaths.back();
    }
    if (entry.NativePath.isEmpty() || folderText.isEmpty() || folderText.constData() != lastFolderText) {
      const QByteArray folder = NativeFolderOf(entry);
      auto it = folderOf.constFind(folder);
      if (it == folderOf.cend()) {
        it = folderOf.insert(folder, qint32(folders.size()));
        folders.emplace_back().path = folder;
      }
      lastFolder = it.value();
      lastFolderText = entry.NativePath.isEmpty() ? nullptr : folderText.constData();
    }
    line.folder = lastFolder;
    const char *slash = static_cast<const char *>(::memrchr(path.data(), '/', size_t(path.size())));
    line.oldName = slash ? path.sliced(slash - path.data() + 1) : path;
    if ((excludeFolders && entry.IsFolder()) || IsDrive(entry))
      continue;
    const QStringView name = NameOfLine(lines.at(i), entry.Caption);
    if (name == entry.Caption)
      continue;
    bool ascii = false;
    const qsizetype size = WriteAllowedName(name, newNames, ascii);
    if (size < 0)
      continue;
    line.at = quint32(newNames.size());
    line.size = quint32(size);
    line.hash = cache.NameHash(newNames.View(line.at, line.size));
    newNames.Took(size_t(size));
    line.moves = true;
    folders[size_t(lastFolder)].moves = anyMoves = true;
  }
  std::vector<qsizetype> changed;
  if (!anyMoves)
    return changed;

  for (Folder &f : folders) {
    if (!f.moves)
      continue;
    f.listed = cache.Names(f.path, true, calls);
    if (!f.listed)
      ReadKeys(f, calls);
  }
  auto keyOf = [](const Folder &f, QByteArrayView name) {
    return NameKey(QByteArray::fromRawData(name.data(), name.size()), f.ignoresCase);
  };
  // A name on disk is held unless the entry that has it moves away in the run.
  auto heldOnDisk = [&](qint32 folder, QByteArrayView name, size_t hash) {
    Folder &f = folders[size_t(folder)];
    const bool listed = f.listed ? f.listed->Find(0, name, hash) >= 0 : f.listedKeys.contains(keyOf(f, name));
    if (!listed)
      return false;
    if (!f.movingKnown) {
      for (const Line &line : info)
        if (line.moves && line.folder == folder)
          f.moving.insert(keyOf(f, line.oldName));
      f.movingKnown = true;
    }
    return !f.moving.contains(keyOf(f, name));
  };

  // The names given so far, by folder; a counted name is kept in numbered, which does not move.
  NameTable wanted(count);
  std::deque<QByteArray> numbered;
  constexpr qsizetype kAhead = 16; // lines whose table slots are asked for ahead of their turn
  for (qsizetype i = 0; i < count; ++i) {
    if (i + kAhead < count) {
      const Line &ahead = info[size_t(i + kAhead)];
      if (ahead.moves && !folders[size_t(ahead.folder)].ignoresCase) {
        wanted.Prefetch(ahead.folder, ahead.hash);
        if (const NameTable *listed = folders[size_t(ahead.folder)].listed)
          listed->Prefetch(0, ahead.hash);
      }
    }
    const Line &line = info[size_t(i)];
    if (!line.moves)
      continue;
    Folder &f = folders[size_t(line.folder)];
    QByteArrayView bytes = newNames.View(line.at, line.size);
    QByteArray key = f.ignoresCase ? keyOf(f, bytes) : QByteArray();
    QByteArrayView wantedKey = f.ignoresCase ? QByteArrayView(key) : bytes;
    size_t hash = f.ignoresCase ? cache.NameHash(wantedKey) : line.hash;
    if (wanted.Find(line.folder, wantedKey, hash) >= 0 ||
        heldOnDisk(line.folder, bytes, f.ignoresCase ? cache.NameHash(bytes) : hash)) {
      const QString &text = lines.at(i);
      const QStringView name = NameOfLine(text, entries[size_t(i)].Caption);
      int &counter = f.lastCounter[wantedKey.toByteArray()];
      counter = qMax(counter, 1);
      QString candidate;
      do {
        candidate = NumberedName(name, ++counter);
        numbered.push_back(EncodeName(candidate));
        bytes = numbered.back();
        if (f.ignoresCase) {
          numbered.push_back(keyOf(f, bytes));
          wantedKey = numbered.back();
        } else {
          wantedKey = bytes;
        }
        hash = cache.NameHash(wantedKey);
      } while (wanted.Find(line.folder, wantedKey, hash) >= 0 ||
               heldOnDisk(line.folder, bytes, cache.NameHash(bytes)));
      if (name.size() < text.size()) // the dot a name without extension is given in the line
        candidate.append(u'.');
      lines[i] = candidate;
      changed.push_back(i);
    } else if (f.ignoresCase) {
      numbered.push_back(std::move(key)); // the table keeps a view of it
      wantedKey = numbered.back();
    }
    wanted.Add(line.folder, wantedKey, hash);
  }
  return changed;
}
