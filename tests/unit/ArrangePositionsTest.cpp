// Where the arrange commands put each note, exactly, where the behaviour
// tests cannot see it: halves of a twip, a details view in the middle rule,
// columns longer than the screen and menu indexes out of range. The columns
// on screen are the arrange test's.
#include <gtest/gtest.h>

#include "manager/ArrangePositions.h"

namespace zlt::manager {
namespace {

// 1024 x 768 pixels at 15 twips per pixel; the menu opened on a note at 3000, 2000.
constexpr ArrangeArea kSmallScreen{15360, 11520, 3000, 2000};
constexpr platform::Twips kW = 3360;  // collapsed
constexpr platform::Twips kH = 480;

TEST(ArrangePositions, TheMiddleRuleCentresEachNoteByItsOwnHeightAndKeepsHalvesExact) {
  // A note with its details open (6495 x 5190) third in the column.
  EXPECT_EQ(ArrangedPosition(ArrangeMode::MiddleLeft, kSmallScreen, 2, 6495, 5190),
            (ArrangedPlace{0, 5760 + 2595 + 500}));
  // An odd screen height (1025 pixels): halves of a twip are not rounded away
  // before the window takes the place.
  const ArrangeArea odd{28800, 15375, 0, 0};
  EXPECT_EQ(ArrangedPosition(ArrangeMode::MiddleLeft, odd, 0, kW, kH).top, 7927.5);
  EXPECT_EQ(ArrangedPosition(ArrangeMode::MiddleLeft, odd, 1, kW, kH).top, 7437.5);
  EXPECT_EQ(ArrangedPosition(ArrangeMode::MiddleLeft, odd, 5, kW, kH).top, 6437.5);
  EXPECT_EQ(WholeTwips(7927.5), 7928);
  EXPECT_EQ(WholeTwips(-7437.5), -7438);
  EXPECT_EQ(WholeTwips(5510.0), 5510);
}

TEST(ArrangePositions, TheColumnNeverWraps) {
  // Far more notes than the screen holds: they go on past its edges.
  EXPECT_EQ(ArrangedPosition(ArrangeMode::TopLeft, kSmallScreen, 40, kW, kH).top, 20000);
  EXPECT_EQ(ArrangedPosition(ArrangeMode::BottomLeft, kSmallScreen, 40, kW, kH).top, -8960);
  EXPECT_EQ(ArrangedPosition(ArrangeMode::MiddleRight, kSmallScreen, 41, kW, kH).top, -4490);
  EXPECT_EQ(ArrangedPosition(ArrangeMode::FromThisPosition, kSmallScreen, 1000, kW, kH).top,
            502000);
}

}  // namespace
}  // namespace zlt::manager
