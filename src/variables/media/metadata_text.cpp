#include "variables/media/metadata_text.h"

#include <QStringDecoder>

QString MetadataText(QByteArrayView bytes) {
  const qsizetype zero = bytes.indexOf('\0');
  if (zero >= 0)
    bytes = bytes.first(zero);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8(bytes);
  if (utf8.hasError())
    text = QString::fromLatin1(bytes);
  return CleanMetadataText(text);
}

QString CleanMetadataText(const QString &text) {
  QString clean = text;
  for (QChar &c : clean) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Control)
      c = QLatin1Char(' ');
  }
  return clean.trimmed();
}
