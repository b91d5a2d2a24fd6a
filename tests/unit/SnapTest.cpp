// Where the snap puts a note: strict 200-twip margins, right and bottom last. A plain pull, a
// note out of reach and a monitor's inner edge are the snap behaviour tests' cases.
#include <gtest/gtest.h>

#include "note/Snap.h"

namespace zlt::note {
namespace {

using platform::TwipsRect;

constexpr SnapEdges kScreen{0, 0, 28800, 16200};  // 1920 x 1080 pixels

constexpr platform::Twips kW = 3360;  // a collapsed note
constexpr platform::Twips kH = 480;

struct SnapCase {
  const char* name;
  platform::Twips left, top;
  SnapEdges edges;
  platform::Twips snappedLeft, snappedTop;
};

TEST(SnapToEdges, PullsWithinReachAndBackFromBeyond) {
  const SnapCase cases[] = {
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
  for (const auto& c : cases) {
    EXPECT_EQ(SnapToEdges({c.left, c.top, kW, kH}, c.edges),
              (TwipsRect{c.snappedLeft, c.snappedTop, kW, kH}))
        << c.name;
  }
  // An open details view well inside stays.
  EXPECT_EQ(SnapToEdges({9000, 3000, 6495, 5190}, kScreen), (TwipsRect{9000, 3000, 6495, 5190}));
}

}  // namespace
}  // namespace zlt::note
