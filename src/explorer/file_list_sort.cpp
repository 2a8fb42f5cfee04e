// The sort order of the file list.
#include "explorer/date_time_formats.h"
#include "explorer/file_list_view.h"
#include "platform/name_codec.h"
#include "platform/text_blocks.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

namespace {

// The text upper-cased, as UTF-8: its bytes compare in the order of the code points. Made in blocks
// when given: the keys of a big list cost their bytes.
QByteArray UpperCaseKey(const QString &text, TextBlocks *blocks) {
  const QChar *chars = text.constData();
  const qsizetype n = text.size();
  bool ascii = true;
  for (qsizetype i = 0; i < n && ascii; ++i)
    ascii = chars[i].unicode() < 0x80;
  if (!ascii) // names that differ only in bytes that are not UTF-8 keep apart
    return EncodeName(ChangeKeepingEscapedBytes(text, [](QString run) { return std::move(run).toUpper(); }));
  QVarLengthArray<char, 256> key(n);
  for (qsizetype i = 0; i < n; ++i) {
    char c = char(chars[i].unicode());
    key[i] = (c >= 'a' && c <= 'z') ? char(c - 32) : c;
  }
  const QByteArrayView bytes(key.data(), n);
  return blocks ? blocks->Add(bytes) : bytes.toByteArray();
}

// ASCII letters only made upper case, the rest unchanged: comparing text ignoring ASCII case.
QByteArray AsciiFoldedKey(const QString &text) {
  QByteArray key = EncodeName(text);
  for (char &c : key)
    if (c >= 'a' && c <= 'z')
      c = char(c - 32);
  return key;
}

int CompareBytes(const QByteArray &a, const QByteArray &b) {
  const qsizetype n = std::min(a.size(), b.size());
  const int c = n ? std::memcmp(a.constData(), b.constData(), size_t(n)) : 0;
  if (c != 0)
    return c < 0 ? -1 : 1;
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// What the comparison of one entry needs, worked out once per entry.
struct SortKey {
  bool isFolder = false;
  QByteArray caption;      // the caption upper-cased: column 0 and the ties of the text columns
  QByteArray text;         // the sub-item of a text column, ASCII letters upper-cased
  std::int64_t number = 0; // the size column
  double days = -INFINITY; // the date columns; an unreadable date sorts before every date
};

bool IsDateColumn(int column) {
  return column >= 5 && column <= 7;
}

SortKey KeyFor(const FileListEntry &e, int column, const DateTimeFormats &formats,
               TextBlocks *blocks = nullptr) {
  SortKey key;
  key.isFolder = e.SubItems[SubKind] == QLatin1String("dir");
  if (column == 2) {
    bool ok = false;
    key.number = e.SubItems[SubSize].trimmed().toLongLong(&ok);
    if (!ok)
      key.number = 0;
  } else if (IsDateColumn(column)) {
    CalendarFields fields;
    if (formats.Parse(e.SubItems[size_t(column - 1)], fields))
      key.days = CalendarToDays(fields);
  } else {
    key.caption = UpperCaseKey(e.Caption, blocks);
    if (column != 0)
      key.text = AsciiFoldedKey(e.SubItems[size_t(std::clamp(column - 1, 0, SubItemCount - 1))]);
  }
  return key;
}

int Sign(double value) {
  return value > 0 ? 1 : value < 0 ? -1 : 0;
}

int Compare(const SortKey &a, const SortKey &b, int column, bool workWithFolders, bool descending) {
  int result = 0;
  if (!workWithFolders && a.isFolder != b.isFolder) {
    result = a.isFolder ? -1 : 1;
  } else if (column == 0) {
    result = CompareBytes(a.caption, b.caption);
  } else if (column == 2) {
    result = a.number > b.number ? 1 : a.number < b.number ? -1 : 0;
  } else if (IsDateColumn(column)) {
    if (std::isinf(a.days) || std::isinf(b.days))
      result = std::isinf(a.days) == std::isinf(b.days) ? 0 : std::isinf(a.days) ? -1 : 1;
    else // in days, rounded to a hundred-thousandth of a day
      result = Sign(std::round((a.days - b.days) * 100000.0));
  } else {
    result = CompareBytes(a.text, b.text);
    if (result == 0)
      result = CompareBytes(a.caption, b.caption);
  }
  return descending ? -result : result;
}

// The order of two entries whose keys are equal: the bytes of the full path as the file system
// holds it (within one folder, those of the name), then the caption, then the listing order.
bool TieOrder(const FileListEntry &a, const FileListEntry &b, int rowA, int rowB) {
  if (int c = CompareBytes(a.NativePath, b.NativePath))
    return c < 0;
  if (int c = a.Caption.compare(b.Caption))
    return c < 0;
  return rowA < rowB;
}

} // namespace

int TZelvoRenameFileListView::CompareEntries(const FileListEntry &a, const FileListEntry &b) const {
  return Compare(KeyFor(a, m_sortColumn, m_formats), KeyFor(b, m_sortColumn, m_formats), m_sortColumn,
                 m_workWithFolders, m_sortDescending);
}

void TZelvoRenameFileListView::SortByColumn(int column) {
  if (column == m_sortColumn) {
    m_sortDescending = !m_sortDescending;
  } else {
    m_sortColumn = column;
    m_sortDescending = false;
  }
  if (m_inReset) {
    SortEntries();
  } else {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    SortEntries();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  }
  emit OnRecienOrdenado(this);
}

void TZelvoRenameFileListView::SortEntries() {
  const size_t n = m_entries.size();
  std::vector<int> order(n);
  {
    std::vector<SortKey> keys;
    keys.reserve(n);
    TextBlocks keyBlocks;
    for (const FileListEntry &e : m_entries)
      keys.push_back(KeyFor(e, m_sortColumn, m_formats, &keyBlocks));
    // The first bytes of each key (or the size) as a number settle most comparisons without
    // reaching into the keys; equal ones fall back to the whole comparison.
    struct Item {
      std::uint64_t prefix;
      int row;
      bool folder;
    };
    const bool dates = IsDateColumn(m_sortColumn);
    auto bytesOf = [&](const SortKey &k) -> const QByteArray & {
      return m_sortColumn == 0 ? k.caption : k.text;
    };
    // The bytes every key starts with decide nothing: the number is taken after them ("file_0001",
    // "file_0002", ... differ only from the sixth byte on).
    qsizetype common = 0;
    if (m_sortColumn != 2 && !dates && n > 1) {
      const QByteArray &first = bytesOf(keys[0]);
      common = first.size();
      for (size_t i = 1; i < n && common > 0; ++i) {
        const QByteArray &bytes = bytesOf(keys[i]);
        qsizetype same = 0;
        const qsizetype most = std::min(common, bytes.size());
        while (same < most && bytes[same] == first[same])
          ++same;
        common = same;
      }
    }
    std::vector<Item> items(n);
    for (size_t i = 0; i < n; ++i) {
      const SortKey &k = keys[i];
      std::uint64_t prefix = 0;
      if (m_sortColumn == 2) {
        prefix = std::uint64_t(k.number) ^ (std::uint64_t(1) << 63);
      } else if (!dates) {
        const QByteArray &bytes = bytesOf(k);
        for (qsizetype b = common; b < common + 8; ++b)
          prefix = (prefix << 8) | (b < bytes.size() ? std::uint8_t(bytes[b]) : 0);
      }
      items[i] = Item{prefix, int(i), k.isFolder};
    }
    const int column = m_sortColumn;
    const bool workWithFolders = m_workWithFolders, descending = m_sortDescending;
    // Entries that compare equal go by the bytes of their names (and paths), in either direction,
    // so that the same folder always comes out in the same order.
    const std::vector<FileListEntry> &entries = m_entries;
    auto before = [&](const Item &x, const Item &y) {
      int c;
      if (!workWithFolders && x.folder != y.folder)
        c = x.folder ? -1 : 1;
      else if (!dates && x.prefix != y.prefix)
        c = x.prefix < y.prefix ? -1 : 1;
      else
        c = Compare(keys[size_t(x.row)], keys[size_t(y.row)], column, workWithFolders, false);
      if (descending)
        c = -c;
      if (c != 0)
        return c < 0;
      return TieOrder(entries[size_t(x.row)], entries[size_t(y.row)], x.row, y.row);
    };
    // A folder read in order, or in the reverse order (as a file system in memory gives the files
    // made one after the other), is put in order in one pass.
    if (std::is_sorted(items.begin(), items.end(), before)) {
    } else if (std::is_sorted(items.rbegin(), items.rend(), before)) {
      std::reverse(items.begin(), items.end());
    } else {
      std::sort(items.begin(), items.end(), before);
    }
    for (size_t i = 0; i < n; ++i)
      order[i] = items[i].row;
  }
  // Move the entries into place cycle by cycle (order[i] is the old row of the entry for row i).
  std::vector<int> newRow(n);
  for (size_t i = 0; i < n; ++i)
    newRow[size_t(order[i])] = int(i);
  std::vector<bool> done(n, false);
  for (size_t start = 0; start < n; ++start) {
    if (done[start] || size_t(order[start]) == start)
      continue;
    FileListEntry held = std::move(m_entries[start]);
    size_t row = start;
    while (size_t(order[row]) != start) {
      m_entries[row] = std::move(m_entries[size_t(order[row])]);
      done[row] = true;
      row = size_t(order[row]);
    }
    m_entries[row] = std::move(held);
    done[row] = true;
  }
  if (!m_inReset) {
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &index : from)
      to.append(index.isValid() ? createIndex(newRow[size_t(index.row())], index.column()) : QModelIndex());
    changePersistentIndexList(from, to);
  }
}
