// The note menu's commands. Hide, close and delete, one note or all, with their
// confirmations and the ways the program ends; a deleted note's file goes to the
// Recycle Bin. Every way a note window closes, and a window the system refuses
// (and a fault that is no refusal). Always in front and translucency, for the
// note the menu was opened on and for every note: the window, the note's model,
// the check boxes and the files stay in step. The questions' texts are the Wine
// scenarios'.
#include <stdexcept>

#include "FusenFixture.h"

namespace zlt::test {
namespace {

using platform::Answer;

class NoteMenuTest : public FusenTest {
 protected:
  // The note files left, "open N" or "ended", and the files handed to the Bin in order, each
  // marked when the Bin did not keep it: "1.txt 2.txt | open 1 | bin 0.txt".
  std::string Disk(Running& run) {
    std::string text = NoteFiles();
    text += run.Ended() ? " | ended | bin"
                        : " | open " + std::to_string(run.State().OpenNotes) + " | bin";
    for (const auto& path : run.instance->Files().HandedToBin()) {
      const auto name = path.substr(DataFolder().size() + 1);
      text += " " + name + (Binned(run, name) == "(none)" ? " (erased)" : "");
    }
    return text;
  }
  // What the Bin holds last of a file of the data folder, "(none)" when nothing.
  std::string Binned(Running& run, const std::string& name) {
    std::string bytes = "(none)";
    for (const auto& file : run.instance->Files().Bin())
      if (file.path == DataFolder() + "\\" + name) bytes = file.bytes;
    return bytes;
  }
  // Note n's window (off the taskbar in any case), its model and its file show these options.
  void ExpectOptions(Running& run, int n, bool front, bool translucent) {
    using sim::exstyle::kTopmost, sim::exstyle::kToolWindow, sim::exstyle::kLayered;
    const note::DisplayOptions options{front, translucent};
    const auto file = std::to_string(n - 1) + ".txt";
    EXPECT_EQ(
        std::tuple(MustNote(n).Alpha(), MustNote(n).ExStyle(), run.Model(n).shown.options,
                   run.Model(n).applied, StoredValue(file, "Temae") + StoredValue(file, "Toumei")),
        std::tuple(translucent ? std::optional<std::uint8_t>(150) : std::nullopt,
                   (front ? kTopmost : 0) | kToolWindow | (translucent ? kLayered : 0), options,
                   options, std::to_string(front) + std::to_string(translucent)))
        << n;
  }
};

// A command on a note closed meanwhile does nothing; hiding keeps the windows and the program.
TEST_F(NoteMenuTest, ACommandOnANoteClosedMeanwhileDoesNothingAndHidingKeepsTheProgram) {
  auto& run = StartWithNotes(3);
  RightPress(MustNote(1));             // recorded as this note, menu dismissed
  desktop_.RequestClose(MustNote(1));  // closed by other means
  run.Controller().HideThisNote();
  run.Controller().CloseThisNote();
  desktop_.AnswerNextMessageBox(Answer::Yes);
  run.Controller().DeleteThisNote();
  ASSERT_EQ(desktop_.MessageBoxes().size(), 1u) << "the question is still asked";
  EXPECT_EQ(Disk(run), "0.txt 1.txt 2.txt | open 2 | bin");

  Choose(MustNote(2), MenuItem::HideAllNotes);
  EXPECT_EQ(Looks(MustNote(2)) + ", " + Looks(MustNote(3)) + " | " + Disk(run),
            "hidden, hidden | 0.txt 1.txt 2.txt | open 2 | bin");
}

TEST_F(NoteMenuTest, DeleteSendsTheFileToTheBinAndDeletingTheLastNoteEnds) {
  auto& run = StartWithNotes(3);
  desktop_.RequestClose(MustNote(3));  // closed from outside: its file stays
  // The question, and No keeping note and file, the Wine scenario notes_typed checks.
  Choose(MustNote(1), MenuItem::DeleteNote, Answer::Yes);
  EXPECT_EQ(std::tuple(Note(1), Disk(run)),
            std::tuple(nullptr, "1.txt 2.txt | open 1 | bin 0.txt"));
  EXPECT_EQ(Binned(run, "0.txt"), NoteBytes("note0", 9000, 0)) << "the note as it was saved";

  // A new note, first saved by its own close, takes that file with it.
  Choose(MustNote(2), MenuItem::NewNote);
  TypeTitle(MustNote(4), "typed, then deleted");
  Choose(MustNote(4), MenuItem::DeleteNote, Answer::Yes);
  EXPECT_EQ(Disk(run), "1.txt 2.txt | open 1 | bin 0.txt 0.txt");
  EXPECT_NE(Binned(run, "0.txt").find("Title=typed, then deleted"), std::string::npos);

  Choose(MustNote(2), MenuItem::DeleteNote, Answer::Yes);
  EXPECT_EQ(Disk(run), "2.txt | ended | bin 0.txt 0.txt 1.txt");
}

// Delete-all removes every note file, also those without a window, but not the settings. Close-all
// saves every note; one back from the Bin opens again, and one the Bin refuses is erased.
TEST_F(NoteMenuTest, DeleteAllAndCloseAllAndAFileBackFromTheBinOrOneItRefuses) {
  auto& run = StartWithNotes(2);
  WriteNoteFile("7.txt", NoteBytes("closed earlier", 0, 0));
  WriteNoteFile("ZLTFusen.ini", "[ZLT]");
  Choose(MustNote(1), MenuItem::DeleteAllNotes, Answer::No);
  EXPECT_EQ(Disk(run), "0.txt 1.txt 7.txt | open 2 | bin");
  Choose(MustNote(1), MenuItem::DeleteAllNotes, Answer::Yes);
  EXPECT_EQ(Disk(run), "none | ended | bin 1.txt 0.txt 7.txt");
  EXPECT_TRUE(std::filesystem::exists(DataDir() / "ZLTFusen.ini"));
  EXPECT_EQ(Binned(run, "7.txt"), NoteBytes("closed earlier", 0, 0)) << "a note with no window too";
  StopAll();

  auto& closing = StartWithNotes(2);
  Choose(MustNote(1), MenuItem::DeleteNote, Answer::Yes);
  const std::string binned = Binned(closing, "0.txt");
  // Its number is handed out again meanwhile; closing all saves every note and ends.
  Choose(MustNote(2), MenuItem::NewNote);
  TypeTitle(MustNote(3), "new meanwhile");
  TypeDetails(MustNote(2), "typed");
  Choose(MustNote(2), MenuItem::CloseAllNotes);
  ASSERT_TRUE(closing.Ended());
  ASSERT_TRUE(FileHas("0.txt", "Title=new meanwhile"));
  EXPECT_TRUE(FileHas("1.txt", "txtData=typed"));

  WriteNoteFile("5.txt", binned);
  auto& again = Start("/*");
  EXPECT_EQ(NotesTopFirst(), "1 new meanwhile, 3 note0, 2 note1");
  EXPECT_TRUE(FileHas("0.txt", "Title=new meanwhile"));

  // A file the Bin does not take is erased all the same.
  again.instance->Files().RefuseRecycling();
  Choose(MustNote(2), MenuItem::DeleteNote, Answer::Yes);
  EXPECT_EQ(Disk(again), "0.txt 5.txt | open 2 | bin 1.txt (erased)");
  Choose(MustNote(1), MenuItem::DeleteAllNotes, Answer::Yes);
  EXPECT_EQ(Disk(again), "none | ended | bin 1.txt (erased) 0.txt (erased) 5.txt (erased)");
}

// A clock that fails with an error that is no refusal: a fault of the program
// while making a note whose alarm reads it.
class FaultyClock final : public platform::IClock {
 public:
  platform::LocalTime Now() const override { throw std::logic_error("a fault in making a note"); }
};

// Every way a note window can be closed saves it where it stands collapsed and counts it out
// alike; the last one ends the program.
TEST_F(NoteMenuTest, EveryWayOfClosingCountsTheNoteOutAndTheLastEndsTheProgram) {
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
      TypeDetails(note, "closed " + std::to_string(n));
      close(note);
      EXPECT_EQ(Note(n), nullptr);
      ASSERT_EQ(run.Ended(), n == 2);
      // Saved where it stands collapsed, not where its details view stood.
      EXPECT_EQ(ReadNoteFile(std::to_string(n - 1) + ".txt"),
                NoteBytes("note" + std::to_string(n - 1), 9000, 600 * (n - 1),
                          "closed " + std::to_string(n)));
    }
    std::filesystem::remove_all(DataDir());
  }
}

