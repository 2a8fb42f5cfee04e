#include "app/app_preferences.h"

#include "app/app_core.h"

AppPreferences::AppPreferences(AppCore &core, PreferenceStore store)
    : m_core(core), m_store(std::move(store)) {}

StoredPreferences AppPreferences::Current(const QRect &normalGeometry) const {
  StoredPreferences v;
  const WindowPreferences &p = m_core.Preferences();
  const RenameOptions &o = m_core.Options();
  v.maximize = p.cStartMaximized;
  v.left = normalGeometry.left();
  v.top = normalGeometry.top();
  v.width = normalGeometry.width();
  v.height = normalGeometry.height();
  v.rememberLastPath = p.cRememberLastPath;
  v.rememberWindowsPos = p.cRemWinProPos;
  v.path = m_core.FileList().Directory();
  v.instantPreview = o.opInstantRefresh;
  v.viewFolders = o.cViewFolders;
  v.workWithFolders = o.cWorkWithFolders;
  v.viewFiles = o.cViewFiles;
  v.language = m_core.CurrentLanguage();
  v.columnWidths = m_widths.Slots();
  return v;
}

WindowPlacement AppPreferences::ReadMyRegistryValues(const QRect &initialGeometry,
                                                     const ShellEntryCheck &shellEntry) {
  m_reading = m_store.Read(Current(initialGeometry));
  const PreferenceReading &r = m_reading;
  WindowPlacement placement;
  for (int slot = 0; slot < r.columnWidthsRead; ++slot)
    m_widths.SetSlot(slot, r.columnWidths[size_t(slot)]);
  if (r.rememberWindowsPos) {
    m_core.SetFlag(u"cRemWinProPos", *r.rememberWindowsPos);
    placement.width = r.width;
    placement.height = r.height;
    placement.top = r.top;
    placement.left = r.left;
  }
  if (r.rememberLastPath)
    m_core.SetFlag(u"cRememberLastPath", *r.rememberLastPath);
  if (r.path)
    m_rememberedPath = *r.path;
  if (r.maximize) {
    m_core.SetFlag(u"cStartMaximized", *r.maximize);
    placement.maximized = *r.maximize;
  }
  if (r.instantPreview)
    m_core.SetFlag(u"opInstantRefresh", *r.instantPreview);
  // Work With Folders can only change while folders are shown, which they are until View Folders
  // is read: it goes first, so that a box ticked before folders were hidden comes back ticked.
  if (r.workWithFolders)
    m_core.SetFlag(u"cWorkWithFolders", *r.workWithFolders);
  if (r.viewFolders)
    m_core.SetFlag(u"cViewFolders", *r.viewFolders);
  if (r.viewFiles)
    m_core.SetFlag(u"cViewFiles", *r.viewFiles);
  if (r.language)
    m_core.ChangeLanguage(*r.language);
  if (shellEntry)
    m_core.SetShellEntryInstalled(shellEntry());
  return placement;
}

void AppPreferences::WriteMyRegDefault(const QRect &normalGeometry) const {
  // Nothing is reported when the file cannot be written.
  (void)m_store.Write(Current(normalGeometry));
}

void AppPreferences::FormShow() {
  m_widths.UpdateColWidthsFromVars(m_core.FileList());
  m_firstShowEnded = true;
}

void AppPreferences::ListSorted() {
  m_widths.UpdateColWidthsFromVars(m_core.FileList());
  m_widths.UpdateVarsForColWidths(m_core.FileList(), m_firstShowEnded);
}

void AppPreferences::NoteColumnWidths() {
  m_widths.UpdateVarsForColWidths(m_core.FileList(), m_firstShowEnded);
}

void AppPreferences::ApplyColumnWidths() {
  m_widths.UpdateColWidthsFromVars(m_core.FileList());
}
