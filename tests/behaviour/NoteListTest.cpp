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

// Hidden notes are shown in their own windows, even one whose file is gone; closed ones reopen
// in new windows with the next numbers, the last one opened active on top.
TEST_F(FusenTest, ShowHiddenShowsHiddenNotesAndReopensOnlyClosedOnesButNotIntoAnEmptyFolder) {
  WriteNotes(4);
  auto& run = Start("/*");
  Choose(MustNote(2), MenuItem::CloseNote);
  Choose(MustNote(4), MenuItem::CloseNote);
  Choose(MustNote(3), MenuItem::HideNote);
  Choose(MustNote(1), MenuItem::ShowHidden);
  EXPECT_EQ(NotesTopFirst(), "6 note3, 5 note1, 3 note2, 1 note0");
  EXPECT_EQ(desktop_.ActiveForm(), &MustNote(6));
  EXPECT_EQ(run.ThisNoteNumber(), 6);
  EXPECT_EQ(run.State().LastNotePath, DataFolder() + "\\3.txt");
  Choose(MustNote(1), MenuItem::ShowHidden);  // everything open already: nothing new
  EXPECT_EQ(run.State().LastNoteNumber, 6);

  // A hidden note whose file was deleted behind its back is shown all the same; with no file
  // left in the folder, hidden notes stay hidden, one never saved too.
  Choose(MustNote(1), MenuItem::HideNote);
  std::filesystem::remove(DataDir() / "0.txt");
  Choose(MustNote(3), MenuItem::ShowHidden);
  EXPECT_EQ(NotesTopFirst(), "1 note0, 6 note3, 5 note1, 3 note2");
  Choose(MustNote(1), MenuItem::NewNote);
  TypeTitle(MustNote(7), "unsaved");
  Choose(MustNote(7), MenuItem::HideNote);
  for (const auto& name : NoteFiles()) std::filesystem::remove(DataDir() / name);
  run.Controller().ShowHidden();
  EXPECT_EQ(NotesTopFirst(), "7 unsaved hidden open, 1 note0, 6 note3, 5 note1, 3 note2");
}

}  // namespace
}  // namespace zlt::test
