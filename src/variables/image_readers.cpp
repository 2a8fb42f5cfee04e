#include "variables/image_readers.h"

#include "variables/reader_file.h"

namespace {

using Result = ReaderResult<ImageHeaderInfo>;

// A recognised picture: colours follow the bits unless the format says otherwise.
Result Recognised(quint16 width, quint16 height, quint16 bits) {
  Result result;
  result.value = {width, height, bits, Power2(bits)};
  result.ReaderFailed = false;
  return result;
}

// A file that cannot be opened gives a zero record, also for the formats without a signature.
Result ReadHead(const ReaderPath &path, qint64 size, Result (*parse)(QByteArrayView)) {
  ReaderFile file(path);
  if (!file.isOpen()) {
    return {};
  }
  return parse(file.readAt(0, size));
}

} // namespace

Result ParseBmpHeader(QByteArrayView head) {
  if (!BytesAre(head, 0, "BM")) {
    return {};
  }
  return Recognised(Le16At(head, 18), Le16At(head, 22), ByteAt(head, 28));
}

Result ParseGifHeader(QByteArrayView head) {
  if (!BytesAre(head, 0, "GIF")) {
    return {};
  }
  const quint16 bits = static_cast<quint16>(((ByteAt(head, 10) >> 4) & 7) + 1);
  return Recognised(Le16At(head, 6), Le16At(head, 8), bits);
}

Result ParseTgaHeader(QByteArrayView head) {
  // Targa has no signature: whatever the bytes hold is taken.
  return Recognised(Le16At(head, 12), Le16At(head, 14), ByteAt(head, 16));
}

Result ParsePsdHeader(QByteArrayView head) {
  if (!BytesAre(head, 0, QByteArrayView("8BPS\0\1", 6))) {
    return {};
  }
  // Depth times channel count.
  const quint16 bits = static_cast<quint16>(ByteAt(head, 23) * ByteAt(head, 13));
  return Recognised(Be16At(head, 20), Be16At(head, 16), bits);
}

Result ParsePcxHeader(QByteArrayView head) {
  if (ByteAt(head, 0) != 10) {
    return {};
  }
  // The window's corners, in 16-bit arithmetic that wraps.
  const quint16 width = static_cast<quint16>(Le16At(head, 8) - Le16At(head, 4) + 1);
  const quint16 height = static_cast<quint16>(Le16At(head, 10) - Le16At(head, 6) + 1);
  // Bits per plane times planes, kept to 8 bits.
  const quint16 bits = static_cast<quint8>(ByteAt(head, 3) * ByteAt(head, 65));
  return Recognised(width, height, bits);
}

Result ParseIlbmHeader(QByteArrayView head) {
  if (!BytesAre(head, 0, "FORM") || !BytesAre(head, 8, "ILBM")) {
    return {};
  }
  return Recognised(Be16At(head, 20), Be16At(head, 22), ByteAt(head, 28));
}

Result ParseBmhdHeader(QByteArrayView head) {
  // A bare bitmap header has no signature: every file is taken.
  return Recognised(Be16At(head, 0), Be16At(head, 2), ByteAt(head, 8));
}

Result ParsePngHeader(QByteArrayView head) {
  if (!BytesAre(head, 0, "\x89PNG\r\n\x1a\n") || !BytesAre(head, 12, "IHDR")) {
    return {};
  }
  const quint8 depth = ByteAt(head, 24);
  quint16 bits = 0;
  switch (ByteAt(head, 25)) {
  case 0: // grey
  case 3: // palette
  case 4: // grey with alpha
    bits = depth;
    break;
  case 2: // RGB
  case 6: // RGB with alpha
    bits = depth == 8 ? 24 : 32;
    break;
  default:
    break;
  }
  return Recognised(Be16At(head, 18), Be16At(head, 22), bits);
}

Result ParseJpegHeader(QByteArrayView head) {
  Result result;
  const QByteArrayView bytes = head.first(qMin<qsizetype>(head.size(), kJpegScanSize));
  // Start of image, then an application segment 0 of JFIF.
  if (!BytesAre(bytes, 0, "\xff\xd8\xff\xe0") || !BytesAre(bytes, 6, "JFIF")) {
    return result;
  }
  const qsizetype n = bytes.size();
  if (n < 20) {
    return result;
  }
  // Every baseline frame marker counts; the last one in the bytes read wins.
  for (qsizetype o = 19; o + 11 < n; ++o) {
    if (ByteAt(bytes, o) == 255 && ByteAt(bytes, o + 1) == 192) {
      result.value = {Be16At(bytes, o + 7), Be16At(bytes, o + 5), 24, Power2(24)};
      result.ReaderFailed = false;
    }
  }
  return result;
}

Result ParseTiffHeader(QByteArrayView file) {
  ViewByteSource source(file);
  return ParseTiffHeader(source);
}

