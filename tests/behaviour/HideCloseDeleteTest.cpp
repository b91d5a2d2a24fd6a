// Hide, close and delete, one note or all, with their confirmations and the
// ways the program ends; a deleted note's file goes to the Recycle Bin. Every way
// a note window closes, and a window the system refuses (and a fault that is no
// refusal). The questions' texts are the Wine test's.
#include <algorithm>
#include <stdexcept>

#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuItem;
using platform::Answer;

class HideCloseDeleteTest : public FusenTest {
 protected:
  static sim::SimFileSystem& Files(Running& run) { return run.instance->Files(); }
  std::string InData(const std::string& name) const { return DataFolder() + "\\" + name; }
  // Where the files the Bin holds lay, in the order it took them.
  static std::vector<std::string> BinPaths(Running& run) {
    std::vector<std::string> paths;
    for (const auto& file : Files(run).Bin()) paths.push_back(file.path);
    return paths;
  }
};

// A command on a note closed meanwhile does nothing; hiding keeps the windows and the program.
TEST_F(HideCloseDeleteTest, ACommandOnANoteClosedMeanwhileDoesNothingAndHidingKeepsTheProgram) {
  auto& run = StartWithNotes(3);
  auto& first = MustNote(1);
  RightPress(first);             // recorded as this note, menu dismissed
  desktop_.RequestClose(first);  // closed by other means
  run.Controller().HideThisNote();
  run.Controller().CloseThisNote();
  desktop_.AnswerNextMessageBox(Answer::Yes);
  run.Controller().DeleteThisNote();
  ASSERT_EQ(desktop_.MessageBoxes().size(), 1u) << "the question is still asked";
  EXPECT_EQ(run.State().OpenNotes, 2);
  EXPECT_TRUE(std::filesystem::exists(DataDir() / "0.txt"));
  EXPECT_TRUE(Files(run).HandedToBin().empty());

  Choose(MustNote(3), MenuItem::HideNote);
  EXPECT_EQ(Looks(MustNote(2)) + ", " + Looks(MustNote(3)), "shown, hidden");
  Choose(MustNote(2), MenuItem::HideAllNotes);
  EXPECT_FALSE(MustNote(2).Visible());
  EXPECT_EQ(run.State().OpenNotes, 2);
  EXPECT_FALSE(run.Ended());
}

TEST_F(HideCloseDeleteTest, DeleteSendsTheFileToTheBinAndDeletingTheLastNoteEnds) {
  auto& run = StartWithNotes(3);
  desktop_.RequestClose(MustNote(3));  // closed from outside: its file stays
  // The question, and No keeping note and file, the Wine scenario notes_typed checks.
  Choose(MustNote(1), MenuItem::DeleteNote, Answer::Yes);
  EXPECT_EQ(Note(1), nullptr);
  EXPECT_EQ(NoteFiles(), (std::vector<std::string>{"1.txt", "2.txt"}));
  EXPECT_EQ(run.State().OpenNotes, 1);
  EXPECT_EQ(Files(run).HandedToBin(), std::vector<std::string>{InData("0.txt")});
  ASSERT_EQ(Files(run).Bin().size(), 1u);
  EXPECT_EQ(Files(run).Bin()[0].bytes, NoteBytes("note0", 9000, 0)) << "the note as it was saved";

  // A new note, first saved by its own close, takes that file with it.
  Choose(MustNote(2), MenuItem::NewNote);
  TypeTitle(MustNote(4), "typed, then deleted");
  Choose(MustNote(4), MenuItem::DeleteNote, Answer::Yes);
  EXPECT_EQ(NoteFiles(), (std::vector<std::string>{"1.txt", "2.txt"}));
  EXPECT_EQ(run.State().OpenNotes, 1);
  ASSERT_EQ(Files(run).Bin().size(), 2u);
  EXPECT_NE(Files(run).Bin()[1].bytes.find("Title=typed, then deleted"), std::string::npos);

  Choose(MustNote(2), MenuItem::DeleteNote, Answer::Yes);
  EXPECT_TRUE(run.Ended());
  EXPECT_EQ(NoteFiles(), std::vector<std::string>{"2.txt"});
  EXPECT_EQ(Files(run).HandedToBin().back(), InData("1.txt"));
  EXPECT_EQ(BinPaths(run), Files(run).HandedToBin()) << "the Bin took every file it was handed";
}

