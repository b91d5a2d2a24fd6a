// The frame of a note and how it moves: the outline, what each press does,
// the click that passes through a collapsed note, Shift+drag, and editing the
// title in place: Shift+click edits, plain clicks pass through a collapsed
// note, every change is stored, Enter saves an open note, and
// Shift+double-click opens the details.
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using platform::MouseInjection;
namespace mouse = platform::mouse;
namespace shift = platform::shift;

enum class Outcome { Menu, Move, PassThrough, RecordOnly };

TEST_F(FusenTest, EveryPressRecordsTheNoteThenMenuMoveOrPassThrough) {
  // A press: its name, the buttons and the shift keys held, whether the details are open, and
  // what it does.
  const std::tuple<const char*, int, int, bool, Outcome> cases[] = {
      {"right", mouse::kRight, 0, false, Outcome::Menu},
      {"Shift+right", mouse::kRight, shift::kShift, false, Outcome::Menu},
      {"Shift+left", mouse::kLeft, shift::kShift, false, Outcome::Move},
      {"Shift+Ctrl+left", mouse::kLeft, shift::kShift | shift::kCtrl, false, Outcome::PassThrough},
      {"Shift+Alt+left", mouse::kLeft, shift::kShift | shift::kAlt, false, Outcome::PassThrough},
      {"plain left", mouse::kLeft, 0, false, Outcome::PassThrough},
      {"left, details shown", mouse::kLeft, 0, true, Outcome::Move},
      {"Ctrl+left, details shown", mouse::kLeft, shift::kCtrl, true, Outcome::Move},
      {"left and right together", mouse::kLeft | mouse::kRight, 0, false, Outcome::PassThrough},
      {"Shift, left and right", mouse::kLeft | mouse::kRight, shift::kShift, false, Outcome::Move},
      {"middle", mouse::kMiddle, 0, false, Outcome::RecordOnly},
  };
  auto& run = StartWith({NoteBytes("pressed", 9000, 3000, "", 1, 0), NoteBytes("other", 0, 0),
                         NoteBytes("lower", 8700, 3000, "", 1, 0)});
  auto& note = MustNote(1);
  // A click passes through every note in the way, and each stays where it stood.
  auto& lower = MustNote(3);
  desktop_.Activate(note);
  WindowBeneath({500, 150, 900, 300});
  PressTab(note, mouse::kLeft);
  EXPECT_EQ(Delivered(),
            (std::vector<std::string>{"down on " + lower.Caption(), "click on " + lower.Caption(),
                                      "down on beneath 1", "click on beneath 1"}));
  EXPECT_EQ(NotesTopFirst(), "1 pressed, 3 lower, 2 other");
  EXPECT_EQ(lower.Bounds().left, 8700);
  // The menus shown, the system moves begun, and the refreshes of a note back from a click
  // passed beneath.
  const auto done = [&] {
    return std::tuple(desktop_.Menus().size(), note.SystemMoveCount(), note.RefreshCount());
  };
  for (const auto& [name, buttons, keys, detailsOpen, outcome] : cases) {
    SCOPED_TRACE(name);
    if (detailsOpen != DetailsOpen(note)) detailsOpen ? ShiftDoubleClickTitle(note) : Save(note);
    const auto at = note.Bounds();
    run.Controller().RecordThisNote(*run.Controller().Notes().back());
    run.State().PressedLeft = -1;
    const auto [menus, moves, refreshes] = done();
    PressTab(note, buttons, keys);
    // The note is recorded as the one pressed, and stands where it stood.
    EXPECT_EQ(std::tuple(run.Controller().ThisNote()->NoteNumber(), run.State().PressedLeft,
                         run.State().PressedWidth, run.State().LastNotePath, note.Bounds(),
                         note.Visible()),
              std::tuple(1, at.left, at.width, DataFolder() + "\\0.txt", at, true));
    EXPECT_EQ(done(),
              std::tuple(menus + (outcome == Outcome::Menu), moves + (outcome == Outcome::Move),
                         refreshes + (outcome == Outcome::PassThrough)));
  }
  // A press on the bare window is a press on the tab.
  const int moves = note.SystemMoveCount();
  desktop_.MouseDown(note, platform::kFormItself, {mouse::kLeft, shift::kShift, 0, 0});
  EXPECT_EQ(note.SystemMoveCount(), moves + 1);
}

