// What the program promises about the files it is given: a file that is no
// note, or a note with nothing to keep, is never written, no character becomes
// "?", interrupted saves leave nothing behind, a session's end writes only what
// changed, and notes live where they can be written. Writes that fail: the user
// is told, the note stays open with its text, and at session end the text goes
// where the next start points to.
#include "FusenFixture.h"
#include "profile/IniProfile.h"

namespace zlt::test {
namespace {

constexpr char kStore[] = "C:\\Users\\taro\\AppData\\Local\\VirtualStore\\Apps\\ZLTFusen\\taro";
constexpr char kDenied[] = "アクセスが拒否されました。";
constexpr char kRecovery[] = "C:\\Users\\taro\\AppData\\Local\\ZLTFusen\\Recovery";

class NoteStorage : public FusenTest {
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
  void RefuseWrites() { processes_.back()->instance->Files().RefuseWrites(DataFolder(), kDenied); }
  bool StillOpenWithText(sim::SimForm& note) {
    return desktop_.FindForm(note.Caption()) == &note &&
           note.Control(note::TitleBox).Text() == "消えては困る" &&
           note.Control(note::DetailsBox).Text() == "大事なこと\r\n";
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& box : desktop_.MessageBoxes()) {
      EXPECT_EQ(box.title, "ZLT付箋紙プラグイン");
      texts.push_back(box.text);
    }
    return texts;
  }
};

TEST_F(NoteStorage, AFileThatIsNoNoteKeepsItsBytesWhateverTheUserDoes) {
  std::string binary;  // bytes that read as no note, as a program's data file would
  for (unsigned i = 0; i < 200000; ++i) binary += static_cast<char>(i * 2654435761u >> 24);
  const std::pair<std::string, std::string> foreign[] = {
      {"2.txt", Sjis("[ZLT付箋紙プラグイン]\r\nTitle=壊れた\r\ntxtData=\r\n")},
      {"j.txt", std::string("\x00\xFF\x81[ZLT\r\r\n\x01\x02", 12)},
      {"memo.txt", Sjis("買い物メモ\r\n牛乳\r\n")},
      {"u.txt", std::string("\xFF\xFE[\0Z\0]\0", 8)},
      {"x.txt", binary + "\r\nTitle=x\r\ntxtData=y\r\n"},
      {"y.txt", Sjis("[ZLT付箋紙プラグイン]\r\nAlarm=0\r\nLeft=100.0\r\n")},  // a note, empty
  };
  for (const auto& [name, bytes] : foreign) WriteNoteFile(name, bytes);
  const auto untouched = [&] {
    for (const auto& [name, bytes] : foreign) EXPECT_TRUE(ReadNoteFile(name) == bytes) << name;
  };
  Start("/*");
  ASSERT_EQ(NotesTopFirst(), "1 , 6 , 5 , 4 , 3 , 2 ") << "six notes, every one empty";

  // Titles typed into all but the last two; an empty window writes nothing.
  for (int n = 1; n <= 4; ++n) TypeTitle(MustNote(n), "題" + std::to_string(n));
  untouched();
  desktop_.RequestClose(*desktop_.FindForm(manager::Controller::kCaption));  // save-all
  untouched();
  EXPECT_EQ(NoteFiles(), "0.txt 1.txt 2.txt 3.txt 4.txt j.txt memo.txt u.txt x.txt y.txt");

  auto& third = MustNote(3);
  TypeDetails(third, "詳細");
  Save(third);
  untouched();
  EXPECT_EQ(ReadNoteFile("3.txt"), NoteBytes("題3", 0, 495, "詳細", 1, 1));

  // A right press stores a note's options only when it has content to keep, and a new note
  // without a file gets none from it.
  Choose(MustNote(6), MenuItem::NewNote);
  TypeTitle(MustNote(7), "x");
  RightPress(MustNote(7));
  desktop_.RequestClose(MustNote(6));

  Choose(third, MenuItem::DeleteNote, platform::Answer::Yes);  // its own file goes
  Choose(MustNote(5), MenuItem::DeleteNote,
         platform::Answer::Yes);  // the binary it was opened from stays
  desktop_.RequestClose(MustNote(1));
  untouched();
  EXPECT_EQ(NoteFiles(), "0.txt 1.txt 2.txt 4.txt j.txt memo.txt u.txt x.txt y.txt");
}

// A note read as UTF-16 stays so on every write, even where code page 932 could hold it. A title
// or details code page 932 cannot hold turn a code page 932 note's file UTF-16, with its
// byte-order mark, and come back whole; the title's key write tells the note, so its next whole
// write keeps the file UTF-16 once the title is plain again.
TEST_F(NoteStorage, AUtf16NoteStaysUtf16AndTextCodePage932CannotHoldMakesOne) {
  StartWith({profile::Utf16LeFileBytes(NoteText("寿司", 9000, 600)),
             NoteBytes("寿司", 9000, 1200, "詳細"), NoteBytes("買い物", 9000, 1800),
             profile::Utf16LeFileBytes(NoteText("한국어 😀", 9000, 2400))});
  EXPECT_EQ(MustNote(4).Control(note::TitleBox).Text(), "한국어 😀");
  TypeDetails(MustNote(1), "plain");
  Save(MustNote(1));
  EXPECT_EQ(ReadNoteFile("0.txt"), profile::Utf16LeFileBytes(NoteText("寿司", 9000, 600, "plain")));

  auto& turned = MustNote(2);
  TypeTitle(turned, "寿司 🍣");
  EXPECT_EQ(ReadNoteFile("1.txt"),
            profile::Utf16LeFileBytes(NoteText("寿司 🍣", 9000, 1200, "詳細")));
  TypeTitle(turned, "寿司");
  ShiftDoubleClickTitle(turned);
  Save(turned);
  EXPECT_EQ(ReadNoteFile("1.txt"), profile::Utf16LeFileBytes(NoteText("寿司", 9000, 1200, "詳細")));

  TypeDetails(MustNote(3), "한글 ♫ 📝");
  Save(MustNote(3));
  EXPECT_EQ(ReadNoteFile("2.txt"),
            profile::Utf16LeFileBytes(NoteText("買い物", 9000, 1800, "한글 ♫ 📝")));
  StopAll();
  EXPECT_EQ(Start("/*").Model(3).shown.details, "한글 ♫ 📝");
}

// A start removes the temporaries of unfinished saves; a session's end writes only what changed,
// and what no file can hold goes to the recovery folder.
TEST_F(NoteStorage, StartRemovesTemporariesOfUnfinishedSavesAndSessionEndWritesOnlyWhatChanged) {
  const auto stillRunning = OtherProgram();  // a process of this program, mid-save
  const std::string live = std::to_string(stillRunning->Id());

  WriteNoteFile("0.txt.4242-0.tmp", "half a note");
  WriteNoteFile("ZLTFusen.ini.4242-7.tmp", "half a setting");
  // An earlier process with the id of the start below.
  WriteNoteFile("1.txt." + std::to_string(stillRunning->Id() + 1) + "-3.tmp", "earlier");
  WriteNoteFile("1.txt." + live + "-0.tmp", "being written");
  WriteNoteFile("notes.tmp", "the user's own");
  auto& run = StartWith({NoteBytes("a", 9000, 0), NoteBytes("changed", 9000, 600)});
  EXPECT_EQ(NotesTopFirst(), "1 a, 2 changed");

  EXPECT_EQ(NoteFiles(""), "0.txt 1.txt 1.txt." + live + "-0.tmp notes.tmp");

  // The end of the session writes what changed since a note's file was last written, and leaves
  // every other file alone: no thousand writes at logoff.
  TypeDetails(MustNote(2), "typed, not saved");
  const auto past = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  std::filesystem::last_write_time(DataDir() / "0.txt", past);
  desktop_.EndSession();
  ASSERT_FALSE(run.Ended());
  EXPECT_EQ(std::filesystem::last_write_time(DataDir() / "0.txt"), past) << "not written again";
  EXPECT_EQ(ReadNoteFile("1.txt"), NoteBytes("changed", 9000, 600, "typed, not saved"));

  // When nothing may wait, only what no file holds goes to the recovery folder, as a whole note
  // under the lowest free number; the next start says where, the one after nothing more.
  Start("/N");  // a new note, typed and never saved
  TypedNote(run);
  run.instance->Files().RefuseWrites(DataFolder(), kDenied);
  desktop_.EndSession();
  EXPECT_TRUE(Messages().empty()) << "nothing may wait at session end";
  Stop(run);
  const std::string kept = std::string(kRecovery) + "\\0.txt";
  EXPECT_EQ(ReadNoteFile(Host(kept)), NoteBytes("消えては困る", 0, 495, "大事なこと\r\n", 1, 1));
  EXPECT_FALSE(std::filesystem::exists(Host(std::string(kRecovery) + "\\1.txt")))
      << "the saved notes are in their files already";
  Stop(Start("/N"));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find(kept), std::string::npos);
  Start("/N");
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(NoteStorage, NotesGoToTheVirtualStoreWhereTheApplicationFolderTakesNoWrites) {
  const std::pair<const char*, std::function<void(sim::SimFileSystem&)>> places[] = {
      {"a read-only application folder",
       [](sim::SimFileSystem& files) { files.RefuseWrites("C:\\Apps\\ZLTFusen", kDenied); }},
      {"a plain file where the data folder belongs",
       [this](sim::SimFileSystem&) {
         std::filesystem::remove_all(DataDir());
         std::ofstream(DataDir()) << "x";
       }},
  };
  for (const auto& [what, make] : places) {
    SCOPED_TRACE(what);
    std::filesystem::remove_all(Host(kStore));
    prepareFiles_ = make;

    auto& run = Start("/N");
    ASSERT_FALSE(run.Ended()) << "the program ended before it could be asked";
    EXPECT_EQ(run.State().DataFolder, kStore);
    TypeTitle(MustNote(1), "ここに");
    Save(MustNote(1));
    EXPECT_TRUE(desktop_.MessageBoxes().empty());
    EXPECT_EQ(ReadNoteFile(Host(std::string(kStore) + "\\0.txt")),
              NoteBytes("ここに", 25440, 0, "", 1, 1));

    Start("/N");  // forwarded: the same folder serves it
    TypeTitle(MustNote(2), "二つ目");
    Save(MustNote(2));
    Choose(MustNote(2), MenuItem::Snap);
    StopAll();

    // The next start finds the notes and the setting put there.
    auto& again = Start("/*");
    ASSERT_FALSE(again.Ended()) << "the saved notes did not keep the program running";
    EXPECT_EQ(NotesTopFirst(), "1 ここに, 2 二つ目");
    EXPECT_FALSE(again.Controller().NoteMenu().Checked(manager::MenuId(MenuItem::Snap)));
    StopAll();
  }
}

TEST_F(NoteStorage, ASaveOrCloseThatCannotWriteOrFindAFreeNameSaysWhyAndKeepsTheNoteOpen) {
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
  desktop_.RequestClose(run.ControllerForm());  // the controller: every note saves
  EXPECT_EQ(
      std::tuple(run.Ended(), StillOpenWithText(note), run.State().OpenNotes, Messages().size()),
      std::tuple(false, true, 1, 5u));
  for (const auto& text : Messages())
    EXPECT_NE(text.find(Denied("0.txt")), std::string::npos) << text;

  // Once the folder takes files again the same save goes through, silently.
  processes_.back()->instance->Files().AcceptWrites();
  Save(note);
  EXPECT_EQ(std::tuple(Messages().size(), NoteFiles(), DetailsOpen(note)),
            std::tuple(5u, "0.txt 5.txt", false));

  // No free file name is a failure too.
  const auto saved = ReadNoteFile("0.txt");
  Start("/N");
  processes_.front()->instance->Files().TakeAllNames(DataFolder());
  auto& second = TypedNote(run);
  Save(second);
  ASSERT_EQ(Messages().size(), 6u);
  EXPECT_NE(Messages()[5].find("ファイル: " + DataFolder() + "\n理由: 空いているファイル名"),
            std::string::npos);
  EXPECT_EQ(std::pair(StillOpenWithText(second), ReadNoteFile("0.txt")), std::pair(true, saved));

  // Deleting it still removes it.
  Choose(second, MenuItem::DeleteNote, platform::Answer::Yes);
  EXPECT_EQ(Note(2), nullptr);
}

TEST_F(NoteStorage, CommandsThatMoveOrRestyleNotesSayOnceWhichCouldNotBeWritten) {
  // Off the places arranging gives, so that every command changes both files: a
  // note its file already holds is not written at all.
  StartWith({NoteBytes("a", 13005, 2105), NoteBytes("b", 13005, 2705)});
  RefuseWrites();
  const MenuItem commands[] = {MenuItem::ArrangeFromThisNote, MenuItem::AllTranslucent,
                               MenuItem::AllInFront, MenuItem::Translucent};
  for (const auto command : commands) Choose(MustNote(1), command);

  const auto messages = Messages();
  ASSERT_EQ(messages.size(), std::size(commands)) << "one notice per command";
  for (std::size_t i = 0; i + 1 < messages.size(); ++i)
    EXPECT_NE(messages[i].find(Denied("0.txt") + "\n\n" + Denied("1.txt")), std::string::npos)
        << messages[i];
}

}  // namespace
}  // namespace zlt::test
