// The note list and the two commands that bring notes back: the start-up chain
// and "show hidden notes".
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuItem;

TEST_F(FusenTest, RestoreAllOpensEveryNoteFileInTextOrderTheFirstActiveOnTopOfItsBand) {
  // Notes kept in front and notes that are not, mixed.
  WriteNoteFile("0.txt", NoteBytes("zero", 9000, 0, "", 0));
  WriteNoteFile("1.txt", NoteBytes("one", 9000, 500, "", 1));
  WriteNoteFile("10.txt", NoteBytes("ten", 9000, 1000, "", 0));
  WriteNoteFile("2.TXT", NoteBytes("two", 9000, 1500, "", 1));  // letter case does not matter
  WriteNoteFile("readme.txt.old", "not a note");
  WriteNoteFile("ZLTFusen.ini", "[ZLT付箋紙プラグイン]\r\n");
  std::filesystem::create_directories(DataDir() / "folder.txt");
  auto& run = Start("/*");
  EXPECT_EQ(NotesTopFirst(), "4 two, 2 one, 1 zero, 3 ten");
  EXPECT_EQ(run.State().OpenNotes, 4);
  EXPECT_EQ(MustNote(3).Bounds(), (platform::TwipsRect{9000, 1005, 3360, 480}))
      << "1000 twips held as 67 whole pixels";
  EXPECT_EQ(desktop_.ActiveForm(), &MustNote(1));
  EXPECT_EQ(run.ThisNoteNumber(), 1);
  EXPECT_EQ(run.State().LastNotePath, DataFolder() + "\\0.txt");
}

// A thousand notes open without deep nesting, a collapsed one making only its title strip, and
// notes numbered above fifty keep their own options.
TEST_F(FusenTest, RestoreAllOfAThousandNotesNeedsNoDeepNestingAndEachKeepsItsOwnOptions) {
  for (int i = 0; i < 1000; ++i) {
    WriteNoteFile(std::to_string(i) + ".txt", NoteBytes("n", 9000, 0, "", i == 54 ? 1 : 0, 0));
  }
  auto& run = Start("/*");
  EXPECT_EQ(run.State().LastNoteNumber, 1000);
  EXPECT_FALSE(MustNote(500).HasControl(note::DetailsBox));
  int numberOf54 = 0;  // list order is text order
  for (const auto& note : run.Controller().Notes()) {
    if (note->Model().path == DataFolder() + "\\54.txt") numberOf54 = note->NoteNumber();
  }
  ASSERT_GT(numberOf54, 50);
  EXPECT_TRUE(run.Model(numberOf54).applied.inFront);
  RightPress(MustNote(numberOf54));
  EXPECT_TRUE(MenuChecked(MenuItem::InFront));
}

// A restore-all forwarded to a running program, also one that lost the start race to a new note,
// opens only the files without a window, the first active, and leaves hidden notes hidden. "Show
// hidden notes" shows them, even one whose file is gone, and reopens closed ones with the next
// numbers, the last one active on top. With no file left in the folder neither command opens or
// shows anything, nor ends the program.
TEST_F(FusenTest, RestoreAllAndShowHiddenReopenOnlyClosedNotesAndOnlyShowHiddenOnesShows) {
  WriteNotes(4);
  auto& run = Start("/N");  // the new note's start came first
  EXPECT_TRUE(Start("/*").Ended());
  // The same order and numbering as a restore-all at start-up, after the new note, untouched.
  EXPECT_EQ(NotesTopFirst(), "2 note0, 5 note3, 4 note2, 3 note1, 1  open");
  EXPECT_EQ(run.State().OpenNotes, 5);
  EXPECT_EQ(run.State().LastNotePath, DataFolder() + "\\0.txt");
  EXPECT_EQ(desktop_.ActiveForm(), &MustNote(2));
  Choose(MustNote(2), MenuItem::HideNote);
  Choose(MustNote(3), MenuItem::CloseNote);
  Start("/*");
  Start("/*");  // every file has its window now: nothing happens
  EXPECT_EQ(NotesTopFirst(), "6 note1, 2 note0 hidden, 5 note3, 4 note2, 1  open");
  EXPECT_EQ(run.State().OpenNotes, 5);

  Choose(MustNote(4), MenuItem::CloseNote);
  Choose(MustNote(5), MenuItem::CloseNote);
  Choose(MustNote(1), MenuItem::ShowHidden);
  EXPECT_EQ(NotesTopFirst(), "8 note3, 7 note2, 2 note0, 6 note1, 1  open");
  EXPECT_EQ(desktop_.ActiveForm(), &MustNote(8));
  EXPECT_EQ(run.ThisNoteNumber(), 8);
  EXPECT_EQ(run.State().LastNotePath, DataFolder() + "\\3.txt");
  Choose(MustNote(1), MenuItem::ShowHidden);  // everything open already: nothing new
  EXPECT_EQ(run.State().LastNoteNumber, 8);

  Choose(MustNote(2), MenuItem::HideNote);
  std::filesystem::remove(DataDir() / "0.txt");
  Choose(MustNote(6), MenuItem::ShowHidden);
  EXPECT_EQ(NotesTopFirst(), "2 note0, 8 note3, 7 note2, 6 note1, 1  open");
  Choose(MustNote(2), MenuItem::HideNote);
  TypeTitle(MustNote(1), "unsaved");  // the new note, never saved
  Choose(MustNote(1), MenuItem::HideNote);
  std::filesystem::remove_all(DataDir());
  Start("/*");
  run.Controller().ShowHidden();
  ASSERT_EQ(NotesTopFirst(), "2 note0 hidden, 8 note3, 7 note2, 6 note1, 1 unsaved hidden open");
  EXPECT_EQ(run.State().OpenNotes, 5);
}

}  // namespace
}  // namespace zlt::test
