// Where notes stand on the screen. Snap to the screen edges: one shared
// half-second tick pulls every shown note to the edges of its monitor while
// "画面端に吸着させる" is checked. The seven arrange items on a 1024 x 768
// screen: every note of this program, hidden ones too, in one column, each
// note's file holding its new place.
// On monitors of different DPI each window stands at the scale of the monitor
// it is on, the same size to the eye everywhere, files in one unit.
#include "FusenFixture.h"
#include "manager/SnapTick.h"

namespace zlt::test {
namespace {

// The menu item toggles the check mark and the tick and stores the option; while it is off, or
// while the note is hidden, the note stays where it is.
TEST_F(FusenTest, SnapTogglesAndIsStoredAndSnapOffOrHiddenNotesAreNeverMoved) {
  WriteNoteFile("ZLTFusen.ini", Sjis("[ZLT付箋紙プラグイン]\r\nKyuchaku=False\r\n"));
  auto& run = StartWith({NoteBytes("near", 150, 3000)});
  auto& note = MustNote(1);
  // The check mark, the stored option, the tick, and the note's place.
  const auto state = [&] {
    return (run.Controller().NoteMenu().Checked(manager::MenuId(MenuItem::Snap)) ? "checked "
                                                                                 : "") +
           StoredValue("ZLTFusen.ini", "Kyuchaku") +
           (run.ControllerForm().TimerRunning(manager::SnapTick::SnapTimer) ? " ticking " : " ") +
           std::to_string(note.Bounds().left) + (note.Visible() ? "" : " hidden");
  };
  desktop_.Advance(2000ms);
  EXPECT_EQ(state(), "False 150");

  // On again: a hidden note is left alone, and with no note shown nothing ticks.
  Choose(note, MenuItem::Snap);
  EXPECT_EQ(state(), "checked True ticking 150");
  Choose(note, MenuItem::HideNote);
  desktop_.Advance(2000ms);
  EXPECT_EQ(state(), "checked True 150 hidden");
  run.Controller().ShowHidden();
  desktop_.Advance(500ms);
  EXPECT_EQ(state(), "checked True ticking 0");
  Choose(note, MenuItem::Snap);
  EXPECT_EQ(state(), "False 0");

  // Other lines of the file stay as they were; reading it is the start-up's test.
  WriteNoteFile("ZLTFusen.ini",
                Sjis("; mine\r\n[ZLT付箋紙プラグイン]\r\nKyuchaku=False\r\nX=1\r\n"));
  Choose(note, MenuItem::Snap);
  EXPECT_EQ(ReadNoteFile("ZLTFusen.ini"),
            Sjis("; mine\r\n[ZLT付箋紙プラグイン]\r\nKyuchaku=True\r\nX=1\r\n"));
}

class TwoMonitorSnapTest : public FusenTest {
 protected:
  TwoMonitorSnapTest()
      : FusenTest({.monitors = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}}, .monitorDpis = {}}) {}
};

// Notes open where they were stored, and a note stored where no monitor is any more on the
// primary screen (28800 x 16200 twips) as the snap would bring it. The one tick, half a second
// later, pulls a note near an edge of its monitor flush with it, but does not store the place.
TEST_F(TwoMonitorSnapTest, NotesOpenOnAMonitorAndTheTickPullsThoseNearAnEdgeFlush) {
  // Where each note was stored, and where it opens.
  const std::tuple<int, int, TwipsRect> cases[] = {
      {1925 * 15, 3000, {1925 * 15, 3000, 3360, 480}},  // 5 pixels off the right monitor's edge
      {150, 3000, {150, 3000, 3360, 480}},              // 10 pixels off the left edge
      {250, 6000, {255, 6000, 3360, 480}},              // 17 whole pixels: out of reach
      {60000, 3000, {25440, 3000, 3360, 480}},          // right of every monitor: flush right
      {-9000, 3000, {0, 3000, 3360, 480}},              // left of them: flush left
      {3000, 99990, {3000, 15720, 3360, 480}},          // below them: flush with the bottom
      {3000, -9000, {3000, 0, 3360, 480}},              // above them
      {-3000, 3000, {-3000, 3000, 3360, 480}},          // partly on the screen: left alone
      {0, 6000, {0, 6000, 3360, 480}},                  // at the edge, as stored
  };
  std::vector<std::string> files;
  for (const auto& [left, top, opened] : cases) files.push_back(NoteBytes("n", left, top));
  StartWith(files);
  for (int n = 1; const auto& [left, top, opened] : cases)
    EXPECT_EQ(MustNote(n++).Bounds(), opened) << left << ", " << top;
  auto& near = MustNote(2);
  EXPECT_FALSE(near.TimerRunning(note::SnapTimer)) << "the controller's one tick serves all";
  desktop_.Advance(499ms);
  EXPECT_EQ(near.Bounds().left, 150);
  desktop_.Advance(1ms);
  // Note 1 at the right monitor's inner edge.
  EXPECT_EQ(std::tuple(near.Bounds().left, MustNote(1).Bounds().left, MustNote(3).Bounds().left),
            std::tuple(0, 1920 * 15, 255));
  EXPECT_EQ(ReadNoteFile("1.txt"), NoteBytes("n", 150, 3000)) << "not written by the snap";
  desktop_.RequestClose(near);
  EXPECT_EQ(ReadNoteFile("1.txt"), NoteBytes("n", 0, 3000));
  EXPECT_FALSE(std::filesystem::exists(DataDir() / "ZLTFusen.ini"))
      << "snap is on when the settings file says nothing";
  Choose(MustNote(3), MenuItem::Snap);
  EXPECT_EQ(ReadNoteFile("ZLTFusen.ini"), Sjis("[ZLT付箋紙プラグイン]\r\nKyuchaku=False\r\n"));
}

