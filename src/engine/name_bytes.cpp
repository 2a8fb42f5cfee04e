#include "engine/name_bytes.h"

#include "platform/name_codec.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

char *NameBytes::Grow(size_t n) {
  m_capacity = std::max(m_capacity * 2, m_used + n);
  auto bigger = std::make_unique_for_overwrite<char[]>(m_capacity);
  std::memcpy(bigger.get(), m_bytes.get(), m_used);
  m_bytes = std::move(bigger);
  return m_bytes.get() + m_used;
}

// The most bytes a file name may have (NAME_MAX of Linux file systems): a longer one fails.
constexpr qsizetype kLongestName = 255;

qsizetype WriteAllowedName(QStringView name, NameBytes &bytes, bool &ascii) {
  if (name.isEmpty() || name == u"." || name == u"..")
    return -1;
  const qsizetype n = name.size();
  const char16_t *in = name.utf16();
  char *out = bytes.Room(size_t(n) * 3);
  // Plain ASCII is copied as it is looked at: any character below 0x20, "/" or 0x7F refuses the
  // name; any beyond 0x7F sends it the long way.
  bool refused = false, wide = false;
  qsizetype k = 0;
#ifdef __SSE2__
  if (n >= 8) {
    // Eight at a time, the last eight overlapping those before.
    __m128i low = _mm_setzero_si128(), high = _mm_setzero_si128();
    for (qsizetype at = 0;; at += 8) {
      at = std::min(at, n - 8);
      const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + at));
      low = _mm_or_si128(low, _mm_subs_epu16(_mm_set1_epi16(0x20), c)); // not 0 where c < 0x20
      low = _mm_or_si128(low, _mm_cmpeq_epi16(c, _mm_set1_epi16('/')));
      low = _mm_or_si128(low, _mm_cmpeq_epi16(c, _mm_set1_epi16(0x7F)));
      high = _mm_or_si128(high, _mm_subs_epu16(c, _mm_set1_epi16(0x7F))); // not 0 where c > 0x7F
      _mm_storel_epi64(reinterpret_cast<__m128i *>(out + at), _mm_packus_epi16(c, c));
      if (at + 8 == n)
        break;
    }
    const __m128i zero = _mm_setzero_si128();
    refused = _mm_movemask_epi8(_mm_cmpeq_epi8(low, zero)) != 0xFFFF;
    wide = _mm_movemask_epi8(_mm_cmpeq_epi8(high, zero)) != 0xFFFF;
    k = n;
  }
#endif
  for (; k < n; ++k) {
    const char16_t c = in[k];
    refused |= c < 0x20 || c == u'/' || c == 0x7F;
    wide |= c > 0x7F;
    out[k] = char(c);
  }
  ascii = !wide;
  if (!wide)
    return refused || n > kLongestName ? -1 : n;
  for (const QChar c : name)
    if (c == u'/' || c.unicode() < 0x20 || c.unicode() == 0x7F)
      return -1;
  const QByteArray encoded = EncodeName(name);
  if (encoded.size() > kLongestName)
    return -1;
  std::memcpy(out, encoded.constData(), size_t(encoded.size()));
  return encoded.size();
}
