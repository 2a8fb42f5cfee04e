#include "variables/media/music_metadata.h"

#include "variables/media/metadata_text.h"
#include "variables/reader_file.h"

#include <optional>

#include <taglib/fileref.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tag.h>
#include <taglib/tbytevector.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/tfilestream.h>

namespace {

QString FromTagLib(const TagLib::String &text) {
  return CleanMetadataText(QString::fromStdWString(text.toWString()));
}

// The first bytes read at once: the whole ID3 version 2 tag of most MP3 files.
constexpr qint64 kMusicHeadSize = 64 * 1024;

ReaderResult<MusicTagInfo> FromTag(const TagLib::Tag *tag) {
  ReaderResult<MusicTagInfo> result;
  result.ReaderFailed = false;
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

ReaderResult<MusicTagInfo> FromFileRef(const TagLib::FileRef &file) {
  if (file.isNull())
    return {};
  return FromTag(file.tag());
}

// The ID3 version 2 tag at the start of the bytes when all of it is there and it names title and
// artist; nothing otherwise.
std::optional<ReaderResult<MusicTagInfo>> WholeId3v2Tag(const QByteArray &head) {
  if (head.size() < 10 || !head.startsWith("ID3"))
    return std::nullopt;
  qint64 size = 10;
  for (int i = 6; i < 10; ++i)
    size = (size - 10) * 128 + (quint8(head[i]) & 0x7f) + 10;
  if (size + 10 > head.size())
    return std::nullopt;
  TagLib::ByteVector data(head.constData(), unsigned(size));
  TagLib::ByteVectorStream stream(data);
  TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
  if (!file.isValid() || !file.hasID3v2Tag())
    return std::nullopt;
  ReaderResult<MusicTagInfo> result = FromTag(file.ID3v2Tag());
  if (result.value.title.isEmpty() || result.value.artist.isEmpty())
    return std::nullopt;
  return result;
}

} // namespace

ReaderResult<MusicTagInfo> ReadMusicTags(const ReaderPath &path) {
  // Only regular files: a pipe or a device would make the library wait or read without end.
  if (!IsRegularFilePath(path))
    return {};
  try {
    // Most MP3 files start with their whole tag: one read, parsed from memory. Others, and tags
    // without title or artist (which an ID3 version 1 tag at the end may fill), go to the library
    // with the whole file.
    if (const std::optional<ReaderResult<MusicTagInfo>> tag =
            WholeId3v2Tag(ReadFileHead(path, kMusicHeadSize)))
      return *tag;
    // Read-only: the library would otherwise open for writing, which watchers see as a change.
    TagLib::FileStream stream(path.native.constData(), true);
    if (!stream.isOpen())
      return {};
    const TagLib::FileRef file(&stream, false);
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
