// Writes that fail: the user is told, the note stays open with its text, and
// at session end the text goes where the next start points to.
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuItem;

constexpr char kDenied[] = "アクセスが拒否されました。";
constexpr char kTitle[] = "ZLT付箋紙プラグイン";
constexpr char kRecovery[] = "C:\\Users\\taro\\AppData\\Local\\ZLTFusen\\Recovery";

class SaveFailure : public FusenTest {
 protected:
  // A brand-new note with text typed into its details view.
  sim::SimForm& TypedNote(Running& run) {
    auto& note = MustNote(run.State().LastNoteNumber);
    TypeTitle(note, "消えては困る");
    TypeDetails(note, "大事なこと\r\n");
    return note;
  }
  // How a notice names a note's file that took no write, and why.
  std::string Denied(const std::string& name) const {
    return "ファイル: " + DataFolder() + "\\" + name + "\n理由: " + kDenied;
  }
  void RefuseWrites() { Files(processes_.back()).RefuseWrites(DataFolder(), kDenied); }
  static sim::SimFileSystem& Files(std::unique_ptr<Running>& run) { return run->instance->Files(); }
  bool StillOpenWithText(sim::SimForm& note) {
    return desktop_.FindForm(note.Caption()) == &note &&
           note.Control(note::TitleBox).Text() == "消えては困る" &&
           note.Control(note::DetailsBox).Text() == "大事なこと\r\n";
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& box : desktop_.MessageBoxes()) {
      EXPECT_EQ(box.title, kTitle);
      texts.push_back(box.text);
    }
    return texts;
  }
};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(SaveFailure, SaveOrCloseThatCannotWriteOrFindAFreeNameSaysWhyAndKeepsTheNoteOpen) {
  WriteNoteFile("5.txt", NoteBytes("other", 100, 100));
  auto& run = Start("/N");
  auto& note = TypedNote(run);
  RefuseWrites();
  // Neither a save nor any way of closing it closes it, and each says which file and why.
  Save(note);
  EXPECT_TRUE(DetailsOpen(note));
  EXPECT_NE(desktop_.RequestClose(note), 0);
  Choose(note, MenuItem::CloseNote);
  Choose(note, MenuItem::CloseAllNotes);
  desktop_.RequestClose(*desktop_.FindForm(kTitle));  // the controller: every note saves
  EXPECT_FALSE(run.Ended());
  EXPECT_TRUE(StillOpenWithText(note));
  EXPECT_EQ(run.State().OpenNotes, 1);
  EXPECT_EQ(Messages().size(), 5u);
  for (const auto& text : Messages()) EXPECT_TRUE(Contains(text, Denied("0.txt"))) << text;

  // Once the folder takes files again the same save goes through, silently.
  Files(processes_.back()).AcceptWrites();
  Save(note);
  EXPECT_EQ(Messages().size(), 5u);
  EXPECT_EQ(NoteFiles(), (std::vector<std::string>{"0.txt", "5.txt"}));
  EXPECT_FALSE(DetailsOpen(note));

  // No free file name is a failure too.
  const auto saved = ReadNoteFile("0.txt");
  Start("/N");
  Files(processes_.front()).TakeAllNames(DataFolder());
  auto& second = TypedNote(run);
  Save(second);
  ASSERT_EQ(Messages().size(), 6u);
  EXPECT_TRUE(
      Contains(Messages()[5], "ファイル: " + DataFolder() + "\n理由: 空いているファイル名"));
  EXPECT_TRUE(StillOpenWithText(second));
  EXPECT_EQ(ReadNoteFile("0.txt"), saved);

  // Deleting it still removes it.
  Choose(second, MenuItem::DeleteNote, platform::Answer::Yes);
  EXPECT_EQ(Note(2), nullptr);
}

TEST_F(SaveFailure, CommandsThatMoveOrRestyleNotesSayOnceWhichCouldNotBeWritten) {
  // Off the places arranging gives, so that every command changes both files: a
  // note its file already holds is not written at all.
  WriteNoteFile("0.txt", NoteBytes("a", 13005, 2105));
  WriteNoteFile("1.txt", NoteBytes("b", 13005, 2705));
  Start("/*");
  RefuseWrites();
  const MenuItem commands[] = {MenuItem::ArrangeFromThisNote, MenuItem::AllTranslucent,
                               MenuItem::AllInFront, MenuItem::Translucent};
  for (const auto command : commands) Choose(MustNote(1), command);

  const auto messages = Messages();
  ASSERT_EQ(messages.size(), std::size(commands)) << "one notice per command";
  for (std::size_t i = 0; i + 1 < messages.size(); ++i) {
    EXPECT_TRUE(Contains(messages[i], Denied("0.txt") + "\n\n" + Denied("1.txt"))) << messages[i];
  }
}

// At session end, when nothing may wait, only what no file holds goes to the recovery folder;
// the next start says where, and what was kept is a whole note.
TEST_F(SaveFailure, SessionEndSendsOnlyWhatNoFileHoldsToTheRecoveryFolderForTheNextStart) {
  auto& run = Start("/N");
  auto& saved = MustNote(1);
  TypeTitle(saved, "保存済み");
  Save(saved);
  Start("/N");  // a second note, typed and never saved
  TypedNote(run);
  run.instance->Files().RefuseWrites(DataFolder(), kDenied);
  desktop_.EndSession();
  EXPECT_TRUE(Messages().empty()) << "nothing may wait at session end";
  Stop(run);
  // Kept in order of the notes, each under the lowest free number, as a whole note.
  const std::string kept = std::string(kRecovery) + "\\0.txt";
  std::ifstream keptFile(Host(kept), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(keptFile), {}),
            NoteBytes("消えては困る", 0, 495, "大事なこと\r\n", 1, 1));
  EXPECT_FALSE(std::filesystem::exists(Host(std::string(kRecovery) + "\\1.txt")))
      << "the saved note is in its file already";

  // The next start says where; the one after says nothing more.
  Stop(Start("/N"));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_TRUE(Contains(Messages()[0], kept));
  Start("/N");
  EXPECT_EQ(Messages().size(), 1u);
}

}  // namespace
}  // namespace zlt::test
