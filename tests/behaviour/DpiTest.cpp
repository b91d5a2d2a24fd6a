// Notes on monitors of different DPI: each window at the scale of the monitor
// it stands on, the same size to the eye everywhere, files in one unit.
#include <chrono>
#include <set>
#include <utility>

#include "FusenFixture.h"

namespace zlt::test {
namespace {

using platform::PixelRect;

constexpr int kDenseDpi = 144;

// A 96-DPI primary screen, a 150 % monitor to its right and a 100 % one above
// and left of it, where a note's mirrored place (-Left, -Top) falls.
sim::DesktopConfig MixedMonitors() {
  sim::DesktopConfig config;
  config.monitors = {{0, 0, 1920, 1080}, {1920, 0, 4800, 1620}, {-2560, -1440, 0, 0}};
  config.monitorDpis = {96, kDenseDpi, 96};
  return config;
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const PixelRect& inner, const PixelRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// What a user sees of a note's layout: each shown control that runs past its
// container, and each pair of shown siblings that overlap.
struct Layout {
  std::set<int> outside;
  std::set<std::pair<int, int>> overlapping;
  bool operator==(const Layout&) const = default;
};

Layout LayoutOf(const sim::SimForm& note) {
  Layout layout;
  const PixelRect client{0, 0, note.ClientWidthPx(), note.ClientHeightPx()};
  std::vector<const sim::SimControl*> shown;
  for (const sim::SimControl* control : note.Controls()) {
    if (!control->EffectiveVisible()) continue;
    shown.push_back(control);
    PixelRect container = client;
    if (const auto* parent = control->Parent()) {
      const PixelRect place = parent->RectPx();
      container = {0, 0, place.right - place.left, place.bottom - place.top};
    }
    if (!Inside(control->RectPx(), container)) layout.outside.insert(control->Id());
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      if (shown[i]->Parent() == shown[j]->Parent() &&
          Overlap(shown[i]->RectPx(), shown[j]->RectPx())) {
        layout.overlapping.insert({shown[i]->Id(), shown[j]->Id()});
      }
    }
  }
  return layout;
}

class DpiTest : public FusenTest {
 protected:
  DpiTest() : FusenTest(MixedMonitors()) {}
};

// The note's DPI, its window and its outline, in pixels.
auto Seen(const sim::SimForm& note) { return std::tuple(note.Dpi(), note.RectPx(), note.Region()); }

TEST_F(DpiTest, ANoteIsLargerOnTheDenserMonitorAndItsOwnSizeBackOnThePrimary) {
  // Its file puts it at pixel 2000, 100: on the 150 % monitor.
  auto& note = StartWithNote(NoteBytes("dense", 30000, 1500));
  const auto dense =
      std::tuple(kDenseDpi, PixelRect{2000, 100, 2336, 148}, sim::RoundRegion{336, 48, 15});
  EXPECT_EQ(Seen(note), dense);
  EXPECT_EQ(note.Control(note::TabLabel).RectPx(), (PixelRect{0, 0, 26, 62}));
  EXPECT_EQ(note.Control(note::TitleBox).RectPx(), (PixelRect{36, 12, 626, 38}));
  // A click passed through mirrors it away to pixel -2000, -100, on the 100 % monitor for a
  // moment; it comes back to the 150 % one as it was.
  PressTab(note, platform::mouse::kLeft);
  EXPECT_EQ(note.DpiChangeCount(), 2);
  EXPECT_EQ(Seen(note), dense);
  EXPECT_TRUE(note.Visible());

  // A Shift+drag by dx pixels.
  const auto drag = [&](int dxPx) {
    desktop_.ScriptNextMove(dxPx, 0);
    PressTab(note, platform::mouse::kLeft, platform::shift::kShift);
  };
  drag(-1800);
  EXPECT_EQ(Seen(note),
            std::tuple(96, PixelRect{200, 100, 424, 132}, sim::RoundRegion{224, 32, 10}));
  EXPECT_EQ(note.Control(note::TitleBox).RectPx(), (PixelRect{24, 8, 417, 25}));
  // Left and Top as a single 96-DPI screen records pixel 200, 100.
  EXPECT_TRUE(FileHas("0.txt", "Left=3000\r\nTop=1500\r\n")) << ReadNoteFile("0.txt");

  // Back and forth again: the size comes back exactly, the file follows.
  drag(1800);
  EXPECT_EQ(Seen(note), dense);
  EXPECT_TRUE(FileHas("0.txt", "Left=30000\r\nTop=1500\r\n")) << ReadNoteFile("0.txt");
  EXPECT_EQ(note.DpiChangeCount(), 4);
}

// The details and the date picker fit on the denser monitor as on the primary, and the snap
// reaches as far there to the eye.
TEST_F(DpiTest, DetailsAndDatePickerOnTheDenserMonitorFitAndSnapReachesAsOnThePrimary) {
  WriteNoteFile("0.txt", NoteBytes("dense", 45000, 3000));  // pixel 3000, 200
  WriteNoteFile("1.txt", NoteBytes("plain", 15000, 3000));  // pixel 1000, 200
  // 200 twips are 20 pixels at 144 DPI (13 at 96): a note 19 pixels from the
  // monitor's right edge is pulled flush, one 21 pixels away is not.
  WriteNoteFile("2.txt", NoteBytes("near", (4800 - 336 - 19) * 15, 6000));
  WriteNoteFile("3.txt", NoteBytes("away", (4800 - 336 - 21) * 15, 9000));
  Start("/*");
  auto& dense = MustNote(1);
  auto& plain = MustNote(2);
  ASSERT_EQ(dense.Dpi(), kDenseDpi);
  ASSERT_EQ(plain.Dpi(), 96);
  // Opened with the date picker, as a user setting an alarm does.
  for (auto* note : {&dense, &plain}) {
    ShiftDoubleClickTitle(*note);
    desktop_.Click(*note, note::AlarmCheck);
  }
  ASSERT_TRUE(dense.Control(note::PickerPanel).EffectiveVisible());

  // The details view stands its own 3135 twips left, half as many pixels again.
  EXPECT_EQ(dense.RectPx(), (PixelRect{3000 - 314, 200, 3000 - 314 + 650, 200 + 519}));
  EXPECT_EQ(dense.Region(), (sim::RoundRegion{650, 519, 15}));
  EXPECT_EQ(plain.RectPx(), (PixelRect{1000 - 209, 200, 1000 - 209 + 433, 200 + 346}));
  // The frame's own foot is cut off by the window at any scale; nothing else
  // may run past its container or overlap a sibling where it did not at 96 DPI.
  const Layout seen = LayoutOf(dense);
  EXPECT_EQ(seen.outside, std::set<int>{note::DetailsFrame});
  EXPECT_EQ(seen, LayoutOf(plain));

  // Saving there records the same collapsed place the note was loaded from.
  desktop_.Click(dense, note::AlarmCheck);
  Save(dense);
  EXPECT_EQ(dense.RectPx(), (PixelRect{3000, 200, 3336, 248}));
  EXPECT_TRUE(FileHas("0.txt", "Left=45000\r\nTop=3000\r\n")) << ReadNoteFile("0.txt");

  desktop_.Advance(std::chrono::milliseconds(500));
  EXPECT_EQ(MustNote(3).RectPx().right, 4800);
  EXPECT_EQ(MustNote(4).RectPx().right, 4800 - 21);
}

}  // namespace
}  // namespace zlt::test
