// Music tags of today's files through TagLib: ID3 version 2 (and 1), Vorbis comments, MP4 and others.
#pragma once

#include "variables/reader_records.h"

#include <QByteArrayView>
#include <QString>

// The common tag fields, each trimmed and free of control characters; 0 or empty when absent.
struct MusicTagInfo {
  QString title;
  QString artist;
  QString album;
  QString genre;
  unsigned year = 0;
  unsigned track = 0;
};

// Opens the file read-only (regular files only) and reads its tags, not its audio properties. The
// format comes from the extension (MP3, FLAC, OGG, OPUS, M4A, ...) or else from the content.
// ReaderFailed is cleared when TagLib recognised the file.
ReaderResult<MusicTagInfo> ReadMusicTags(const ReaderPath &path);

// The same from the bytes of a whole file; the format comes from the content.
ReaderResult<MusicTagInfo> ParseMusicTags(QByteArrayView bytes);
