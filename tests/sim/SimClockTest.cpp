// Virtual time: the calendar the program reads must stay right across
// minutes, days, months, leap years and weekdays.
#include <gtest/gtest.h>

#include <array>

#include "platform/sim/SimDesktop.h"
#include "platform/sim/VirtualClock.h"

namespace zlt::sim {
namespace {

using std::chrono::hours;
using std::chrono::milliseconds;

// Year, month, day, hour, minute, second and weekday.
std::array<int, 7> Fields(const platform::LocalTime& t) {
  return {t.year, t.month, t.day, t.hour, t.minute, t.second, t.weekday};
}

TEST(SimClock, AdvanceCarriesIntoMinutesDaysMonthsYearsAndLeapDays) {
  struct Case {
    platform::LocalTime start;
    milliseconds step;
    std::array<int, 7> after;
  };
  const Case cases[] = {
      {{2026, 12, 31, 23, 59, 58, 4}, milliseconds(999), {2026, 12, 31, 23, 59, 58, 4}},
      {{2026, 12, 31, 23, 59, 58, 4}, milliseconds(1000), {2026, 12, 31, 23, 59, 59, 4}},
      {{2026, 12, 31, 23, 59, 58, 4}, milliseconds(2000), {2027, 1, 1, 0, 0, 0, 5}},
      {{2028, 2, 28, 12, 0, 0, 1}, hours(24), {2028, 2, 29, 12, 0, 0, 2}},
      {{2028, 2, 28, 12, 0, 0, 1}, hours(48), {2028, 3, 1, 12, 0, 0, 3}},
      {{2100, 2, 28, 0, 0, 0, 0}, hours(24), {2100, 3, 1, 0, 0, 0, 1}},  // no leap day in 2100
  };
  for (const auto& c : cases) {
    DesktopConfig config;
    config.start = c.start;
    Desktop desktop(config);
    desktop.Advance(c.step);
    EXPECT_EQ(Fields(desktop.Now()), c.after) << c.start.year << " + " << c.step.count() << " ms";
    EXPECT_EQ(desktop.Ticks(), c.step.count());
  }
}

TEST(SimClock, RoundTripsThroughMillisecondsOverCenturies) {
  for (int year : {1899, 1970, 1999, 2000, 2026, 2400}) {
    for (int month = 1; month <= 12; ++month) {
      const platform::LocalTime time{year, month, 28, 13, 14, 15, 0};
      const auto back = Fields(FromLocalMilliseconds(ToLocalMilliseconds(time)));
      EXPECT_EQ((std::array{back[0], back[1], back[2], back[5]}),
                (std::array{year, month, 28, 15}));
    }
  }
  // 31 December 1969, 23:59:59, was a Wednesday.
  EXPECT_EQ(Fields(FromLocalMilliseconds(-1)), (std::array{1969, 12, 31, 23, 59, 59, 3}));
}

}  // namespace
}  // namespace zlt::sim
