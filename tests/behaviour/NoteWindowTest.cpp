// The note window: where it opens, and what save, cancel and close write.
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuItem;
using platform::TwipsRect;

// Cancel after editing a saved new note. Where a new note opens, what its first save writes and
// how it then stands the Wine scenario notes_typed checks, on the real window.
TEST_F(FusenTest, CancelAfterEditingANewNotePutsBackWhatItsDetailsOpenedWith) {
  Start("/N");
  auto& note = MustNote(1);
  TypeTitle(note, "買い物");
  TypeDetails(note, "牛乳\r\nパン");
  Save(note);
  // The title is stored as it is typed; Cancel puts back what the details opened with.
  ShiftDoubleClickTitle(note);
  EXPECT_EQ(note.Bounds(), (TwipsRect{28800 - 6495, 0, 6495, 5190}));
  TypeTitle(note, "new");
  EXPECT_TRUE(FileHas("0.txt", "Title=new\r\n"));
  TypeDetails(note, "changed");
  Cancel(note);
  EXPECT_EQ(TitleOf(1), "買い物");
  EXPECT_EQ(note.Control(note::DetailsBox).Text(), "牛乳\r\nパン");
  EXPECT_EQ(ReadNoteFile("0.txt"), NoteBytes("買い物", 25440, 0, "牛乳\r\nパン", 1, 1));
  EXPECT_EQ(note.Bounds(), (TwipsRect{25440, 0, 3360, 480}));
}

// A note made from the menu opens below the note pressed, and new notes made below the same note
// do not cover each other.
TEST_F(FusenTest, NotesMadeFromTheMenuOpenBelowTheNotePressedWithoutCoveringEachOther) {
  WriteNoteFile("0.txt", NoteBytes("a", 9120, 1000));
  WriteNoteFile("1.txt", NoteBytes("b", 2000, 3000));
  WriteNoteFile("2.txt", NoteBytes("low", 9120, 15000));
  auto& run = Start("/*");
  for (int i = 0; i < 3; ++i) Choose(MustNote(1), MenuItem::NewNote);
  EXPECT_EQ(MustNote(4).Bounds(), (TwipsRect{9120 - 3135, 1500, 6495, 5190}));

  // Saved with both options cleared: exactly the lines a plain note holds.
  auto& fourth = MustNote(4);
  TypeTitle(fourth, "a");
  desktop_.Click(fourth, note::InFrontCheck);
  desktop_.Click(fourth, note::TranslucentCheck);
  Save(fourth);
  EXPECT_EQ(ReadNoteFile("3.txt"), NoteBytes("a", 9120, 1500));
  EXPECT_FALSE(fourth.Topmost());
  EXPECT_EQ(run.Model(4).applied, (note::DisplayOptions{false, false}));
  // 500 twips apart, at whole pixels of 15 twips.
  const platform::Twips tops[] = {1500, 1995, 2505};
  for (int n = 4; n <= 6; ++n) {
    auto& note = MustNote(n);
    TypeTitle(note, "new");
    Save(note);
    EXPECT_EQ(note.Bounds(), (TwipsRect{9120, tops[n - 4], 3360, 480})) << n;
  }

  // Too close to the left edge: the details view stops at the edge. Windows
  // keep whole pixels: 3500 twips is 233 pixels at 15 twips each.
  // Saved, it stands and is stored at the edge too.
  Choose(MustNote(2), MenuItem::NewNote);
  EXPECT_EQ(MustNote(7).Bounds(), (TwipsRect{0, 3495, 6495, 5190}));
  TypeTitle(MustNote(7), "edge");
  Save(MustNote(7));
  EXPECT_EQ(ReadNoteFile("6.txt"), NoteBytes("edge", 0, 3495, "", 1, 1));
  // Below a note near the bottom, the second new note starts again at the top.
  Choose(MustNote(3), MenuItem::NewNote);
  Choose(MustNote(3), MenuItem::NewNote);
  EXPECT_EQ(MustNote(8).Bounds().top, 15495);
  EXPECT_EQ(MustNote(9).Bounds().top, 0);
}

// Cancel closes a brand-new note without a file (and ends a program with nothing else to show);
// a typed new note closed or logged off without saving is kept under a new name.
TEST_F(FusenTest, NewNotesCancelledLeaveNoFileAndClosedOrLoggedOffAreKeptUnderANewName) {
  WriteNoteFile("0.txt", NoteBytes("keep", 9000, 0));
  auto& run = Start("/*");
  Choose(MustNote(1), MenuItem::NewNote);
  Cancel(MustNote(2));
  EXPECT_EQ(NotesTopFirst(), "1 keep");
  EXPECT_EQ(run.State().OpenNotes, 1);
  EXPECT_EQ(NoteFiles(), std::vector<std::string>{"0.txt"});

  Choose(MustNote(1), MenuItem::NewNote);
  auto& note = MustNote(3);
  TypeTitle(note, "typed, never saved");
  desktop_.RequestClose(note);
  ASSERT_EQ(NoteFiles(), (std::vector<std::string>{"0.txt", "1.txt"}));
  EXPECT_TRUE(FileHas("1.txt", "Title=typed, never saved\r\n"));
  Choose(MustNote(1), MenuItem::NewNote);
  TypeTitle(MustNote(4), "before logoff");
  desktop_.EndSession();
  EXPECT_TRUE(FileHas("2.txt", "Title=before logoff\r\n"));

  // The only note cancelled: the program has nothing left to show and ends.
  Stop(run);
  auto& only = Start("/N");
  Cancel(MustNote(1));
  EXPECT_TRUE(only.Ended());
  EXPECT_EQ(NoteFiles(), (std::vector<std::string>{"0.txt", "1.txt", "2.txt"}));
}

}  // namespace
}  // namespace zlt::test
