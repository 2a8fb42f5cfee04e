#include "variables/photo_metadata.h"

#include "variables/metadata_text.h"
#include "variables/reader_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <exiv2/exiv2.hpp>

#include <mutex>

namespace {

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
  info.width = image.pixelWidth();
  info.height = image.pixelHeight();
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

// Runs one Exiv2 read; any failure of the library leaves what was read so far. Returns whether
// Exiv2 knew the format.
template <typename Open> bool TryExiv2(Open open, PhotoInfo &info) {
  PrepareExiv2();
  try {
    Exiv2::Image::AutoPtr image = open();
    if (!image.get())
      return false;
    try {
      ReadFromImage(*image, info);
    } catch (...) {
      // A damaged block: keep the fields read before it.
    }
    return true;
  } catch (...) {
    return false;
  }
}

// The size from Qt's image plugins, for formats Exiv2 does not read (or reads without a size).
void SizeFromQt(QImageReader &reader, PhotoInfo &info, bool &recognised) {
  const QSize size = reader.size();
  if (size.isValid() && size.width() > 0 && size.height() > 0) {
    info.width = size.width();
    info.height = size.height();
    recognised = true;
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
  if (!IsRegularFilePath(path))
    return result;
  const std::string file = path.native.toStdString();
  result.ReaderFailed = !TryExiv2([&] { return Exiv2::ImageFactory::open(file, false); }, result.value);
  if (result.value.width <= 0 || result.value.height <= 0) {
    QImageReader reader(QFile::decodeName(path.native));
    bool recognised = false;
    SizeFromQt(reader, result.value, recognised);
    if (recognised)
      result.ReaderFailed = false;
  }
  return result;
}

ReaderResult<PhotoInfo> ParsePhotoMetadata(QByteArrayView bytes) {
  ReaderResult<PhotoInfo> result;
  if (bytes.isEmpty())
    return result;
  const auto *data = reinterpret_cast<const Exiv2::byte *>(bytes.data());
  result.ReaderFailed =
      !TryExiv2([&] { return Exiv2::ImageFactory::open(data, long(bytes.size())); }, result.value);
  if (result.value.width <= 0 || result.value.height <= 0) {
    QByteArray copy = bytes.toByteArray();
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    bool recognised = false;
    SizeFromQt(reader, result.value, recognised);
    if (recognised)
      result.ReaderFailed = false;
  }
  return result;
}
