// The note menu: its items, its check marks, and what a right press records.
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuId;
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
  auto checked = [&](MenuItem item) {
    for (const auto& shown : desktop_.Menus().back().items) {
      if (shown.id == MenuId(item)) return shown.checked;
    }
    ADD_FAILURE() << "item missing";
    return false;
  };
  RightPress(MustNote(1));
  EXPECT_TRUE(checked(MenuItem::TemaeView));
  EXPECT_TRUE(checked(MenuItem::Toumei));
  RightPress(MustNote(2));
  EXPECT_FALSE(checked(MenuItem::TemaeView));
  EXPECT_FALSE(checked(MenuItem::Toumei));

  // The press records this note for the one-note commands.
  EXPECT_EQ(run.Controller().FrmObject, note::NoteCaption(2));
  EXPECT_EQ(run.Controller().FrmTitle, "plain");
  EXPECT_EQ(run.State().FrmPath, DataFolder() + "\\1.txt");
  EXPECT_EQ(run.State().FrmTop, 600);
  EXPECT_EQ(run.State().FrmWidth, 3360);
  // A note with content gets its options written in the menu's form.
  const auto file = ReadNoteFile("1.txt");
  EXPECT_NE(file.find("Temae=False\r\n"), std::string::npos);
  EXPECT_NE(file.find("Toumei=False\r\n"), std::string::npos);
}

TEST_F(FusenTest, RightPressOnANoteWithoutContentWritesNothing) {
  const std::string bare = Sjis("[ZLT付箋紙プラグイン]\r\nAlarm=0\r\n");
  WriteNoteFile("0.txt", bare);
  Start("/*");
  RightPress(MustNote(1));
  EXPECT_EQ(desktop_.Menus().size(), 1u);
  EXPECT_EQ(ReadNoteFile("0.txt"), bare);

  // Nor does a new note without a file: no file appears anywhere.
  Choose(MustNote(1), MenuItem::NewMemo);
  TypeTitle(MustNote(2), "x");
  RightPress(MustNote(2));
  EXPECT_EQ(NoteFiles(), std::vector<std::string>{"0.txt"});
}

}  // namespace
}  // namespace zlt::test
