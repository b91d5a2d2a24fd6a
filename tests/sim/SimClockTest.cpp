// Virtual time: the calendar the program reads must stay right across
// minutes, days, months, leap years and weekdays.
#include <gtest/gtest.h>

#include "platform/sim/SimDesktop.h"
#include "platform/sim/VirtualClock.h"

namespace zlt::sim {
namespace {

using std::chrono::milliseconds;

DesktopConfig StartingAt(platform::LocalTime start) {
  DesktopConfig config;
  config.start = start;
  return config;
}

void ExpectTime(const platform::LocalTime& t, int year, int month, int day, int hour, int minute,
                int second, int weekday) {
  EXPECT_EQ(t.year, year);
  EXPECT_EQ(t.month, month);
  EXPECT_EQ(t.day, day);
  EXPECT_EQ(t.hour, hour);
  EXPECT_EQ(t.minute, minute);
  EXPECT_EQ(t.second, second);
  EXPECT_EQ(t.weekday, weekday);
}

TEST(SimClock, AdvanceCarriesSecondsMinutesDaysMonthsAndYears) {
  Desktop desktop(StartingAt({2026, 12, 31, 23, 59, 58, 4}));
  desktop.Advance(milliseconds(999));
  ExpectTime(desktop.Now(), 2026, 12, 31, 23, 59, 58, 4);  // not yet a whole second
  desktop.Advance(milliseconds(1));
  ExpectTime(desktop.Now(), 2026, 12, 31, 23, 59, 59, 4);
  desktop.Advance(milliseconds(1000));
  ExpectTime(desktop.Now(), 2027, 1, 1, 0, 0, 0, 5);
  EXPECT_EQ(desktop.Ticks(), 2000);
}

TEST(SimClock, LeapDaysAndMonthEnds) {
  Desktop desktop(StartingAt({2028, 2, 28, 12, 0, 0, 0}));
  desktop.Advance(std::chrono::hours(24));
  ExpectTime(desktop.Now(), 2028, 2, 29, 12, 0, 0, 2);
  desktop.Advance(std::chrono::hours(24));
  ExpectTime(desktop.Now(), 2028, 3, 1, 12, 0, 0, 3);
  desktop.SetNow({2100, 2, 28, 0, 0, 0, 0});  // no leap day in 2100
  desktop.Advance(std::chrono::hours(24));
  ExpectTime(desktop.Now(), 2100, 3, 1, 0, 0, 0, 1);
}

TEST(SimClock, RoundTripsThroughMillisecondsOverCenturies) {
  for (int year : {1899, 1970, 1999, 2000, 2026, 2400}) {
    for (int month = 1; month <= 12; ++month) {
      const platform::LocalTime time{year, month, 28, 13, 14, 15, 0};
      const platform::LocalTime back = FromLocalMilliseconds(ToLocalMilliseconds(time));
      EXPECT_EQ(back.year, year);
      EXPECT_EQ(back.month, month);
      EXPECT_EQ(back.day, 28);
      EXPECT_EQ(back.second, 15);
    }
  }
  EXPECT_EQ(FromLocalMilliseconds(-1).year, 1969);
  EXPECT_EQ(FromLocalMilliseconds(-1).second, 59);
  EXPECT_EQ(FromLocalMilliseconds(-1).weekday, 3);  // 31 December 1969 was a Wednesday
}

}  // namespace
}  // namespace zlt::sim
