#include "engine/auto_number.h"

#include <QList>

QString IntToBin(quint64 n) {
  return QString::number(n, 2);
}

QString BinToOct(const QString &binaryDigits) {
  QString result;
  const qsizetype len = binaryDigits.size();
  qsizetype first = len % 3;
  if (first == 0 && len > 0)
    first = 3;
  auto groupValue = [&](qsizetype from, qsizetype count) {
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i)
      value = value * 2 + (binaryDigits.at(i) == QLatin1Char('1') ? 1 : 0);
    return QChar(u'0' + value);
  };
  if (len == 0)
    return result;
  result.reserve(len / 3 + 1);
  result.append(groupValue(0, first));
  for (qsizetype i = first; i < len; i += 3)
    result.append(groupValue(i, 3));
  return result;
}

QString ExcelNumber(qint64 n, const QString &characters) {
  if (n <= 0 || characters.isEmpty())
    return QString();
  const QList<uint> set = characters.toUcs4();
  const qint64 length = set.size();
  QList<uint> digits;
  while (n > 0) {
    digits.prepend(set.at((n - 1) % length));
    n = (n - 1) / length;
  }
  return QString::fromUcs4(reinterpret_cast<const char32_t *>(digits.constData()), digits.size());
}

QString GetAutoNumber(const RenameOptions &options, const RefreshRunState &state) {
  const int type = state.AutoNumberTypeOverride != -1 ? state.AutoNumberTypeOverride : options.rgTypeNumber;
  const qint64 value = state.AutoNumberCounter;
  const bool negative = value < 0;
  const quint64 magnitude = negative ? quint64(-value) : quint64(value);

  QString digits;
  switch (type) {
  case NumberDec:
    digits = QString::number(magnitude);
    break;
  case NumberHex:
    digits = QString::number(magnitude, 16).toUpper();
    break;
  case NumberBin:
    digits = IntToBin(magnitude);
    break;
  case NumberExcel:
    digits = ExcelNumber(qint64(magnitude), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    break;
  case NumberManual:
    digits = ExcelNumber(qint64(magnitude), options.tManualNumber);
    break;
  default:
    digits = BinToOct(IntToBin(magnitude));
    break;
  }

  if (type < NumberExcel && state.AutoNumberZeroFill > 0) {
    const qint64 wanted = qMin<qint64>(qint64(state.AutoNumberZeroFill) + 1, MaxPaddedDigits);
    if (digits.size() < wanted)
      digits.prepend(QString(wanted - digits.size(), QLatin1Char('0')));
  }
  if (negative)
    digits.prepend(QLatin1Char('-'));
  return digits;
}
