#include "engine/folder_names.h"
#include "engine/folder_numbers.h"
#include "engine/line_keys.h"
#include "engine/rename_conflicts.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <optional>

namespace {

// Lines per part of the check from keys: the new names of one part and the names on disk that fall
// in it are looked at in a table small enough to stay in the processor's nearest caches.
constexpr qsizetype kLinesPerPart = 512;

quint32 FolderHash(qint32 folder, quint32 hash) {
  return hash ^ (quint32(folder) * 0x9E3779B9u);
}

// The check from the keys of the lines, for the plain case; nothing when the case is not plain.
std::optional<ConflictReport> CheckByKeys(std::span<const FileListEntry> entries, const QStringList &lines,
                                          const std::vector<LineKey> &keys, FolderNameCache &folderNames,
                                          FileSystemCalls &calls) {
  const qsizetype count = qsizetype(entries.size());
  const qsizetype keyed = std::min(count, qsizetype(keys.size()));
  ConflictReport report;
  report.lines.assign(size_t(count), LineConflict::None);
  for (qsizetype i = keyed; i < count; ++i)
    report.lines[size_t(i)] = LineConflict::NoLine;
  // Parts by the high bits of the hashes, so that the names of a folder in one part are a run of its
  // sorted hashes.
  int bits = 0;
  while ((qsizetype(1) << bits) * kLinesPerPart < keyed)
    ++bits;
  auto partOf = [bits](quint32 hash) { return bits == 0 ? 0u : hash >> (32 - bits); };
  std::vector<quint32> partStart((size_t(1) << bits) + 1, 0);

  // The folder of every run of entries sharing their folder text, from the first that moves.
  FolderNumbers folders;
  std::vector<qint32> runFolder;
  for (qsizetype i = 0; i < keyed; ++i) {
    const LineKey &k = keys[size_t(i)];
    if (k.runStart || i == 0)
      runFolder.push_back(-1);
    switch (k.state) {
    case LineKeyState::Move:
      break;
    case LineKeyState::Unchanged:
      report.lines[size_t(i)] = LineConflict::Unchanged;
      continue;
    case LineKeyState::NotAllowed:
      report.lines[size_t(i)] = LineConflict::NotAllowed;
      ++report.failing;
      continue;
    case LineKeyState::Excluded:
      report.lines[size_t(i)] = LineConflict::Excluded;
      continue;
    case LineKeyState::Made:
      return std::nullopt;
    }
    qint32 &folder = runFolder.back();
    if (folder < 0) {
      qsizetype nameAt;
      folder = folders.Of(entries[size_t(i)].NativePath, nameAt);
    }
    ++folders.NewNames(folder);
    ++partStart[partOf(k.hash) + 1];
  }
  // Every folder with new names read; the names of one that has not many more than it gets new
  // ones go through the parts' tables, the others' are looked up.
  std::vector<const ListedNames *> listed(size_t(folders.size()), nullptr);
  std::vector<qint32> passing; // folders whose names go through the tables
  for (qint32 f = 0; f < qint32(folders.size()); ++f) {
    if (folders.NewNames(f) == 0)
      continue;
    listed[size_t(f)] = folderNames.Names(folders.Path(f).toByteArray(),
                                          folders.NewNames(f) >= folderNames.ReadFrom(), calls);
    if (!listed[size_t(f)])
      return std::nullopt; // its names are looked up one by one
    if (qsizetype(listed[size_t(f)]->hashes.size()) <= 4 * folders.NewNames(f))
      passing.push_back(f);
  }
  std::vector<char> passes(size_t(folders.size()), 0);
  for (const qint32 f : passing)
    passes[size_t(f)] = 1;

  // The moving lines by part, each as its hash, folder and line, in the order of the lines.
  for (size_t p = 1; p < partStart.size(); ++p)
    partStart[p] += partStart[p - 1];
  std::vector<quint32> &moves = folderNames.Scratch();
  moves.resize(size_t(partStart.back()) * 3);
  {
    std::vector<quint32> fill(partStart.begin(), partStart.end() - 1);
    qsizetype run = -1;
    qint32 folder = -1;
    for (qsizetype i = 0; i < keyed; ++i) {
      const LineKey &k = keys[size_t(i)];
      if (k.runStart || i == 0)
        folder = runFolder[size_t(++run)];
      if (k.state != LineKeyState::Move)
        continue;
      quint32 *m = &moves[size_t(fill[partOf(k.hash)]++) * 3];
      m[0] = k.hash;
      m[1] = quint32(folder);
      m[2] = quint32(i);
    }
  }

  // Part by part: the names on disk, then the new names, into one table. A new name whose hash (with
  // its folder) is there already is looked at by its bytes: a name on disk sends the check the long
  // way (a file that stays, or a chain), a name wanted by an earlier line is a suspect for below.
  NameBytes bytes(256);
  auto bytesOf = [&](qsizetype i) {
    bool ascii;
    bytes.Clear();
    const qsizetype n = WriteAllowedName(NameOfLine(lines.at(i), entries[size_t(i)].Caption), bytes, ascii);
    return bytes.View(0, size_t(std::max<qsizetype>(n, 0)));
  };
  // A slot: the hash in its low half, and in its high half the part's stamp (twice the stamp, plus
  // 1 for a new name): a slot of another part is free.
  std::vector<quint64> table;
  std::vector<size_t> cursor(passing.size(), 0); // in each passing folder's sorted hashes
  std::vector<quint32> suspects;
  for (size_t p = 0; p + 1 < partStart.size(); ++p) {
    const quint64 stamp = p + 1;
    const quint64 partEnd = quint64(p + 1) << (32 - bits);
    size_t onDisk = 0;
    std::vector<size_t> ends(passing.size());
    for (size_t f = 0; f < passing.size(); ++f) {
      const std::vector<quint32> &hashes = listed[size_t(passing[f])]->hashes;
      ends[f] = size_t(std::lower_bound(hashes.begin() + qsizetype(cursor[f]), hashes.end(), partEnd,
                                        [](quint32 h, quint64 end) { return h < end; }) -
                       hashes.begin());
      onDisk += ends[f] - cursor[f];
    }
    size_t room = 16;
    while (room < 2 * (onDisk + partStart[p + 1] - partStart[p]))
      room *= 2;
    if (table.size() < room)
      table.assign(room, 0);
    const size_t mask = room - 1;
    for (size_t f = 0; f < passing.size(); ++f) {
      const std::vector<quint32> &hashes = listed[size_t(passing[f])]->hashes;
      for (; cursor[f] < ends[f]; ++cursor[f]) {
        const quint32 h = FolderHash(passing[f], hashes[cursor[f]]);
        size_t s = h & mask;
        while ((table[s] >> 33) == stamp)
          s = (s + 1) & mask;
        table[s] = (stamp << 33) | h;
      }
    }
    for (quint32 m = partStart[p]; m < partStart[p + 1]; ++m) {
      const quint32 hash = moves[size_t(m) * 3];
      const qint32 folder = qint32(moves[size_t(m) * 3 + 1]);
      const qsizetype line = qsizetype(moves[size_t(m) * 3 + 2]);
      const quint32 h = FolderHash(folder, hash);
      bool held = false, wanted = false;
      size_t s = h & mask;
      for (; (table[s] >> 33) == stamp; s = (s + 1) & mask) {
        if (quint32(table[s]) != h)
          continue;
        (table[s] & (quint64(1) << 32) ? wanted : held) = true;
      }
      if (!wanted)
        table[s] = (stamp << 33) | (quint64(1) << 32) | h;
      else
        suspects.push_back(h);
      const NameTable &names = listed[size_t(folder)]->names;
      if ((passes[size_t(folder)] ? held : names.MayHold(0, hash)) && names.Find(0, bytesOf(line), hash) >= 0)
        return std::nullopt;
    }
  }

  // The lines whose hash is a suspect's, by their bytes: the first to want a name has it.
  if (!suspects.empty()) {
    std::sort(suspects.begin(), suspects.end());
    std::deque<QByteArray> kept; // in place while the table has views of them
    NameTable wanted(qsizetype(suspects.size()) * 2);
    qsizetype run = -1;
    qint32 folder = -1;
    for (qsizetype i = 0; i < keyed; ++i) {
      const LineKey &k = keys[size_t(i)];
      if (k.runStart || i == 0)
        folder = runFolder[size_t(++run)];
      if (k.state != LineKeyState::Move ||
          !std::binary_search(suspects.begin(), suspects.end(), FolderHash(folder, k.hash)))
        continue;
      kept.push_back(bytesOf(i).toByteArray());
      const qsizetype before = wanted.size();
      (void)wanted.Add(folder, kept.back(), k.hash);
      if (wanted.size() == before) {
        report.lines[size_t(i)] = LineConflict::SameTarget;
        ++report.failing;
      }
    }
  }
  report.failing += count - keyed;
  folderNames.ForgetUnasked();
  return report;
}

} // namespace

ConflictReport CheckConflicts(const RenameOptions &options, std::span<const FileListEntry> entries,
                              const Preview &preview, FolderNameCache &folderNames, FileSystemCalls &calls) {
  const LineKeys &keys = preview.Keys;
  if (keys.keys.size() == size_t(preview.lZelvoList.size()) && keys.seed == folderNames.Seed())
    if (auto report = CheckByKeys(entries, preview.lZelvoList, keys.keys, folderNames, calls))
      return *std::move(report);
  return CheckConflicts(options, entries, preview.lZelvoList, folderNames, calls);
}
