#include "platform/name_codec.h"

#include <cstring>

namespace {

bool IsAscii(QByteArrayView bytes) {
  for (const char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80)
      return false;
  return true;
}

bool IsContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at p (1 to 4) and its code point, or 0 when the byte there
// starts none: no overlong form, no surrogate, nothing above U+10FFFF.
int SequenceAt(const unsigned char *p, const unsigned char *end, char32_t &code) {
  const unsigned char b = p[0];
  const qsizetype left = end - p;
  if (b < 0x80) {
    code = b;
    return 1;
  }
  if (b >= 0xC2 && b <= 0xDF) {
    if (left < 2 || !IsContinuation(p[1]))
      return 0;
    code = char32_t(b & 0x1F) << 6 | (p[1] & 0x3F);
    return 2;
  }
  if (b >= 0xE0 && b <= 0xEF) {
    // The second byte's range keeps out overlong forms (after E0) and surrogates (after ED).
    const unsigned char low = b == 0xE0 ? 0xA0 : 0x80;
    const unsigned char high = b == 0xED ? 0x9F : 0xBF;
    if (left < 3 || p[1] < low || p[1] > high || !IsContinuation(p[2]))
      return 0;
    code = char32_t(b & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
    return 3;
  }
  if (b >= 0xF0 && b <= 0xF4) {
    const unsigned char low = b == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = b == 0xF4 ? 0x8F : 0xBF;
    if (left < 4 || p[1] < low || p[1] > high || !IsContinuation(p[2]) || !IsContinuation(p[3]))
      return 0;
    code =
        char32_t(b & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 | char32_t(p[2] & 0x3F) << 6 | (p[3] & 0x3F);
    return 4;
  }
  return 0;
}

void AppendUtf8(QByteArray &out, char32_t code) {
  if (code < 0x80) {
    out += char(code);
  } else if (code < 0x800) {
    out += char(0xC0 | (code >> 6));
    out += char(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += char(0xE0 | (code >> 12));
    out += char(0x80 | ((code >> 6) & 0x3F));
    out += char(0x80 | (code & 0x3F));
  } else {
    out += char(0xF0 | (code >> 18));
    out += char(0x80 | ((code >> 12) & 0x3F));
    out += char(0x80 | ((code >> 6) & 0x3F));
    out += char(0x80 | (code & 0x3F));
  }
}

bool HasSurrogate(QStringView text) {
  for (const QChar c : text)
    if (c.isSurrogate())
      return true;
  return false;
}

} // namespace

QString DecodeName(QByteArrayView bytes) {
  if (IsAscii(bytes))
    return QString::fromLatin1(bytes);
  if (bytes.isValidUtf8()) // rejects overlong forms, surrogates and code points above U+10FFFF
    return QString::fromUtf8(bytes);
  QString text;
  text.reserve(bytes.size());
  const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
  const auto *end = p + bytes.size();
  while (p < end) {
    char32_t code = 0;
    const int length = SequenceAt(p, end, code);
    if (length == 0) {
      text += QChar(char16_t(0xDC00 + *p)); // a byte that is no UTF-8: escaped, alone
      ++p;
      continue;
    }
    if (code >= 0x10000) {
      text += QChar(QChar::highSurrogate(code));
      text += QChar(QChar::lowSurrogate(code));
    } else {
      text += QChar(char16_t(code));
    }
    p += length;
  }
  return text;
}

QByteArray EncodeName(QStringView text) {
  if (!HasSurrogate(text))
    return text.toUtf8();
  QByteArray out;
  out.reserve(text.size() * 3);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
      AppendUtf8(out, QChar::surrogateToUcs4(c, text[i + 1].unicode()));
      ++i;
    } else if (c >= 0xDC80 && c <= 0xDCFF) {
      out += char(c - 0xDC00);
    } else if (QChar::isSurrogate(c)) {
      AppendUtf8(out, 0xFFFD); // a lone surrogate no name decodes to has no bytes of its own
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

QByteArray EncodeNameAfter(QByteArrayView folder, QStringView name) {
  const qsizetype n = name.size();
  QByteArray out(folder.size() + n, Qt::Uninitialized);
  if (!folder.isEmpty())
    std::memcpy(out.data(), folder.data(), size_t(folder.size()));
  char *to = out.data() + folder.size();
  const char16_t *from = name.utf16();
  for (qsizetype i = 0; i < n; ++i) {
    if (from[i] >= 0x80) { // beyond ASCII: the general encoding
      out.truncate(folder.size());
      return out.append(EncodeName(name));
    }
    to[i] = char(from[i]);
  }
  return out;
}

QString JoinedPath(QStringView folder, QStringView name) {
  QString path(folder.size() + name.size(), Qt::Uninitialized);
  QChar *out = path.data();
  if (!folder.isEmpty())
    std::memcpy(out, folder.data(), size_t(folder.size()) * sizeof(QChar));
  if (!name.isEmpty())
    std::memcpy(out + folder.size(), name.data(), size_t(name.size()) * sizeof(QChar));
  return path;
}

QByteArray JoinedPath(QByteArrayView folder, QByteArrayView name) {
  QByteArray path(folder.size() + name.size(), Qt::Uninitialized);
  if (!folder.isEmpty())
    std::memcpy(path.data(), folder.data(), size_t(folder.size()));
  if (!name.isEmpty())
    std::memcpy(path.data() + folder.size(), name.data(), size_t(name.size()));
  return path;
}

int EscapedByteAt(QStringView text, qsizetype i) {
  const char16_t c = text[i].unicode();
  if (c < 0xDC80 || c > 0xDCFF || (i > 0 && text[i - 1].isHighSurrogate()))
    return -1;
  return c - 0xDC00;
}

bool HasEscapedBytes(QStringView text) {
  for (qsizetype i = 0; i < text.size(); ++i)
    if (EscapedByteAt(text, i) >= 0)
      return true;
  return false;
}

QString ShownName(const QString &text) {
  if (!HasEscapedBytes(text))
    return text;
  static const char digits[] = "0123456789ABCDEF";
  QString shown;
  shown.reserve(text.size() + 16);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const int byte = EscapedByteAt(text, i);
    if (byte < 0) {
      shown += text[i];
      continue;
    }
    shown += QLatin1String("\\x");
    shown += QLatin1Char(digits[byte >> 4]);
    shown += QLatin1Char(digits[byte & 0xF]);
  }
  return shown;
}
