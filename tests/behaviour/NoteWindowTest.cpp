// The note window: where it opens, what save, cancel and close write, and how
// its display options take effect.
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuItem;
using platform::TwipsRect;

constexpr TwipsRect kTopRightDetails{28800 - 6495, 0, 6495, 5190};

TEST_F(FusenTest, NewNoteOpensItsDetailsAtTheTopRightWhenItIsTheOnlyNote) {
  auto& run = Start("/N");
  auto& note = MustNote(1);
  EXPECT_EQ(note.Bounds(), kTopRightDetails);
  EXPECT_TRUE(note.Visible());
  EXPECT_TRUE(note.Control(note::Frame1).Visible());
  EXPECT_EQ(run.State().MemoCount, 1);
  EXPECT_EQ(run.State().OpenMemoCount, 1);
  EXPECT_TRUE(NoteFiles().empty()) << "nothing is written before the first save";
}

TEST_F(FusenTest, SaveWritesTheNoteFileAndCollapsesToTheStoredLeft) {
  auto& run = Start("/N");
  auto& note = MustNote(1);
  TypeTitle(note, "買い物");
  TypeDetails(note, "牛乳\r\nパン");
  Save(note);
  ASSERT_EQ(NoteFiles(), std::vector<std::string>{"0.txt"});
  EXPECT_EQ(ReadNoteFile("0.txt"), NoteBytes("買い物", 25440, 0, "牛乳\r\nパン", 1, 1));
  EXPECT_EQ(note.Bounds(), (TwipsRect{25440, 0, 3360, 480}));
  EXPECT_FALSE(note.Control(note::Frame1).Visible());
  // A new note starts with both display options on; saving applies them.
  EXPECT_TRUE(note.Topmost());
  EXPECT_EQ(note.Alpha(), std::optional<std::uint8_t>(150));
  EXPECT_TRUE(run.State().TemaeFlag.Get(1));
  EXPECT_TRUE(run.State().ToumeiFlag.Get(1));
}

TEST_F(FusenTest, NoteMadeFromTheMenuOpensBelowTheNotePressed) {
  WriteNoteFile("0.txt", NoteBytes("a", 9120, 1000));
  WriteNoteFile("1.txt", NoteBytes("b", 2000, 3000));
  Start("/*");
  Choose(MustNote(1), MenuItem::NewMemo);
  EXPECT_EQ(MustNote(3).Bounds(), (TwipsRect{9120 - 3135, 1500, 6495, 5190}));

  // Saved with both options cleared: exactly the lines a plain note holds.
  auto& third = MustNote(3);
  TypeTitle(third, "a");
  desktop_.Click(third, note::TemaeCheck);
  desktop_.Click(third, note::ToumeiCheck);
  Save(third);
  EXPECT_EQ(ReadNoteFile("2.txt"), NoteBytes("a", 9120, 1500));
  EXPECT_EQ(third.Bounds(), (TwipsRect{9120, 1500, 3360, 480}));
  EXPECT_FALSE(third.Topmost());

  // Too close to the left edge: the details view stops at the edge. Windows
  // keep whole pixels: 3500 twips is 233 pixels at 15 twips each.
  Choose(MustNote(2), MenuItem::NewMemo);
  EXPECT_EQ(MustNote(4).Bounds(), (TwipsRect{0, 3495, 6495, 5190}));
}

