#include "variables/media/photo_metadata.h"

#include "variables/media/metadata_text.h"
#include "variables/reader_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSize>

#include <exiv2/exiv2.hpp>
#include <exiv2/webpimage.hpp>

#include <mutex>

namespace {

// The first bytes read at once: the metadata and frame header of most JPEGs.
constexpr qint64 kPhotoHeadSize = 64 * 1024;

// The keys that hold the moment of the shot, most specific first.
constexpr const char *kDateKeys[] = {"Exif.Photo.DateTimeOriginal", "Exif.Image.DateTimeOriginal"};
constexpr const char *kXmpDateKeys[] = {"Xmp.exif.DateTimeOriginal", "Xmp.photoshop.DateCreated"};

QByteArray ExifText(const Exiv2::ExifData &exif, const char *key) {
  const auto it = exif.findKey(Exiv2::ExifKey(key));
  if (it == exif.end() || it->count() == 0)
    return {};
  return QByteArray::fromStdString(it->toString());
}

QByteArray XmpText(const Exiv2::XmpData &xmp, const char *key) {
  const auto it = xmp.findKey(Exiv2::XmpKey(key));
  if (it == xmp.end() || it->count() == 0)
    return {};
  return QByteArray::fromStdString(it->toString());
}

// Reads what Exiv2 finds in an opened image; throws what Exiv2 throws.
void ReadFromImage(Exiv2::Image &image, PhotoInfo &info) {
  image.readMetadata();
  // Some readers give a size as a signed 16-bit number: a negative one counts as no size.
  if (image.pixelWidth() > 0 && image.pixelHeight() > 0) {
    info.width = image.pixelWidth();
    info.height = image.pixelHeight();
  }
  const Exiv2::ExifData &exif = image.exifData();
  for (const char *key : kDateKeys) {
    if (info.dateTaken.isEmpty())
      info.dateTaken = DateTakenDigits(ExifText(exif, key));
  }
  for (const char *key : kXmpDateKeys) {
    if (info.dateTaken.isEmpty())
      info.dateTaken = DateTakenDigits(XmpText(image.xmpData(), key));
  }
  info.make = MetadataText(ExifText(exif, "Exif.Image.Make"));
  info.model = MetadataText(ExifText(exif, "Exif.Image.Model"));
}

// The still-picture formats handed to Exiv2. Its video readers (ASF, Matroska, QuickTime, RIFF) are
// left out: damaged video files can keep them busy without end.
bool IsStillPicture(int type) {
  namespace T = Exiv2::ImageType;
  for (int still : {T::jpeg, T::exv, T::cr2, T::crw, T::tiff, T::mrw, T::png, T::raf, T::orf, T::gif, T::psd,
                    T::tga, T::bmp, T::jp2, T::rw2, T::pgf, T::bmff, T::webp})
    if (type == still)
      return true;
  return false;
}

// The size in the frame header of a JPEG, found by walking its segments from the start: for a JPEG
// whose metadata Exiv2 gave up on. Zero when the bytes end before a frame header.
QSize JpegFrameSize(QByteArrayView bytes) {
  const auto at = [&](qsizetype i) { return i < bytes.size() ? quint8(bytes[i]) : 0; };
  qsizetype pos = 2; // after the start-of-image marker
  while (pos + 9 <= bytes.size() && at(pos) == 0xFF) {
    const quint8 marker = at(pos + 1);
    if (marker == 0xFF) { // fill byte
      ++pos;
      continue;
    }
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame)
      return QSize((at(pos + 7) << 8) | at(pos + 8), (at(pos + 5) << 8) | at(pos + 6));
    if (marker == 0xD9 || marker == 0xDA) // end of image, start of scan
      break;
    pos += 2 + ((at(pos + 2) << 8) | at(pos + 3));
  }
  return QSize(0, 0);
}

// What one Exiv2 read saw.
struct Exiv2Read {
  bool known = false; // Exiv2 knew the format
  bool jpeg = false;
};

// Runs one Exiv2 read; any failure of the library leaves what was read so far.
template <typename Open> Exiv2Read TryExiv2(Open open, PhotoInfo &info) {
  PrepareExiv2();
  Exiv2Read read;
  try {
    Exiv2::Image::AutoPtr image = open();
    if (!image.get() || !IsStillPicture(image->imageType()))
      return read;
    read.known = true;
    read.jpeg = image->imageType() == Exiv2::ImageType::jpeg;
    try {
      ReadFromImage(*image, info);
    } catch (...) {
      // A damaged or cut-off block: keep the fields read before it.
    }
  } catch (...) {
  }
  return read;
}

