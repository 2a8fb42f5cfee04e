// Text readers: MP3 tags, RealAudio and RealMedia titles, page titles and cartridge titles.
#pragma once

#include "variables/reader_bytes.h"
#include "variables/reader_records.h"

// The bytes each reader looks at.
inline constexpr qint64 kMp3TagSize = 128;    // the last bytes of the file
inline constexpr qint64 kHtmlScanSize = 2048; // the first bytes
inline constexpr qint64 kN64HeaderSize = 52;  // the first bytes
inline constexpr qint64 kMarkerReads = 1001;  // four-byte reads per start position
// The first bytes a RealAudio or RealMedia title can come from: a marker ending at byte 4007, the
// lengths after it and three strings of up to 255 bytes.
inline constexpr qint64 kRealTagReadSize = 3 + 4 * kMarkerReads + 8 + 255 + 2 + 255 + 2 + 255;

// The readers proper: each opens the file read-only, reads a bounded part, closes it and parses.
// A file that cannot be opened or read gives empty texts with ReaderFailed set.
// MP3: ReaderFailed is cleared when the file ends with an ID3 version 1 tag.
ReaderResult<Mp3TagInfo> ReadMp3Tag(const ReaderPath &path);
// RealAudio / RealMedia: ReaderFailed is cleared when "CONT" or "dnet" was found.
ReaderResult<RATag> ReadRealTag(const ReaderPath &path);
// Page: ReaderFailed is cleared when a complete <TITLE>...</TITLE> was found.
ReaderResult<TStandardHTMLFormat> ReadHtmlTitle(const ReaderPath &path);
// Cartridge image: ReaderFailed is cleared when the byte order was recognised.
ReaderResult<TStandardNintendo> ReadN64Title(const ReaderPath &path);

// The same parsing from bytes already read.
// The tag is taken from the last 128 of the given bytes (the end of the file).
ReaderResult<Mp3TagInfo> ParseMp3Tag(QByteArrayView fileEnd);
// The given bytes are the start of the file (only the first kRealTagReadSize count).
ReaderResult<RATag> ParseRealTag(QByteArrayView head);
// The given bytes are the start of the file (only the first 2048 count).
ReaderResult<TStandardHTMLFormat> ParseHtmlTitle(QByteArrayView head);
// The given bytes are the start of the file (only the first 52 count; missing ones count as zero).
ReaderResult<TStandardNintendo> ParseN64Title(QByteArrayView head);

// Where a four-byte marker was found: the offset of the byte after it.
struct MarkerHit {
  bool found = false;
  qint64 position = 0;
};

// Looks for the marker four bytes at a time from start 0, then 1, 2 and 3, with 1001 reads per
// start: so only within the first 4007 bytes, at any alignment. The first start that holds the
// marker wins, and within it the earliest group. A group the bytes do not fill never matches.
MarkerHit FindMarker(QByteArrayView bytes, QByteArrayView marker);