TEST_F(FusenTest, CancelOnABrandNewNoteClosesItWithoutAFile) {
  WriteNoteFile("0.txt", NoteBytes("keep", 9000, 0));
  auto& run = Start("/*");
  Choose(MustNote(1), MenuItem::NewMemo);
  Cancel(MustNote(2));
  EXPECT_EQ(Note(2), nullptr);
  EXPECT_EQ(run.State().OpenMemoCount, 1);
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
  auto bytes = NoteBytes("old", 9000, 600, "d");
  bytes.replace(bytes.find("Time0=00"), 8, "Time0=09");
  bytes.replace(bytes.find("Time1=00"), 8, "Time1=30");
  WriteNoteFile("0.txt", bytes);
  Start("/*");
  auto& note = MustNote(1);
  ShiftDoubleClickTitle(note);
  ASSERT_TRUE(note.Control(note::Frame1).Visible());
  EXPECT_EQ(note.Bounds(), (TwipsRect{9000 - 3135, 600, 6495, 5190}));

  TypeTitle(note, "new");
  EXPECT_NE(ReadNoteFile("0.txt").find("Title=new\r\n"), std::string::npos)
      << "the title is stored as it is typed";
  TypeDetails(note, "changed");
  desktop_.Type(note, note::txtTime0, "11");
  Cancel(note);

  EXPECT_EQ(note.Control(note::txtTitle).Text(), "old");
  EXPECT_EQ(note.Control(note::txtData).Text(), "d");
  // The hour and minute come back with their two digits.
  EXPECT_EQ(note.Control(note::txtTime0).Text(), "09");
  EXPECT_EQ(note.Control(note::txtTime1).Text(), "30");
  EXPECT_NE(ReadNoteFile("0.txt").find("Title=old\r\n"), std::string::npos);
  EXPECT_EQ(note.Bounds(), (TwipsRect{9000, 600, 3360, 480}));
}

TEST_F(FusenTest, ClosingWritesNotesWithContentOnlyAtTheirCurrentPlace) {
  WriteNoteFile("0.txt", NoteBytes("a", 9000, 600));
  const std::string empty = Sjis("[ZLT付箋紙プラグイン]\r\nAlarm=0\r\nLeft=100.0\r\n");
  WriteNoteFile("1.txt", empty);
  Start("/*");
  auto& first = MustNote(1);
  ShiftDoubleClickTitle(first);  // close while the details are open
  TypeDetails(first, "x");
  desktop_.RequestClose(first);
  EXPECT_EQ(Note(1), nullptr);
  // Recorded where the note stands collapsed, not where its details view stood.
  EXPECT_EQ(ReadNoteFile("0.txt"), NoteBytes("a", 9000, 600, "x", 0, 0));

  desktop_.RequestClose(MustNote(2));
  EXPECT_EQ(ReadNoteFile("1.txt"), empty) << "an empty note leaves its file alone";
}

TEST_F(FusenTest, TypedNoteClosedWithoutSavingIsKeptUnderANewName) {
  WriteNoteFile("0.txt", NoteBytes("a", 9000, 600));
  Start("/*");
  Choose(MustNote(1), MenuItem::NewMemo);
  auto& note = MustNote(2);
  TypeTitle(note, "typed, never saved");
  EXPECT_EQ(NoteFiles(), std::vector<std::string>{"0.txt"}) << "no file before a save";
  desktop_.RequestClose(note);
  ASSERT_EQ(NoteFiles(), (std::vector<std::string>{"0.txt", "1.txt"}));
  EXPECT_NE(ReadNoteFile("1.txt").find(Sjis("Title=typed, never saved\r\n")), std::string::npos);
}

TEST_F(FusenTest, EndOfSessionSavesEveryNote) {
  auto& run = Start("/N");
  TypeTitle(MustNote(1), "before logoff");
  desktop_.EndSession();
  ASSERT_EQ(NoteFiles(), std::vector<std::string>{"0.txt"});
  EXPECT_NE(ReadNoteFile("0.txt").find("Title=before logoff"), std::string::npos);
  EXPECT_FALSE(run.Ended());
}

