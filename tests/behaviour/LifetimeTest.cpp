// How notes come and go over the program's life: every way a note window
// closes, and a window the system refuses (and a fault that is no refusal).
#include <stdexcept>

#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuItem;

using LifetimeTest = FusenTest;

// A clock that fails with an error that is no refusal: a fault of the program
// while making a note whose alarm reads it.
class FaultyClock final : public platform::IClock {
 public:
  platform::LocalTime Now() const override { throw std::logic_error("a fault in making a note"); }
};

// Every way a note window can be closed saves it where it stands collapsed and counts it out
// alike; the last one ends the program.
TEST_F(LifetimeTest, EveryWayOfClosingCountsTheNoteOutAndTheLastEndsTheProgram) {
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

TEST_F(LifetimeTest, ARefusedNoteWindowIsReportedOnceAndTheProgramGoesOnWithTheRest) {
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

TEST_F(LifetimeTest, AFaultInMakingANoteIsNotTakenForARefusedWindow) {
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
