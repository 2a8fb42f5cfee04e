#include "engine/string_functions.h"

#include "platform/name_codec.h"

#include <QTextBoundaryFinder>

NameParts SplitName(const QString &caption) {
  const qsizetype dot = caption.lastIndexOf(QLatin1Char('.'));
  if (dot <= 0)
    return {caption, QString()};
  return {caption.left(dot), caption.mid(dot + 1)};
}

QString ReplaceAllText(const QString &source, const QString &find, const QString &replacement,
                       bool ignoreCase) {
  return ReplaceAllTextWith(source, find, ignoreCase, [&]() -> const QString & { return replacement; });
}

namespace {

// Converts in place when every character is ASCII; returns false (text untouched) otherwise.
template <char16_t From, char16_t To> bool AsciiCaseInPlace(QString &text) {
  const char16_t *begin = reinterpret_cast<const char16_t *>(text.constData());
  const char16_t *end = begin + text.size();
  bool change = false;
  for (const char16_t *c = begin; c != end; ++c) {
    if (*c >= 0x80)
      return false;
    change |= (*c >= From && *c <= To);
  }
  if (!change)
    return true;
  for (QChar &c : text) // detaches once
    if (c.unicode() >= From && c.unicode() <= To)
      c = QChar(c.unicode() ^ 0x20);
  return true;
}

} // namespace

QString UpperCase(QString text) {
  if (AsciiCaseInPlace<u'a', u'z'>(text))
    return text;
  return ChangeKeepingEscapedBytes(std::move(text), [](QString run) { return std::move(run).toUpper(); });
}

QString LowerCase(QString text) {
  if (AsciiCaseInPlace<u'A', u'Z'>(text))
    return text;
  return ChangeKeepingEscapedBytes(std::move(text), [](QString run) { return std::move(run).toLower(); });
}

namespace {

bool IsWordSeparator(QChar c) {
  return c == QLatin1Char(' ') || c == QLatin1Char('(');
}

// Applies caseOfWord to the whole text and caseOfFirst to the first letter of every word.
template <typename WholeCase, typename FirstCase>
QString CaseByWords(const QString &text, WholeCase caseOfWord, FirstCase caseOfFirst) {
  const QString whole = caseOfWord(text);
  QString result;
  result.reserve(whole.size());
  bool wordStart = true;
  for (qsizetype i = 0; i < whole.size();) {
    const qsizetype len = (whole.at(i).isHighSurrogate() && i + 1 < whole.size()) ? 2 : 1;
    const QStringView letter = QStringView(whole).mid(i, len);
    if (IsWordSeparator(whole.at(i))) {
      result.append(letter);
      wordStart = true;
    } else if (wordStart) {
      result.append(caseOfFirst(letter.toString()));
      wordStart = false;
    } else {
      result.append(letter);
    }
    i += len;
  }
  return result;
}

} // namespace

QString FirstLetterUp(const QString &text) {
  return CaseByWords(
      text, [](const QString &s) { return LowerCase(s); }, [](const QString &s) { return UpperCase(s); });
}

QString FirstLetterLow(const QString &text) {
  return CaseByWords(
      text, [](const QString &s) { return UpperCase(s); }, [](const QString &s) { return LowerCase(s); });
}

QString ReplaceForbiddenChars(const QString &text) {
  static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
  QString result = text;
  for (QChar &c : result)
    if (forbidden.contains(c))
      c = QLatin1Char('#');
  return result;
}

namespace {

// Plain letter for each code point from U+00C0 to U+00FF, or 0 when it is not one of the forty.
struct AccentTable {
  char16_t plain[64] = {};
  AccentTable() {
    const char16_t *accented[5] = {u"\u00E1\u00E9\u00ED\u00F3\u00FA", u"\u00E0\u00E8\u00EC\u00F2\u00F9",
                                   u"\u00E4\u00EB\u00EF\u00F6\u00FC", u"\u00E2\u00EA\u00EE\u00F4\u00FB",
                                   nullptr};
    const char16_t vowels[] = u"aeiou";
    for (int row = 0; accented[row]; ++row) {
      for (int v = 0; v < 5; ++v) {
        const char16_t lower = accented[row][v];
        const char16_t upper = lower - 0x20; // the capital twins sit 0x20 lower in Latin-1
        plain[lower - 0xC0] = vowels[v];
        plain[upper - 0xC0] = vowels[v] - 0x20;
      }
    }
  }
};

const AccentTable kAccents;

inline char16_t PlainLetter(char16_t c) {
  return (c >= 0xC0 && c <= 0xFF) ? kAccents.plain[c - 0xC0] : 0;
}

} // namespace

namespace {

bool IsPlainVowel(char16_t c) {
  switch (c) {
  case u'a':
  case u'e':
  case u'i':
  case u'o':
  case u'u':
  case u'A':
  case u'E':
  case u'I':
  case u'O':
  case u'U':
    return true;
  default:
    return false;
  }
}

// The combining acute, grave, diaeresis and circumflex: the four accents a letter loses.
bool IsRemovedMark(char16_t c) {
  return c == 0x0301 || c == 0x0300 || c == 0x0308 || c == 0x0302;
}

// Where a change starts: a precomposed accented vowel, or a plain vowel followed by one of the four
// combining accents (as names written on some systems spell them); n when there is none.
qsizetype FirstAccent(const char16_t *data, qsizetype n) {
  for (qsizetype i = 0; i < n; ++i) {
    if (PlainLetter(data[i]))
      return i;
    if (IsRemovedMark(data[i]) && i > 0 && IsPlainVowel(data[i - 1]))
      return i;
  }
  return n;
}

} // namespace

QString RemoveAccents(const QString &text) {
  const qsizetype n = text.size();
  const char16_t *data = reinterpret_cast<const char16_t *>(text.constData());
  qsizetype i = FirstAccent(data, n);
  if (i == n)
    return text; // nothing to change: no copy
  QString result;
  result.reserve(n);
  result.append(QStringView(text).first(i));
  for (; i < n; ++i) {
    const char16_t c = data[i];
    if (const char16_t p = PlainLetter(c))
      result.append(QChar(p));
    else if (!(IsRemovedMark(c) && i > 0 && IsPlainVowel(data[i - 1])))
      result.append(QChar(c));
  }
  return result;
}

namespace {

// True when every character stands alone: no surrogate, no combining mark or other joiner.
bool EveryCharIsOneLetter(const QString &text) {
  for (QChar c : text)
    if (c.unicode() >= 0x0300)
      return false;
  return true;
}

} // namespace

QString CropLeft(const QString &text, int n) {
  if (n <= 0)
    return text;
  if (EveryCharIsOneLetter(text))
    return n >= text.size() ? QString() : text.mid(n);
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
  qsizetype pos = 0;
  for (int k = 0; k < n; ++k) {
    pos = finder.toNextBoundary();
    if (pos < 0 || pos >= text.size())
      return QString();
  }
  return text.mid(pos);
}

QString CropRight(const QString &text, int n) {
  if (n <= 0)
    return text;
  if (EveryCharIsOneLetter(text))
    return n >= text.size() ? QString() : text.left(text.size() - n);
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
  finder.toEnd();
  qsizetype pos = text.size();
  for (int k = 0; k < n; ++k) {
    pos = finder.toPreviousBoundary();
    if (pos <= 0)
      return QString();
  }
  return text.left(pos);
}