// The size from Qt's image plugins, for formats Exiv2 does not read (or reads without a size).
// Clears failed when the plugin gave a size.
void SizeFromQt(QImageReader &reader, PhotoInfo &info, bool &failed) {
  const QSize size = reader.size();
  if (size.isValid() && size.width() > 0 && size.height() > 0) {
    info.width = size.width();
    info.height = size.height();
    failed = false;
  }
}

} // namespace

void PrepareExiv2() {
  static std::once_flag once;
  std::call_once(once, [] {
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    Exiv2::enableBMFF(true);
  });
}

QString DateTakenDigits(QByteArrayView value) {
  const QByteArray v = value.toByteArray().trimmed();
  if (v.size() < 10)
    return {};
  // Digits at fixed places: year 0-3, month 5-6, day 8-9, hour 11-12, minute 14-15, second 17-18.
  QString digits;
  const int starts[] = {0, 5, 8, 11, 14, 17};
  const int lengths[] = {4, 2, 2, 2, 2, 2};
  for (int part = 0; part < 6; ++part) {
    const int from = starts[part];
    if (from >= v.size()) {
      if (part < 3)
        return {};
      digits += QLatin1String("00");
      continue;
    }
    for (int i = from; i < from + lengths[part]; ++i) {
      if (i >= v.size() || v[i] < '0' || v[i] > '9')
        return {};
      digits += QLatin1Char(v[i]);
    }
    if (from > 0 && (v[from - 1] >= '0' && v[from - 1] <= '9'))
      return {}; // no separator before the part
  }
  if (digits.first(8) == QLatin1String("00000000") || digits.mid(4, 2) == QLatin1String("00") ||
      digits.mid(6, 2) == QLatin1String("00"))
    return {};
  return digits;
}

ReaderResult<PhotoInfo> ReadPhotoMetadata(const ReaderPath &path) {
  ReaderResult<PhotoInfo> result;
  // Only regular files: a pipe or a device would make a library wait or read without end.
  ReaderFile file(path);
  if (!file.isOpen())
    return result;
  // Most photos hold their metadata and frame header in their first bytes: one read of those, parsed
  // from memory. A JPEG whose frame header came within them has all its metadata there too; any other
  // picture without a date, or one whose size is not there, is read again from the whole file.
  const QByteArray head = file.readAt(0, kPhotoHeadSize);
  const auto *data = reinterpret_cast<const Exiv2::byte *>(head.constData());
  Exiv2Read read;
  if (!head.isEmpty())
    read = TryExiv2([&] { return Exiv2::ImageFactory::open(data, long(head.size())); }, result.value);
  const bool sized = result.value.width > 0 && result.value.height > 0;
  if (read.known && file.size() > head.size() &&
      (!sized || (!read.jpeg && result.value.dateTaken.isEmpty()))) {
    result.value = PhotoInfo();
    const std::string name = path.native.toStdString();
    read = TryExiv2([&] { return Exiv2::ImageFactory::open(name, false); }, result.value);
  }
  result.ReaderFailed = !read.known;
  if (read.jpeg && (result.value.width <= 0 || result.value.height <= 0)) {
    const QSize size = JpegFrameSize(head);
    result.value.width = size.width();
    result.value.height = size.height();
  }
  // Qt's image plugins for the formats Exiv2 does not read.
  if (!read.known) {
    QImageReader reader(QFile::decodeName(path.native));
    SizeFromQt(reader, result.value, result.ReaderFailed);
  }
  return result;
}

ReaderResult<PhotoInfo> ParsePhotoMetadata(QByteArrayView bytes) {
  ReaderResult<PhotoInfo> result;
  if (bytes.isEmpty())
    return result;
  const auto *data = reinterpret_cast<const Exiv2::byte *>(bytes.data());
  const Exiv2Read read =
      TryExiv2([&] { return Exiv2::ImageFactory::open(data, long(bytes.size())); }, result.value);
  result.ReaderFailed = !read.known;
  if (read.jpeg && (result.value.width <= 0 || result.value.height <= 0)) {
    const QSize size = JpegFrameSize(bytes);
    result.value.width = size.width();
    result.value.height = size.height();
  }
  if (result.ReaderFailed) {
    QByteArray copy = bytes.toByteArray();
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    SizeFromQt(reader, result.value, result.ReaderFailed);
  }
  return result;
}
