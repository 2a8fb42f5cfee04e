// Building small folders on disk for the file list tests.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Creates a file (and any missing parent folders) with the given number of bytes; path is relative to root.
void MakeFile(const QString &root, const QString &path, qint64 size = 0);
void MakeFolder(const QString &root, const QString &path);
// Sets the modification and access times of a file, in seconds since 1970 (UTC).
void SetFileTimes(const QString &path, std::int64_t modified, std::int64_t accessed);
// Creates a file whose name is the given raw bytes; returns its full native path.
QByteArray MakeRawNamedFile(const QString &folder, const QByteArray &name);