Result ParseTiffHeader(ByteSource &file) {
  Result result;
  const QByteArray head = file.readAt(0, 8);
  const bool little = BytesAre(head, 0, "II") && ByteAt(head, 2) == 42;
  const bool big = BytesAre(head, 0, "MM") && ByteAt(head, 3) == 42;
  if (!little && !big) {
    return result;
  }
  result.ReaderFailed = false;
  const auto u16 = [little](QByteArrayView b, qint64 i) { return little ? Le16At(b, i) : Be16At(b, i); };
  const auto u32 = [little](QByteArrayView b, qint64 i) { return little ? Le32At(b, i) : Be32At(b, i); };

  const qint64 directory = u32(head, 4);
  const quint16 entries = u16(file.readAt(directory, 2), 0);
  int handled = 0;
  for (qint64 k = 0; k < entries && handled < 3; ++k) {
    const qint64 at = directory + 2 + 12 * k;
    if (at >= file.size()) {
      break; // every further entry reads as zeros: no tag of interest
    }
    const QByteArray entry = file.readAt(at, 12);
    const quint16 tag = u16(entry, 0);
    const quint32 count = u32(entry, 4);
    const QByteArrayView value = QByteArrayView(entry).sliced(qMin<qsizetype>(8, entry.size()));
    switch (tag) {
    case 256:
      result.value.width = u16(value, 0);
      break;
    case 257:
      result.value.height = u16(value, 0);
      break;
    case 258:
      if (count == 1) {
        result.value.bits = u16(value, 0);
      } else {
        // One bit count per sample, stored elsewhere: their sum.
        const qint64 samples = count % 65536;
        const QByteArray list = file.readAt(u32(value, 0), 2 * samples);
        quint16 sum = 0;
        for (qint64 i = 0; i < samples; ++i) {
          sum = static_cast<quint16>(sum + u16(list, 2 * i));
        }
        result.value.bits = sum;
      }
      result.value.colours = Power2(result.value.bits);
      break;
    default:
      continue;
    }
    ++handled;
  }
  return result;
}

Result ReadBmpHeader(const ReaderPath &path) {
  return ReadHead(path, kBmpHeaderSize, ParseBmpHeader);
}
Result ReadGifHeader(const ReaderPath &path) {
  return ReadHead(path, kGifHeaderSize, ParseGifHeader);
}
Result ReadTgaHeader(const ReaderPath &path) {
  return ReadHead(path, kTgaHeaderSize, ParseTgaHeader);
}
Result ReadPsdHeader(const ReaderPath &path) {
  return ReadHead(path, kPsdHeaderSize, ParsePsdHeader);
}
Result ReadJpegHeader(const ReaderPath &path) {
  return ReadHead(path, kJpegScanSize, ParseJpegHeader);
}
Result ReadPcxHeader(const ReaderPath &path) {
  return ReadHead(path, kPcxHeaderSize, ParsePcxHeader);
}
Result ReadIlbmHeader(const ReaderPath &path) {
  return ReadHead(path, kIlbmHeaderSize, ParseIlbmHeader);
}
Result ReadBmhdHeader(const ReaderPath &path) {
  return ReadHead(path, kBmhdHeaderSize, ParseBmhdHeader);
}
Result ReadPngHeader(const ReaderPath &path) {
  return ReadHead(path, kPngHeaderSize, ParsePngHeader);
}

Result ReadTiffHeader(const ReaderPath &path) {
  ReaderFile file(path);
  return ParseTiffHeader(file);
}

Result ReadPictureHeader(const QString &extension, const ReaderPath &path) {
  const QString ext = extension.toUpper();
  const auto is = [&ext](std::initializer_list<const char *> names) {
    for (const char *name : names) {
      if (ext == QLatin1String(name)) {
        return true;
      }
    }
    return false;
  };
  if (is({"JPG", "JPEG", "JIF", "JFIF"})) {
    return ReadJpegHeader(path);
  }
  if (is({"GIF"})) {
    return ReadGifHeader(path);
  }
  if (is({"PSD"})) {
    return ReadPsdHeader(path);
  }
  if (is({"BMP"})) {
    return ReadBmpHeader(path);
  }
  if (is({"PNG"})) {
    return ReadPngHeader(path);
  }
  if (is({"TIF", "TIFF"})) {
    return ReadTiffHeader(path);
  }
  if (is({"TGA", "TARGA", "PIX"})) {
    return ReadTgaHeader(path);
  }
  if (is({"PCX", "PCC"})) {
    return ReadPcxHeader(path);
  }
  if (is({"IFF", "ILBM", "LBM"})) {
    Result result = ReadIlbmHeader(path);
    return result.ReaderFailed ? ReadBmhdHeader(path) : result;
  }
  return {};
}
