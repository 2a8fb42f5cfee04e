// The short date and long time formats that a file list writes and reads its date columns with;
// each list keeps its own.
#pragma once

#include "platform/local_time.h"

#include <QString>

#include <memory>

// Formats use the letters d, dd, m, mm, yy, yyyy, h, hh, n, nn (minutes), s, ss, z, zzz; "m" right
// after an hour means minutes. "/" stands for the date separator, ":" for the time separator, text in
// quotes is copied, any other character too.
class DateTimeFormats {
public:
  explicit DateTimeFormats(const QString &shortDate = QStringLiteral("dd/mm/yyyy"),
                           const QString &longTime = QStringLiteral("hh:nn"));

  const QString &ShortDate() const { return m_shortDate; }
  const QString &LongTime() const { return m_longTime; }
  void SetShortDate(const QString &format);
  void SetLongTime(const QString &format);

  // Whether the formats write seconds or milliseconds; when neither does, every instant of one
  // minute gives the same text.
  bool HasSeconds() const;
  // Date in the short date format, one blank, time in the long time format. Empty when the date is
  // not a valid date of the years 1 to 9999 or the time not a valid time of day.
  QString Text(const CalendarFields &fields) const;
  // Reads a text written by Text with these formats; false when it does not fit them.
  bool Parse(const QString &text, CalendarFields &fields) const;

private:
  struct Compiled;
  QString m_shortDate;
  QString m_longTime;
  std::shared_ptr<const Compiled> m_compiled; // shared by copies, replaced on change
};

QChar DateSeparator();
QChar TimeSeparator();

// The fields written with a format.
QString FormatCalendar(const QString &format, const CalendarFields &fields);

// Days since 1970-01-01 with the time of day as the fraction, for comparing dates.
double CalendarToDays(const CalendarFields &fields);
