// The note menu: its check marks, and what a right press records. Its items in order are the
// Wine test's (japanese_lang_c).
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuItem;

TEST_F(FusenTest, RightPressShowsThePressedNotesOwnMarksAndStoresThem) {
  WriteNoteFile("0.txt", NoteBytes("front", 9000, 0, "", 1, 1));
  WriteNoteFile("1.txt", NoteBytes("plain", 9000, 600, "", 0, 0));
  auto& run = Start("/*");
  RightPress(MustNote(1));
  EXPECT_TRUE(MenuChecked(MenuItem::InFront));
  EXPECT_TRUE(MenuChecked(MenuItem::Translucent));
  RightPress(MustNote(2));
  EXPECT_FALSE(MenuChecked(MenuItem::InFront));
  EXPECT_FALSE(MenuChecked(MenuItem::Translucent));

  // The press records this note for the one-note commands.
  // (the rest of what a press records is the note frame's test).
  ASSERT_NE(run.Controller().ThisNote(), nullptr);
  EXPECT_EQ(run.Controller().ThisNote()->NoteNumber(), 2);
  EXPECT_EQ(run.State().PressedTop, 600);
  // A note with content gets its options written in the menu's form.
  EXPECT_TRUE(FileHas("1.txt", "Temae=False\r\nToumei=False\r\n"));
}

TEST_F(FusenTest, RightPressOrCloseOnANoteWithoutContentWritesNothing) {
  const std::string bare = Sjis("[ZLT付箋紙プラグイン]\r\nAlarm=0\r\nLeft=100.0\r\n");
  WriteNoteFile("0.txt", bare);
  Start("/*");
  RightPress(MustNote(1));
  EXPECT_EQ(desktop_.Menus().size(), 1u);
  EXPECT_EQ(ReadNoteFile("0.txt"), bare);

  // Nor does a new note without a file: no file appears anywhere.
  Choose(MustNote(1), MenuItem::NewNote);
  TypeTitle(MustNote(2), "x");
  RightPress(MustNote(2));
  EXPECT_EQ(NoteFiles(), std::vector<std::string>{"0.txt"});
  desktop_.RequestClose(MustNote(1));
  EXPECT_EQ(ReadNoteFile("0.txt"), bare);
}

}  // namespace
}  // namespace zlt::test
