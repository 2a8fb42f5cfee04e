// Byte access for the file content readers: values at offsets where missing bytes count as zero.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

// The byte at offset i, or 0 when the bytes end before it.
inline quint8 ByteAt(QByteArrayView bytes, qint64 i) {
  return i >= 0 && i < bytes.size() ? static_cast<quint8>(bytes[i]) : 0;
}

inline quint16 Le16At(QByteArrayView bytes, qint64 i) {
  return static_cast<quint16>(ByteAt(bytes, i) | (ByteAt(bytes, i + 1) << 8));
}

inline quint16 Be16At(QByteArrayView bytes, qint64 i) {
  return static_cast<quint16>((ByteAt(bytes, i) << 8) | ByteAt(bytes, i + 1));
}

inline quint32 Le32At(QByteArrayView bytes, qint64 i) {
  return quint32{Le16At(bytes, i)} | (quint32{Le16At(bytes, i + 2)} << 16);
}

inline quint32 Be32At(QByteArrayView bytes, qint64 i) {
  return (quint32{Be16At(bytes, i)} << 16) | quint32{Be16At(bytes, i + 2)};
}

// Whether the bytes at offset i are exactly the given ones (missing bytes count as zero).
inline bool BytesAre(QByteArrayView bytes, qint64 i, QByteArrayView expected) {
  for (qint64 k = 0; k < expected.size(); ++k) {
    if (ByteAt(bytes, i + k) != static_cast<quint8>(expected[k])) {
      return false;
    }
  }
  return true;
}

// The bytes without their trailing blanks, zero bytes and control bytes (codes 32 or less).
inline QByteArrayView TrimTrailingControl(QByteArrayView bytes) {
  qsizetype end = bytes.size();
  while (end > 0 && static_cast<quint8>(bytes[end - 1]) <= 32) {
    --end;
  }
  return bytes.first(end);
}

// A text read from a file: UTF-8 when the bytes are valid UTF-8, otherwise one character per
// byte of the Windows-1252 code page, so no byte is ever lost or rejected.
QString ReaderText(QByteArrayView bytes);

// Random access to bytes: a file or a buffer. Reads past the end deliver fewer bytes.
class ByteSource {
public:
  virtual ~ByteSource() = default;
  virtual qint64 size() const = 0;
  // Up to length bytes from offset; fewer (or none) where the bytes end.
  virtual QByteArray readAt(qint64 offset, qint64 length) = 0;
};

// The bytes of a buffer as a source, for reading without a file.
class ViewByteSource final : public ByteSource {
public:
  explicit ViewByteSource(QByteArrayView bytes) : m_bytes(bytes) {}
  qint64 size() const override { return m_bytes.size(); }
  QByteArray readAt(qint64 offset, qint64 length) override;

private:
  QByteArrayView m_bytes;
};
