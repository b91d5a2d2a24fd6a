// Where notes stand on the screen. Snap to the screen edges: one shared
// half-second tick pulls every shown note to the edges of its monitor while
// "画面端に吸着させる" is checked. The seven arrange items on a 1024 x 768
// screen: every note of this program, hidden ones too, in one column, each
// note's file holding its new place.
#include "FusenFixture.h"
#include "manager/SnapTick.h"

namespace zlt::test {
namespace {

using manager::MenuItem;
using platform::TwipsRect;
using std::chrono::milliseconds;

constexpr int kSnapTimer = manager::SnapTick::SnapTimer;

using SnapTest = FusenTest;

// The menu item toggles the check mark and the tick and stores the option; while it is off, or
// while the note is hidden, the note stays where it is.
TEST_F(SnapTest, SnapTogglesAndIsStoredAndSnapOffOrHiddenNotesAreNeverMoved) {
  WriteNoteFile("ZLTFusen.ini", SettingsBytes("False"));
  WriteNoteFile("0.txt", NoteBytes("near", 150, 3000));
  auto& run = Start("/*");
  auto& note = MustNote(1);
  const int item = manager::MenuId(MenuItem::Snap);
  // The check mark, the stored option, the tick, and the note's place.
  const auto state = [&] {
    return (run.Controller().NoteMenu().Checked(item) ? "checked " : "") +
           StoredValue("ZLTFusen.ini", "Kyuchaku") +
           (run.ControllerForm().TimerRunning(kSnapTimer) ? " ticking " : " ") +
           std::to_string(note.Bounds().left) + (note.Visible() ? "" : " hidden");
  };
  desktop_.Advance(milliseconds(2000));
  EXPECT_EQ(state(), "False 150");

  // On again: a hidden note is left alone, and with no note shown nothing ticks.
  Choose(note, MenuItem::Snap);
  EXPECT_EQ(state(), "checked True ticking 150");
  Choose(note, MenuItem::HideNote);
  desktop_.Advance(milliseconds(2000));
  EXPECT_EQ(state(), "checked True 150 hidden");
  run.Controller().ShowHidden();
  desktop_.Advance(milliseconds(500));
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
  int n = 0;
  for (const auto& [left, top, opened] : cases) {
    WriteNoteFile(std::to_string(n++) + ".txt", NoteBytes("n", left, top));
  }
  Start("/*");
  n = 0;
  for (const auto& [left, top, opened] : cases) {
    EXPECT_EQ(MustNote(++n).Bounds(), opened) << left << ", " << top;
  }
  auto& near = MustNote(2);
  EXPECT_FALSE(near.TimerRunning(note::SnapTimer)) << "the controller's one tick serves all";
  desktop_.Advance(milliseconds(499));
  EXPECT_EQ(near.Bounds().left, 150);
  desktop_.Advance(milliseconds(1));
  EXPECT_EQ(near.Bounds().left, 0);
  EXPECT_EQ(MustNote(1).Bounds().left, 1920 * 15) << "the right monitor's inner edge";
  EXPECT_EQ(MustNote(3).Bounds().left, 255);
  EXPECT_EQ(ReadNoteFile("1.txt"), NoteBytes("n", 150, 3000)) << "not written by the snap";
  desktop_.RequestClose(near);
  EXPECT_EQ(ReadNoteFile("1.txt"), NoteBytes("n", 0, 3000));
  EXPECT_FALSE(std::filesystem::exists(DataDir() / "ZLTFusen.ini"))
      << "snap is on when the settings file says nothing";
  Choose(MustNote(3), MenuItem::Snap);
  EXPECT_EQ(ReadNoteFile("ZLTFusen.ini"), SettingsBytes("False"));
}

class ArrangeTest : public FusenTest {
 protected:
  ArrangeTest()
      : FusenTest({.widthPx = 1024, .heightPx = 768, .monitors = {}, .monitorDpis = {}}) {}

  // Three collapsed notes scattered over the screen; note 2 stands at 3000, 2000.
  void StartThreeNotes() {
    WriteNoteFile("0.txt", NoteBytes("a", 600, 9000));
    WriteNoteFile("1.txt", NoteBytes("b", 3000, 2000));
    WriteNoteFile("2.txt", NoteBytes("c", 9000, 4500));
    Start("/*");
  }

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

TEST_F(ArrangeTest, EveryItemLinesTheNotesUpInListOrder) {
  // The middle rule's 5510 is 367 1/3 pixels: the window keeps 367, 5505 twips.
  const std::pair<MenuItem, const char*> cases[] = {
      {MenuItem::ArrangeTopRight, "12000,0 12000,495 12000,1005"},
      {MenuItem::ArrangeMiddleRight, "12000,6000 12000,5505 12000,6495"},
      {MenuItem::ArrangeBottomRight, "12000,11040 12000,10545 12000,10035"},
      {MenuItem::ArrangeTopLeft, "0,0 0,495 0,1005"},
      {MenuItem::ArrangeMiddleLeft, "0,6000 0,5505 0,6495"},
      {MenuItem::ArrangeBottomLeft, "0,11040 0,10545 0,10035"},
  };
  StartThreeNotes();
  Choose(MustNote(2), MenuItem::HideNote);  // a hidden note keeps its place in the column
  for (const auto& [item, places] : cases) {
    SCOPED_TRACE(static_cast<int>(item));
    Choose(MustNote(3), item);
    EXPECT_EQ(Places(), places);
    EXPECT_FALSE(MustNote(2).Visible());
  }
}

TEST_F(ArrangeTest, FromThisPositionStartsAtThePressedNoteAndAnOpenNoteSitsByItsOwnHeight) {
  StartThreeNotes();
  // Opened on note 2, which is not first in the list: note 1 takes its place.
  // Its Top 2000 is 133 1/3 pixels, so the window and the column start at 1995.
  Choose(MustNote(2), MenuItem::ArrangeFromThisNote);
  EXPECT_EQ(Places(), "3000,1995 3000,2490 3000,3000");

  // A note without a file moves, but no file appears.
  Choose(MustNote(1), MenuItem::NewNote);  // empty, details open, no file yet
  Choose(MustNote(1), MenuItem::ArrangeTopLeft);
  EXPECT_EQ(MustNote(4).Bounds(), (platform::TwipsRect{0, 1005 + 495, 6495, 5190}));
  EXPECT_EQ(NoteFiles(), (std::vector<std::string>{"0.txt", "1.txt", "2.txt"}));

  // A note with its details open sits on the bottom edge by its own height.
  ShiftDoubleClickTitle(MustNote(1));
  Choose(MustNote(3), MenuItem::ArrangeBottomRight);
  // Still open, its bottom edge on the screen's (11520), overlapping the two stacked above it.
  EXPECT_EQ(MustNote(1).Bounds(), (platform::TwipsRect{8865, 11520 - 5190, 6495, 5190}));
  // Its file records where it stands collapsed, 3135 twips right of its details view.
  EXPECT_EQ(Places(), "8865,6330 (file 12000,6330) 12000,10545 12000,10035");
}

}  // namespace
}  // namespace zlt::test
