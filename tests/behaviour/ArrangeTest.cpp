// The seven arrange items on a 1024 x 768 screen: every note of this program,
// hidden ones too, in one column, each note's file holding its new place.
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuItem;

class ArrangeTest : public FusenTest {
 protected:
  ArrangeTest()
      : FusenTest({.widthPx = 1024, .heightPx = 768, .monitors = {}, .monitorDpis = {}}) {}

  // Three collapsed notes scattered over the screen; note 2 stands at 3000, 2000.
  void StartThreeNotes() {
    WriteNoteFile("0.txt", NoteBytes("a", 600, 9000));
    WriteNoteFile("1.txt", NoteBytes("b", 3000, 2000));
    WriteNoteFile("2.txt", NoteBytes("c", 9000, 4500));
    Start("/*");
  }

  // Each note's window in twips as "left,top", and its file's place after it where that differs.
  std::string Places() {
    std::string places;
    for (int n = 1; n <= 3; ++n) {
      const auto bounds = MustNote(n).Bounds();
      const auto file = std::to_string(n - 1) + ".txt";
      const auto window = std::to_string(bounds.left) + "," + std::to_string(bounds.top);
      const auto stored = StoredValue(file, "Left") + "," + StoredValue(file, "Top");
      places += (n > 1 ? " " : "") + window + (stored == window ? "" : " (file " + stored + ")");
    }
    return places;
  }
};

TEST_F(ArrangeTest, EveryItemLinesTheNotesUpInListOrder) {
  // The middle rule's 5510 is 367 1/3 pixels: the window keeps 367, 5505 twips.
  const std::pair<MenuItem, const char*> cases[] = {
      {MenuItem::ArrangeTopRight, "12000,0 12000,495 12000,1005"},
      {MenuItem::ArrangeMiddleRight, "12000,6000 12000,5505 12000,6495"},
      {MenuItem::ArrangeBottomRight, "12000,11040 12000,10545 12000,10035"},
      {MenuItem::ArrangeTopLeft, "0,0 0,495 0,1005"},
      {MenuItem::ArrangeMiddleLeft, "0,6000 0,5505 0,6495"},
      {MenuItem::ArrangeBottomLeft, "0,11040 0,10545 0,10035"},
  };
  StartThreeNotes();
  Choose(MustNote(2), MenuItem::HideNote);  // a hidden note keeps its place in the column
  for (const auto& [item, places] : cases) {
    SCOPED_TRACE(static_cast<int>(item));
    Choose(MustNote(3), item);
    EXPECT_EQ(Places(), places);
    EXPECT_FALSE(MustNote(2).Visible());
  }
}

TEST_F(ArrangeTest, FromThisPositionStartsAtThePressedNoteAndAnOpenNoteSitsByItsOwnHeight) {
  StartThreeNotes();
  // Opened on note 2, which is not first in the list: note 1 takes its place.
  // Its Top 2000 is 133 1/3 pixels, so the window and the column start at 1995.
  Choose(MustNote(2), MenuItem::ArrangeFromThisNote);
  EXPECT_EQ(Places(), "3000,1995 3000,2490 3000,3000");

  // A note without a file moves, but no file appears.
  Choose(MustNote(1), MenuItem::NewNote);  // empty, details open, no file yet
  Choose(MustNote(1), MenuItem::ArrangeTopLeft);
  EXPECT_EQ(MustNote(4).Bounds(), (platform::TwipsRect{0, 1005 + 495, 6495, 5190}));
  EXPECT_EQ(NoteFiles(), (std::vector<std::string>{"0.txt", "1.txt", "2.txt"}));

  // A note with its details open sits on the bottom edge by its own height.
  ShiftDoubleClickTitle(MustNote(1));
  Choose(MustNote(3), MenuItem::ArrangeBottomRight);
  // Still open, its bottom edge on the screen's (11520), overlapping the two stacked above it.
  EXPECT_EQ(MustNote(1).Bounds(), (platform::TwipsRect{8865, 11520 - 5190, 6495, 5190}));
  // Its file records where it stands collapsed, 3135 twips right of its details view.
  EXPECT_EQ(Places(), "8865,6330 (file 12000,6330) 12000,10545 12000,10035");
}

}  // namespace
}  // namespace zlt::test