TEST_F(HideCloseDeleteTest, DeleteAllRemovesEveryNoteFileButTheSettings) {
  auto& run = StartWithNotes(2);
  WriteNoteFile("7.txt", NoteBytes("closed earlier", 0, 0));
  WriteNoteFile("ZLTFusen.ini", SettingsBytes("False"));
  Choose(MustNote(1), MenuItem::DeleteAllNotes, Answer::No);
  EXPECT_EQ(NoteFiles().size(), 3u);
  EXPECT_TRUE(Files(run).HandedToBin().empty());
  Choose(MustNote(1), MenuItem::DeleteAllNotes, Answer::Yes);
  EXPECT_TRUE(run.Ended());
  EXPECT_TRUE(NoteFiles().empty());
  EXPECT_TRUE(std::filesystem::exists(DataDir() / "ZLTFusen.ini"));

  auto handed = Files(run).HandedToBin();
  std::sort(handed.begin(), handed.end());
  EXPECT_EQ(handed, (std::vector<std::string>{InData("0.txt"), InData("1.txt"), InData("7.txt")}))
      << "every note file, and not the settings";
  EXPECT_EQ(BinPaths(run), Files(run).HandedToBin());
  const auto& bin = Files(run).Bin();
  const auto closed = std::find_if(bin.begin(), bin.end(),
                                   [&](const auto& file) { return file.path == InData("7.txt"); });
  ASSERT_NE(closed, bin.end());
  EXPECT_EQ(closed->bytes, NoteBytes("closed earlier", 0, 0)) << "a note with no window too";
}

TEST_F(HideCloseDeleteTest, CloseAllSavesEveryNoteOneBackFromTheBinOpensAndOneItRefusesIsErased) {
  auto& run = StartWithNotes(2);
  Choose(MustNote(1), MenuItem::DeleteNote, Answer::Yes);
  ASSERT_EQ(Files(run).Bin().size(), 1u);
  const std::string binned = Files(run).Bin()[0].bytes;
  // Its number is handed out again meanwhile; closing all saves every note and ends.
  Choose(MustNote(2), MenuItem::NewNote);
  TypeTitle(MustNote(3), "new meanwhile");
  ShiftDoubleClickTitle(MustNote(2));
  TypeDetails(MustNote(2), "typed");
  Choose(MustNote(2), MenuItem::CloseAllNotes);
  ASSERT_TRUE(run.Ended());
  ASSERT_TRUE(FileHas("0.txt", "Title=new meanwhile"));
  EXPECT_TRUE(FileHas("1.txt", "txtData=typed"));

  WriteNoteFile("5.txt", binned);
  auto& again = Start("/*");
  EXPECT_EQ(TitleOf(1) + ", " + TitleOf(2) + ", " + TitleOf(3), "new meanwhile, note1, note0");
  EXPECT_TRUE(FileHas("0.txt", "Title=new meanwhile"));

  // A file the Bin does not take is erased all the same.
  Files(again).RefuseRecycling();
  Choose(MustNote(2), MenuItem::DeleteNote, Answer::Yes);
  EXPECT_EQ(Files(again).HandedToBin(), std::vector<std::string>{InData("1.txt")});
  EXPECT_EQ(NoteFiles(), (std::vector<std::string>{"0.txt", "5.txt"}));
  Choose(MustNote(1), MenuItem::DeleteAllNotes, Answer::Yes);
  EXPECT_TRUE(again.Ended());
  EXPECT_EQ(Files(again).HandedToBin().size(), 3u);
  EXPECT_TRUE(NoteFiles().empty());
  EXPECT_TRUE(Files(again).Bin().empty());
}

