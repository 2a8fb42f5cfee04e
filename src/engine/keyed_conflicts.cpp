#include "engine/folder_names.h"
#include "engine/folder_numbers.h"
#include "engine/line_keys.h"
#include "engine/rename_conflicts.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <optional>

namespace {

quint32 FolderHash(qint32 folder, quint32 hash) {
  return hash ^ (quint32(folder) * 0x9E3779B9u);
}

// The check from the keys of the lines, for the plain case; nothing when the case is not plain.
std::optional<ConflictReport> CheckByKeys(std::span<const FileListEntry> entries, const QStringList &lines,
                                          const LineKeys &lineKeys, FolderNameCache &folderNames,
                                          FileSystemCalls &calls) {
  const std::vector<LineKey> &keys = lineKeys.keys;
  const qsizetype count = qsizetype(entries.size());
  const qsizetype keyed = qsizetype(keys.size());
  const int bits = lineKeys.partBits;
  if (keyed > count || lineKeys.partSizes.size() != size_t(1) << bits)
    return std::nullopt;
  ConflictReport report;
  report.lines.assign(size_t(count), LineConflict::None);
  for (qsizetype i = keyed; i < count; ++i)
    report.lines[size_t(i)] = LineConflict::NoLine;
  // The moving lines by part (the high bits of their hashes, which also choose the words of the
  // folders' filters: a part reads a stretch of them of its own), each as its hash and line, in the
  // order of the lines.
  std::vector<quint32> partStart(lineKeys.partSizes.size() + 1, 0);
  for (size_t p = 0; p < lineKeys.partSizes.size(); ++p)
    partStart[p + 1] = partStart[p] + lineKeys.partSizes[p];
  std::vector<quint64> &moves = folderNames.Scratch();
  moves.resize(size_t(partStart.back()));
  std::vector<quint32> fill(partStart.begin(), partStart.end() - 1);

  // The folder of every run of entries sharing their folder text, from the first that moves.
  FolderNumbers folders;
  struct MoveRun {
    quint32 firstLine; // its first moving line
    qint32 folder;
  };
  std::vector<MoveRun> moveRuns;
  qint32 folder = -1;
  for (qsizetype i = 0; i < keyed; ++i) {
    const LineKey &k = keys[size_t(i)];
    if (k.runStart)
      folder = -1;
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
    if (folder < 0) {
      qsizetype nameAt;
      folder = folders.Of(entries[size_t(i)].NativePath, nameAt);
      moveRuns.push_back({quint32(i), folder});
    }
    ++folders.NewNames(folder);
    quint32 &at = fill[KeyPart(k.hash, bits)];
    if (at == partStart[KeyPart(k.hash, bits) + 1])
      return std::nullopt; // the counts are not of these keys
    moves[at++] = (quint64(k.hash) << 32) | quint64(i);
  }
  if (fill != std::vector<quint32>(partStart.begin() + 1, partStart.end()))
    return std::nullopt;
  // Every folder with new names read.
  std::vector<const ListedNames *> listed(size_t(folders.size()), nullptr);
  for (qint32 f = 0; f < qint32(folders.size()); ++f) {
    if (folders.NewNames(f) == 0)
      continue;
    listed[size_t(f)] = folderNames.Names(folders.Path(f).toByteArray(),
                                          folders.NewNames(f) >= folderNames.ReadFrom(), calls);
    if (!listed[size_t(f)])
      return std::nullopt; // its names are looked up one by one
  }

  auto folderOfLine = [&](quint32 line) {
    if (moveRuns.size() == 1)
      return moveRuns.front().folder;
    return std::prev(std::upper_bound(moveRuns.begin(), moveRuns.end(), line,
                                      [](quint32 l, const MoveRun &run) { return l < run.firstLine; }))
        ->folder;
  };

  // Part by part (so that the filters of the folders are read in order): a new name whose hash (with
  // its folder) an earlier line of the part has is a suspect for below; one that the folder may hold
  // is looked at by its bytes, and if the folder has it, the check goes the long way (a file that
  // stays, or a chain).
  NameBytes bytes(256);
  auto bytesOf = [&](qsizetype i) {
    bool ascii;
    bytes.Clear();
    const qsizetype n = WriteAllowedName(NameOfLine(lines.at(i), entries[size_t(i)].Caption), bytes, ascii);
    return bytes.View(0, size_t(std::max<qsizetype>(n, 0)));
  };
  constexpr quint32 kTaken = 0x80000000u; // in every value of the table, which is never 0 then
  std::vector<quint32> seen;
  std::vector<std::pair<quint32, quint32>> suspects; // part, hash with folder
  for (size_t p = 0; p + 1 < partStart.size(); ++p) {
    const size_t newNames = partStart[p + 1] - partStart[p];
    if (newNames == 0)
      continue;
    size_t room = 16;
    while (room < 4 * newNames) // a quarter full at most: a probe mostly ends at its first slot
      room *= 2;
    seen.assign(room, 0);
    const size_t mask = room - 1;
    for (quint32 m = partStart[p]; m < partStart[p + 1]; ++m) {
      const quint32 hash = quint32(moves[m] >> 32);
      const quint32 line = quint32(moves[m]);
      const qint32 folder = folderOfLine(line);
      const quint32 value = FolderHash(folder, hash);
      size_t s = value & mask;
      while (seen[s] != 0 && seen[s] != (value | kTaken))
        s = (s + 1) & mask;
      if (seen[s] != 0)
        suspects.push_back({quint32(p), value});
      seen[s] = value | kTaken;
      const ListedNames &listing = *listed[size_t(folder)];
      if (listing.MayList(hash) && listing.names.MayHold(0, hash) &&
          listing.names.Find(0, bytesOf(line), hash) >= 0)
        return std::nullopt;
    }
  }

  // The lines of each part with a suspect whose hash is a suspect's, by their bytes in the order of
  // the lines: the first to want a name has it.
  if (!suspects.empty()) {
    std::sort(suspects.begin(), suspects.end());
    std::vector<quint64> wanting; // line, then hash
    for (auto it = suspects.begin(); it != suspects.end();) {
      const quint32 p = it->first;
      auto end = it;
      while (end != suspects.end() && end->first == p)
        ++end;
      for (quint32 m = partStart[p]; m < partStart[p + 1]; ++m) {
        const quint32 hash = quint32(moves[m] >> 32), line = quint32(moves[m]);
        const std::pair<quint32, quint32> asked{p, FolderHash(folderOfLine(line), hash)};
        if (std::binary_search(it, end, asked))
          wanting.push_back((quint64(line) << 32) | hash);
      }
      it = end;
    }
    std::sort(wanting.begin(), wanting.end());
    std::deque<QByteArray> kept; // in place while the table has views of them
    NameTable wanted(qsizetype(wanting.size()));
    for (const quint64 w : wanting) {
      const quint32 line = quint32(w >> 32), hash = quint32(w);
      kept.push_back(bytesOf(line).toByteArray());
      const qsizetype before = wanted.size();
      (void)wanted.Add(folderOfLine(line), kept.back(), hash);
      if (wanted.size() == before) {
        report.lines[line] = LineConflict::SameTarget;
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
    if (auto report = CheckByKeys(entries, preview.lZelvoList, keys, folderNames, calls))
      return *std::move(report);
  return CheckConflicts(options, entries, preview.lZelvoList, folderNames, calls);
}
