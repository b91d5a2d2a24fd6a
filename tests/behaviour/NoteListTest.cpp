// The note list and the two commands that bring notes back: the start-up chain
// and "show hidden notes".
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuItem;

TEST_F(FusenTest, RestoreAllOpensEveryNoteFileInTextOrder) {
  WriteNoteFile("0.txt", NoteBytes("zero", 9000, 0));
  WriteNoteFile("1.txt", NoteBytes("one", 9000, 500));
  WriteNoteFile("10.txt", NoteBytes("ten", 9000, 1000));
  WriteNoteFile("2.TXT", NoteBytes("two", 9000, 1500));  // letter case does not matter
  WriteNoteFile("readme.txt.old", "not a note");
  WriteNoteFile("ZLTFusen.ini", "[ZLT付箋紙プラグイン]\r\n");
  std::filesystem::create_directories(DataDir() / "folder.txt");
  auto& run = Start("/*");
  ASSERT_FALSE(run.Ended());
  EXPECT_EQ(run.State().MemoCount, 4);
  EXPECT_EQ(run.State().OpenMemoCount, 4);
  EXPECT_FALSE(run.State().StartupLoad);
  const char* titles[] = {"zero", "one", "ten", "two"};
  for (int n = 1; n <= 4; ++n) {
    auto& note = MustNote(n);
    EXPECT_EQ(note.Control(note::txtTitle).Text(), titles[n - 1]);
    EXPECT_TRUE(note.Visible());
    EXPECT_EQ(note.Bounds().width, 3360) << "collapsed";
  }
  EXPECT_EQ(MustNote(3).Bounds().top, 1005) << "1000 twips held as 67 whole pixels";
  // The chain leaves the first note active and recorded as the note last activated.
  EXPECT_EQ(run.State().FrmPath, DataFolder() + "\\0.txt");
  EXPECT_EQ(run.Controller().FrmObject, note::NoteCaption(1));
  EXPECT_EQ(desktop_.ActiveForm(), &MustNote(1));
}

TEST_F(FusenTest, RestoreAllWithAThousandNotesNeedsNoDeepNesting) {
  for (int i = 0; i < 1000; ++i) {
    WriteNoteFile(std::to_string(i) + ".txt", NoteBytes("n" + std::to_string(i), 9000, 0));
  }
  auto& run = Start("/*");
  EXPECT_EQ(run.State().MemoCount, 1000);
  EXPECT_FALSE(run.State().StartupLoad);
  // A collapsed note creates only its title strip.
  EXPECT_FALSE(MustNote(500).HasControl(note::txtData));
}

TEST_F(FusenTest, ShowHiddenShowsEveryWindowAndReopensOnlyClosedNotes) {
  WriteNoteFile("0.txt", NoteBytes("a", 9000, 0));
  WriteNoteFile("1.txt", NoteBytes("b", 9000, 500));
  WriteNoteFile("2.txt", NoteBytes("c", 9000, 1000));
  auto& run = Start("/*");
  Choose(MustNote(1), MenuItem::MemoShade);  // hidden: the window stays
  EXPECT_FALSE(MustNote(1).Visible());
  Choose(MustNote(2), MenuItem::MemoClose);  // closed: only the file stays
  EXPECT_EQ(Note(2), nullptr);
  EXPECT_EQ(run.State().OpenMemoCount, 2);

  Choose(MustNote(3), MenuItem::ReView);
  EXPECT_TRUE(MustNote(1).Visible());
  // The closed note comes back in a new window with the next number.
  auto& reopened = MustNote(4);
  EXPECT_EQ(reopened.Control(note::txtTitle).Text(), "b");
  EXPECT_EQ(run.State().MemoCount, 4);

  // Everything open already: nothing new.
  Choose(MustNote(3), MenuItem::ReView);
  EXPECT_EQ(run.State().MemoCount, 4);
}

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

