#include "engine/rename_conflicts.h"

#include "engine/folder_names.h"
#include "engine/rename_run.h"
#include "platform/name_codec.h"

#include <QHash>

#include <algorithm>
#include <cstring>
#include <memory>
#include <sys/stat.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

bool EndsWithDot(const QString &text) {
  return !text.isEmpty() && text.back() == u'.';
}

// The name a line gives on disk, as NameOnDisk, without a copy.
QStringView NameOfLine(const QString &line, const QString &oldName) {
  if (EndsWithDot(line) && !EndsWithDot(oldName))
    return QStringView(line).chopped(1);
  return line;
}

bool IsDrive(const FileListEntry &entry) {
  const QString &kind = entry.SubItem(SubKind);
  return kind.size() == 3 && kind == QLatin1String("drv");
}

// New names, one after another, written in place.
class NameBytes {
public:
  explicit NameBytes(size_t expected)
      : m_bytes(std::make_unique_for_overwrite<char[]>(expected)), m_capacity(expected) {}
  // Room for at least n more bytes after the names taken.
  char *Room(size_t n) {
    if (m_used + n > m_capacity) {
      m_capacity = std::max(m_capacity * 2, m_used + n);
      auto bigger = std::make_unique_for_overwrite<char[]>(m_capacity);
      std::memcpy(bigger.get(), m_bytes.get(), m_used);
      m_bytes = std::move(bigger);
    }
    return m_bytes.get() + m_used;
  }
  void Took(size_t n) { m_used += n; }
  size_t size() const { return m_used; }
  QByteArrayView View(size_t at, size_t n) const { return QByteArrayView(m_bytes.get() + at, qsizetype(n)); }

private:
  std::unique_ptr<char[]> m_bytes;
  size_t m_capacity;
  size_t m_used = 0;
};

// Whether two byte strings of n bytes each are the same; paths of a folder mostly are.
bool SameBytes(const char *a, const char *b, size_t n) {
  if (n < 8)
    return std::memcmp(a, b, n) == 0;
  quint64 x, y;
  for (size_t k = 0; k + 8 < n; k += 8) {
    std::memcpy(&x, a + k, 8);
    std::memcpy(&y, b + k, 8);
    if (x != y)
      return false;
  }
  std::memcpy(&x, a + n - 8, 8);
  std::memcpy(&y, b + n - 8, 8);
  return x == y;
}

// When a name may be given to a file (as IsAllowedFileName), writes its bytes (EncodeName) after the names
// taken and returns its size; else -1. ascii tells whether every character was below 0x80.
qsizetype WriteAllowedName(QStringView name, NameBytes &bytes, bool &ascii) {
  if (name.isEmpty() || name == u"." || name == u"..")
    return -1;
  const qsizetype n = name.size();
  const char16_t *in = name.utf16();
  char *out = bytes.Room(size_t(n) * 3);
  // Plain ASCII is copied as it is looked at: any character below 0x20, "/" or 0x7F refuses the
  // name; any beyond 0x7F sends it the long way.
  bool refused = false, wide = false;
  qsizetype k = 0;
#ifdef __SSE2__
  if (n >= 8) {
    // Eight at a time, the last eight overlapping those before.
    __m128i low = _mm_setzero_si128(), high = _mm_setzero_si128();
    for (qsizetype at = 0;; at += 8) {
      at = std::min(at, n - 8);
      const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + at));
      low = _mm_or_si128(low, _mm_subs_epu16(_mm_set1_epi16(0x20), c)); // not 0 where c < 0x20
      low = _mm_or_si128(low, _mm_cmpeq_epi16(c, _mm_set1_epi16('/')));
      low = _mm_or_si128(low, _mm_cmpeq_epi16(c, _mm_set1_epi16(0x7F)));
      high = _mm_or_si128(high, _mm_subs_epu16(c, _mm_set1_epi16(0x7F))); // not 0 where c > 0x7F
      _mm_storel_epi64(reinterpret_cast<__m128i *>(out + at), _mm_packus_epi16(c, c));
      if (at + 8 == n)
        break;
    }
    const __m128i zero = _mm_setzero_si128();
    refused = _mm_movemask_epi8(_mm_cmpeq_epi8(low, zero)) != 0xFFFF;
    wide = _mm_movemask_epi8(_mm_cmpeq_epi8(high, zero)) != 0xFFFF;
    k = n;
  }
#endif
  for (; k < n; ++k) {
    const char16_t c = in[k];
    refused |= c < 0x20 || c == u'/' || c == 0x7F;
    wide |= c > 0x7F;
    out[k] = char(c);
  }
  ascii = !wide;
  if (!wide)
    return refused ? -1 : n;
  for (const QChar c : name)
    if (c == u'/' || c.unicode() < 0x20 || c.unicode() == 0x7F)
      return -1;
  const QByteArray encoded = EncodeName(name);
  std::memcpy(out, encoded.constData(), size_t(encoded.size()));
  return encoded.size();
}

// Numbers the folders of a check, most often the same one entry after entry, and counts the new
// names in each.
class FolderNumbers {
public:
  // The number of the folder of a path; nameAt tells where the name starts.
  qint32 Of(QByteArrayView path, qsizetype &nameAt) {
    if (m_last >= 0) {
      const QByteArrayView last = m_paths[size_t(m_last)];
      if (path.size() > last.size() && SameBytes(last.data(), path.data(), size_t(last.size())) &&
          !std::memchr(path.data() + last.size(), '/', size_t(path.size() - last.size()))) {
        nameAt = last.size();
        return m_last;
      }
    }
    const char *slash = static_cast<const char *>(::memrchr(path.data(), '/', size_t(path.size())));
    nameAt = slash ? slash - path.data() + 1 : 0;
    return Of(path.first(nameAt));
  }
  qint32 Of(QByteArrayView folder) {
    if (m_last >= 0) {
      const QByteArrayView last = m_paths[size_t(m_last)];
      if (last.size() == folder.size() && SameBytes(last.data(), folder.data(), size_t(last.size())))
        return m_last;
    }
    const auto it = m_numbers.constFind(folder);
    if (it != m_numbers.cend())
      return m_last = it.value();
    m_last = qint32(m_paths.size());
    m_paths.push_back(folder);
    m_newNames.push_back(0);
    m_numbers.insert(folder, m_last);
    return m_last;
  }
  QByteArrayView Path(qint32 number) const { return m_paths[size_t(number)]; }
  qsizetype size() const { return qsizetype(m_paths.size()); }
  qsizetype &NewNames(qint32 number) { return m_newNames[size_t(number)]; }

private:
  std::vector<QByteArrayView> m_paths; // views of paths that outlive the check
  std::vector<qsizetype> m_newNames;
  QHash<QByteArrayView, qint32> m_numbers;
  qint32 m_last = -1;
};

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
    // Another spelling of the entry's own name, where the file system ignores case.
    return calls.LStat(from.constData(), own) != 0 || own.st_dev != target.st_dev ||
           own.st_ino != target.st_ino;
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
