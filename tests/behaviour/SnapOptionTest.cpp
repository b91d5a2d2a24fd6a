// Snap to the screen edges: one shared half-second tick pulls every shown note
// to the edges of its monitor while "画面端に吸着させる" is checked.
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

}  // namespace
}  // namespace zlt::test
