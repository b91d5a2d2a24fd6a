// Editing the title in place: Shift+click edits, plain clicks pass through a
// collapsed note, every change is stored, Enter saves an open note, and
// Shift+double-click opens the details.
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using platform::TwipsRect;
namespace shift = platform::shift;

class TitleEditingTest : public FusenTest {
 protected:
  // Shift+click at a character of the title, as a user does.
  void ShiftClickTitle(sim::SimForm& note, int character) {
    desktop_.SetCursor({note.RectPx().left + 100, note.RectPx().top + 16});
    desktop_.SetShift(true);
    desktop_.PressText(note, note::TitleBox, character, shift::kShift);
    desktop_.Click(note, note::TitleBox);
    desktop_.SetShift(false);
  }
};

// Shift+click places the caret without selecting; each key is stored at once, as one line.
TEST_F(TitleEditingTest, ShiftClickThenKeysInsertThereAndEveryChangeIsStoredAtOnceAsOneLine) {
  auto& note = StartWithNote(NoteBytes("Shopping listABCXYZ", 9000, 3000));
  auto& title = note.Control(note::TitleBox);
  ShiftClickTitle(note, 13);
  // Focused with the caret there and nothing selected (a plain text box would select from the
  // start); Shift keeps the click in the title.
  EXPECT_EQ(std::tuple(title.HasFocus(), title.SelectionLength(), title.Caret(),
                       desktop_.InjectedMouse().size()),
            std::tuple(true, 0, 13, 0u));
  desktop_.TypeKeys(note, note::TitleBox, "Q");
  EXPECT_EQ(StoredValue("0.txt", "Title"), "Shopping listQABCXYZ");
  ShiftClickTitle(note, 20);
  desktop_.TypeKeys(note, note::TitleBox, "買い物");

  // Pasted with line breaks: one line, on screen as in the file.
  desktop_.TypeKeys(note, note::TitleBox, " a\r\nb\nc");
  EXPECT_EQ(title.Text(), "Shopping listQABCXYZ買い物 a b c");
  EXPECT_EQ(title.Caret(), 29);
  EXPECT_EQ(ReadNoteFile("0.txt"), NoteBytes("Shopping listQABCXYZ買い物 a b c", 9000, 3000));
}

TEST_F(TitleEditingTest, PlainClicksAndEnterOnACollapsedTitleLeaveItAloneAndPassThrough) {
  auto& note = StartWithNote(NoteBytes("title", 9000, 3000, "", 1, 0));
  WindowBeneath({500, 150, 900, 300});
  desktop_.SetCursor({note.RectPx().left + 100, note.RectPx().top + 16});
  desktop_.PressText(note, note::TitleBox, 2);
  desktop_.Click(note, note::TitleBox);
  desktop_.Advance(std::chrono::milliseconds(1000));
  desktop_.DblClick(note, note::TitleBox);
  EXPECT_EQ(Delivered(), (std::vector<std::string>{"down on beneath 1", "click on beneath 1",
                                                   "down on beneath 1", "click on beneath 1",
                                                   "dblclick on beneath 1"}));
  desktop_.KeyDown(note, note::TitleBox, 13);
  EXPECT_EQ(note.Bounds(), (TwipsRect{9000, 3000, 3360, 480})) << "still collapsed";
  EXPECT_EQ(ReadNoteFile("0.txt"), NoteBytes("title", 9000, 3000, "", 1, 0));

  // With the details open the title is an ordinary text box, and Enter saves.
  ShiftDoubleClickTitle(note);
  const auto delivered = desktop_.MouseDeliveries().size();
  desktop_.Click(note, note::TitleBox);
  desktop_.DblClick(note, note::TitleBox);
  EXPECT_EQ(desktop_.MouseDeliveries().size(), delivered);
  TypeDetails(note, "saved by Enter");
  desktop_.KeyDown(note, note::TitleBox, 27);  // Escape does nothing
  EXPECT_TRUE(DetailsOpen(note));
  desktop_.KeyDown(note, note::TitleBox, 13);
  EXPECT_FALSE(DetailsOpen(note));
  EXPECT_EQ(ReadNoteFile("0.txt"), NoteBytes("title", 9000, 3000, "saved by Enter", 1, 0));
}

TEST_F(TitleEditingTest, ShiftDoubleClickOpensTheDetailsOpaqueWithTheCaretInThem) {
  WriteNoteFile("0.txt", NoteBytes("near the edge", 1000, 3000, "", 0, 1));
  WriteNoteFile("1.txt", NoteBytes("far", 6000, 6000, "", 0, 1));
  Start("/*");
  auto& edge = MustNote(1);
  auto& far = MustNote(2);
  ASSERT_EQ(far.Alpha(), std::optional<std::uint8_t>(150));
  ShiftDoubleClickTitle(far);
  EXPECT_EQ(far.Bounds(), (TwipsRect{2865, 6000, 6495, 5190}));
  EXPECT_EQ(far.Alpha(), std::nullopt);
  EXPECT_TRUE(far.Control(note::DetailsBox).HasFocus());
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
