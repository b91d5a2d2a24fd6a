// The note window: where it opens, and what save, cancel and close write.
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuItem;
using platform::TwipsRect;

constexpr TwipsRect kTopRightDetails{28800 - 6495, 0, 6495, 5190};

TEST_F(FusenTest, NewNoteOpensAtTheTopRightAndItsSaveWritesTheFileAndCollapses) {
  auto& run = Start("/N");
  auto& note = MustNote(1);
  EXPECT_EQ(note.Bounds(), kTopRightDetails) << "the only note opens at the top right";
  EXPECT_TRUE(note.Visible());
  EXPECT_TRUE(DetailsOpen(note));
  EXPECT_EQ(run.State().OpenNotes, 1);
  TypeTitle(note, "買い物");
  TypeDetails(note, "牛乳\r\nパン");
  EXPECT_TRUE(NoteFiles().empty()) << "nothing is written before the first save";
  Save(note);
  ASSERT_EQ(NoteFiles(), std::vector<std::string>{"0.txt"});
  EXPECT_EQ(ReadNoteFile("0.txt"), NoteBytes("買い物", 25440, 0, "牛乳\r\nパン", 1, 1));
  EXPECT_EQ(note.Bounds(), (TwipsRect{25440, 0, 3360, 480}));
  EXPECT_FALSE(DetailsOpen(note));
  // A new note starts with both display options on; saving applies them.
  EXPECT_TRUE(note.Topmost());
  EXPECT_EQ(note.Alpha(), std::optional<std::uint8_t>(150));
  EXPECT_EQ(run.Model(1).applied, (note::DisplayOptions{true, true}));
}

TEST_F(FusenTest, NoteMadeFromTheMenuOpensBelowTheNotePressed) {
  WriteNoteFile("0.txt", NoteBytes("a", 9120, 1000));
  WriteNoteFile("1.txt", NoteBytes("b", 2000, 3000));
  auto& run = Start("/*");
  Choose(MustNote(1), MenuItem::NewNote);
  EXPECT_EQ(MustNote(3).Bounds(), (TwipsRect{9120 - 3135, 1500, 6495, 5190}));

  // Saved with both options cleared: exactly the lines a plain note holds.
  auto& third = MustNote(3);
  TypeTitle(third, "a");
  desktop_.Click(third, note::InFrontCheck);
  desktop_.Click(third, note::TranslucentCheck);
  Save(third);
  EXPECT_EQ(ReadNoteFile("2.txt"), NoteBytes("a", 9120, 1500));
  EXPECT_EQ(third.Bounds(), (TwipsRect{9120, 1500, 3360, 480}));
  EXPECT_FALSE(third.Topmost());
  EXPECT_EQ(run.Model(3).applied, (note::DisplayOptions{false, false}));

  // Too close to the left edge: the details view stops at the edge. Windows
  // keep whole pixels: 3500 twips is 233 pixels at 15 twips each.
  Choose(MustNote(2), MenuItem::NewNote);
  EXPECT_EQ(MustNote(4).Bounds(), (TwipsRect{0, 3495, 6495, 5190}));
}

TEST_F(FusenTest, NewNotesMadeBelowTheSameNoteDoNotCoverEachOther) {
  WriteNoteFile("0.txt", NoteBytes("a", 9120, 1000));
  WriteNoteFile("1.txt", NoteBytes("low", 9120, 15000));
  Start("/*");
  for (int i = 0; i < 3; ++i) Choose(MustNote(1), MenuItem::NewNote);
  // 500 twips apart, at whole pixels of 15 twips.
  const platform::Twips tops[] = {1500, 1995, 2505};
  for (int n = 3; n <= 5; ++n) {
    auto& note = MustNote(n);
    TypeTitle(note, "new");
    Save(note);
    EXPECT_EQ(note.Bounds(), (TwipsRect{9120, tops[n - 3], 3360, 480})) << n;
  }
  // Below a note near the bottom, the second new note starts again at the top.
  Choose(MustNote(2), MenuItem::NewNote);
  Choose(MustNote(2), MenuItem::NewNote);
  EXPECT_EQ(MustNote(6).Bounds().top, 15495);
  EXPECT_EQ(MustNote(7).Bounds().top, 0);
}

