#include "variables/variable_functions.h"

#include <limits>

QString IntToDigits(quint64 n, const QString &digitSet) {
  const qsizetype radix = digitSet.size();
  if (radix < 2)
    return n == 0 && radix == 1 ? digitSet : QString();
  // 64 binary digits are the most any radix needs.
  QChar digits[64];
  int count = 0;
  do {
    digits[63 - count++] = digitSet.at(qsizetype(n % quint64(radix)));
    n /= quint64(radix);
  } while (n > 0);
  return QString(digits + 64 - count, count);
}

QString GroupThousands(const QString &text, QChar separator) {
  const qsizetype length = text.size();
  if (length <= 3)
    return text;
  QString result;
  result.reserve(length + length / 3);
  // The first group holds the characters left over when the rest is cut into threes.
  qsizetype first = length % 3;
  if (first == 0)
    first = 3;
  result.append(QStringView(text).first(first));
  for (qsizetype i = first; i < length; i += 3) {
    result.append(separator);
    result.append(QStringView(text).sliced(i, 3));
  }
  return result;
}

QString RandomName(int count, QRandomGenerator &random) {
  QString name;
  if (count <= 0)
    return name;
  name.reserve(count);
  for (int i = 0; i < count; ++i) {
    if (random.bounded(10) > 6)
      name.append(QChar(u'0' + random.bounded(10)));
    else
      name.append(QChar(u'A' + random.bounded(25)));
  }
  return name;
}

std::optional<qint64> ParseSizeText(const QString &text) {
  qsizetype i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  if (i == text.size())
    return std::nullopt;
  // Accumulated as a negative number, whose range holds the lowest 64-bit value too.
  qint64 value = 0;
  for (; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c < u'0' || c > u'9')
      return std::nullopt;
    const int digit = c - u'0';
    if (value < (std::numeric_limits<qint64>::min() + digit) / 10)
      return std::nullopt;
    value = value * 10 - digit;
  }
  if (!negative) {
    if (value == std::numeric_limits<qint64>::min())
      return std::nullopt;
    return -value;
  }
  return value;
}
