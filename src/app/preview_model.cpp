#include "app/preview_model.h"

#include "engine/preview.h"
#include "engine/rename_run.h"
#include "explorer/file_list_view.h"

#include <algorithm>

PreviewModel::PreviewModel(const TZelvoRenameFileListView &list, QObject *parent)
    : QAbstractListModel(parent), m_list(list) {}

bool PreviewModel::SetLines(const QStringList &lines, bool valid, std::vector<LineConflict> conflicts) {
  if (Shows(lines, valid))
    return false;
  beginResetModel();
  m_lines = lines; // shared, not copied
  m_valid = valid;
  m_conflicts = std::move(conflicts);
  m_failing = std::count_if(m_conflicts.cbegin(), m_conflicts.cend(), WouldFail);
  endResetModel();
  return true;
}

LineConflict PreviewModel::Conflict(int row) const {
  return m_valid && row >= 0 && size_t(row) < m_conflicts.size() ? m_conflicts[size_t(row)]
                                                                 : LineConflict::None;
}

bool PreviewModel::RowDrawn(int row) const {
  if (row < 0 || row >= m_lines.size())
    return false;
  return !m_valid || row < m_list.Count();
}

int PreviewModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant PreviewModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || index.row() >= m_lines.size())
    return {};
  const int row = index.row();
  const bool hasEntry = m_valid && row < m_list.Count();
  switch (role) {
  case Qt::DisplayRole:
    if (hasEntry)
      return ShownLine(m_lines.at(row), m_list.Entry(row));
    return RowDrawn(row) ? m_lines.at(row) : QString();
  case IconKeyRole:
    return hasEntry ? QVariant(m_list.Entry(row).IconKey()) : QVariant();
  case HiddenRole:
    return hasEntry && m_list.Entry(row).SubItem(SubHidden) == QLatin1String("H");
  case HasEntryRole:
    return hasEntry;
  case PlainTextRole:
    return !m_valid;
  case ConflictRole:
    return int(Conflict(row));
  case FailsRole:
    return WouldFail(Conflict(row));
  case ChangedRole: {
    if (!hasEntry)
      return false;
    const LineConflict conflict = Conflict(row);
    if (conflict == LineConflict::Unchanged || conflict == LineConflict::Excluded)
      return false;
    const FileListEntry &entry = m_list.Entry(row);
    return NameOnDisk(m_lines.at(row), entry.Caption) != entry.Caption;
  }
  case Qt::ToolTipRole:
    return WouldFail(Conflict(row)) ? ConflictText(Conflict(row)) : QVariant();
  default:
    return {};
  }
}
