// A note's model without a window: what Cancel puts back, what its alarm and options decide, the
// calendar and the minute an alarm stamp is reached, where the snap puts a note (strict 200-twip
// margins, right and bottom last) and where the arrange commands put each note, exactly, where
// the behaviour tests cannot see it. What a save writes of a note is the behaviour tests' (whole
// files compared byte for byte), as are a plain pull, a note out of reach and a monitor's inner
// edge for the snap, and the columns on screen for the arrange commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <tuple>

#include "manager/ArrangePositions.h"
#include "note/Calendar.h"
#include "note/NoteModel.h"
#include "note/Snap.h"
#include "state/Text.h"

namespace zlt::note {
namespace {

using manager::ArrangedPosition, manager::ArrangeMode;
using platform::Rgb, platform::Twips, platform::TwipsRect;

constexpr Twips kW = 3360, kH = 480;  // a collapsed note

// Content is text other than spaces, or an alarm; only an untouched note is blank.
TEST(NoteModelTest, ContentAndBlanknessAndTheCancelCopyWithTimesAsTwoDigits) {
  // title, details, alarm, date, hour, options; whether it has content, whether it is blank
  using Case = std::tuple<const char*, const char*, bool, const char*, const char*, DisplayOptions,
                          bool, bool>;
  const Case cases[] = {
      {"", "", false, "0000/00/00", "00", {}, false, true},
      {"   ", "  ", false, "0000/00/00", "00", {}, false, true},
      {"\t", "", false, "0000/00/00", "00", {}, true, false},    // only the space character is
                                                                 // blank
      {"", "\r\n", false, "0000/00/00", "00", {}, true, false},  // line breaks are kept
      {"　", "", false, "0000/00/00", "00", {}, true, false},    // an ideographic space is text
      {"", "", true, "0000/00/00", "00", {}, true, false},       // an alarm alone is worth keeping
      {" x ", "", false, "0000/00/00", "00", {}, true, false},
      {"", "", false, " 0000/00/00 ", "00", {}, false, true},  // spaces around fields do not
                                                               // count
      {"", "", false, "0000/00/00", "07", {}, false, false},
      {"", "", false, "0000/00/00", "00", {false, false}, false, true},  // options are no
                                                                         // content
  };
  for (const auto& [title, details, alarm, date, hour, options, content, blank] : cases) {
    const ShownValues shown{title, details, {alarm, false, date, hour, "00"}, options};
    EXPECT_EQ(std::pair(shown.HasContent(), shown.IsBlank()), std::pair(content, blank))
        << title << "|" << details << "|" << date << "|" << hour;
  }

  // The Cancel copy holds every value as shown but the hour and minute, which come back as whole
  // numbers of two digits.
  const std::pair<std::string, std::string> times[] = {
      {"7", "07"}, {"07", "07"}, {"", "00"}, {"  9 ", "09"}, {"ab", "00"}, {"123", "123"}};
  const auto shown = [](const std::string& time) {
    return ShownValues{"title", "details", {true, true, "2026/12/24", time, time}, {false, true}};
  };
  for (const auto& [typed, kept] : times)
    EXPECT_EQ(shown(typed).CancelCopy(), shown(kept)) << typed;
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

// The stamp an alarm is set for, whether a save arms it, and how long until the present minute
// reaches a stamp.
TEST(NoteModelTest, TheAlarmStampWhetherASaveArmsItWhenItIsReachedAndTheCalendar) {
  NoteAlarm alarm{true, false, "2005/07/30", "09", "30"};
  EXPECT_EQ(alarm.Stamp(), "200507300930");
  EXPECT_TRUE(alarm.WaitsAfterSave("200507300929"));
  alarm.on = false;
  EXPECT_FALSE(alarm.WaitsAfterSave("200001010000")) << "unticked never waits";
  // A damaged date gives what its characters give, never half a character.
  alarm.date = "年/月";
  EXPECT_EQ(alarm.Stamp(), "年/月年//月0930");

  const platform::LocalTime now{2026, 12, 7, 9, 0, 30, 1, 250};
  EXPECT_EQ(StampOf(now), "202612070900");
  const std::pair<const char*, std::optional<std::int64_t>> waits[] = {
      {"202612070901", 29'750},
      {"202612080900", 24LL * 3600'000 - 30'250},
      {"202701010000", (24LL * 24 * 60 + 15 * 60) * 60'000 - 30'250},
      // Damaged stamps: the minute from which the present one compares greater.
      {"20261207099", 60 * 60'000 - 30'250},      // minute "9x" cannot be: 10:00 passes it
      {"2026120799", 15 * 60 * 60'000 - 30'250},  // reached at the next day's 00:00
      {"A", std::nullopt},                        // never
  };
  for (const auto& [stamp, waitMs] : waits)
    EXPECT_EQ(WaitUntilStampReached(now, stamp), waitMs) << stamp;

  // The calendar the date is picked from: month lengths and first weekdays; in the grid today is
  // green only in its own month of its own year, a Sunday too.
  const std::tuple<std::int16_t, std::int16_t, int, const char*> months[] = {
      {2005, 10, 31, "Sat"}, {2005, 5, 31, "Sun"}, {2024, 2, 29, "Thu"},  {2023, 2, 28, "Wed"},
      {2000, 2, 29, "Tue"},  {1900, 2, 28, "Thu"}, {2026, 12, 31, "Tue"}, {2026, 4, 30, "Wed"},
      {2026, 13, 31, "Fri"},  // thirteen months on from January is the next January
  };
  for (const auto& [year, month, days, first] : months) {
    EXPECT_EQ(GetMonthDays(year, month), days) << year << "/" << month;
    EXPECT_EQ(GetFirstWeekday(year, month), first) << year << "/" << month;
  }
  EXPECT_EQ(Letters(FillDays("2005", 10, now)), "......B PWWWWWB PWWWWWB PWWWWWB PWWWWWB PW");
  EXPECT_EQ(Letters(FillDays("2023", 2, now)), "...WWWB PWWWWWB PWWWWWB PWWWWWB PWW.... ..");
  EXPECT_EQ(Letters(FillDays("2026", 12, now)), "..WWWWB PGWWWWB PWWWWWB PWWWWWB PWWWW.. ..");
  EXPECT_EQ(Letters(FillDays("2025", 12, now)), ".WWWWWB PWWWWWB PWWWWWB PWWWWWB PWWW... ..");
  EXPECT_EQ(Letters(FillDays("2026", 11, now)), "PWWWWWB PWWWWWB PWWWWWB PWWWWWB PW..... ..");
  EXPECT_EQ(Letters(FillDays("2026", 12, {2026, 12, 6, 9, 0, 0, 0})),
            "..WWWWB GWWWWWB PWWWWWB PWWWWWB PWWWW.. ..");

  // Numbers are padded as stamps and dates need them.
  constexpr long kLowest = std::numeric_limits<long>::min();
  const std::tuple<long, int, std::string> cases[] = {
      {9, 2, "09"},   {0, 2, "00"},        {2026, 4, "2026"},
      {7, 4, "0007"}, {12345, 4, "12345"}, {-5, 3, "-05"},
      {-5, 1, "-5"},  {0, 0, "0"},         {kLowest, 2, std::to_string(kLowest)},
  };
  for (const auto& [value, width, want] : cases) {
    std::string text = "x";
    AppendZeroPadded(text, value, width);
    EXPECT_EQ(text, "x" + want) << value << " in " << width;
  }
}

// The snap pulls within reach and back from beyond; the middle rule of the arrange commands
// centres each note by its own height, and their column never wraps.
TEST(NotePlaces, TheSnapPullsWithinReachAndBackAndTheArrangedColumnsNeverWrap) {
  constexpr SnapEdges kScreen{0, 0, 28800, 16200};  // 1920 x 1080 pixels
  const std::tuple<const char*, Twips, Twips, SnapEdges, Twips, Twips> cases[] = {
      // name, left, top, edges, snapped left and top
      {"exactly 200 away stays", 200, 3000, kScreen, 200, 3000},
      {"beyond the left edge", -900, 3000, kScreen, 0, 3000},
      {"199 from the top", 9000, 199, kScreen, 9000, 0},
      {"right edge 100 beyond", 25540, 3000, kScreen, 25440, 3000},
      {"right edge 150 inside", 25290, 3000, kScreen, 25440, 3000},
      {"right edge 200 inside stays", 25240, 3000, kScreen, 25240, 3000},
      {"bottom edge beyond", 9000, 16000, kScreen, 9000, 15720},
      {"a corner", 100, 15900, kScreen, 0, 15720},
      {"both sides in reach: the right wins", 100, 3000, {0, 0, 3500, 9000}, 140, 3000},
      {"both ends in reach: the bottom wins", 9000, 50, {0, 0, 28800, 600}, 9000, 120},
      {"far right of the screen, on no monitor", 60000, 3000, kScreen, 25440, 3000},
  };
  for (const auto& [name, left, top, edges, snappedLeft, snappedTop] : cases) {
    EXPECT_EQ(SnapToEdges({left, top, kW, kH}, edges), (TwipsRect{snappedLeft, snappedTop, kW, kH}))
        << name;
  }
  // An open details view well inside stays.
  EXPECT_EQ(SnapToEdges({9000, 3000, 6495, 5190}, kScreen), (TwipsRect{9000, 3000, 6495, 5190}));

  // Arranged on a screen of 1024 x 768 pixels at 15 twips per pixel; the menu opened on a note at
  // 3000, 2000.
  constexpr manager::ArrangeArea kSmallScreen{15360, 11520, 3000, 2000};
  // A note with its details open (6495 x 5190) third in the column.
  EXPECT_EQ(ArrangedPosition(ArrangeMode::MiddleLeft, kSmallScreen, 2, 6495, 5190),
            (manager::ArrangedPlace{0, 5760 + 2595 + 500}));
  // An odd screen height (1025 pixels): halves of a twip are not rounded away
  // before the window takes the place.
  const manager::ArrangeArea odd{28800, 15375, 0, 0};
  EXPECT_EQ(ArrangedPosition(ArrangeMode::MiddleLeft, odd, 0, kW, kH).top, 7927.5);
  EXPECT_EQ(ArrangedPosition(ArrangeMode::MiddleLeft, odd, 1, kW, kH).top, 7437.5);
  EXPECT_EQ(ArrangedPosition(ArrangeMode::MiddleLeft, odd, 5, kW, kH).top, 6437.5);
  EXPECT_EQ(manager::WholeTwips(7927.5), 7928);
  EXPECT_EQ(manager::WholeTwips(-7437.5), -7438);
  EXPECT_EQ(manager::WholeTwips(5510.0), 5510);
  // Far more notes than the screen holds: they go on past its edges.
  EXPECT_EQ(ArrangedPosition(ArrangeMode::TopLeft, kSmallScreen, 40, kW, kH).top, 20000);
  EXPECT_EQ(ArrangedPosition(ArrangeMode::BottomLeft, kSmallScreen, 40, kW, kH).top, -8960);
  EXPECT_EQ(ArrangedPosition(ArrangeMode::MiddleRight, kSmallScreen, 41, kW, kH).top, -4490);
  EXPECT_EQ(ArrangedPosition(ArrangeMode::FromThisPosition, kSmallScreen, 1000, kW, kH).top,
            502000);
}

}  // namespace
}  // namespace zlt::note