TEST_F(FusenTest, TurningAlwaysInFrontOffForOneNoteKeepsTheOthersInFront) {
  for (int i = 0; i < 3; ++i) {
    WriteNoteFile(std::to_string(i) + ".txt", NoteBytes("n", 9000, 600 * i, "", 1, 0));
  }
  auto& run = Start("/*");
  auto& middle = MustNote(2);
  for (int n = 1; n <= 3; ++n) EXPECT_TRUE(MustNote(n).Topmost());
  ShiftDoubleClickTitle(middle);
  desktop_.Click(middle, note::TemaeCheck);
  Save(middle);
  EXPECT_FALSE(middle.Topmost());
  EXPECT_TRUE(MustNote(1).Topmost());
  EXPECT_TRUE(MustNote(3).Topmost());
  EXPECT_FALSE(run.State().TemaeFlag.Get(2));
  EXPECT_NE(ReadNoteFile("1.txt").find("Temae=0\r\n"), std::string::npos);
  const auto order = desktop_.ZOrder();
  const auto position = [&](sim::SimForm* form) {
    return std::find(order.begin(), order.end(), form) - order.begin();
  };
  EXPECT_LT(position(&MustNote(1)), position(&middle));
  EXPECT_LT(position(&MustNote(3)), position(&middle));
}

TEST_F(FusenTest, AlarmTimerIsArmedOnlyForAFutureMinute) {
  Start("/N");
  auto& note = MustNote(1);
  TypeTitle(note, "alarm");
  desktop_.Click(note, note::AlmCheck);  // today's date, 00:00: already past at 09:00
  EXPECT_EQ(note.Control(note::txtDateNo).Text(), "2026/12/07");
  Save(note);
  EXPECT_FALSE(note.TimerRunning(note::AlarmTimer));

  ShiftDoubleClickTitle(note);
  desktop_.Type(note, note::txtTime0, "09");  // the present minute is not later
  Save(note);
  EXPECT_FALSE(note.TimerRunning(note::AlarmTimer));

  ShiftDoubleClickTitle(note);
  desktop_.Type(note, note::txtTime1, "01");
  Save(note);
  EXPECT_TRUE(note.TimerRunning(note::AlarmTimer));
}

TEST_F(FusenTest, NotesNumberedAboveFiftyKeepTheirOwnOptions) {
  for (int i = 0; i < 55; ++i) {
    WriteNoteFile(std::to_string(i) + ".txt", NoteBytes("n", 9000, 0, "", i == 54 ? 1 : 0, 0));
  }
  auto& run = Start("/*");
  ASSERT_EQ(run.State().MemoCount, 55);
  // List order is text order: "54.txt" is the 51st name.
  int numberOf54 = 0;
  for (const auto& note : run.Controller().Notes()) {
    if (note->MemoPath() == DataFolder() + "\\54.txt") numberOf54 = note->NoteNumber();
  }
  ASSERT_GT(numberOf54, 50);
  EXPECT_TRUE(run.State().TemaeFlag.Get(numberOf54));
  RightPress(MustNote(numberOf54));
  ASSERT_FALSE(desktop_.Menus().empty());
  const auto& items = desktop_.Menus().back().items;
  const auto temae = std::find_if(items.begin(), items.end(), [](const auto& item) {
    return item.id == manager::MenuId(MenuItem::TemaeView);
  });
  ASSERT_NE(temae, items.end());
  EXPECT_TRUE(temae->checked);
}

TEST_F(FusenTest, DamagedNoteFilesOpenEmptyAndStayUntouched) {
  const std::string junk("\x00\xFF\x81[ZLT\r\r\n\x01\x02", 12);
  const std::string utf16("\xFF\xFE[\0Z\0]\0", 8);
  WriteNoteFile("0.txt", junk);
  WriteNoteFile("1.txt", utf16);
  WriteNoteFile("2.txt", NoteBytes("fine", 9000, 0));
  auto& run = Start("/*");
  EXPECT_EQ(run.State().MemoCount, 3);
  EXPECT_FALSE(run.State().StartupLoad);
  EXPECT_EQ(MustNote(3).Control(note::txtTitle).Text(), "fine");
  EXPECT_EQ(MustNote(1).Control(note::txtTitle).Text(), "");
  desktop_.RequestClose(MustNote(1));
  desktop_.RequestClose(MustNote(2));
  EXPECT_EQ(ReadNoteFile("0.txt"), junk);
  EXPECT_EQ(ReadNoteFile("1.txt"), utf16);
}

}  // namespace
}  // namespace zlt::test