class ArrangeTest : public FusenTest {
 protected:
  ArrangeTest()
      : FusenTest({.widthPx = 1024, .heightPx = 768, .monitors = {}, .monitorDpis = {}}) {}

  // Each note's window in twips as "left,top", and its file's place after it where that differs.
  std::string Places() {
    std::string places;
    for (int n = 1; n <= 3; ++n) {
      const auto bounds = MustNote(n).Bounds();
      const auto file = std::to_string(n - 1) + ".txt";
      const auto window = std::to_string(bounds.left) + "," + std::to_string(bounds.top);
      const auto stored = StoredValue(file, "Left") + "," + StoredValue(file, "Top");
      places += (n > 1 ? " " : "") + window + (stored == window ? "" : " (file " + stored + ")");
    }
    return places;
  }
};

// "From this position" starts at the pressed note, and an open note sits by its own height; every
// other item lines the notes up in list order, a hidden one keeping its place in the column.
TEST_F(ArrangeTest, EveryItemLinesTheNotesUpInListOrderFromThisPositionAtThePressedNote) {
  // Three collapsed notes scattered over the screen; note 2 stands at 3000, 2000.
  StartWith({NoteBytes("a", 600, 9000), NoteBytes("b", 3000, 2000), NoteBytes("c", 9000, 4500)});
  // Opened on note 2, which is not first in the list: note 1 takes its place.
  // Its Top 2000 is 133 1/3 pixels, so the window and the column start at 1995.
  Choose(MustNote(2), MenuItem::ArrangeFromThisNote);
  EXPECT_EQ(Places(), "3000,1995 3000,2490 3000,3000");

  // A note without a file moves, but no file appears.
  Choose(MustNote(1), MenuItem::NewNote);  // empty, details open, no file yet
  Choose(MustNote(1), MenuItem::ArrangeTopLeft);
  EXPECT_EQ(MustNote(4).Bounds(), (TwipsRect{0, 1005 + 495, 6495, 5190}));
  EXPECT_EQ(NoteFiles(), "0.txt 1.txt 2.txt");

  // A note with its details open sits on the bottom edge by its own height.
  ShiftDoubleClickTitle(MustNote(1));
  Choose(MustNote(3), MenuItem::ArrangeBottomRight);
  // Still open, its bottom edge on the screen's (11520), overlapping the two stacked above it.
  EXPECT_EQ(MustNote(1).Bounds(), (TwipsRect{8865, 11520 - 5190, 6495, 5190}));
  // Its file records where it stands collapsed, 3135 twips right of its details view.
  EXPECT_EQ(Places(), "8865,6330 (file 12000,6330) 12000,10545 12000,10035");

  // The middle rule's 5510 is 367 1/3 pixels: the window keeps 367, 5505 twips.
  const std::pair<MenuItem, const char*> cases[] = {
      {MenuItem::ArrangeTopRight, "12000,0 12000,495 12000,1005"},
      {MenuItem::ArrangeMiddleRight, "12000,6000 12000,5505 12000,6495"},
      {MenuItem::ArrangeBottomRight, "12000,11040 12000,10545 12000,10035"},
      {MenuItem::ArrangeTopLeft, "0,0 0,495 0,1005"},
      {MenuItem::ArrangeMiddleLeft, "0,6000 0,5505 0,6495"},
      {MenuItem::ArrangeBottomLeft, "0,11040 0,10545 0,10035"},
  };
  Cancel(MustNote(4));
  Cancel(MustNote(1));
  Choose(MustNote(2), MenuItem::HideNote);
  for (const auto& [item, places] : cases) {
    SCOPED_TRACE(static_cast<int>(item));
    Choose(MustNote(3), item);
    EXPECT_EQ(std::tuple(Places(), MustNote(2).Visible()), std::tuple(places, false));
  }
}

