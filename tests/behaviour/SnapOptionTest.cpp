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

TEST_F(SnapTest, ANoteNearAnEdgeIsPulledFlushAtTheNextTickAndStoredLater) {
  WriteNoteFile("0.txt", NoteBytes("near", 150, 3000));
  WriteNoteFile("1.txt", NoteBytes("away", 250, 6000));
  auto& run = Start("/*");
  auto& near = MustNote(1);
  EXPECT_EQ(run.ControllerForm().TimerInterval(kSnapTimer), 500) << "one tick for every note";
  EXPECT_FALSE(near.TimerRunning(note::SnapTimer)) << "no timer of its own";
  desktop_.Advance(milliseconds(499));
  EXPECT_EQ(near.Bounds().left, 150);
  desktop_.Advance(milliseconds(1));
  EXPECT_EQ(near.Bounds().left, 0);
  EXPECT_EQ(MustNote(2).Bounds().left, 255) << "250 twips is 17 whole pixels: out of reach";
  EXPECT_EQ(ReadNoteFile("0.txt"), NoteBytes("near", 150, 3000)) << "not written by the snap";
  desktop_.RequestClose(near);
  EXPECT_EQ(ReadNoteFile("0.txt"), NoteBytes("near", 0, 3000));
  EXPECT_FALSE(NoteFileExists("ZLTFusen.ini")) << "snap is on when the settings file says nothing";
  Choose(MustNote(2), MenuItem::Snap);
  EXPECT_EQ(ReadNoteFile("ZLTFusen.ini"), SettingsBytes("False"));
}

class TwoMonitorSnapTest : public FusenTest {
 protected:
  TwoMonitorSnapTest()
      : FusenTest({.monitors = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}}, .monitorDpis = {}}) {}
};

// The menu item toggles the check mark and the tick and stores the option; while it is off, or
// while the note is hidden, the note stays where it is.
TEST_F(SnapTest, SnapTogglesAndIsStoredAndSnapOffOrHiddenNotesAreNeverMoved) {
  WriteNoteFile("ZLTFusen.ini", SettingsBytes("False"));
  WriteNoteFile("0.txt", NoteBytes("near", 150, 3000));
  auto& run = Start("/*");
  auto& menu = run.Controller().NoteMenu();
  const int item = manager::MenuId(MenuItem::Snap);
  EXPECT_FALSE(menu.Checked(item));
  EXPECT_FALSE(run.ControllerForm().TimerRunning(kSnapTimer)) << "no tick while snap is off";
  desktop_.Advance(milliseconds(2000));
  EXPECT_EQ(MustNote(1).Bounds().left, 150);

  // On again: a hidden note is left alone, and with no note shown nothing ticks.
  Choose(MustNote(1), MenuItem::Snap);
  EXPECT_TRUE(menu.Checked(item));
  EXPECT_EQ(ReadNoteFile("ZLTFusen.ini"), SettingsBytes("True"));
  EXPECT_TRUE(run.ControllerForm().TimerRunning(kSnapTimer));
  Choose(MustNote(1), MenuItem::HideNote);
  EXPECT_FALSE(MustNote(1).Visible());
  EXPECT_FALSE(run.ControllerForm().TimerRunning(kSnapTimer));
  desktop_.Advance(milliseconds(2000));
  EXPECT_EQ(MustNote(1).Bounds().left, 150);
  run.Controller().ShowHidden();
  EXPECT_TRUE(run.ControllerForm().TimerRunning(kSnapTimer));
  desktop_.Advance(milliseconds(500));
  EXPECT_EQ(MustNote(1).Bounds().left, 0);

  Choose(MustNote(1), MenuItem::Snap);
  EXPECT_FALSE(menu.Checked(item));
  EXPECT_EQ(ReadNoteFile("ZLTFusen.ini"), SettingsBytes("False"));
  EXPECT_FALSE(run.ControllerForm().TimerRunning(kSnapTimer));

  // Other lines of the file stay as they were; reading it is the start-up's test.
  WriteNoteFile("ZLTFusen.ini",
                Sjis("; mine\r\n[ZLT付箋紙プラグイン]\r\nKyuchaku=False\r\nX=1\r\n"));
  Choose(MustNote(1), MenuItem::Snap);
  EXPECT_EQ(ReadNoteFile("ZLTFusen.ini"),
            Sjis("; mine\r\n[ZLT付箋紙プラグイン]\r\nKyuchaku=True\r\nX=1\r\n"));
}

TEST_F(TwoMonitorSnapTest, SnapsToTheInnerEdgeOrBackOntoThePrimaryScreen) {
  // Mostly on the right monitor, 5 pixels from its left edge.
  WriteNoteFile("0.txt", NoteBytes("inner", (1920 + 5) * 15, 3000));
  // Right of every monitor (the one it stood on is gone).
  WriteNoteFile("1.txt", NoteBytes("lost", 4000 * 15, 3000));
  // Left of and above everything.
  WriteNoteFile("2.txt", NoteBytes("lost too", -9000, -2000));
  Start("/*");
  desktop_.Advance(milliseconds(500));
  EXPECT_EQ(MustNote(1).Bounds(), (TwipsRect{1920 * 15, 3000, 3360, 480}));
  EXPECT_EQ(MustNote(2).Bounds(), (TwipsRect{28800 - 3360, 3000, 3360, 480}));
  EXPECT_EQ(MustNote(3).Bounds(), (TwipsRect{0, 0, 3360, 480}));
}

}  // namespace
}  // namespace zlt::test
