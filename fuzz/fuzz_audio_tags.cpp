// Fuzz target: the ID3 tag of MP3 files and the titles of RealAudio and RealMedia files.
#include "fuzz_check.h"
#include "variables/tag_readers.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));

  const ReaderResult<Mp3TagInfo> mp3 = ParseMp3Tag(bytes);
  const Mp3TagInfo &tag = mp3.value;
  FUZZ_CHECK(tag.title.size() <= 30 && tag.artist.size() <= 30 && tag.album.size() <= 30);
  FUZZ_CHECK(tag.year.size() <= 4 && tag.comment.size() <= 30);
  FUZZ_CHECK(!mp3.ReaderFailed || (tag.title.isEmpty() && tag.year.isEmpty() && tag.comment.isEmpty()));

  const ReaderResult<RATag> real = ParseRealTag(bytes);
  FUZZ_CHECK(real.value.title.size() <= 255 && real.value.author.size() <= 255);
  FUZZ_CHECK(real.value.copyright.size() <= 255);
  const ReaderResult<RATag> head = ParseRealTag(bytes.first(qMin<qsizetype>(bytes.size(), kRealTagReadSize)));
  FUZZ_CHECK(head.value.title == real.value.title && head.ReaderFailed == real.ReaderFailed);

  for (const char *marker : {"CONT", "dnet"}) {
    const MarkerHit hit = FindMarker(bytes, marker);
    if (hit.found) {
      FUZZ_CHECK(hit.position >= 4 && hit.position <= 4007 && hit.position <= bytes.size());
      FUZZ_CHECK(bytes.sliced(hit.position - 4, 4) == QByteArrayView(marker));
    }
  }
  return 0;
}