// A plain click on the tab or the collapsed title goes to the window beneath and the note comes
// back; with the details open the title is an ordinary text box where Enter saves; the outline
// follows the size; Shift+drag moves the note and stores its place.
TEST_F(FusenTest, PlainClicksPassBeneathOutlineFollowsTheSizeAndShiftDragMovesTheNote) {
  // Kept in front, so another program's window opened later stays beneath it.
  StartWith({NoteBytes("moved", 9000, 3000, "", 1, 0)});
  auto& note = MustNote(1);
  auto& beneath = WindowBeneath({500, 150, 900, 300});
  const auto home = note.Bounds();

  PressTab(note, mouse::kLeft);
  // The first release ends the user's own press; then one whole click, on the window beneath
  // as the note was out of the way.
  std::vector<std::tuple<MouseInjection, int, int, platform::WindowHandle>> injected;
  for (const auto& e : desktop_.InjectedMouse())
    injected.emplace_back(e.what, e.at.x, e.at.y, e.target);
  const int x = note.RectPx().left + 8, y = note.RectPx().top + 16;  // where PressTab pressed
  const auto to = beneath.Handle();
  EXPECT_EQ(injected, (decltype(injected){{MouseInjection::LeftUp, x, y, to},
                                          {MouseInjection::LeftDown, x, y, to},
                                          {MouseInjection::LeftUp, x, y, to}}));
  EXPECT_EQ(Delivered(), (std::vector<std::string>{"down on beneath 1", "click on beneath 1"}));
  EXPECT_EQ(std::tuple(note.Bounds(), note.Visible(), note.Enabled(), note.Topmost()),
            std::tuple(home, true, true, true));

  // A double click on the tab goes beneath as a double click; so do a click and a double click
  // on the collapsed title, where Enter does nothing.
  desktop_.Advance(1000ms);
  desktop_.DblClick(note, note::TabLabel);
  desktop_.SetCursor({note.RectPx().left + 100, note.RectPx().top + 16});
  desktop_.PressText(note, note::TitleBox, 2);
  desktop_.Click(note, note::TitleBox);
  desktop_.Advance(1000ms);
  desktop_.DblClick(note, note::TitleBox);
  desktop_.KeyDown(note, note::TitleBox, 13);
  std::vector<std::string> twice;
  for (const char* what :
       {"down", "click", "down", "click", "dblclick", "down", "click", "down", "click", "dblclick"})
    twice.push_back(std::string(what) + " on beneath 1");
  EXPECT_EQ(std::tuple(Delivered(), note.Bounds(), ReadNoteFile("0.txt")),
            std::tuple(twice, home, NoteBytes("moved", 9000, 3000, "", 1, 0)));

  // The outline is remade for each size, in whole pixels. With the details open clicks on the
  // title stay there, Escape does nothing and Enter saves.
  EXPECT_EQ(note.Region(), (sim::RoundRegion{224, 32, 10}));
  ShiftDoubleClickTitle(note);
  EXPECT_EQ(note.Region(), (sim::RoundRegion{433, 346, 10}));
  desktop_.Click(note, note::TitleBox);
  desktop_.DblClick(note, note::TitleBox);
  EXPECT_EQ(desktop_.MouseDeliveries().size(), twice.size());
  TypeDetails(note, "saved by Enter");
  desktop_.KeyDown(note, note::TitleBox, 27);
  EXPECT_TRUE(DetailsOpen(note));
  desktop_.KeyDown(note, note::TitleBox, 13);
  EXPECT_FALSE(DetailsOpen(note));
  EXPECT_EQ(note.Region(), (sim::RoundRegion{224, 32, 10}));
  EXPECT_EQ(ReadNoteFile("0.txt"), NoteBytes("moved", 9000, 3000, "saved by Enter", 1, 0));

  // With nothing beneath, nothing is replayed; the note comes back where the drag below starts.
  desktop_.CloseForeignWindow(beneath);
  const auto replayed = desktop_.InjectedMouse().size();
  PressTab(note, mouse::kLeft);
  EXPECT_EQ(desktop_.InjectedMouse().size(), replayed);

  desktop_.ScriptNextMove(100, -50);
  PressTab(note, mouse::kLeft, shift::kShift);
  EXPECT_EQ(note.Bounds(), (TwipsRect{10500, 2250, 3360, 480}));
  EXPECT_EQ(ReadNoteFile("0.txt"), NoteBytes("moved", 10500, 2250, "saved by Enter", 1, 0));

  // Held near the left edge, the note is pulled to it while still dragged,
  // and the place stored is the pulled one.
  desktop_.ScriptNextMove(-690, 0, 600ms);
  PressTab(note, mouse::kLeft, shift::kShift);
  EXPECT_EQ(note.Bounds().left, 0);
  EXPECT_EQ(ReadNoteFile("0.txt"), NoteBytes("moved", 0, 2250, "saved by Enter", 1, 0));
}

