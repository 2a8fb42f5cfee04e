#include "platform/name_mask.h"

namespace {

inline char16_t FoldAscii(char16_t c) {
  return (c >= 'A' && c <= 'Z') ? char16_t(c + 32) : c;
}

inline char32_t Fold(char32_t c) {
  return QChar::toCaseFolded(c);
}

// Wildcard match with backtracking to the last "*": linear in practice, no recursion.
template <typename Char, typename FoldFn>
bool WildMatch(const Char *p, qsizetype pn, const Char *s, qsizetype sn, FoldFn fold) {
  qsizetype pi = 0, si = 0, starP = -1, starS = 0;
  while (si < sn) {
    if (pi < pn && p[pi] == '*') {
      starP = pi++;
      starS = si;
    } else if (pi < pn && (p[pi] == '?' || fold(p[pi]) == fold(s[si]))) {
      ++pi;
      ++si;
    } else if (starP >= 0) {
      pi = starP + 1;
      si = ++starS;
    } else {
      return false;
    }
  }
  while (pi < pn && p[pi] == '*')
    ++pi;
  if (pi == pn)
    return true;
  // A trailing ".*" may stand for nothing at all: "name.*" matches "name".
  return pn - pi == 2 && p[pi] == '.' && p[pi + 1] == '*';
}

std::u32string ToUcs4Folded(QStringView text) {
  std::u32string out;
  out.reserve(text.size());
  for (char32_t c : text.toUcs4())
    out.push_back(Fold(c));
  return out;
}

} // namespace

QStringList SplitMask(const QString &mask) {
  return mask.split(QLatin1Char(';'), Qt::KeepEmptyParts);
}

NamePattern::NamePattern(const QString &pattern) : m_pattern(pattern) {
  m_matchesAll = pattern == QLatin1String("*") || pattern == QLatin1String("*.*");
  for (QChar c : pattern)
    if (c.unicode() >= 0x80)
      m_ascii = false;
  m_folded = ToUcs4Folded(pattern);
}

bool NamePattern::Matches(QStringView name) const {
  if (m_pattern.isEmpty() || name.isEmpty())
    return false;
  if (m_matchesAll)
    return true;
  bool asciiName = true;
  for (QChar c : name)
    if (c.unicode() >= 0x80) {
      asciiName = false;
      break;
    }
  if (m_ascii && asciiName)
    return WildMatch(QStringView(m_pattern).utf16(), m_pattern.size(), name.utf16(), name.size(), FoldAscii);
  // Outside ASCII: compare whole characters, case-folded.
  const std::u32string s = ToUcs4Folded(name);
  return WildMatch(m_folded.data(), qsizetype(m_folded.size()), s.data(), qsizetype(s.size()),
                   [](char32_t c) { return c; });
}