TEST_F(NoteMenuTest, ARefusedNoteWindowIsReportedOnceAndTheProgramGoesOnAndAFaultIsNoRefusal) {
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
  EXPECT_EQ(NotesTopFirst(), "3 note1, 5 note3, 4 note2, 1 still works");

  desktop_.RefuseWindows(1);
  Choose(MustNote(1), MenuItem::NewNote);
  EXPECT_EQ(
      std::tuple(desktop_.MessageBoxes().size(), run.State().OpenNotes, desktop_.Forms().size()),
      std::tuple(2u, 4, 5u))
      << "no half-made window is left behind";
  StopAll();

  // A fault in making a note is not taken for a refused window.
  WriteNoteFile("0.txt", AlarmNote("alarm", "2026/12/07", "09", "01"));
  sim::Instance instance(desktop_, {.commandLine = "/*", .hostRoot = root_.string()});
  const platform::Platform& sim = instance.Platform();
  FaultyClock clock;
  platform::Platform platform{sim.windows, sim.files,    sim.processes,  clock,
                              sim.shell,   sim.instance, sim.environment};
  Program program(platform);
  EXPECT_THROW(instance.RunAsProcess([&] { program.Main(); }), std::logic_error);
  EXPECT_EQ(desktop_.MessageBoxes().size(), 2u) << "no notice of a refused window";
}

