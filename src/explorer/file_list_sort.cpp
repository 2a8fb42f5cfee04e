// The sort order of the file list.
#include "explorer/date_time_formats.h"
#include "explorer/file_list_view.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Orders UTF-16 text by code point (the order of its UTF-8 bytes); ASCII letters may be folded to
// upper case first.
int CompareText(QStringView a, QStringView b, bool foldAscii) {
  const qsizetype n = std::min(a.size(), b.size());
  for (qsizetype i = 0; i < n; ++i) {
    char16_t ca = a[i].unicode(), cb = b[i].unicode();
    if (foldAscii) {
      if (ca >= 'a' && ca <= 'z')
        ca -= 32;
      if (cb >= 'a' && cb <= 'z')
        cb -= 32;
    }
    if (ca == cb)
      continue;
    if (ca >= 0xD800 && cb >= 0xD800) {
      // Surrogates stand for code points above every other unit.
      ca = ca >= 0xE000 ? char16_t(ca - 0x800) : char16_t(ca + 0x2000);
      cb = cb >= 0xE000 ? char16_t(cb - 0x800) : char16_t(cb + 0x2000);
    }
    return ca < cb ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// What the comparison of one entry needs, worked out once per entry.
struct SortKey {
  bool isFolder = false;
  QString upperCaption;    // columns 0 and the ties of the text columns
  std::int64_t number = 0; // the size column
  double days = -INFINITY; // the date columns; an unreadable date sorts before every date
};

bool IsDateColumn(int column) {
  return column >= 5 && column <= 7;
}

SortKey KeyFor(const FileListEntry &e, int column) {
  SortKey key;
  key.isFolder = e.SubItems[SubKind] == QLatin1String("dir");
  if (column == 2) {
    bool ok = false;
    key.number = e.SubItems[SubSize].trimmed().toLongLong(&ok);
    if (!ok)
      key.number = 0;
  } else if (IsDateColumn(column)) {
    CalendarFields fields;
    if (ParseDateTimeText(e.SubItems[size_t(column - 1)], fields))
      key.days = CalendarToDays(fields);
  }
  if (!IsDateColumn(column) && column != 2)
    key.upperCaption = e.Caption.toUpper();
  return key;
}

int Sign(double value) {
  return value > 0 ? 1 : value < 0 ? -1 : 0;
}

int Compare(const FileListEntry &a, const SortKey &ka, const FileListEntry &b, const SortKey &kb, int column,
            bool workWithFolders, bool descending) {
  int result = 0;
  if (!workWithFolders && ka.isFolder != kb.isFolder) {
    result = ka.isFolder ? -1 : 1;
  } else if (column == 0) {
    result = CompareText(ka.upperCaption, kb.upperCaption, false);
  } else if (column == 2) {
    result = ka.number > kb.number ? 1 : ka.number < kb.number ? -1 : 0;
  } else if (IsDateColumn(column)) {
    if (std::isinf(ka.days) || std::isinf(kb.days))
      result = std::isinf(ka.days) == std::isinf(kb.days) ? 0 : std::isinf(ka.days) ? -1 : 1;
    else // in days, rounded to a hundred-thousandth of a day
      result = Sign(std::round((ka.days - kb.days) * 100000.0));
  } else {
    const size_t sub = size_t(std::clamp(column - 1, 0, SubItemCount - 1));
    result = CompareText(a.SubItems[sub], b.SubItems[sub], true);
    if (result == 0)
      result = CompareText(ka.upperCaption, kb.upperCaption, false);
  }
  return descending ? -result : result;
}

} // namespace

int TZelvoRenameFileListView::CompareEntries(const FileListEntry &a, const FileListEntry &b) const {
  return Compare(a, KeyFor(a, m_sortColumn), b, KeyFor(b, m_sortColumn), m_sortColumn, m_workWithFolders,
                 m_sortDescending);
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
  std::vector<SortKey> keys;
  keys.reserve(n);
  for (const FileListEntry &e : m_entries)
    keys.push_back(KeyFor(e, m_sortColumn));
  std::vector<int> order(n);
  std::iota(order.begin(), order.end(), 0);
  // Stable: entries that compare equal keep the order they were listed in.
  std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
    return Compare(m_entries[size_t(x)], keys[size_t(x)], m_entries[size_t(y)], keys[size_t(y)], m_sortColumn,
                   m_workWithFolders, m_sortDescending) < 0;
  });
  std::vector<FileListEntry> sorted;
  sorted.reserve(n);
  std::vector<int> newRow(n);
  for (size_t i = 0; i < n; ++i) {
    sorted.push_back(std::move(m_entries[size_t(order[i])]));
    newRow[size_t(order[i])] = int(i);
  }
  m_entries = std::move(sorted);
  if (!m_inReset) {
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &index : from)
      to.append(index.isValid() ? createIndex(newRow[size_t(index.row())], index.column()) : QModelIndex());
    changePersistentIndexList(from, to);
  }
}
