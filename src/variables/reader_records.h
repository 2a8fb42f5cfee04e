// The records that the file content readers fill, the failure flag returned with each, and Power2.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Width, height, bits per pixel and colour count of a picture, taken from its header.
struct ImageHeaderInfo {
  quint16 width = 0;
  quint16 height = 0;
  quint16 bits = 0;
  qint32 colours = 0;

  friend bool operator==(const ImageHeaderInfo &, const ImageHeaderInfo &) = default;
};

// The ID3 version 1 tag of an MP3 file, each field without its trailing blanks and control bytes.
struct Mp3TagInfo {
  QString title;   // up to 30 characters
  QString artist;  // up to 30
  QString album;   // up to 30
  QString year;    // up to 4
  QString comment; // up to 30
};

// Title, author and copyright of a RealAudio or RealMedia file.
struct RATag {
  QString title;
  QString author;
  QString copyright;
};

// The text between the first <TITLE> and </TITLE> of a page.
struct TStandardHTMLFormat {
  QString title;
};

// The internal title of a cartridge image.
struct TStandardNintendo {
  QString title;
};

// What a photo says about itself. Every text is trimmed and free of control characters; a field
// the file does not hold stays empty (or 0).
struct PhotoInfo {
  QString dateTaken; // "yyyymmddhhnnss" of the moment the picture was taken
  QString make;      // camera maker
  QString model;     // camera model
  int width = 0;     // pixels, from the file's own header: every kind of JPEG, PNG, WebP, TIFF, HEIC, ...
  int height = 0;
};

// The common music tag fields, each trimmed and free of control characters; 0 or empty when absent.
struct MusicTagInfo {
  QString title;
  QString artist;
  QString album;
  QString genre;
  unsigned year = 0;
  unsigned track = 0;
};

// A reader's record with its failure flag. ReaderFailed is true until the reader recognised its
// format; a reader that failed leaves the record as it starts (zeros, empty texts).
template <typename Record> struct ReaderResult {
  Record value{};
  bool ReaderFailed = true;
};

// 2 to the power n in 32-bit arithmetic that wraps: 0 gives 1, 31 gives the lowest 32-bit
// number, 32 or more gives 0. A negative n multiplies no times and gives 1.
constexpr qint32 Power2(int n) {
  if (n < 0) {
    return 1;
  }
  if (n >= 32) {
    return 0;
  }
  return static_cast<qint32>(quint32{1} << n);
}

struct FileListEntry;

// Where a reader finds its file: a path as text, or the file system's own bytes of the path (for
// names that are not valid UTF-8). Either converts implicitly, so every reader takes both.
struct ReaderPath {
  ReaderPath(const QString &path);
  ReaderPath(const QByteArray &nativePath) : native(nativePath) {}
  QByteArray native;
};

// The path of a file list entry: its own bytes when it has them, otherwise its full path text.
ReaderPath EntryReaderPath(const FileListEntry &entry);