// A clock that fails with an error that is no refusal: a fault of the program
// while making a note whose alarm reads it.
class FaultyClock final : public platform::IClock {
 public:
  platform::LocalTime Now() const override { throw std::logic_error("a fault in making a note"); }
};

// Every way a note window can be closed saves it where it stands collapsed and counts it out
// alike; the last one ends the program.
TEST_F(HideCloseDeleteTest, EveryWayOfClosingCountsTheNoteOutAndTheLastEndsTheProgram) {
  const std::function<void(sim::SimForm&)> ways[] = {
      [this](sim::SimForm& note) { Choose(note, MenuItem::CloseNote); },
      [this](sim::SimForm& note) { desktop_.RequestClose(note); },  // Alt+F4 or WM_CLOSE
      [this](sim::SimForm& note) { OtherProgram()->Platform().windows.SendClose(note.Handle()); },
  };
  for (const auto& close : ways) {
    SCOPED_TRACE(&close - ways);
    auto& run = StartWithNotes(2);
    for (int n = 1; n <= 2; ++n) {
      auto& note = MustNote(n);
      ShiftDoubleClickTitle(note);
      TypeDetails(note, "closed " + std::to_string(n));
      close(note);
      EXPECT_EQ(Note(n), nullptr);
      ASSERT_EQ(run.Ended(), n == 2);
      EXPECT_TRUE(n == 2 || run.State().OpenNotes == 1);
      // Saved where it stands collapsed, not where its details view stood.
      EXPECT_EQ(ReadNoteFile(std::to_string(n - 1) + ".txt"),
                NoteBytes("note" + std::to_string(n - 1), 9000, 600 * (n - 1),
                          "closed " + std::to_string(n)));
    }
    std::filesystem::remove_all(DataDir());
  }
}

TEST_F(HideCloseDeleteTest, ARefusedNoteWindowIsReportedOnceAndTheProgramGoesOnWithTheRest) {
  desktop_.RefuseWindows(1, 2);  // the controller and note 1 come; note 2 is refused
  auto& run = StartWithNotes(4);
  ASSERT_EQ(desktop_.MessageBoxes().size(), 1u) << "one notice, not one per file";
  EXPECT_EQ(desktop_.MessageBoxes()[0].title, "ZLT付箋紙プラグイン");
  EXPECT_EQ(desktop_.MessageBoxes()[0].answer, std::nullopt);
  EXPECT_EQ(run.State().OpenNotes, 1);
  TypeTitle(MustNote(1), "still works");
  EXPECT_TRUE(FileHas("0.txt", "Title=still works"));

  // Once windows can be made again, a restore-all brings the others.
  Start("/*");
  EXPECT_EQ(run.State().OpenNotes, 4);
  EXPECT_EQ(NotesTopFirst(), "3 note1, 5 note3, 4 note2, 1 still works");

  desktop_.RefuseWindows(1);
  Choose(MustNote(1), MenuItem::NewNote);
  EXPECT_EQ(desktop_.MessageBoxes().size(), 2u);
  EXPECT_EQ(run.State().OpenNotes, 4);
  EXPECT_EQ(desktop_.Forms().size(), 5u) << "no half-made window is left behind";
}

TEST_F(HideCloseDeleteTest, AFaultInMakingANoteIsNotTakenForARefusedWindow) {
  auto bytes = NoteBytes("alarm", 9000, 0);
  WriteNoteFile("0.txt", bytes.replace(bytes.find("Alarm=0"), 7, "Alarm=1"));
  sim::Instance instance(desktop_, {.commandLine = "/*", .hostRoot = root_.string()});
  const platform::Platform& sim = instance.Platform();
  FaultyClock clock;
  platform::Platform platform{sim.windows, sim.files,    sim.processes,  clock,
                              sim.shell,   sim.instance, sim.environment};
  Program program(platform);
  EXPECT_THROW(instance.RunAsProcess([&] { program.Main(); }), std::logic_error);
  EXPECT_TRUE(desktop_.MessageBoxes().empty()) << "no notice of a refused window";
}

}  // namespace
}  // namespace zlt::test
