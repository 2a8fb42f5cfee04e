// Calendar fields of a UTC instant in the local time zone.
#pragma once

#include <cstdint>

struct CalendarFields {
  int Year = 0, Month = 0, Day = 0; // Month and Day from 1
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// The local calendar fields of a UTC instant; false when the system cannot convert it.
// Repeated calls for nearby instants are cheap: the zone offset is remembered per quarter hour.
bool ToLocalCalendar(std::int64_t utcSeconds, std::uint32_t nanoseconds, CalendarFields &fields);

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, and back.
std::int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(std::int64_t days, int &year, int &month, int &day);
