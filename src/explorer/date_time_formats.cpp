#include "explorer/date_time_formats.h"

#include <memory>
#include <vector>

namespace {

enum class Tok { Literal, Day, Month, Year2, Year4, Hour, Minute, Second, Milli };

struct Token {
  Tok Kind = Tok::Literal;
  int Width = 0; // digits written: 1 means as many as needed
  QString Text;  // for a literal
};

void AddLiteral(std::vector<Token> &tokens, const QString &text) {
  if (!tokens.empty() && tokens.back().Kind == Tok::Literal)
    tokens.back().Text += text;
  else
    tokens.push_back(Token{Tok::Literal, 0, text});
}

std::vector<Token> Compile(const QString &format) {
  std::vector<Token> tokens;
  bool afterHour = false;
  qsizetype i = 0;
  while (i < format.size()) {
    const QChar c = format[i];
    const char16_t lower = c.toLower().unicode();
    if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
      const qsizetype end = format.indexOf(c, i + 1);
      const qsizetype stop = end < 0 ? format.size() : end;
      AddLiteral(tokens, format.mid(i + 1, stop - i - 1));
      i = stop + 1;
      continue;
    }
    if (c == QLatin1Char('/')) {
      AddLiteral(tokens, QString(DateSeparator()));
      ++i;
      continue;
    }
    if (c == QLatin1Char(':')) {
      AddLiteral(tokens, QString(TimeSeparator()));
      ++i;
      continue;
    }
    if (lower != 'd' && lower != 'm' && lower != 'y' && lower != 'h' && lower != 'n' && lower != 's' &&
        lower != 'z') {
      AddLiteral(tokens, QString(c));
      ++i;
      continue;
    }
    qsizetype run = 1;
    while (i + run < format.size() && format[i + run].toLower().unicode() == lower)
      ++run;
    i += run;
    Token t;
    t.Width = run >= 2 ? 2 : 1;
    switch (lower) {
    case 'd':
      t.Kind = Tok::Day;
      break;
    case 'm':
      t.Kind = afterHour ? Tok::Minute : Tok::Month;
      break;
    case 'y':
      t.Kind = run <= 2 ? Tok::Year2 : Tok::Year4;
      t.Width = run <= 2 ? 2 : 4;
      break;
    case 'h':
      t.Kind = Tok::Hour;
      break;
    case 'n':
      t.Kind = Tok::Minute;
      break;
    case 's':
      t.Kind = Tok::Second;
      break;
    default:
      t.Kind = Tok::Milli;
      t.Width = run >= 3 ? 3 : 1;
      break;
    }
    afterHour = t.Kind == Tok::Hour;
    tokens.push_back(t);
  }
  return tokens;
}

int FieldValue(Tok kind, const CalendarFields &f) {
  switch (kind) {
  case Tok::Day:
    return f.Day;
  case Tok::Month:
    return f.Month;
  case Tok::Year2:
    return f.Year % 100;
  case Tok::Year4:
    return f.Year;
  case Tok::Hour:
    return f.Hour;
  case Tok::Minute:
    return f.Minute;
  case Tok::Second:
    return f.Second;
  case Tok::Milli:
    return f.Millisecond;
  default:
    return 0;
  }
}

void Write(QString &out, const std::vector<Token> &tokens, const CalendarFields &f) {
  for (const Token &t : tokens) {
    if (t.Kind == Tok::Literal) {
      out += t.Text;
      continue;
    }
    const int value = FieldValue(t.Kind, f);
    char16_t digits[12];
    int n = 0;
    unsigned v = unsigned(value < 0 ? -value : value);
    do {
      digits[n++] = char16_t(u'0' + v % 10);
      v /= 10;
    } while (v);
    while (n < t.Width)
      digits[n++] = u'0';
    while (n)
      out += QChar(digits[--n]);
  }
}

bool IsValid(const CalendarFields &f) {
  static const int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (f.Year < 1 || f.Year > 9999 || f.Month < 1 || f.Month > 12 || f.Day < 1)
    return false;
  const bool leap = (f.Year % 4 == 0 && f.Year % 100 != 0) || f.Year % 400 == 0;
  const int days = monthDays[f.Month - 1] + (f.Month == 2 && leap ? 1 : 0);
  return f.Day <= days && f.Hour >= 0 && f.Hour < 24 && f.Minute >= 0 && f.Minute < 60 && f.Second >= 0 &&
         f.Second < 60 && f.Millisecond >= 0 && f.Millisecond < 1000;
}

