// Fuzz target: photo metadata through Exiv2 (and Qt's image plugins) and music tags through TagLib, from
// the same bytes, with the properties the variables rely on.
#include "fuzz_check.h"
#include "variables/media/music_metadata.h"
#include "variables/media/photo_metadata.h"

#include <cstdint>

namespace {

// What the names may receive: no control characters, nothing to trim.
bool CleanText(const QString &text) {
  for (QChar c : text)
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
      return false;
  return text == text.trimmed();
}

bool Digits(const QString &text) {
  for (QChar c : text)
    if (c < u'0' || c > u'9')
      return false;
  return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));

  const PhotoInfo photo = ParsePhotoMetadata(bytes).value;
  FUZZ_CHECK(photo.dateTaken.isEmpty() || (photo.dateTaken.size() == 14 && Digits(photo.dateTaken)));
  FUZZ_CHECK(CleanText(photo.make) && CleanText(photo.model));
  FUZZ_CHECK(photo.width >= 0 && photo.height >= 0);

  const MusicTagInfo music = ParseMusicTags(bytes).value;
  FUZZ_CHECK(CleanText(music.title) && CleanText(music.artist) && CleanText(music.album) &&
             CleanText(music.genre));

  // The date parser on the raw bytes too: whatever it accepts is fourteen digits.
  const QString digits = DateTakenDigits(bytes.first(qMin<qsizetype>(bytes.size(), 64)));
  FUZZ_CHECK(digits.isEmpty() || (digits.size() == 14 && Digits(digits)));
  return 0;
}
