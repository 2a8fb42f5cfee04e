#include "platform/bounded_input.h"

#include "platform/native_file.h"

QString CheckInputFile(const QString &path) {
  return CheckRegularFile(path, kMaxInputFileSize);
}
