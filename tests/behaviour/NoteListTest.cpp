// The note list and the two commands that bring notes back: the start-up chain
// and "show hidden notes".
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuItem;

// Numbers of the note windows from the top of the z-order down.
std::vector<int> NotesTopFirst(sim::Desktop& desktop) {
  std::string prefix = note::NoteCaption(0);
  prefix.pop_back();
  std::vector<int> numbers;
  for (auto* form : desktop.ZOrder()) {
    const std::string caption = form->Caption();
    if (caption.starts_with(prefix)) numbers.push_back(std::stoi(caption.substr(prefix.size())));
  }
  return numbers;
}

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
  ASSERT_FALSE(run.Ended());
  EXPECT_EQ(run.State().LastNoteNumber, 4);
  EXPECT_EQ(run.State().OpenNotes, 4);
  const char* titles[] = {"zero", "one", "ten", "two"};
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(TitleOf(n), titles[n - 1]);
    EXPECT_TRUE(MustNote(n).Visible());
    EXPECT_EQ(MustNote(n).Bounds().width, 3360) << "collapsed";
  }
  EXPECT_EQ(MustNote(3).Bounds().top, 1005) << "1000 twips held as 67 whole pixels";
  EXPECT_EQ(desktop_.ActiveForm(), &MustNote(1));
  EXPECT_EQ(run.ThisNoteNumber(), 1);
  EXPECT_EQ(run.State().LastNotePath, DataFolder() + "\\0.txt");
  EXPECT_EQ(NotesTopFirst(desktop_), (std::vector<int>{4, 2, 1, 3}));
}

TEST_F(FusenTest, RestoreAllWithAThousandNotesNeedsNoDeepNesting) {
  for (int i = 0; i < 1000; ++i) {
    WriteNoteFile(std::to_string(i) + ".txt", NoteBytes("n" + std::to_string(i), 9000, 0));
  }
  auto& run = Start("/*");
  EXPECT_EQ(run.State().LastNoteNumber, 1000);
  // A collapsed note creates only its title strip.
  EXPECT_FALSE(MustNote(500).HasControl(note::DetailsBox));
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
  EXPECT_EQ(TitleOf(5), "note1");
  EXPECT_EQ(TitleOf(6), "note3");
  EXPECT_TRUE(MustNote(3).Visible());
  EXPECT_EQ(desktop_.ActiveForm(), &MustNote(6));
  EXPECT_EQ(run.ThisNoteNumber(), 6);
  EXPECT_EQ(run.State().LastNotePath, DataFolder() + "\\3.txt");
  EXPECT_EQ(NotesTopFirst(desktop_), (std::vector<int>{6, 5, 3, 1}));
  Choose(MustNote(1), MenuItem::ShowHidden);  // everything open already: nothing new
  EXPECT_EQ(run.State().LastNoteNumber, 6);

  // A hidden note whose file was deleted behind its back is shown all the same; with no file
  // left in the folder, hidden notes stay hidden, one never saved too.
  Choose(MustNote(1), MenuItem::HideNote);
  std::filesystem::remove(DataDir() / "0.txt");
  Choose(MustNote(3), MenuItem::ShowHidden);
  EXPECT_TRUE(MustNote(1).Visible());
  EXPECT_EQ(run.State().LastNoteNumber, 6);
  Choose(MustNote(1), MenuItem::NewNote);
  TypeTitle(MustNote(7), "unsaved");
  Choose(MustNote(7), MenuItem::HideNote);
  for (const auto& name : NoteFiles()) std::filesystem::remove(DataDir() / name);
  run.Controller().ShowHidden();
  EXPECT_FALSE(MustNote(7).Visible());
  EXPECT_EQ(run.State().LastNoteNumber, 7);
}

}  // namespace
}  // namespace zlt::test
