// Test helpers for the file content readers: building byte strings and writing them to files.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <initializer_list>

namespace reader_test {

// Bytes given as numbers: Bytes({255, 216, 255, 224}).
inline QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray bytes;
  for (int v : values) {
    bytes.append(static_cast<char>(v));
  }
  return bytes;
}

// The bytes with `value` written over them at offset, growing them with zeros where needed.
inline QByteArray Put(QByteArray bytes, qsizetype offset, const QByteArray &value) {
  if (bytes.size() < offset + value.size()) {
    bytes.resize(offset + value.size(), '\0');
  }
  bytes.replace(offset, value.size(), value);
  return bytes;
}

inline QByteArray Le16(int v) {
  return Bytes({v & 0xff, (v >> 8) & 0xff});
}
inline QByteArray Be16(int v) {
  return Bytes({(v >> 8) & 0xff, v & 0xff});
}
inline QByteArray Le32(quint32 v) {
  return Le16(int(v & 0xffff)) + Le16(int(v >> 16));
}
inline QByteArray Be32(quint32 v) {
  return Be16(int(v >> 16)) + Be16(int(v & 0xffff));
}

// Writes the bytes to a file of that name in the folder and returns its path.
inline QString WriteFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes) {
  const QString path = dir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    return {};
  }
  return path;
}

} // namespace reader_test
