// Music tags through TagLib: ID3 version 2 (and 1), Vorbis comments, MP4 and others; media module.
#pragma once

#include "variables/reader_records.h"

#include <QByteArrayView>
#include <QString>

// Opens the file read-only (regular files only) and reads its tags, not its audio properties. The
// format comes from the extension (MP3, FLAC, OGG, OPUS, M4A, ...) or else from the content.
// ReaderFailed is cleared when TagLib recognised the file.
ReaderResult<MusicTagInfo> ReadMusicTags(const ReaderPath &path);

// The same from the bytes of a whole file; the format comes from the content.
ReaderResult<MusicTagInfo> ParseMusicTags(QByteArrayView bytes);
