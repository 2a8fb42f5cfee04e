#include "engine/unique_names.h"

#include "engine/name_bytes.h"
#include "engine/name_compare.h"
#include "engine/rename_run.h"
#include "platform/name_codec.h"

#include <QHash>
#include <QSet>

namespace {

struct Folder {
  QByteArray path;
  QSet<QByteArray> taken; // keys of the names no moving line may take
  // By the key of a wanted name: the counter it was last given. Every smaller one from 2 up was
  // taken then and still is, so many lines of one name do not try them all again.
  QHash<QByteArray, int> lastCounter;
  bool ignoresCase = false;
  bool moves = false;
};

struct Line {
  qint32 folder = -1;
  bool moves = false;
  QByteArrayView oldName; // in the entry's path, or in madePaths
};

// Reads the names the folder lists into its taken keys, and tells how it compares them.
void ReadFolder(Folder &f, FileSystemCalls &calls) {
  QByteArrayList names;
  if (calls.FolderNames(f.path.isEmpty() ? "." : f.path.constData(), names) != 0)
    return;
  f.taken = QSet<QByteArray>(names.begin(), names.end());
  f.ignoresCase = FolderIgnoresLetterCase(f.path, f.taken, calls);
  if (!f.ignoresCase)
    return;
  QSet<QByteArray> keys;
  keys.reserve(f.taken.size());
  for (const QByteArray &name : std::as_const(f.taken))
    keys.insert(NameKey(name, true));
  f.taken = std::move(keys);
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
                                       QStringList &lines, FileSystemCalls &calls) {
  const qsizetype count = qMin(qsizetype(entries.size()), lines.size());
  std::vector<Folder> folders;
  QHash<QByteArray, qint32> folderOf;
  std::vector<Line> info(static_cast<size_t>(count));
  std::vector<QByteArray> madePaths; // paths of entries not read from disk
  madePaths.reserve(size_t(count));
  const QChar *lastFolderText = nullptr; // entries listed from one folder share its text
  qint32 lastFolder = -1;
  bool anyMoves = false;
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
        folders.push_back({folder, {}, {}, false, false});
      }
      lastFolder = it.value();
      lastFolderText = entry.NativePath.isEmpty() ? nullptr : folderText.constData();
    }
    line.folder = lastFolder;
    const qsizetype slash = path.lastIndexOf('/');
    line.oldName = path.sliced(slash + 1);
    if (IsExcludedFromRun(options, entry) || IsDrive(entry))
      continue;
    const QStringView name = NameOfLine(lines.at(i), entry.Caption);
    if (name == entry.Caption || !IsAllowedFileName(name.toString()))
      continue;
    line.moves = true;
    folders[size_t(lastFolder)].moves = anyMoves = true;
  }
  std::vector<qsizetype> changed;
  if (!anyMoves)
    return changed;

  for (Folder &f : folders)
    if (f.moves)
      ReadFolder(f, calls);
  // Names that move away are free; names of entries that stay are held, listed or not. The keys
  // of a folder that tells case apart are the bytes of the entries' paths, which outlive the pass.
  auto oldKey = [&](const Line &line) {
    const QByteArrayView name = line.oldName;
    return NameKey(QByteArray::fromRawData(name.data(), name.size()),
                   folders[size_t(line.folder)].ignoresCase);
  };
  for (const Line &line : info)
    if (line.moves)
      folders[size_t(line.folder)].taken.remove(oldKey(line));
  for (const Line &line : info)
    if (!line.moves && folders[size_t(line.folder)].moves)
      folders[size_t(line.folder)].taken.insert(oldKey(line));

  for (qsizetype i = 0; i < count; ++i) {
    const Line &line = info[size_t(i)];
    if (!line.moves)
      continue;
    Folder &f = folders[size_t(line.folder)];
    const QString &text = lines.at(i);
    const QStringView name = NameOfLine(text, entries[size_t(i)].Caption);
    QByteArray key = NameKey(EncodeName(name), f.ignoresCase);
    if (f.taken.contains(key)) {
      int &counter = f.lastCounter[key];
      counter = qMax(counter, 1);
      QString numbered;
      do {
        numbered = NumberedName(name, ++counter);
        key = NameKey(EncodeName(numbered), f.ignoresCase);
      } while (f.taken.contains(key));
      if (name.size() < text.size()) // the dot a name without extension is given in the line
        numbered.append(u'.');
      lines[i] = numbered;
      changed.push_back(i);
    }
    f.taken.insert(std::move(key));
  }
  return changed;
}
