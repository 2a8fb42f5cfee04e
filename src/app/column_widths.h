// The column widths the window remembers for the file list's two views, and when they are applied
// to the list and read back from it.
#pragma once

#include "settings/preference_store.h"

class TZelvoRenameFileListView;

class StoredColumnWidths {
public:
  const ColumnWidthSlots &Slots() const { return m_slots; }
  void SetSlot(int slot, int width) { m_slots[size_t(slot)] = width; }
  bool FoldersApplied() const { return m_foldersApplied; }
  bool DrivesApplied() const { return m_drivesApplied; }

  // Puts the widths of the view the list shows on its columns; an unset width becomes the
  // column's default. From then on that view's widths are read back.
  void UpdateColWidthsFromVars(TZelvoRenameFileListView &list);
  // Copies the widths of the view the list shows into the slots, once the window has finished its
  // first showing and only for a view whose widths were applied since start.
  void UpdateVarsForColWidths(const TZelvoRenameFileListView &list, bool firstShowEnded);

private:
  ColumnWidthSlots m_slots = {};
  bool m_foldersApplied = false;
  bool m_drivesApplied = false;
};
