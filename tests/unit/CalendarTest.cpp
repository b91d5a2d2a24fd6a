// Month lengths, first weekdays, the day grid and the minute an alarm stamp
// is reached.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <string>

#include "note/Calendar.h"
#include "state/Text.h"

namespace zlt::note {
namespace {

using platform::Rgb;

TEST(Calendar, MonthLengthsAndFirstWeekdays) {
  struct Case {
    int year, month, days;
    const char* first;
  };
  const Case cases[] = {
      {2005, 10, 31, "Sat"}, {2005, 5, 31, "Sun"}, {2024, 2, 29, "Thu"},  {2023, 2, 28, "Wed"},
      {2000, 2, 29, "Tue"},  {1900, 2, 28, "Thu"}, {2026, 12, 31, "Tue"}, {2026, 4, 30, "Wed"},
      {2026, 13, 31, "Fri"},  // thirteen months on from January is the next January
  };
  for (const auto& c : cases) {
    const auto y = static_cast<std::int16_t>(c.year);
    const auto m = static_cast<std::int16_t>(c.month);
    EXPECT_EQ(GetMonthDays(y, m), c.days) << c.year << "/" << c.month;
    EXPECT_EQ(GetFirstWeekday(y, m), c.first) << c.year << "/" << c.month;
  }
}

// The grid as one letter a button, a week to a word: "." hidden (white and without caption),
// and for days numbered from 1 in order "W" white, "P" pink for Sunday, "B" blue for Saturday
// and "G" green for today; "?" is anything else.
std::string Letters(const DayGrid& grid) {
  constexpr std::array kColours{Rgb(255, 255, 255), Rgb(255, 192, 192), Rgb(192, 192, 255),
                                Rgb(192, 255, 192)};
  std::string letters;
  int day = 0;
  for (std::size_t i = 0; i < grid.size(); ++i) {
    const DayButton& button = grid[i];
    if (i > 0 && i % 7 == 0) letters += ' ';
    const bool numbered = button.caption == (button.visible ? std::to_string(++day) : "");
    const auto colour = std::ranges::find(kColours, button.colour) - kColours.begin();
    letters += !numbered ? '?' : button.visible ? "WPBG?"[colour] : colour == 0 ? '.' : '?';
  }
  return letters;
}

// Today is green only in its own month of its own year, a Sunday too.
TEST(Calendar, DayGridPlacesDaysAndColoursTheWeekendAndToday) {
  const platform::LocalTime today{2026, 12, 7, 9, 0, 0, 1};
  EXPECT_EQ(Letters(FillDays("2005", 10, today)), "......B PWWWWWB PWWWWWB PWWWWWB PWWWWWB PW");
  EXPECT_EQ(Letters(FillDays("2023", 2, today)), "...WWWB PWWWWWB PWWWWWB PWWWWWB PWW.... ..");
  EXPECT_EQ(Letters(FillDays("2026", 12, today)), "..WWWWB PGWWWWB PWWWWWB PWWWWWB PWWWW.. ..");
  EXPECT_EQ(Letters(FillDays("2025", 12, today)), ".WWWWWB PWWWWWB PWWWWWB PWWWWWB PWWW... ..");
  EXPECT_EQ(Letters(FillDays("2026", 11, today)), "PWWWWWB PWWWWWB PWWWWWB PWWWWWB PW..... ..");
  EXPECT_EQ(Letters(FillDays("2026", 12, {2026, 12, 6, 9, 0, 0, 0})),
            "..WWWWB GWWWWWB PWWWWWB PWWWWWB PWWWW.. ..");
}

TEST(Calendar, WaitUntilTheAlarmMinute) {
  const platform::LocalTime now{2026, 12, 7, 9, 0, 30, 1, 250};
  EXPECT_EQ(StampOf(now), "202612070900");
  struct Case {
    const char* stamp;
    std::optional<std::int64_t> waitMs;
  };
  const Case cases[] = {
      {"202612070901", 29'750},
      {"202612080900", 24LL * 3600'000 - 30'250},
      {"202701010000", (24LL * 24 * 60 + 15 * 60) * 60'000 - 30'250},
      // Damaged stamps: the minute from which the present one compares greater.
      {"20261207099", 60 * 60'000 - 30'250},      // minute "9x" cannot be: 10:00 passes it
      {"2026120799", 15 * 60 * 60'000 - 30'250},  // reached at the next day's 00:00
      {"A", std::nullopt},                        // never
  };
  for (const auto& c : cases) EXPECT_EQ(WaitUntilStampReached(now, c.stamp), c.waitMs) << c.stamp;
}

TEST(Calendar, NumbersArePaddedAsStampsAndDatesNeedThem) {
  struct Case {
    long value;
    int width;
    const char* want;
  };
  const Case cases[] = {
      {9, 2, "09"},        {0, 2, "00"},   {2026, 4, "2026"}, {7, 4, "0007"},
      {12345, 4, "12345"}, {-5, 3, "-05"}, {-5, 1, "-5"},     {0, 0, "0"},
  };
  for (const Case& c : cases) {
    std::string text = "x";
    AppendZeroPadded(text, c.value, c.width);
    EXPECT_EQ(text, std::string("x") + c.want) << c.value << " in " << c.width;
  }
  std::string lowest;
  AppendZeroPadded(lowest, std::numeric_limits<long>::min(), 2);
  EXPECT_EQ(lowest, std::to_string(std::numeric_limits<long>::min()));
}

}  // namespace
}  // namespace zlt::note