TEST_F(NoteMenuTest, OptionsChangeTheNoteTheMenuWasOpenedOnIfStillOpenOrEveryNoteHiddenOnesToo) {
  auto& run = StartWithNotes(3, 1, 0);
  desktop_.OpenForeignWindow(
      {"another program", platform::FormStyle::Dialog, {0, 0, 3000, 3000}, std::nullopt});
  const std::tuple<MenuItem, bool, bool> steps[] = {{MenuItem::InFront, false, false},
                                                    {MenuItem::InFront, true, false},
                                                    {MenuItem::Translucent, true, true},
                                                    {MenuItem::Translucent, true, false}};
  for (const auto& [item, front, translucent] : steps) {
    SCOPED_TRACE(static_cast<int>(item));
    Choose(MustNote(2), item);
    ExpectOptions(run, 2, front, translucent);
    ExpectOptions(run, 1, true, false);
    ExpectOptions(run, 3, true, false);
    if (front) continue;
    // The other two are above every normal window, the other program's too.
    const auto z = desktop_.ZOrder();
    ASSERT_GE(z.size(), 4u);
    EXPECT_TRUE((z[0] == Note(1) && z[1] == Note(3)) || (z[0] == Note(3) && z[1] == Note(1)));
  }

  // The every-note commands reach hidden notes and numbers not given out yet.
  Choose(MustNote(2), MenuItem::HideNote);
  const std::tuple<MenuItem, bool, bool> allSteps[] = {
      {MenuItem::AllInFrontOff, false, false}, {MenuItem::AllTranslucent, false, true},
      {MenuItem::AllInFront, true, true},      {MenuItem::AllTranslucentOff, true, false},
      {MenuItem::AllInFrontOff, false, false},
  };
  for (const auto& [item, front, translucent] : allSteps) {
    SCOPED_TRACE(static_cast<int>(item));
    Choose(MustNote(1), item);
    for (int n = 1; n <= 3; ++n) ExpectOptions(run, n, front, translucent);
    EXPECT_FALSE(MustNote(2).Visible());
    EXPECT_EQ(run.State().NewNotesInFront, front);
    EXPECT_EQ(run.State().NewNotesTranslucent, translucent);
  }

  // Another program's window with the same caption is not touched: the press recorded the note.
  auto& real = MustNote(2);
  Choose(MustNote(1), MenuItem::ShowHidden);  // not in front: beneath the window opened next
  auto& impostor = desktop_.OpenForeignWindow(
      {note::NoteCaption(2), platform::FormStyle::Borderless, {0, 0, 3000, 480}, std::nullopt});
  ASSERT_EQ(desktop_.FindForm(note::NoteCaption(2)), &impostor);
  Choose(real, MenuItem::Translucent);
  Choose(real, MenuItem::InFront);
  EXPECT_EQ(Looks(real) + ", " + Looks(impostor), "shown front layered alpha=150, shown");
  desktop_.CloseForeignWindow(impostor);

  // A note whose close is pending when the menu closes is left alone, and nothing else changes:
  // the command lets the close run first. Note 2 first; "隠れている付箋紙を表示" brings its file
  // back as note 4.
  const std::pair<MenuItem, int> rounds[] = {{MenuItem::InFront, 2}, {MenuItem::Translucent, 4}};
  for (const auto& [item, number] : rounds) {
    auto& note = MustNote(number);
    desktop_.Defer([this, &note] { desktop_.RequestClose(note); });
    Choose(note, item);
    ASSERT_EQ(Note(number), nullptr);
    EXPECT_TRUE(FileHas("1.txt", "Temae=1\r\nToumei=1\r\n"));
    for (int n : {1, 3}) EXPECT_EQ(Looks(MustNote(n)), "shown") << n;
    Choose(MustNote(1), MenuItem::ShowHidden);
  }
}

}  // namespace
}  // namespace zlt::test
