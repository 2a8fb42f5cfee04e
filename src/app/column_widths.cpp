#include "app/column_widths.h"

#include "explorer/file_list_view.h"

namespace {

// The list tells its view by its number of columns.
bool ShowsDrives(const TZelvoRenameFileListView &list) {
  return list.NumColumns() == kDriveWidthSlots;
}

struct SlotRange {
  int first;
  int count;
};
SlotRange RangeOf(const TZelvoRenameFileListView &list) {
  return ShowsDrives(list) ? SlotRange{kFolderWidthSlots, kDriveWidthSlots} : SlotRange{0, kFolderWidthSlots};
}

} // namespace

void StoredColumnWidths::UpdateColWidthsFromVars(TZelvoRenameFileListView &list) {
  const SlotRange range = RangeOf(list);
  for (int c = 0; c < range.count; ++c) {
    int &slot = m_slots[size_t(range.first + c)];
    if (slot == 0)
      slot = kDefaultColumnWidths[size_t(range.first + c)];
    list.SetColumnWidth(c, slot);
  }
  (ShowsDrives(list) ? m_drivesApplied : m_foldersApplied) = true;
}

void StoredColumnWidths::UpdateVarsForColWidths(const TZelvoRenameFileListView &list, bool firstShowEnded) {
  if (!firstShowEnded || !(ShowsDrives(list) ? m_drivesApplied : m_foldersApplied))
    return;
  const SlotRange range = RangeOf(list);
  for (int c = 0; c < range.count && c < list.NumColumns(); ++c)
    m_slots[size_t(range.first + c)] = list.ColumnWidth(c);
}
