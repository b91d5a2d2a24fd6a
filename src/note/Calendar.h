// Month arithmetic of the date picker and the alarm: month lengths, first
// weekdays, the day grid and the minute an alarm stamp falls due. Pure
// functions of their arguments; the calendar is the proleptic Gregorian one.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Geometry.h"
#include "platform/System.h"

namespace zlt::note {

// Days of month m of year y (a month beyond 1..12 counts on from January).
std::int16_t GetMonthDays(std::int16_t year, std::int16_t month);
// "Sun" ... "Sat": the weekday of the first of month m, whatever the system language.
std::string GetFirstWeekday(std::int16_t year, std::int16_t month);

inline constexpr int kDayButtons = 37;  // the largest first-day offset (6) plus 31

struct DayButton {
  bool visible = false;
  std::string caption;
  platform::Colour colour = 0;
};
using DayGrid = std::array<DayButton, kDayButtons>;

// The grid for the month monthText of yearText, today marked. The day buttons
// colour Sundays pink, Saturdays light blue, today light green.
DayGrid FillDays(std::string_view yearText, int month, const platform::LocalTime& today);

// "yyyymmddhhmm" of a local time.
std::string StampOf(const platform::LocalTime& time);

// The milliseconds from now until the first minute whose stamp is not below
// alarmStamp (text order); nullopt when no minute up to the year 9999 reaches
// it. For a well-formed stamp that is its own minute; for a damaged one, the
// minute from which the present stamp compares greater.
std::optional<std::int64_t> WaitUntilStampReached(const platform::LocalTime& now,
                                                  std::string_view alarmStamp);

}  // namespace zlt::note
