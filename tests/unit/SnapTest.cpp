// Where the snap puts a note: strict 200-twip margins, right and bottom last.
#include <gtest/gtest.h>

#include "note/Snap.h"

namespace zlt::note {
namespace {

using platform::TwipsRect;

constexpr SnapEdges kScreen{0, 0, 28800, 16200};  // 1920 x 1080 pixels
constexpr SnapEdges kRightMonitor{28800, 0, 48000, 15360};

struct SnapCase {
  const char* name;
  TwipsRect note;
  SnapEdges edges;
  TwipsRect expected;
};

TEST(SnapToEdges, PullsWithinReachAndBackFromBeyond) {
  const SnapCase cases[] = {
      {"150 from the left edge", {150, 3000, 3360, 480}, kScreen, {0, 3000, 3360, 480}},
      {"exactly 200 away stays", {200, 3000, 3360, 480}, kScreen, {200, 3000, 3360, 480}},
      {"250 away stays", {250, 3000, 3360, 480}, kScreen, {250, 3000, 3360, 480}},
      {"beyond the left edge", {-900, 3000, 3360, 480}, kScreen, {0, 3000, 3360, 480}},
      {"199 from the top", {9000, 199, 3360, 480}, kScreen, {9000, 0, 3360, 480}},
      {"right edge 100 beyond", {25540, 3000, 3360, 480}, kScreen, {25440, 3000, 3360, 480}},
      {"right edge 150 inside", {25290, 3000, 3360, 480}, kScreen, {25440, 3000, 3360, 480}},
      {"right edge 200 inside stays", {25240, 3000, 3360, 480}, kScreen, {25240, 3000, 3360, 480}},
      {"bottom edge beyond", {9000, 16000, 3360, 480}, kScreen, {9000, 15720, 3360, 480}},
      {"a corner", {100, 15900, 3360, 480}, kScreen, {0, 15720, 3360, 480}},
      {"both sides in reach: the right wins",
       {100, 3000, 3360, 480},
       {0, 0, 3500, 9000},
       {140, 3000, 3360, 480}},
      {"both ends in reach: the bottom wins",
       {9000, 50, 3360, 480},
       {0, 0, 28800, 600},
       {9000, 120, 3360, 480}},
      {"inner edge of the right monitor",
       {28875, 3000, 3360, 480},
       kRightMonitor,
       {28800, 3000, 3360, 480}},
      {"far right of the screen, on no monitor",
       {60000, 3000, 3360, 480},
       kScreen,
       {25440, 3000, 3360, 480}},
      {"well inside", {9000, 3000, 6495, 5190}, kScreen, {9000, 3000, 6495, 5190}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SnapToEdges(c.note, c.edges), c.expected);
  }
}

}  // namespace
}  // namespace zlt::note