// Shift+click places the caret without selecting; each key is stored at once, as one line.
// Shift+double-click opens the details opaque with the caret in them.
TEST_F(FusenTest, ShiftClickEditsTheTitleInPlaceAndShiftDoubleClickOpensTheDetails) {
  StartWith({NoteBytes("near the edge", 1000, 3000, "", 0, 1),
             NoteBytes("far", 6000, 6000, "", 0, 1), NoteBytes("Shopping listABCXYZ", 9000, 3000)});
  auto& note = MustNote(3);
  auto& title = note.Control(note::TitleBox);
  // Shift+click at a character of the title, as a user does.
  const auto shiftClickTitle = [&](int character) {
    desktop_.SetCursor({note.RectPx().left + 100, note.RectPx().top + 16});
    desktop_.SetShift(true);
    desktop_.PressText(note, note::TitleBox, character, shift::kShift);
    desktop_.Click(note, note::TitleBox);
    desktop_.SetShift(false);
  };
  shiftClickTitle(13);
  // Focused with the caret there and nothing selected (a plain text box would select from the
  // start); Shift keeps the click in the title.
  EXPECT_EQ(std::tuple(title.HasFocus(), title.SelectionLength(), title.Caret(),
                       desktop_.InjectedMouse().size()),
            std::tuple(true, 0, 13, 0u));
  desktop_.TypeKeys(note, note::TitleBox, "Q");
  EXPECT_EQ(StoredValue("2.txt", "Title"), "Shopping listQABCXYZ");
  shiftClickTitle(20);
  desktop_.TypeKeys(note, note::TitleBox, "買い物");
  // Pasted with line breaks: one line, on screen as in the file.
  desktop_.TypeKeys(note, note::TitleBox, " a\r\nb\nc");
  const std::string typed = "Shopping listQABCXYZ買い物 a b c";
  EXPECT_EQ(std::tuple(title.Text(), title.Caret(), ReadNoteFile("2.txt")),
            std::tuple(typed, 29, NoteBytes(typed, 9000, 3000)));

  auto& edge = MustNote(1);
  auto& far = MustNote(2);
  ASSERT_EQ(far.Alpha(), std::optional<std::uint8_t>(150));
  ShiftDoubleClickTitle(far);
  EXPECT_EQ(std::tuple(far.Bounds(), far.Alpha(), far.Control(note::DetailsBox).HasFocus()),
            std::tuple(TwipsRect{2865, 6000, 6495, 5190}, std::nullopt, true));
  ShiftDoubleClickTitle(far);  // already open: nothing changes
  EXPECT_EQ(far.Bounds(), (TwipsRect{2865, 6000, 6495, 5190}));

  ShiftDoubleClickTitle(edge);
  EXPECT_EQ(edge.Bounds(), (TwipsRect{0, 3000, 6495, 5190})) << "stops at the screen's edge";
  Cancel(edge);
  EXPECT_EQ(edge.Bounds(), (TwipsRect{0, 3000, 3360, 480}));
  ShiftDoubleClickTitle(edge);  // closed open at the edge: stored where it stands collapsed
  desktop_.RequestClose(edge);
  EXPECT_EQ(ReadNoteFile("0.txt"), NoteBytes("near the edge", 0, 3000, "", 0, 1));
}

}  // namespace
}  // namespace zlt::test
