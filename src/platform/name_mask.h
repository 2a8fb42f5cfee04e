// File name patterns: "*" any run, "?" one character, letter case ignored, several patterns joined by ";".
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <string>

// The pieces of a mask cut at every ";", unchanged (no trimming); empty pieces are kept.
QStringList SplitMask(const QString &mask);

// One compiled pattern, matched against many names.
class NamePattern {
public:
  explicit NamePattern(const QString &pattern);
  // Whether the name matches. An empty pattern matches nothing; "*" and "*.*" match every name,
  // and a pattern ending in ".*" also matches the name without that dot ("notes.*" matches "notes").
  bool Matches(QStringView name) const;
  const QString &Pattern() const { return m_pattern; }

private:
  QString m_pattern;
  std::u32string m_folded; // the pattern as case-folded characters
  bool m_matchesAll = false;
  bool m_ascii = true;
};

inline bool MaskMatches(const QString &pattern, QStringView name) {
  return NamePattern(pattern).Matches(name);
}
