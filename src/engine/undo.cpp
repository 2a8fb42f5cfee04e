#include "engine/undo.h"

#include "platform/name_codec.h"

#include <QSet>

#include <algorithm>

namespace {

QByteArray NativeAt(const QByteArrayList &native, const QStringList &shown, qsizetype i) {
  if (i < native.size() && !native.at(i).isEmpty())
    return native.at(i);
  return EncodeName(shown.at(i));
}

} // namespace

RenameErrorRecord UndoRenames(const UndoRecord &record, FileSystemCalls &calls) {
  RenameErrorRecord failures;
  const qsizetype count = qMin(record.lOld.size(), record.lNew.size());
  for (qsizetype i = count - 1; i >= 0; --i) {
    const QByteArray from = NativeAt(record.nativeNew, record.lNew, i);
    const QByteArray to = NativeAt(record.nativeOld, record.lOld, i);
    const RenameStatus status = SafeRename(from, to, calls);
    if (!status.ok())
      failures.append(record.lNew.at(i), i, status.Text(), record.lOld.at(i).section(QLatin1Char('/'), -1));
  }
  // Listed in the order of the record, as the run lists its failures.
  std::reverse(failures.lFileNames.begin(), failures.lFileNames.end());
  std::reverse(failures.lidItems.begin(), failures.lidItems.end());
  std::reverse(failures.reasons.begin(), failures.reasons.end());
  std::reverse(failures.newNames.begin(), failures.newNames.end());
  return failures;
}

qsizetype NamesPutBack(const UndoRecord &record, const RenameErrorRecord &failures) {
  QSet<qsizetype> failed;
  for (const QString &position : failures.lidItems)
    failed.insert(position.toLongLong());
  const QString temporary = QString::fromLatin1(kCycleTemporaryPrefix);
  qsizetype count = 0;
  for (qsizetype i = 0; i < qMin(record.lOld.size(), record.lNew.size()); ++i) {
    const QString &oldPath = record.lOld.at(i);
    if (failed.contains(i) || oldPath == record.lNew.at(i) ||
        oldPath.section(QLatin1Char('/'), -1).startsWith(temporary))
      continue;
    ++count;
  }
  return count;
}
