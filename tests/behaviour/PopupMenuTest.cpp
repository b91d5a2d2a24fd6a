// The note menu: its items, its check marks, and what a right press records.
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuItem;

TEST_F(FusenTest, MenuHasItsThirtyItemsInOrder) {
  WriteNoteFile("0.txt", NoteBytes("a", 9000, 0));
  Start("/*");
  RightPress(MustNote(1));
  ASSERT_EQ(desktop_.Menus().size(), 1u);
  const auto& items = desktop_.Menus()[0].items;
  ASSERT_EQ(items.size(), 30u);
  EXPECT_EQ(items[0].caption, "新規メモ");
  EXPECT_EQ(items[2].caption, "-");
  EXPECT_EQ(items[3].caption, "この位置を基準に整列");
  EXPECT_EQ(items[9].caption, "画面左下に整列");
  EXPECT_EQ(items[13].caption, "画面端に吸着させる");
  EXPECT_TRUE(items[13].checked);
  EXPECT_EQ(items[20].caption, "Information");
  EXPECT_EQ(items[22].caption, "このメモを消す");
  EXPECT_EQ(items[25].caption, "このメモを隠す（アラーム有効）");
  EXPECT_EQ(items[29].caption, "全てのメモを隠す（アラーム無効）");
  int separators = 0;
  for (const auto& item : items) separators += item.caption == "-";
  EXPECT_EQ(separators, 7);
}

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
