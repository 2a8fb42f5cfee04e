// Fuzz target: the title of a page, the title of a cartridge image, and the text of read bytes.
#include "fuzz_check.h"
#include "variables/tag_readers.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));

  const ReaderResult<TStandardHTMLFormat> page = ParseHtmlTitle(bytes);
  FUZZ_CHECK(page.value.title.size() <= kHtmlScanSize);
  FUZZ_CHECK(!page.ReaderFailed || page.value.title.isEmpty());

  const ReaderResult<TStandardNintendo> cartridge = ParseN64Title(bytes);
  FUZZ_CHECK(cartridge.value.title.size() <= 20);
  const ReaderResult<TStandardNintendo> head = ParseN64Title(bytes.first(qMin<qsizetype>(bytes.size(), 52)));
  FUZZ_CHECK(head.value.title == cartridge.value.title);

  // Text from bytes: Latin-1 keeps one character per byte; UTF-8 never gives more characters.
  const QString text = ReaderText(bytes);
  FUZZ_CHECK(text.size() <= bytes.size());
  FUZZ_CHECK(text.toUtf8() == bytes || (text.size() == bytes.size() && text.toLatin1() == bytes));
  return 0;
}
