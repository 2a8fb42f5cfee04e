// The preferences kept between runs: the settings file, its value names, and the guarded reading.
#pragma once

#include <QString>

#include <array>
#include <optional>

// Column widths of the file list: nine for the folder view, then two for the drives view. 0 means
// that no width is set.
using ColumnWidthSlots = std::array<int, 11>;
inline constexpr int kFolderWidthSlots = 9;
inline constexpr int kDriveWidthSlots = 2;
inline constexpr ColumnWidthSlots kDefaultColumnWidths = {160, 160, 90, 120, 70, 80, 80, 80, 80, 160, 160};

// Every value the program writes at its end.
struct StoredPreferences {
  bool maximize = false;
  int left = 0;
  int top = 0;
  int width = 640;
  int height = 480;
  bool rememberLastPath = true;
  bool rememberWindowsPos = false;
  QString path = QStringLiteral("Drives");
  bool instantPreview = true;
  bool viewFolders = true;
  bool workWithFolders = false;
  bool viewFiles = true;
  int language = 0;
  ColumnWidthSlots columnWidths = {};
};

// What one start read from the store, in reading order. The reading ends at the first value that
// is missing or not a number: that value and every later one stay unset.
struct PreferenceReading {
  bool created = false;     // nothing was stored yet: the initial state was written first
  bool damaged = false;     // the file could not be read or parsed: nothing of it is used
  int columnWidthsRead = 0; // how many of columnWidths were read
  ColumnWidthSlots columnWidths = {};
  std::optional<bool> rememberWindowsPos;
  // Read only when the position is remembered, in this order.
  std::optional<int> width, height, top, left;
  std::optional<bool> rememberLastPath;
  std::optional<QString> path; // read only when the last path is remembered
  std::optional<bool> maximize;
  std::optional<bool> instantPreview;
  std::optional<bool> viewFolders;
  std::optional<bool> workWithFolders;
  std::optional<bool> viewFiles;
  std::optional<int> language;
};

// The settings file, an INI file read and written whole through QSettings (which locks it and
// replaces it in one step, so two instances never leave it half-written: the last to write wins).
// The preferences sit at its top level; other records of the same file are kept as they are.
class PreferenceStore {
public:
  explicit PreferenceStore(QString file = UserFile()) : m_file(std::move(file)) {}

  // "Zelvo Soft/Zelvo Rename.conf" in the user's XDG config folder.
  static QString UserFile();
  QString File() const { return m_file; }

  // Reads the preferences once at start. When none are stored yet, first writes initial. When
  // "ColWidth_1" is missing (an older file), first adds the eleven widths at their defaults.
  PreferenceReading Read(const StoredPreferences &initial) const;
  // Writes every value; false when the file could not be written.
  [[nodiscard]] bool Write(const StoredPreferences &values) const;

private:
  QString m_file;
};
