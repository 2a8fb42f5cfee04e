#include "engine/pattern_replace.h"

#include "platform/name_codec.h"

namespace {

// A byte of a name that is not valid UTF-8 is held as a lone surrogate, which the matcher refuses:
// while matching, each such byte stands in as a character of the last private use plane.
constexpr char32_t kByteStandIn = 0x10FF00;

bool IsStandIn(char32_t c) {
  return c >= kByteStandIn + 0x80 && c <= kByteStandIn + 0xFF;
}

// The text with its escaped bytes as stand-ins; empty when it holds a stand-in of its own.
QString WithStandIns(const QString &text) {
  QString out;
  out.reserve(text.size() + 8);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const int byte = EscapedByteAt(text, i);
    if (byte >= 0) {
      const char32_t c = kByteStandIn + char32_t(byte);
      out.append(QChar::highSurrogate(c));
      out.append(QChar::lowSurrogate(c));
      continue;
    }
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() &&
        IsStandIn(QChar::surrogateToUcs4(text[i], text[i + 1])))
      return {};
    out.append(text[i]);
  }
  return out;
}

QString WithoutStandIns(const QString &text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      const char32_t c = QChar::surrogateToUcs4(text[i], text[i + 1]);
      if (IsStandIn(c)) {
        out.append(QChar(char16_t(0xDC00 + (c - kByteStandIn))));
        ++i;
        continue;
      }
    }
    out.append(text[i]);
  }
  return out;
}

bool IsNameStart(QChar c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}

bool IsNameChar(QChar c) {
  return IsNameStart(c) || c.isDigit();
}

bool IsAsciiDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

} // namespace

PatternReplacement::PatternReplacement(const QString &pattern, const QString &replacement, bool matchCase) {
  m_expression.setPattern(pattern);
  if (!matchCase)
    m_expression.setPatternOptions(QRegularExpression::CaseInsensitiveOption);
  if (!m_expression.isValid()) {
    m_error = QStringLiteral("Regular expression \"%1\": %2 at %3")
                  .arg(pattern, m_expression.errorString())
                  .arg(m_expression.patternErrorOffset());
    return;
  }
  m_expression.optimize();
  ReadReplacement(replacement);
}

bool PatternReplacement::ReadReplacement(const QString &replacement) {
  const int groups = m_expression.captureCount();
  const QStringList names = m_expression.namedCaptureGroups();
  QString literal;
  auto endLiteral = [&] {
    if (literal.isEmpty())
      return;
    const bool expands = literal.contains(u'\\');
    m_expands = m_expands || expands;
    m_pieces.push_back({literal, -1, expands});
    literal.clear();
  };
  auto addGroup = [&](int group) {
    endLiteral();
    m_pieces.push_back({QString(), group, false});
  };
  auto missing = [&](QStringView name, qsizetype at) {
    m_error = QStringLiteral("Replacement \"%1\": the regular expression has no group %2 at %3")
                  .arg(replacement, name.toString())
                  .arg(at);
    m_pieces.clear();
    return false;
  };
  const qsizetype n = replacement.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = replacement[i];
    if (c != u'$' || i + 1 == n) {
      literal.append(c);
      continue;
    }
    const QChar next = replacement[i + 1];
    if (next == u'$') {
      literal.append(u'$');
      ++i;
    } else if (next == u'&') {
      addGroup(0);
      ++i;
    } else if (IsAsciiDigit(next)) {
      qsizetype end = i + 2;
      if (end < n && IsAsciiDigit(replacement[end]))
        ++end;
      const QStringView digits = QStringView(replacement).sliced(i + 1, end - i - 1);
      const int group = digits.toInt();
      if (group > groups)
        return missing(digits, i);
      addGroup(group);
      i = end - 1;
    } else if (next == u'{') {
      const qsizetype close = replacement.indexOf(u'}', i + 2);
      const QStringView name =
          close < 0 ? QStringView() : QStringView(replacement).sliced(i + 2, close - i - 2);
      bool number = !name.isEmpty(), word = !name.isEmpty() && IsNameStart(name.front());
      for (QChar k : name) {
        number = number && IsAsciiDigit(k);
        word = word && IsNameChar(k);
      }
      if (!number && !word) { // not a reference: the "$" is itself
        literal.append(c);
        continue;
      }
      const int group =
          number ? (name.size() > 9 ? groups + 1 : name.toInt()) : int(names.indexOf(name.toString()));
      if (group > groups || (!number && group <= 0))
        return missing(name, i);
      addGroup(group);
      i = close;
    } else {
      literal.append(c);
    }
  }
  endLiteral();
  return true;
}

QString PatternReplacement::Apply(const QString &text,
                                  const std::function<QString(const QString &)> &expandText) const {
  if (!m_error.isEmpty())
    return text;
  const bool escaped = HasEscapedBytes(text);
  const QString subject = escaped ? WithStandIns(text) : text;
  if (subject.isEmpty() && !text.isEmpty())
    return text; // a name that holds the stand-ins themselves is left as it is
  QRegularExpressionMatchIterator it = m_expression.globalMatch(subject);
  if (!it.hasNext())
    return text;
  QString out;
  out.reserve(subject.size() + 16);
  qsizetype from = 0;
  while (it.hasNext()) {
    const QRegularExpressionMatch m = it.next();
    out.append(QStringView(subject).sliced(from, m.capturedStart() - from));
    for (const Piece &p : m_pieces) {
      if (p.group >= 0)
        out.append(m.capturedView(p.group));
      else if (p.expands && expandText)
        out.append(expandText(p.text));
      else
        out.append(p.text);
    }
    from = m.capturedEnd();
  }
  out.append(QStringView(subject).sliced(from));
  return escaped ? WithoutStandIns(out) : out;
}