TEST_F(FusenTest, RestoreAllLeavesTheFirstNoteActiveOnTopOfItsBand) {
  // Notes kept in front and notes that are not, mixed.
  WriteNoteFile("0.txt", NoteBytes("a", 9000, 0, "", 0));
  WriteNoteFile("1.txt", NoteBytes("b", 9000, 500, "", 1));
  WriteNoteFile("2.txt", NoteBytes("c", 9000, 1000, "", 0));
  WriteNoteFile("3.txt", NoteBytes("d", 9000, 1500, "", 1));
  auto& run = Start("/*");
  EXPECT_EQ(desktop_.ActiveForm(), &MustNote(1));
  EXPECT_EQ(run.Controller().FrmObject, note::NoteCaption(1));
  EXPECT_EQ(run.Controller().FrmTitle, "a");
  EXPECT_EQ(run.State().FrmPath, DataFolder() + "\\0.txt");
  EXPECT_EQ(NotesTopFirst(desktop_), (std::vector<int>{4, 2, 1, 3}));
}

TEST_F(FusenTest, ShowHiddenLeavesTheLastReopenedNoteActiveOnTop) {
  WriteNoteFile("0.txt", NoteBytes("a", 9000, 0));
  WriteNoteFile("1.txt", NoteBytes("b", 9000, 500));
  WriteNoteFile("2.txt", NoteBytes("c", 9000, 1000));
  WriteNoteFile("3.txt", NoteBytes("d", 9000, 1500));
  auto& run = Start("/*");
  Choose(MustNote(2), MenuItem::MemoClose);
  Choose(MustNote(4), MenuItem::MemoClose);
  Choose(MustNote(3), MenuItem::MemoShade);
  Choose(MustNote(1), MenuItem::ReView);
  // 1.txt and 3.txt come back as notes 5 and 6; the last one opened ends active.
  EXPECT_EQ(MustNote(6).Control(note::txtTitle).Text(), "d");
  EXPECT_TRUE(MustNote(3).Visible());
  EXPECT_EQ(desktop_.ActiveForm(), &MustNote(6));
  EXPECT_EQ(run.Controller().FrmObject, note::NoteCaption(6));
  EXPECT_EQ(run.State().FrmPath, DataFolder() + "\\3.txt");
  EXPECT_EQ(NotesTopFirst(desktop_), (std::vector<int>{6, 5, 3, 1}));
}

TEST_F(FusenTest, ShowHiddenWithAnEmptyFolderLeavesHiddenNotesHidden) {
  auto& run = Start("/N");
  TypeTitle(MustNote(1), "unsaved");
  Choose(MustNote(1), MenuItem::MemoShade);
  Choose(MustNote(1), MenuItem::ReView);
  EXPECT_FALSE(MustNote(1).Visible());
  EXPECT_EQ(run.State().MemoCount, 1);
}

TEST_F(FusenTest, NoteWhoseFileWasDeletedBehindItsBackStaysOpen) {
  WriteNoteFile("0.txt", NoteBytes("a", 9000, 0));
  WriteNoteFile("1.txt", NoteBytes("b", 9000, 500));
  auto& run = Start("/*");
  Choose(MustNote(1), MenuItem::MemoShade);
  std::filesystem::remove(DataDir() / "0.txt");
  Choose(MustNote(2), MenuItem::ReView);
  EXPECT_TRUE(MustNote(1).Visible());
  EXPECT_EQ(run.State().MemoCount, 2);
}

TEST_F(FusenTest, ClosingTheInformationWindowSavesEveryNoteAndOnlyHides) {
  WriteNoteFile("0.txt", NoteBytes("a", 9000, 0));
  auto& run = Start("/*");
  auto& note = MustNote(1);
  ShiftDoubleClickTitle(note);
  TypeDetails(note, "kept");
  auto* info = desktop_.FindForm("ZLT付箋紙プラグイン");
  ASSERT_NE(info, nullptr);
  run.Controller().PluginInfo_Click();
  EXPECT_TRUE(info->Visible());
  desktop_.RequestClose(*info);
  EXPECT_FALSE(info->Visible());
  ASSERT_NE(desktop_.FindForm("ZLT付箋紙プラグイン"), nullptr) << "never unloaded";
  EXPECT_NE(ReadNoteFile("0.txt").find("txtData=kept"), std::string::npos);
  EXPECT_TRUE(note.Visible());
  EXPECT_FALSE(run.Ended());
}

}  // namespace
}  // namespace zlt::test
