// The note window and the note list: where a note opens, what save, cancel and close write, and
// the two commands that bring notes back: the start-up chain and "show hidden notes".
#include "FusenFixture.h"

namespace zlt::test {
namespace {

// A note made from the menu opens below the note pressed, and new notes made below the same note
// do not cover each other.
TEST_F(FusenTest, NotesMadeFromTheMenuOpenBelowTheNotePressedWithoutCoveringEachOther) {
  auto& run = StartWith(
      {NoteBytes("a", 9120, 1000), NoteBytes("b", 2000, 3000), NoteBytes("low", 9120, 15000)});
  for (int i = 0; i < 3; ++i) Choose(MustNote(1), MenuItem::NewNote);
  EXPECT_EQ(MustNote(4).Bounds(), (TwipsRect{9120 - 3135, 1500, 6495, 5190}));

  // Saved with both options cleared: exactly the lines a plain note holds.
  auto& fourth = MustNote(4);
  TypeTitle(fourth, "a");
  Click(fourth, {note::InFrontCheck, note::TranslucentCheck});
  Save(fourth);
  EXPECT_EQ(std::tuple(ReadNoteFile("3.txt"), fourth.Topmost(), run.Model(4).applied),
            std::tuple(NoteBytes("a", 9120, 1500), false, note::DisplayOptions{false, false}));
  // 500 twips apart, at whole pixels of 15 twips.
  const platform::Twips tops[] = {1500, 1995, 2505};
  for (int n = 4; n <= 6; ++n) {
    TypeTitle(MustNote(n), "new");
    Save(MustNote(n));
    EXPECT_EQ(MustNote(n).Bounds(), (TwipsRect{9120, tops[n - 4], 3360, 480})) << n;
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
  EXPECT_EQ(std::tuple(MustNote(8).Bounds().top, MustNote(9).Bounds().top), std::tuple(15495, 0));
}

// Cancel closes a brand-new note without a file (and ends a program with nothing else to show);
// a typed new note closed or logged off without saving is kept under a new name. Cancel after
// editing a saved new note puts back what its details opened with.
TEST_F(FusenTest, NewNotesCancelledLeaveNoFileClosedOrLoggedOffAreKeptAndSavedPutBack) {
  WriteNoteFile("0.txt", NoteBytes("keep", 9000, 0));
  auto& run = Start("/*");
  Choose(MustNote(1), MenuItem::NewNote);
  Cancel(MustNote(2));
  EXPECT_EQ(NotesTopFirst() + " | " + NoteFiles(), "1 keep | 0.txt");

  Choose(MustNote(1), MenuItem::NewNote);
  TypeTitle(MustNote(3), "typed, never saved");
  desktop_.RequestClose(MustNote(3));
  ASSERT_EQ(NoteFiles(), "0.txt 1.txt");
  EXPECT_TRUE(FileHas("1.txt", "Title=typed, never saved\r\n"));
  Choose(MustNote(1), MenuItem::NewNote);
  TypeTitle(MustNote(4), "before logoff");
  desktop_.EndSession();
  EXPECT_TRUE(FileHas("2.txt", "Title=before logoff\r\n"));

  // The only note cancelled: the program has nothing left to show and ends.
  Stop(run);
  auto& only = Start("/N");
  Cancel(MustNote(1));
  EXPECT_EQ(std::tuple(only.Ended(), NoteFiles()), std::tuple(true, "0.txt 1.txt 2.txt"));

  // Cancel after editing a saved new note. Where a new note opens, what its first save writes and
  // how it then stands the Wine scenario notes_typed checks, on the real window.
  Start("/N");
  auto& saved = MustNote(1);
  TypeTitle(saved, "買い物");
  TypeDetails(saved, "牛乳\r\nパン");
  Save(saved);
  // The title is stored as it is typed; Cancel puts back what the details opened with.
  ShiftDoubleClickTitle(saved);
  EXPECT_EQ(saved.Bounds(), (TwipsRect{28800 - 6495, 0, 6495, 5190}));
  TypeTitle(saved, "new");
  EXPECT_TRUE(FileHas("3.txt", "Title=new\r\n"));
  TypeDetails(saved, "changed");
  Cancel(saved);
  EXPECT_EQ(saved.Control(note::TitleBox).Text(), "買い物");
  EXPECT_EQ(saved.Control(note::DetailsBox).Text(), "牛乳\r\nパン");
  EXPECT_EQ(ReadNoteFile("3.txt"), NoteBytes("買い物", 25440, 0, "牛乳\r\nパン", 1, 1));
  EXPECT_EQ(saved.Bounds(), (TwipsRect{25440, 0, 3360, 480}));
}

TEST_F(FusenTest, RestoreAllOpensEveryNoteFileInTextOrderTheFirstActiveOnTopOfItsBand) {
  // Notes kept in front and notes that are not, mixed.
  WriteNoteFile("10.txt", NoteBytes("ten", 9000, 1000, "", 0));
  WriteNoteFile("2.TXT", NoteBytes("two", 9000, 1500, "", 1));  // letter case does not matter
  WriteNoteFile("readme.txt.old", "not a note");
  WriteNoteFile("ZLTFusen.ini", "[ZLT付箋紙プラグイン]\r\n");
  std::filesystem::create_directories(DataDir() / "folder.txt");
  auto& run = StartWith({NoteBytes("zero", 9000, 0, "", 0), NoteBytes("one", 9000, 500, "", 1)});
  EXPECT_EQ(NotesTopFirst(), "4 two, 2 one, 1 zero, 3 ten");
  EXPECT_EQ(MustNote(3).Bounds(), (platform::TwipsRect{9000, 1005, 3360, 480}))
      << "1000 twips held as 67 whole pixels";
  EXPECT_EQ(
      std::tuple(desktop_.ActiveForm(), run.Controller().ThisNote(), run.State().LastNotePath),
      std::tuple(&MustNote(1), run.Controller().Notes().front().get(), DataFolder() + "\\0.txt"));
}

// A thousand notes open without deep nesting, a collapsed one making only its title strip, and
// notes numbered above fifty keep their own options.
TEST_F(FusenTest, RestoreAllOfAThousandNotesNeedsNoDeepNestingAndEachKeepsItsOwnOptions) {
  for (int i = 0; i < 1000; ++i)
    WriteNoteFile(std::to_string(i) + ".txt", NoteBytes("n", 9000, 0, "", i == 54 ? 1 : 0, 0));
  auto& run = Start("/*");
  // In text order 54.txt is note 491: numbered above fifty, it keeps its own option.
  EXPECT_EQ(std::tuple(run.State().LastNoteNumber, MustNote(500).HasControl(note::DetailsBox),
                       run.Model(491).path, run.Model(491).applied.inFront),
            std::tuple(1000, false, DataFolder() + "\\54.txt", true));
  RightPress(MustNote(491));
  EXPECT_TRUE(MenuChecked(MenuItem::InFront));
}

// A restore-all forwarded to a running program, also one that lost the start race to a new note,
// opens only the files without a window, the first active, and leaves hidden notes hidden. "Show
// hidden notes" shows them, even one whose file is gone, and reopens closed ones with the next
// numbers, the last one active on top. With no file left in the folder neither command opens or
// shows anything, nor ends the program.
TEST_F(FusenTest, RestoreAllAndShowHiddenReopenOnlyClosedNotesAndOnlyShowHiddenOnesShows) {
  auto& run = StartWithNotes(4, 0, 0, "/N");  // the new note's start came first
  EXPECT_TRUE(Start("/*").Ended());
  // The same order and numbering as a restore-all at start-up, after the new note, untouched.
  EXPECT_EQ(NotesTopFirst(), "2 note0, 5 note3, 4 note2, 3 note1, 1  open");
  EXPECT_EQ(run.State().LastNotePath, DataFolder() + "\\0.txt");
  EXPECT_EQ(desktop_.ActiveForm(), &MustNote(2));
  Choose(MustNote(2), MenuItem::HideNote);
  Choose(MustNote(3), MenuItem::CloseNote);
  Start("/*");
  Start("/*");  // every file has its window now: nothing happens
  EXPECT_EQ(NotesTopFirst(), "6 note1, 2 note0 hidden, 5 note3, 4 note2, 1  open");

  Choose(MustNote(4), MenuItem::CloseNote);
  Choose(MustNote(5), MenuItem::CloseNote);
  Choose(MustNote(1), MenuItem::ShowHidden);
  EXPECT_EQ(NotesTopFirst(), "8 note3, 7 note2, 2 note0, 6 note1, 1  open");
  EXPECT_EQ(desktop_.ActiveForm(), &MustNote(8));
  EXPECT_EQ(run.Controller().ThisNote()->NoteNumber(), 8);
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
}

}  // namespace
}  // namespace zlt::test
