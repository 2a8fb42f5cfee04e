#include "engine/undo.h"

#include "platform/name_codec.h"

#include <QSet>

#include <algorithm>

RenameErrorRecord UndoRenames(const UndoRecord &record, FileSystemCalls &calls) {
  RenameErrorRecord failures;
  const qsizetype count = qMin(record.lOld.size(), record.lNew.size());
  for (qsizetype i = count - 1; i >= 0; --i) {
    const QByteArray &from = record.lNew.at(i), &to = record.lOld.at(i);
    const RenameStatus status = SafeRename(from, to, calls);
    if (!status.ok())
      failures.append(DecodeName(from), i, status.Text(), DecodeName(NativeFileName(to)));
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
  qsizetype count = 0;
  for (qsizetype i = 0; i < qMin(record.lOld.size(), record.lNew.size()); ++i) {
    const QByteArray &oldPath = record.lOld.at(i);
    if (failed.contains(i) || oldPath == record.lNew.at(i) ||
        NativeFileName(oldPath).startsWith(kCycleTemporaryPrefix))
      continue;
    ++count;
  }
  return count;
}
