#include "variables/text_list.h"

#include "platform/bounded_input.h"
#include "platform/code_page.h"

#include <QFile>
#include <QFileInfo>

QStringList TextListLinesFromText(const QString &text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype size = text.size();
  for (qsizetype i = 0; i < size; ++i) {
    const QChar c = text.at(i);
    if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
      continue;
    lines.append(text.mid(start, i - start));
    if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
      ++i;
    start = i + 1;
  }
  if (start < size)
    lines.append(text.mid(start));
  return lines;
}

QStringList TextListLinesFromBytes(const QByteArray &bytes) {
  return TextListLinesFromText(DecodeFileText(bytes));
}

TextList::LoadResult TextList::Load(const QString &path) {
  if (!QFileInfo::exists(path) || QFileInfo(path).isDir())
    return {LoadOutcome::Missing, QStringLiteral("\"%1\" does not exist").arg(path)};
  if (const QString refused = CheckInputFile(path); !refused.isEmpty())
    return {LoadOutcome::Unreadable, refused};
  m_lines.clear();
  m_caption = path;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {LoadOutcome::Unreadable, QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString())};
  QByteArray bytes;
  for (;;) {
    char buffer[65536];
    const qint64 n = file.read(buffer, sizeof buffer);
    if (n < 0) {
      // Keep the whole lines read so far.
      const qsizetype lastBreak = qMax(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
      m_lines = TextListLinesFromBytes(bytes.left(lastBreak + 1));
      return {LoadOutcome::ReadError, QStringLiteral("Cannot read \"%1\": %2").arg(path, file.errorString())};
    }
    if (n == 0)
      break;
    bytes.append(buffer, n);
    if (bytes.size() > kMaxInputFileSize) // grew while being read
      return {LoadOutcome::Unreadable, CheckInputFile(path)};
  }
  m_lines = TextListLinesFromBytes(bytes);
  return {};
}

void TextList::New() {
  m_lines.clear();
  m_caption.clear();
}
