// File names and paths between the bytes the file system holds and the text the program works on.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <utility>

// A name decodes as UTF-8. A byte that is not part of a valid UTF-8 sequence (0x80 to 0xFF) becomes
// one lone low surrogate, U+DC80 to U+DCFF (the byte plus 0xDC00), and encoding turns such a
// surrogate back into exactly that byte. Valid UTF-8 never decodes to a lone surrogate (UTF-8 of a
// surrogate code point is itself invalid), so every name comes back byte for byte and nothing is
// ambiguous. Options that change other characters leave the escaped ones as they are.
QString DecodeName(QByteArrayView bytes);
QByteArray EncodeName(QStringView text);
// The bytes of folder followed by those of the encoded name, made in one allocation.
QByteArray EncodeNameAfter(QByteArrayView folder, QStringView name);

// A folder and a name put together in one allocation (a list of many files makes many paths).
QString JoinedPath(QStringView folder, QStringView name);
QByteArray JoinedPath(QByteArrayView folder, QByteArrayView name);

// The byte the character at i stands for, or -1 when it is no escaped byte (the second half of a
// surrogate pair is a character of its own, whatever its value).
int EscapedByteAt(QStringView text, qsizetype i);
// Whether the text holds a byte that was not valid UTF-8.
bool HasEscapedBytes(QStringView text);

// The text with change applied to each run of characters between escaped bytes, which stay as they
// are: the library's case changes would turn each of them into U+FFFD.
template <typename Change> QString ChangeKeepingEscapedBytes(QString text, Change change) {
  if (!HasEscapedBytes(text))
    return change(std::move(text));
  QString result;
  result.reserve(text.size());
  qsizetype start = 0;
  for (qsizetype i = 0; i <= text.size(); ++i) {
    if (i < text.size() && EscapedByteAt(text, i) < 0)
      continue;
    if (i > start)
      result += change(text.mid(start, i - start));
    if (i < text.size())
      result += text[i];
    start = i + 1;
  }
  return result;
}

// The text of a name for a reader (messages, tables, lists): each byte that is not valid UTF-8 is
// written as a backslash, "x" and two upper-case hexadecimal digits ("caf\xE9.txt"), so that two
// names that differ only in such bytes read differently. Any other character is shown as it is.
QString ShownName(const QString &text);
