#include "variables/music_metadata.h"

#include "variables/metadata_text.h"
#include "variables/reader_file.h"

#include <taglib/fileref.h>
#include <taglib/tag.h>
#include <taglib/tbytevector.h>
#include <taglib/tbytevectorstream.h>

namespace {

QString FromTagLib(const TagLib::String &text) {
  return CleanMetadataText(QString::fromStdWString(text.toWString()));
}

ReaderResult<MusicTagInfo> FromFileRef(const TagLib::FileRef &file) {
  ReaderResult<MusicTagInfo> result;
  if (file.isNull())
    return result;
  result.ReaderFailed = false;
  const TagLib::Tag *tag = file.tag();
  if (!tag)
    return result;
  MusicTagInfo &info = result.value;
  info.title = FromTagLib(tag->title());
  info.artist = FromTagLib(tag->artist());
  info.album = FromTagLib(tag->album());
  info.genre = FromTagLib(tag->genre());
  info.year = tag->year();
  info.track = tag->track();
  return result;
}

} // namespace

ReaderResult<MusicTagInfo> ReadMusicTags(const ReaderPath &path) {
  // Only regular files: a pipe or a device would make the library wait or read without end.
  if (!IsRegularFilePath(path))
    return {};
  try {
    const TagLib::FileRef file(path.native.constData(), false);
    return FromFileRef(file);
  } catch (...) {
    return {};
  }
}

ReaderResult<MusicTagInfo> ParseMusicTags(QByteArrayView bytes) {
  if (bytes.isEmpty())
    return {};
  try {
    TagLib::ByteVector data(bytes.data(), unsigned(bytes.size()));
    TagLib::ByteVectorStream stream(data);
    const TagLib::FileRef file(&stream, false);
    return FromFileRef(file);
  } catch (...) {
    return {};
  }
}
