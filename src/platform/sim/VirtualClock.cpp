#include "platform/sim/VirtualClock.h"

namespace zlt::sim {
namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = FloorDiv(year, 400);
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

}  // namespace

std::int64_t ToLocalMilliseconds(const platform::LocalTime& time) {
  // Months out of range carry into years first, the rest through the day count.
  const std::int64_t monthIndex = static_cast<std::int64_t>(time.year) * 12 + (time.month - 1);
  const std::int64_t year = FloorDiv(monthIndex, 12);
  const std::int64_t month = monthIndex - year * 12 + 1;
  const std::int64_t days = DaysFromCivil(year, month, 1) + (time.day - 1);
  return days * kMsPerDay +
         ((static_cast<std::int64_t>(time.hour) * 60 + time.minute) * 60 + time.second) * 1000 +
         time.millisecond;
}

platform::LocalTime FromLocalMilliseconds(std::int64_t milliseconds) {
  const std::int64_t days = FloorDiv(milliseconds, kMsPerDay);
  const std::int64_t msOfDay = milliseconds - days * kMsPerDay;
  const std::int64_t secondsOfDay = msOfDay / 1000;

  const std::int64_t shifted = days + 719468;
  const std::int64_t era = FloorDiv(shifted, 146097);
  const std::int64_t dayOfEra = shifted - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  const std::int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
  const std::int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
  const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);

  platform::LocalTime time;
  time.year = static_cast<int>(year);
  time.month = static_cast<int>(month);
  time.day = static_cast<int>(day);
  time.hour = static_cast<int>(secondsOfDay / 3600);
  time.minute = static_cast<int>(secondsOfDay / 60 % 60);
  time.second = static_cast<int>(secondsOfDay % 60);
  time.millisecond = static_cast<int>(msOfDay % 1000);
  time.weekday = static_cast<int>(((days + 4) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
  return time;
}

VirtualClock::VirtualClock(const platform::LocalTime& start)
    : localAtTickZero_(ToLocalMilliseconds(start)) {}

void VirtualClock::AdvanceTo(std::int64_t ticks) {
  if (ticks > ticks_) ticks_ = ticks;
}

platform::LocalTime VirtualClock::Now() const {
  return FromLocalMilliseconds(localAtTickZero_ + ticks_);
}

void VirtualClock::SetNow(const platform::LocalTime& time) {
  localAtTickZero_ = ToLocalMilliseconds(time) - ticks_;
}

}  // namespace zlt::sim
