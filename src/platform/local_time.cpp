#include "platform/local_time.h"

#include <ctime>

std::int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = unsigned(y - era * 400);
  const unsigned doy = unsigned((153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1);
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + std::int64_t(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int &year, int &month, int &day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = unsigned(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = int(doy - (153 * mp + 2) / 5 + 1);
  month = int(mp < 10 ? mp + 3 : mp - 9);
  year = int(yoe + era * 400 + (month <= 2));
}

bool ToLocalCalendar(std::int64_t utcSeconds, std::uint32_t nanoseconds, CalendarFields &f) {
  // Zone offsets change on quarter hours at most, so one lookup serves a whole quarter hour.
  thread_local std::int64_t cachedQuarter = INT64_MIN;
  thread_local long cachedOffset = 0;
  const std::int64_t quarter = (utcSeconds >= 0 ? utcSeconds : utcSeconds - 899) / 900;
  if (quarter != cachedQuarter) {
    const time_t t = time_t(utcSeconds);
    struct tm local;
    if (!localtime_r(&t, &local))
      return false;
    cachedOffset = local.tm_gmtoff;
    cachedQuarter = quarter;
  }
  const std::int64_t localSeconds = utcSeconds + cachedOffset;
  std::int64_t days = localSeconds / 86400;
  std::int64_t rest = localSeconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  CivilFromDays(days, f.Year, f.Month, f.Day);
  f.Hour = int(rest / 3600);
  f.Minute = int(rest / 60 % 60);
  f.Second = int(rest % 60);
  f.Millisecond = int(nanoseconds / 1000000);
  return true;
}
