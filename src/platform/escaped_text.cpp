#include "platform/escaped_text.h"

namespace {

bool IsControl(char16_t c) {
  return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
}

} // namespace

QString EscapedControls(QStringView text) {
  qsizetype first = 0;
  while (first < text.size() && !IsControl(text[first].unicode()))
    ++first;
  if (first == text.size())
    return text.toString();
  QString out;
  out.reserve(text.size() + 16);
  AppendEscapedControls(out, text);
  return out;
}

void AppendEscapedControls(QString &out, QStringView text) {
  qsizetype first = 0;
  while (first < text.size() && !IsControl(text[first].unicode()))
    ++first;
  out += text.first(first);
  static constexpr char kHex[] = "0123456789abcdef";
  for (qsizetype i = first; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (!IsControl(c)) {
      out += QChar(c);
    } else if (c < 0x80) {
      out += QLatin1String("\\x");
      out += QLatin1Char(kHex[c >> 4]);
      out += QLatin1Char(kHex[c & 15]);
    } else {
      out += QLatin1String("\\u00");
      out += QLatin1Char(kHex[c >> 4]);
      out += QLatin1Char(kHex[c & 15]);
    }
  }
}
