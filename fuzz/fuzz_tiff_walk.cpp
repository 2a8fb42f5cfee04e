// Fuzz target: the TIFF directory walk over a whole file's bytes.
#include "fuzz_check.h"
#include "variables/image_readers.h"

#include <cstdint>

namespace {

// Counts the bytes asked for, to check that the walk stays bounded.
class CountingSource final : public ByteSource {
public:
  explicit CountingSource(QByteArrayView bytes) : m_inner(bytes) {}
  qint64 size() const override { return m_inner.size(); }
  QByteArray readAt(qint64 offset, qint64 length) override {
    ++reads;
    requested += length;
    return m_inner.readAt(offset, length);
  }
  qint64 reads = 0;
  qint64 requested = 0;

private:
  ViewByteSource m_inner;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  CountingSource source(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
  const ReaderResult<ImageHeaderInfo> result = ParseTiffHeader(source);
  // Header, count, at most 65535 entries and up to three lists of bit counts (a repeated tag
  // counts again).
  FUZZ_CHECK(source.reads <= 2 + 65535 + 3);
  FUZZ_CHECK(source.requested <= 8 + 2 + 12 * 65535 + 3 * 2 * 65535);
  // Entries never come from past the end of the bytes.
  FUZZ_CHECK(source.reads <= 5 + (source.size() + 11) / 12);
  if (result.ReaderFailed) {
    FUZZ_CHECK(result.value == ImageHeaderInfo{});
  }
  return 0;
}
