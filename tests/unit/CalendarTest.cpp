// Month lengths, first weekdays, the day grid and the minute an alarm stamp
// is reached.
#include <gtest/gtest.h>

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

TEST(Calendar, DayGridPlacesDaysAndColoursTheWeekendAndToday) {
  const platform::LocalTime today{2026, 12, 7, 9, 0, 0, 1};
  // October 2005 starts on a Saturday and has 31 days: buttons 6 to 36.
  auto grid = FillDays("2005", 10, today);
  for (int i = 0; i < kDayButtons; ++i) {
    EXPECT_EQ(grid[i].visible, i >= 6) << i;
    EXPECT_EQ(grid[i].caption, i >= 6 ? std::to_string(i - 5) : "") << i;
  }
  EXPECT_EQ(grid[35].caption, "30");
  EXPECT_EQ(grid[35].colour, Rgb(255, 192, 192));
  EXPECT_EQ(grid[36].colour, Rgb(255, 255, 255));
  EXPECT_EQ(grid[6].colour, Rgb(192, 192, 255));

  // February 2023: 28 days from Wednesday, the rest hidden and white.
  grid = FillDays("2023", 2, today);
  EXPECT_TRUE(grid[30].visible);
  EXPECT_FALSE(grid[31].visible);
  EXPECT_EQ(grid[31].colour, Rgb(255, 255, 255));

  // Today is green only in its own month of its own year.
  grid = FillDays("2026", 12, today);
  EXPECT_EQ(grid[8].caption, "7");
  EXPECT_EQ(grid[8].colour, Rgb(192, 255, 192));
  for (const auto& other : {FillDays("2025", 12, today), FillDays("2026", 11, today)}) {
    for (const auto& button : other) EXPECT_NE(button.colour, Rgb(192, 255, 192));
  }
  // A Sunday today is green, not pink.
  grid = FillDays("2026", 12, {2026, 12, 6, 9, 0, 0, 0});
  EXPECT_EQ(grid[7].colour, Rgb(192, 255, 192));
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