TEST_F(FusenTest, CancelOnABrandNewNoteClosesItWithoutAFile) {
  WriteNoteFile("0.txt", NoteBytes("keep", 9000, 0));
  auto& run = Start("/*");
  Choose(MustNote(1), MenuItem::NewNote);
  Cancel(MustNote(2));
  EXPECT_EQ(Note(2), nullptr);
  EXPECT_EQ(run.State().OpenNotes, 1);
  EXPECT_EQ(NoteFiles(), std::vector<std::string>{"0.txt"});
  EXPECT_FALSE(run.Ended());

  // The only note cancelled: the program has nothing left to show and ends.
  Stop(run);
  auto& only = Start("/N");
  Cancel(MustNote(1));
  EXPECT_TRUE(only.Ended());
  EXPECT_EQ(NoteFiles(), std::vector<std::string>{"0.txt"});
}

TEST_F(FusenTest, CancelAfterEditingPutsBackWhatTheDetailsOpenedWith) {
  auto& note = StartWithNote(NoteBytes("old", 9000, 600, "d"));
  ShiftDoubleClickTitle(note);
  ASSERT_TRUE(note.Control(note::DetailsFrame).Visible());
  EXPECT_EQ(note.Bounds(), (TwipsRect{9000 - 3135, 600, 6495, 5190}));

  TypeTitle(note, "new");
  EXPECT_TRUE(FileHas("0.txt", "Title=new\r\n")) << "the title is stored as it is typed";
  TypeDetails(note, "changed");
  Cancel(note);

  EXPECT_EQ(TitleOf(1), "old");
  EXPECT_EQ(note.Control(note::DetailsBox).Text(), "d");
  EXPECT_TRUE(FileHas("0.txt", "Title=old\r\n"));
  EXPECT_EQ(note.Bounds(), (TwipsRect{9000, 600, 3360, 480}));
}

TEST_F(FusenTest, TypedNoteClosedOrLoggedOffWithoutSavingIsKeptUnderANewName) {
  WriteNoteFile("0.txt", NoteBytes("a", 9000, 600));
  auto& run = Start("/*");
  Choose(MustNote(1), MenuItem::NewNote);
  auto& note = MustNote(2);
  TypeTitle(note, "typed, never saved");
  EXPECT_EQ(NoteFiles(), std::vector<std::string>{"0.txt"}) << "no file before a save";
  desktop_.RequestClose(note);
  ASSERT_EQ(NoteFiles(), (std::vector<std::string>{"0.txt", "1.txt"}));
  EXPECT_TRUE(FileHas("1.txt", "Title=typed, never saved\r\n"));

  Choose(MustNote(1), MenuItem::NewNote);
  TypeTitle(MustNote(3), "before logoff");
  desktop_.EndSession();
  EXPECT_TRUE(FileHas("2.txt", "Title=before logoff\r\n"));
  EXPECT_FALSE(run.Ended());
}

TEST_F(FusenTest, NotesNumberedAboveFiftyKeepTheirOwnOptions) {
  for (int i = 0; i < 55; ++i) {
    WriteNoteFile(std::to_string(i) + ".txt", NoteBytes("n", 9000, 0, "", i == 54 ? 1 : 0, 0));
  }
  auto& run = Start("/*");
  ASSERT_EQ(run.State().LastNoteNumber, 55);
  // List order is text order: "54.txt" is the 51st name.
  int numberOf54 = 0;
  for (const auto& note : run.Controller().Notes()) {
    if (note->Model().path == DataFolder() + "\\54.txt") numberOf54 = note->NoteNumber();
  }
  ASSERT_GT(numberOf54, 50);
  EXPECT_TRUE(run.Model(numberOf54).applied.inFront);
  RightPress(MustNote(numberOf54));
  EXPECT_TRUE(MenuChecked(MenuItem::InFront));
}

}  // namespace
}  // namespace zlt::test
