// Files read and written whole by the path as the program holds it, every byte of a name kept.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Paths are texts as DecodeName makes them: a folder or file whose name is not valid UTF-8 is
// reached byte for byte (Qt's own file classes would write such bytes as "?"). Messages show the path
// as ShownName does.

// The native bytes of a path and whether an item is there (links followed).
QByteArray NativePathOf(const QString &path);
bool NativeExists(const QString &path);
bool NativeIsFolder(const QString &path);

// An absolute path: a relative one is taken from the current folder, whose name need not be UTF-8.
QString NativeAbsolutePath(const QString &path);

struct WholeFileRead {
  QByteArray bytes;
  QString error;        // empty when read
  bool missing = false; // nothing is there
};

// Reads a regular file of at most limit bytes; a device, a pipe, a folder or a larger file is refused
// with a one-line message (they would be read without end).
WholeFileRead ReadWholeFile(const QString &path, qint64 limit);

// Empty when path is a regular file of at most limit bytes; else why not.
QString CheckRegularFile(const QString &path, qint64 limit);

// Writes bytes as the whole content of the file at path: into a new file beside it that then takes
// its name, so that a reader never sees half a file and a failed write leaves the old one as it was;
// where the folder takes no new file, an existing file that may be written is written in place. The
// file keeps the permissions it had (a new one gets the usual ones); runnable adds the run bits to
// every read bit. A link is written through. Returns an empty text or why it failed.
QString WriteWholeFileAt(const QString &path, const QByteArray &bytes, bool runnable);

// Writes bytes to a file descriptor whole, again after an interruption; false when they could not all
// be written.
[[nodiscard]] bool WriteAllTo(int fd, QByteArrayView bytes);
