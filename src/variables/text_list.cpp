#include "variables/text_list.h"

#include "platform/bounded_input.h"
#include "platform/code_page.h"
#include "platform/name_codec.h"
#include "platform/native_file.h"

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
  const WholeFileRead read = ReadWholeFile(path, kMaxInputFileSize);
  if (read.missing || (!read.error.isEmpty() && NativeIsFolder(path)))
    return {LoadOutcome::Missing, QStringLiteral("\"%1\" does not exist").arg(ShownName(path))};
  if (!read.error.isEmpty() && read.bytes.isEmpty()) // the list as it was stays
    return {LoadOutcome::Unreadable, read.error};
  m_caption = path;
  if (read.error.isEmpty()) {
    m_lines = TextListLinesFromBytes(read.bytes);
    return {};
  }
  // Keep the whole lines read so far.
  const qsizetype lastBreak = qMax(read.bytes.lastIndexOf('\n'), read.bytes.lastIndexOf('\r'));
  m_lines = TextListLinesFromBytes(read.bytes.left(lastBreak + 1));
  return {LoadOutcome::ReadError, read.error};
}

void TextList::New() {
  m_lines.clear();
  m_caption.clear();
}
