// Fuzz target: every fixed-header picture parser and the JPEG scan on the same bytes.
#include "fuzz_check.h"
#include "variables/image_readers.h"

#include <cstdint>

namespace {

using ParseFn = ReaderResult<ImageHeaderInfo> (*)(QByteArrayView);

struct Parser {
  ParseFn parse;
  qsizetype headerSize;
};

const Parser kParsers[] = {
    {ParseBmpHeader, kBmpHeaderSize},   {ParseGifHeader, kGifHeaderSize}, {ParseTgaHeader, kTgaHeaderSize},
    {ParsePsdHeader, kPsdHeaderSize},   {ParsePcxHeader, kPcxHeaderSize}, {ParseIlbmHeader, kIlbmHeaderSize},
    {ParseBmhdHeader, kBmhdHeaderSize}, {ParsePngHeader, kPngHeaderSize}, {ParseJpegHeader, kJpegScanSize},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
  for (const Parser &parser : kParsers) {
    const ReaderResult<ImageHeaderInfo> result = parser.parse(bytes);
    // Only the header counts: the bytes after it change nothing.
    const ReaderResult<ImageHeaderInfo> head =
        parser.parse(bytes.first(qMin(bytes.size(), parser.headerSize)));
    FUZZ_CHECK(result.value == head.value && result.ReaderFailed == head.ReaderFailed);
    // A failed read leaves the record zero.
    FUZZ_CHECK(!result.ReaderFailed || result.value == ImageHeaderInfo{});
    if (!result.ReaderFailed && parser.parse != ParseJpegHeader) {
      FUZZ_CHECK(result.value.colours == Power2(result.value.bits));
    }
  }
  return 0;
}
