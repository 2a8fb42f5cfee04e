// The process-wide short date and long time formats that the file list's date columns (and every
// other date text of the program) are written and read with.
#pragma once

#include "platform/local_time.h"

#include <QString>

// Formats use the letters d, dd, m, mm, yy, yyyy, h, hh, n, nn (minutes), s, ss, z, zzz; "m" right
// after an hour means minutes. "/" stands for the date separator, ":" for the time separator, text in
// quotes is copied, any other character too.
const QString &ShortDateFormat();
const QString &LongTimeFormat();
void SetShortDateFormat(const QString &format);
void SetLongTimeFormat(const QString &format);
QChar DateSeparator();
QChar TimeSeparator();

// Whether the short date or long time format writes seconds or milliseconds; when neither does,
// every instant of one minute gives the same date text.
bool DateTimeTextHasSeconds();

// The fields written with a format.
QString FormatCalendar(const QString &format, const CalendarFields &fields);

// Date in the short date format, one blank, time in the long time format. Empty when the date is not
// a valid date of the years 1 to 9999 or the time not a valid time of day.
QString DateTimeText(const CalendarFields &fields);

// Reads a text written by DateTimeText with the current formats; false when it does not fit them.
bool ParseDateTimeText(const QString &text, CalendarFields &fields);

// Days since 1970-01-01 with the time of day as the fraction, for comparing dates.
double CalendarToDays(const CalendarFields &fields);
