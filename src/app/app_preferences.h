// The preferences of the main window between runs: read once at start into the core, the column
// widths and the folder to open, and written back from the current state at the end.
#pragma once

#include "app/column_widths.h"
#include "settings/preference_store.h"

#include <QRect>
#include <QString>

#include <functional>
#include <optional>

class AppCore;

// Where the window goes at start: each part that was read replaces the window's own.
struct WindowPlacement {
  std::optional<int> width, height, top, left;
  bool maximized = false;
};

class AppPreferences {
public:
  // Whether the file manager's entry is installed, asked once at start.
  using ShellEntryCheck = std::function<bool()>;

  // core must outlive this.
  explicit AppPreferences(AppCore &core, PreferenceStore store = PreferenceStore());

  // Reads the store once, after the core's InitAll; initialGeometry is the window's (written on
  // the first run). Sets the core's preferences, view switches, instant preview and language, the
  // column widths and the folder to open, in the stored order until the first value that fails;
  // then asks shellEntry (when given). Returns where the window goes.
  WindowPlacement ReadMyRegistryValues(const QRect &initialGeometry, const ShellEntryCheck &shellEntry = {});
  // Writes every value from the current state; normalGeometry is the window's restored geometry.
  void WriteMyRegDefault(const QRect &normalGeometry) const;
  // The current state as it would be written.
  StoredPreferences Current(const QRect &normalGeometry) const;
  const PreferenceReading &LastReading() const { return m_reading; }

  // The folder the first showing opens when the last path is remembered.
  QString RememberedPath() const { return m_rememberedPath; }
  void SetRememberedPath(const QString &folder) { m_rememberedPath = folder; }

  StoredColumnWidths &Widths() { return m_widths; }
  const StoredColumnWidths &Widths() const { return m_widths; }
  // The end of a showing: the widths go onto the list; the first showing has ended.
  void FormShow();
  bool FirstShowEnded() const { return m_firstShowEnded; }
  // After every sort of the list: the stored widths go back on, then are read back.
  void ListSorted();
  // The list's widths into the slots (closing, before a rename run).
  void NoteColumnWidths();
  // The slots onto the list (after a rename run).
  void ApplyColumnWidths();

private:
  AppCore &m_core;
  PreferenceStore m_store;
  PreferenceReading m_reading;
  StoredColumnWidths m_widths;
  QString m_rememberedPath;
  bool m_firstShowEnded = false;
};
