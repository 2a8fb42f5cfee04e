// The limit on files read whole (options files, text lists): regular files of a sane size only.
#pragma once

#include <QString>

// The largest file read whole.
inline constexpr qint64 kMaxInputFileSize = 16 * 1024 * 1024;

// Empty when path (followed through links) is a regular file of at most kMaxInputFileSize bytes;
// else a one-line message naming it: a device, a pipe or a folder would be read without end.
QString CheckInputFile(const QString &path);