// What a user sees of a note's layout: each shown control that runs past its container, as {id},
// and each pair of shown siblings that overlap, as {id, id}.
std::set<std::vector<int>> LayoutOf(const sim::SimForm& note) {
  std::set<std::vector<int>> seen;
  std::vector<const sim::SimControl*> shown;
  for (const auto* control : note.Controls())
    if (control->EffectiveVisible()) shown.push_back(control);
  for (const auto* control : shown) {
    const PixelRect r = control->RectPx();
    const auto* parent = control->Parent();
    const PixelRect box =
        parent ? parent->RectPx() : PixelRect{0, 0, note.ClientWidthPx(), note.ClientHeightPx()};
    if (r.left < 0 || r.top < 0 || r.right > box.right - box.left ||
        r.bottom > box.bottom - box.top)
      seen.insert({control->Id()});
    for (const auto* other : shown) {
      const PixelRect o = other->RectPx();
      if (control->Id() < other->Id() && parent == other->Parent() && r.left < o.right &&
          o.left < r.right && r.top < o.bottom && o.top < r.bottom)
        seen.insert({control->Id(), other->Id()});
    }
  }
  return seen;
}

// A 96-DPI primary screen, a 150 % monitor to its right and a 100 % one above
// and left of it, where a note's mirrored place (-Left, -Top) falls.
class DpiTest : public FusenTest {
 protected:
  DpiTest()
      : FusenTest({.monitors = {{0, 0, 1920, 1080}, {1920, 0, 4800, 1620}, {-2560, -1440, 0, 0}},
                   .monitorDpis = {96, 144, 96}}) {}
};

// The note's DPI, its window and its outline, in pixels.
auto Seen(const sim::SimForm& note) { return std::tuple(note.Dpi(), note.RectPx(), note.Region()); }

// The details and the date picker fit on the denser monitor as on the primary, and the snap
// reaches as far there to the eye. A note is larger on the denser monitor and its own size back on
// the primary.
TEST_F(DpiTest, OnTheDenserMonitorNotesAreLargerDetailsFitAndSnapReachesAsOnThePrimary) {
  // Pixel 3000, 200 and 1000, 200. 200 twips are 20 pixels at 144 DPI (13 at 96): a note 19
  // pixels from the monitor's right edge is pulled flush, one 21 pixels away is not.
  StartWith({NoteBytes("dense", 45000, 3000), NoteBytes("plain", 15000, 3000),
             NoteBytes("near", (4800 - 336 - 19) * 15, 6000),
             NoteBytes("away", (4800 - 336 - 21) * 15, 9000), NoteBytes("moved", 30000, 1500)});
  auto& dense = MustNote(1);
  auto& plain = MustNote(2);
  ASSERT_EQ(std::tuple(dense.Dpi(), plain.Dpi()), std::tuple(144, 96));
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
  auto seen = LayoutOf(dense);
  EXPECT_EQ(seen, LayoutOf(plain));
  std::erase_if(seen, [](const auto& ids) { return ids.size() > 1; });
  EXPECT_EQ(seen, (std::set<std::vector<int>>{{note::DetailsFrame}}));

  // Saving there records the same collapsed place the note was loaded from.
  desktop_.Click(dense, note::AlarmCheck);
  Save(dense);
  EXPECT_EQ(dense.RectPx(), (PixelRect{3000, 200, 3336, 248}));
  EXPECT_TRUE(FileHas("0.txt", "Left=45000\r\nTop=3000\r\n")) << ReadNoteFile("0.txt");

  desktop_.Advance(500ms);
  EXPECT_EQ(std::pair(MustNote(3).RectPx().right, MustNote(4).RectPx().right),
            std::pair(4800, 4800 - 21));

  // Note 5: its file puts it at pixel 2000, 100, on the 150 % monitor.
  auto& note = MustNote(5);
  const auto large =
      std::tuple(144, PixelRect{2000, 100, 2336, 148}, sim::RoundRegion{336, 48, 15});
  EXPECT_EQ(Seen(note), large);
  EXPECT_EQ(note.Control(note::TabLabel).RectPx(), (PixelRect{0, 0, 26, 62}));
  EXPECT_EQ(note.Control(note::TitleBox).RectPx(), (PixelRect{36, 12, 626, 38}));
  // A click passed through mirrors it away to pixel -2000, -100, on the 100 % monitor for a
  // moment; it comes back to the 150 % one as it was.
  PressTab(note, platform::mouse::kLeft);
  EXPECT_EQ(std::tuple(note.DpiChangeCount(), Seen(note), note.Visible()),
            std::tuple(2, large, true));

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
  EXPECT_TRUE(FileHas("4.txt", "Left=3000\r\nTop=1500\r\n")) << ReadNoteFile("4.txt");

  // Back and forth again: the size comes back exactly, the file follows.
  drag(1800);
  EXPECT_EQ(Seen(note), large);
  EXPECT_TRUE(FileHas("4.txt", "Left=30000\r\nTop=1500\r\n")) << ReadNoteFile("4.txt");
  EXPECT_EQ(note.DpiChangeCount(), 4);
}

}  // namespace
}  // namespace zlt::test
