// Whether the settings file may be read and written: a regular file of a bounded size, or none yet.
#pragma once

#include <QString>

// The most bytes a settings file may have; a larger one is neither read nor written.
inline constexpr qint64 kSettingsFileMost = 1 << 20;

// Why the file at path (its links followed) may not be read or written: not a regular file (a
// device, a FIFO, a folder), a link to nothing, or larger than kSettingsFileMost. Empty when it may,
// also when there is nothing at path yet.
QString SettingsFileUnusable(const QString &path);
