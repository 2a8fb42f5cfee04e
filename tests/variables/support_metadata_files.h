// Test helpers that make real photo and music files: JPEGs from QImage with Exif written through Exiv2,
// MP3 frames and FLAC streams with tags written through TagLib.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QString>

#include <exiv2/exiv2.hpp>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/xiphcomment.h>

#include <map>

namespace metadata_test {

inline bool WriteBytes(const QString &path, const QByteArray &bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A JPEG of the given size as Qt writes it (a JFIF header, no Exif); progressive on request.
inline QByteArray Jpeg(int width, int height, bool progressive = false) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setProgressiveScanWrite(progressive);
  writer.write(image);
  return bytes;
}

// Writes the Exif values ("Exif.Photo.DateTimeOriginal" -> "2021:07:14 09:30:05") into the picture
// file through Exiv2; the Exif block then comes first, before the JFIF header.
inline bool WriteExif(const QString &path, const std::map<std::string, std::string> &values) {
  try {
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    Exiv2::ExifData &exif = image->exifData();
    for (const auto &[key, value] : values)
      exif[key] = value;
    image->writeMetadata();
    return true;
  } catch (...) {
    return false;
  }
}

// The JPEG without its JFIF segment, as cameras write them: the Exif segment then comes right after
// the start-of-image marker.
inline QByteArray WithoutJfif(const QByteArray &jpeg) {
  if (jpeg.size() < 6 || uchar(jpeg[2]) != 0xFF || uchar(jpeg[3]) != 0xE0)
    return jpeg;
  const int length = (uchar(jpeg[4]) << 8) | uchar(jpeg[5]);
  return jpeg.left(2) + jpeg.mid(4 + length);
}

// Thirty MPEG-1 layer III frames of silence (128 kbit/s, 44.1 kHz): enough for TagLib to see an MP3.
inline QByteArray Mp3Frames() {
  QByteArray frame(417, '\0');
  frame[0] = char(0xFF);
  frame[1] = char(0xFB);
  frame[2] = char(0x90);
  frame[3] = char(0x64);
  return frame.repeated(30);
}

struct MusicTags {
  QString title, artist, album, genre;
  unsigned year = 0, track = 0;
};

// Writes an ID3 version 2 tag (and no version 1 tag) into an MP3 file through TagLib.
inline bool WriteId3v2(const QString &path, const MusicTags &tags) {
  TagLib::MPEG::File file(QFile::encodeName(path).constData());
  if (!file.isValid())
    return false;
  TagLib::ID3v2::Tag *tag = file.ID3v2Tag(true);
  tag->setTitle(TagLib::String(tags.title.toStdString(), TagLib::String::UTF8));
  tag->setArtist(TagLib::String(tags.artist.toStdString(), TagLib::String::UTF8));
  tag->setAlbum(TagLib::String(tags.album.toStdString(), TagLib::String::UTF8));
  tag->setGenre(TagLib::String(tags.genre.toStdString(), TagLib::String::UTF8));
  tag->setYear(tags.year);
  tag->setTrack(tags.track);
  return file.save(TagLib::MPEG::File::ID3v2);
}

// A FLAC stream of only its STREAMINFO block (44.1 kHz, 16 bits, stereo, no frames).
inline QByteArray FlacStream() {
  QByteArray bytes("fLaC", 4);
  bytes += QByteArray::fromHex("80000022"); // last block, STREAMINFO, 34 bytes
  bytes += QByteArray::fromHex("10001000000000000000"
                               "0ac442f0000000000000"); // block sizes, rate, depth
  bytes += QByteArray(34 - 20, '\0');                   // MD5 of no audio
  return bytes;
}

// Writes a Vorbis comment into a FLAC file through TagLib.
inline bool WriteFlacComment(const QString &path, const MusicTags &tags) {
  TagLib::FLAC::File file(QFile::encodeName(path).constData());
  if (!file.isValid())
    return false;
  TagLib::Ogg::XiphComment *comment = file.xiphComment(true);
  comment->setTitle(TagLib::String(tags.title.toStdString(), TagLib::String::UTF8));
  comment->setArtist(TagLib::String(tags.artist.toStdString(), TagLib::String::UTF8));
  comment->setAlbum(TagLib::String(tags.album.toStdString(), TagLib::String::UTF8));
  comment->setGenre(TagLib::String(tags.genre.toStdString(), TagLib::String::UTF8));
  comment->setYear(tags.year);
  comment->setTrack(tags.track);
  return file.save();
}

} // namespace metadata_test