// Reads the tokens from text at pos; fields not in the format stay as they are.
bool Read(const QString &text, qsizetype &pos, const std::vector<Token> &tokens, CalendarFields &f) {
  for (const Token &t : tokens) {
    if (t.Kind == Tok::Literal) {
      if (!QStringView(text).mid(pos).startsWith(t.Text))
        return false;
      pos += t.Text.size();
      continue;
    }
    const int maxDigits = t.Kind == Tok::Year4 ? 4 : t.Kind == Tok::Milli ? 3 : 2;
    int value = 0, digits = 0;
    while (digits < maxDigits && pos < text.size() && text[pos].isDigit() && text[pos].unicode() < 128) {
      value = value * 10 + (text[pos].unicode() - '0');
      ++pos;
      ++digits;
    }
    if (digits == 0)
      return false;
    switch (t.Kind) {
    case Tok::Day:
      f.Day = value;
      break;
    case Tok::Month:
      f.Month = value;
      break;
    case Tok::Year2:
      f.Year = 2000 + value;
      break;
    case Tok::Year4:
      f.Year = value;
      break;
    case Tok::Hour:
      f.Hour = value;
      break;
    case Tok::Minute:
      f.Minute = value;
      break;
    case Tok::Second:
      f.Second = value;
      break;
    default:
      f.Millisecond = value;
      break;
    }
  }
  return true;
}

} // namespace

struct DateTimeFormats::Compiled {
  std::vector<Token> Date;
  std::vector<Token> Time;
};

DateTimeFormats::DateTimeFormats(const QString &shortDate, const QString &longTime)
    : m_shortDate(shortDate), m_longTime(longTime),
      m_compiled(std::make_shared<const Compiled>(Compiled{Compile(shortDate), Compile(longTime)})) {}

void DateTimeFormats::SetShortDate(const QString &format) {
  if (format == m_shortDate)
    return;
  auto compiled = std::make_shared<Compiled>(*m_compiled);
  compiled->Date = Compile(format);
  m_shortDate = format;
  m_compiled = std::move(compiled);
}

void DateTimeFormats::SetLongTime(const QString &format) {
  if (format == m_longTime)
    return;
  auto compiled = std::make_shared<Compiled>(*m_compiled);
  compiled->Time = Compile(format);
  m_longTime = format;
  m_compiled = std::move(compiled);
}

bool DateTimeFormats::HasSeconds() const {
  for (const std::vector<Token> *tokens : {&m_compiled->Date, &m_compiled->Time})
    for (const Token &t : *tokens)
      if (t.Kind == Tok::Second || t.Kind == Tok::Milli)
        return true;
  return false;
}

QString DateTimeFormats::Text(const CalendarFields &fields) const {
  if (!IsValid(fields))
    return QString();
  QString out;
  out.reserve(20);
  Write(out, m_compiled->Date, fields);
  out += QLatin1Char(' ');
  Write(out, m_compiled->Time, fields);
  return out;
}

bool DateTimeFormats::Parse(const QString &text, CalendarFields &fields) const {
  CalendarFields f;
  qsizetype pos = 0;
  if (!Read(text, pos, m_compiled->Date, f))
    return false;
  if (pos < text.size()) {
    if (text[pos] != QLatin1Char(' '))
      return false;
    ++pos;
    if (!Read(text, pos, m_compiled->Time, f) || pos != text.size())
      return false;
  }
  if (!IsValid(f))
    return false;
  fields = f;
  return true;
}

QChar DateSeparator() {
  return QLatin1Char('/');
}
QChar TimeSeparator() {
  return QLatin1Char(':');
}

QString FormatCalendar(const QString &format, const CalendarFields &fields) {
  QString out;
  Write(out, Compile(format), fields);
  return out;
}

double CalendarToDays(const CalendarFields &f) {
  return double(DaysFromCivil(f.Year, f.Month, f.Day)) +
         (f.Hour * 3600000.0 + f.Minute * 60000.0 + f.Second * 1000.0 + f.Millisecond) / 86400000.0;
}
