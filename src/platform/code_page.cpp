#include "platform/code_page.h"

#include <QStringDecoder>

namespace {

// 0x80 to 0x9F; 0 where the code page assigns nothing (the byte then stands for itself).
constexpr char16_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool IsAscii(QByteArrayView bytes) {
  for (char c : bytes)
    if (static_cast<quint8>(c) >= 0x80)
      return false;
  return true;
}

} // namespace

QString FromWindows1252(QByteArrayView bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  char16_t *out = reinterpret_cast<char16_t *>(text.data());
  for (char c : bytes) {
    const quint8 b = static_cast<quint8>(c);
    const char16_t mapped = (b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80] : 0;
    *out++ = mapped ? mapped : char16_t(b);
  }
  return text;
}

QString DecodeFileText(QByteArrayView bytes, ByteOrderMark mark) {
  if (IsAscii(bytes))
    return QString::fromLatin1(bytes);
  QStringDecoder utf8(QStringDecoder::Utf8,
                      mark == ByteOrderMark::Keep
                          ? QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom
                          : QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError())
    return text;
  return FromWindows1252(bytes);
}
