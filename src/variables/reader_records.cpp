#include "variables/reader_records.h"

#include "explorer/file_list_entry.h"
#include "platform/name_codec.h"

ReaderPath::ReaderPath(const QString &path) : native(EncodeName(path)) {}

ReaderPath EntryReaderPath(const FileListEntry &entry) {
  if (!entry.NativePath.isEmpty()) {
    return ReaderPath(entry.NativePath);
  }
  return ReaderPath(entry.SubItem(SubFullPath));
}
