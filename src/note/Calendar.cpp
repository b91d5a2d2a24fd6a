#include "note/Calendar.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "state/Text.h"

namespace zlt::note {

namespace chrono = std::chrono;

namespace {

constexpr std::array<std::string_view, 7> kWeekdayNames = {"Sun", "Mon", "Tue", "Wed",
                                                           "Thu", "Fri", "Sat"};
constexpr platform::Colour kWhite = platform::Rgb(255, 255, 255);
constexpr platform::Colour kSundayPink = platform::Rgb(255, 192, 192);
constexpr platform::Colour kSaturdayBlue = platform::Rgb(192, 192, 255);
constexpr platform::Colour kTodayGreen = platform::Rgb(192, 255, 192);
constexpr int kLastYear = 9999;  // stamps hold four-digit years

// The month m of year y, counted on from January of y.
chrono::year_month MonthOf(std::int16_t year, std::int16_t month) {
  return chrono::year{year} / chrono::January + chrono::months{month - 1};
}

using Minutes = chrono::sys_time<chrono::minutes>;

Minutes MinuteOf(const platform::LocalTime& time) {
  const chrono::sys_days day{chrono::year{time.year} / time.month / time.day};
  return day + chrono::hours{time.hour} + chrono::minutes{time.minute};
}

std::string StampOfMinute(Minutes minute) {
  const auto day = chrono::floor<chrono::days>(minute);
  const chrono::year_month_day date{day};
  const chrono::hh_mm_ss clock{minute - day};
  std::string text;
  text.reserve(12);
  AppendZeroPadded(text, static_cast<int>(date.year()), 4);
  AppendZeroPadded(text, static_cast<unsigned>(date.month()), 2);
  AppendZeroPadded(text, static_cast<unsigned>(date.day()), 2);
  AppendZeroPadded(text, static_cast<long>(clock.hours().count()), 2);
  AppendZeroPadded(text, static_cast<long>(clock.minutes().count()), 2);
  return text;
}

}  // namespace

std::int16_t GetMonthDays(std::int16_t year, std::int16_t month) {
  const auto ym = MonthOf(year, month);
  const chrono::year_month_day_last last{ym.year(), chrono::month_day_last{ym.month()}};
  return static_cast<std::int16_t>(static_cast<unsigned>(last.day()));
}

std::string GetFirstWeekday(std::int16_t year, std::int16_t month) {
  const chrono::weekday first{chrono::sys_days{MonthOf(year, month) / 1}};
  return std::string(kWeekdayNames[first.c_encoding()]);
}

DayGrid FillDays(std::string_view yearText, int month, const platform::LocalTime& today) {
  const int year = std::atoi(std::string(yearText).c_str());
  const auto y = static_cast<std::int16_t>(year);
  const auto m = static_cast<std::int16_t>(month);
  const auto weekday = GetFirstWeekday(y, m);
  int offset = 0;
  while (kWeekdayNames[static_cast<std::size_t>(offset)] != weekday) ++offset;

  std::string presentYear;
  AppendZeroPadded(presentYear, today.year, 4);
  const bool thisMonth = yearText == presentYear && month == today.month;

  DayGrid grid;
  for (auto& button : grid) button.colour = kWhite;
  const int days = GetMonthDays(y, m);
  for (int day = 1; day <= days; ++day) {
    const int index = offset + day - 1;
    auto& button = grid[static_cast<std::size_t>(index)];
    button.visible = true;
    button.caption = std::to_string(day);
    if (thisMonth && day == today.day) {
      button.colour = kTodayGreen;
    } else if (index % 7 == 0) {
      button.colour = kSundayPink;
    } else if (index % 7 == 6) {
      button.colour = kSaturdayBlue;
    }
  }
  return grid;
}

std::string StampOf(const platform::LocalTime& time) { return StampOfMinute(MinuteOf(time)); }

std::optional<std::int64_t> WaitUntilStampReached(const platform::LocalTime& now,
                                                  std::string_view alarmStamp) {
  // Stamps of later minutes are never smaller: the first minute that reaches
  // the alarm stamp is found by halving, whatever the stamp holds.
  Minutes low = MinuteOf(now);
  Minutes high = MinuteOf({kLastYear, 12, 31, 23, 59});
  if (StampOfMinute(high) < alarmStamp) return std::nullopt;
  while (low < high) {
    const Minutes middle = low + (high - low) / 2;
    if (StampOfMinute(middle) < alarmStamp) {
      low = middle + chrono::minutes{1};
    } else {
      high = middle;
    }
  }
  const auto intoMinute = chrono::seconds{now.second} + chrono::milliseconds{now.millisecond};
  const auto wait = chrono::milliseconds{low - MinuteOf(now)} - intoMinute;
  return std::max<std::int64_t>(0, wait.count());
}

}  // namespace zlt::note
