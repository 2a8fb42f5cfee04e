#include "variables/reader_bytes.h"

#include "platform/code_page.h"

QString ReaderText(QByteArrayView bytes) {
  return DecodeFileText(bytes, ByteOrderMark::Keep);
}

QByteArray ViewByteSource::readAt(qint64 offset, qint64 length) {
  if (offset < 0 || length <= 0 || offset >= m_bytes.size()) {
    return {};
  }
  return m_bytes.sliced(offset, qMin(length, m_bytes.size() - offset)).toByteArray();
}
