// Picture readers: width, height, bits per pixel and colour count from the first bytes of a file.
#pragma once

#include "variables/reader_bytes.h"
#include "variables/reader_records.h"

// How many bytes each reader reads from the start of its file.
inline constexpr qint64 kBmpHeaderSize = 30;
inline constexpr qint64 kGifHeaderSize = 12;
inline constexpr qint64 kTgaHeaderSize = 18;
inline constexpr qint64 kPsdHeaderSize = 26;
inline constexpr qint64 kPcxHeaderSize = 66;
inline constexpr qint64 kIlbmHeaderSize = 30;
inline constexpr qint64 kBmhdHeaderSize = 10;
inline constexpr qint64 kPngHeaderSize = 26;
inline constexpr qint64 kJpegScanSize = 8192;

// The readers proper: each opens the file read-only, reads its header, closes the file and parses.
// A file that cannot be opened, is too short or lacks the signature gives a zero record with
// ReaderFailed set.
ReaderResult<ImageHeaderInfo> ReadBmpHeader(const ReaderPath &path);
ReaderResult<ImageHeaderInfo> ReadGifHeader(const ReaderPath &path);
ReaderResult<ImageHeaderInfo> ReadTgaHeader(const ReaderPath &path);
ReaderResult<ImageHeaderInfo> ReadPsdHeader(const ReaderPath &path);
ReaderResult<ImageHeaderInfo> ReadTiffHeader(const ReaderPath &path);
ReaderResult<ImageHeaderInfo> ReadJpegHeader(const ReaderPath &path);
ReaderResult<ImageHeaderInfo> ReadPcxHeader(const ReaderPath &path);
ReaderResult<ImageHeaderInfo> ReadIlbmHeader(const ReaderPath &path);
ReaderResult<ImageHeaderInfo> ReadBmhdHeader(const ReaderPath &path);
ReaderResult<ImageHeaderInfo> ReadPngHeader(const ReaderPath &path);

// The picture reader for a file extension without the dot, in any case ("jpg", "TIFF"); for the
// IFF extensions the bare bitmap header is read when the "FORM" header is missing. Nothing is read
// for an extension of no picture format: the result is a zero record with ReaderFailed set.
ReaderResult<ImageHeaderInfo> ReadPictureHeader(const QString &extension, const ReaderPath &path);

// The same parsing from bytes already read, the file's first bytes (bytes beyond a header are
// ignored; missing ones count as zero).
ReaderResult<ImageHeaderInfo> ParseBmpHeader(QByteArrayView head);
ReaderResult<ImageHeaderInfo> ParseGifHeader(QByteArrayView head);
ReaderResult<ImageHeaderInfo> ParseTgaHeader(QByteArrayView head);
ReaderResult<ImageHeaderInfo> ParsePsdHeader(QByteArrayView head);
ReaderResult<ImageHeaderInfo> ParseJpegHeader(QByteArrayView head);
ReaderResult<ImageHeaderInfo> ParsePcxHeader(QByteArrayView head);
ReaderResult<ImageHeaderInfo> ParseIlbmHeader(QByteArrayView head);
ReaderResult<ImageHeaderInfo> ParseBmhdHeader(QByteArrayView head);
ReaderResult<ImageHeaderInfo> ParsePngHeader(QByteArrayView head);

// TIFF is walked rather than read as one header: from a whole file's bytes or any byte source.
ReaderResult<ImageHeaderInfo> ParseTiffHeader(QByteArrayView file);
ReaderResult<ImageHeaderInfo> ParseTiffHeader(ByteSource &file);
