// Read-only access to the file a reader looks into: opened, read at offsets, closed on every path.
#pragma once

#include "variables/reader_bytes.h"
#include "variables/reader_records.h"

// One open file, closed when the object goes. Only regular files open: a pipe, device or folder
// counts as a file that cannot be read, so a reader never waits on it.
class ReaderFile final : public ByteSource {
public:
  explicit ReaderFile(const ReaderPath &path);
  ~ReaderFile() override;
  ReaderFile(const ReaderFile &) = delete;
  ReaderFile &operator=(const ReaderFile &) = delete;

  bool isOpen() const { return m_fd >= 0; }
  qint64 size() const override { return m_size; }
  QByteArray readAt(qint64 offset, qint64 length) override;

private:
  int m_fd = -1;
  qint64 m_size = 0;
};

// Whether the path names a regular file (not a pipe, device or folder), links followed.
bool IsRegularFilePath(const ReaderPath &path);

// Up to maxBytes from the start of the file; empty when it cannot be opened or read.
QByteArray ReadFileHead(const ReaderPath &path, qint64 maxBytes);
