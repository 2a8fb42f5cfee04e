// The unread rest of a text being expanded, with the selector tests and count parameters taken from it.
#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <optional>

class VariableScan {
public:
  explicit VariableScan(QStringView text) : m_text(text) {}

  bool AtEnd() const { return m_pos >= m_text.size(); }
  qsizetype Position() const { return m_pos; }
  void SetPosition(qsizetype pos) { m_pos = pos; }
  QStringView Text() const { return m_text; }
  QStringView Rest() const { return m_text.sliced(m_pos); }

  // Selector test: when the next character is one of the set (case-sensitive), it is taken and
  // returned; otherwise nothing is taken.
  std::optional<QChar> Take(QLatin1StringView set) {
    if (AtEnd())
      return std::nullopt;
    const QChar c = m_text[m_pos];
    if (c.unicode() > 0xff || !set.contains(c))
      return std::nullopt;
    ++m_pos;
    return c;
  }

  // Count parameter: one digit, or two when the pair is 10 to 64; nothing when no digit follows.
  std::optional<int> TakeCount() {
    const int first = DigitAt(m_pos);
    if (first < 0)
      return std::nullopt;
    ++m_pos;
    const int second = DigitAt(m_pos);
    if (second >= 0 && ((first >= 1 && first <= 5) || (first == 6 && second <= 4))) {
      ++m_pos;
      return first * 10 + second;
    }
    return first;
  }

private:
  int DigitAt(qsizetype i) const {
    if (i >= m_text.size())
      return -1;
    const char16_t c = m_text[i].unicode();
    return c >= u'0' && c <= u'9' ? c - u'0' : -1;
  }

  QStringView m_text;
  qsizetype m_pos = 0;
};
