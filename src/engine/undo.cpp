#include "engine/undo.h"

#include "platform/name_codec.h"

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
      failures.append(record.lNew.at(i), i, status.Text());
  }
  // Listed in the order of the record, as the run lists its failures.
  std::reverse(failures.lFileNames.begin(), failures.lFileNames.end());
  std::reverse(failures.lidItems.begin(), failures.lidItems.end());
  std::reverse(failures.reasons.begin(), failures.reasons.end());
  return failures;
}
