// Hide, close and delete, one note or all, with their confirmations and the
// ways the program ends. Closing one note at a time is the lifetime's test.
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuItem;
using platform::Answer;

class HideCloseDeleteTest : public FusenTest {
 protected:
  Running& StartWithNotes(int count) {
    WriteNotes(count);
    return Start("/*");
  }
};

TEST_F(HideCloseDeleteTest, HidingKeepsWindowsTimersAndTheProgram) {
  auto& run = StartWithNotes(2);
  Choose(MustNote(2), MenuItem::HideNote);
  EXPECT_FALSE(MustNote(2).Visible());
  EXPECT_TRUE(MustNote(1).Visible());
  Choose(MustNote(1), MenuItem::HideAllNotes);
  EXPECT_FALSE(MustNote(1).Visible());
  EXPECT_EQ(run.State().OpenNotes, 2);
  EXPECT_FALSE(run.Ended());
}

TEST_F(HideCloseDeleteTest, ACommandOnANoteClosedMeanwhileDoesNothing) {
  auto& run = StartWithNotes(2);
  auto& first = MustNote(1);
  RightPress(first);             // recorded as this note, menu dismissed
  desktop_.RequestClose(first);  // closed by other means
  EXPECT_EQ(run.State().OpenNotes, 1);
  run.Controller().HideThisNote();
  run.Controller().CloseThisNote();
  EXPECT_EQ(run.State().OpenNotes, 1);
  desktop_.AnswerNextMessageBox(Answer::Yes);
  run.Controller().DeleteThisNote();
  ASSERT_EQ(desktop_.MessageBoxes().size(), 1u) << "the question is still asked";
  EXPECT_EQ(run.State().OpenNotes, 1);
  EXPECT_TRUE(NoteFileExists("0.txt"));
  EXPECT_FALSE(run.Ended());
}

TEST_F(HideCloseDeleteTest, CloseAllSavesEveryNoteAndEnds) {
  auto& run = StartWithNotes(3);
  ShiftDoubleClickTitle(MustNote(3));
  TypeDetails(MustNote(3), "third");
  Choose(MustNote(1), MenuItem::CloseAllNotes);
  EXPECT_TRUE(run.Ended());
  EXPECT_TRUE(FileHas("2.txt", "txtData=third"));
  Stop(run);
  auto& again = Start("/*");
  EXPECT_EQ(again.State().LastNoteNumber, 3);
}

TEST_F(HideCloseDeleteTest, DeleteAsksFirstNoChangesNothingAndDeletingTheLastNoteEnds) {
  auto& run = StartWithNotes(3);
  desktop_.RequestClose(MustNote(3));  // closed from outside: its file stays
  desktop_.AnswerNextMessageBox(Answer::No);
  Choose(MustNote(1), MenuItem::DeleteNote);
  ASSERT_EQ(desktop_.MessageBoxes().size(), 1u);
  EXPECT_EQ(desktop_.MessageBoxes()[0].text, "この付箋紙データを削除します。よろしいですか");
  EXPECT_EQ(desktop_.MessageBoxes()[0].title, "付箋紙削除確認");
  EXPECT_NE(Note(1), nullptr);
  EXPECT_TRUE(NoteFileExists("0.txt"));

  desktop_.AnswerNextMessageBox(Answer::Yes);
  Choose(MustNote(1), MenuItem::DeleteNote);
  EXPECT_EQ(Note(1), nullptr);
  EXPECT_EQ(NoteFiles(), (std::vector<std::string>{"1.txt", "2.txt"}));
  EXPECT_EQ(run.State().OpenNotes, 1);

  // A new note, first saved by its own close, takes that file with it.
  Choose(MustNote(2), MenuItem::NewNote);
  TypeTitle(MustNote(4), "typed, then deleted");
  desktop_.AnswerNextMessageBox(Answer::Yes);
  Choose(MustNote(4), MenuItem::DeleteNote);
  EXPECT_EQ(NoteFiles(), (std::vector<std::string>{"1.txt", "2.txt"}));
  EXPECT_EQ(run.State().OpenNotes, 1);

  desktop_.AnswerNextMessageBox(Answer::Yes);
  Choose(MustNote(2), MenuItem::DeleteNote);
  EXPECT_TRUE(run.Ended());
  EXPECT_EQ(NoteFiles(), std::vector<std::string>{"2.txt"});
}

TEST_F(HideCloseDeleteTest, DeleteAllRemovesEveryNoteFileButTheSettings) {
  auto& run = StartWithNotes(2);
  WriteNoteFile("7.txt", NoteBytes("closed earlier", 0, 0));
  WriteNoteFile("ZLTFusen.ini", "[ZLT付箋紙プラグイン]\r\nKyuchaku=False\r\n");
  desktop_.AnswerNextMessageBox(Answer::No);
  Choose(MustNote(1), MenuItem::DeleteAllNotes);
  EXPECT_EQ(NoteFiles().size(), 3u);
  desktop_.AnswerNextMessageBox(Answer::Yes);
  Choose(MustNote(1), MenuItem::DeleteAllNotes);
  EXPECT_EQ(desktop_.MessageBoxes().back().text, "全ての付箋紙データを削除します。よろしいですか");
  EXPECT_TRUE(run.Ended());
  EXPECT_TRUE(NoteFiles().empty());
  EXPECT_TRUE(std::filesystem::exists(DataDir() / "ZLTFusen.ini"));
}

}  // namespace
}  // namespace zlt::test
