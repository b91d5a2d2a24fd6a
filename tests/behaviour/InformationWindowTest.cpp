// The information window: how "OK", the web address and the close button leave it, and the
// ways to show it. What it shows is the Wine test's (startup_info).
#include <functional>

#include "FusenFixture.h"
#include "manager/InformationTexts.h"
#include "manager/InformationWindow.h"

namespace zlt::test {
namespace {

using manager::MenuItem;
namespace info = manager::information;

using InformationWindowTest = FusenTest;

TEST_F(InformationWindowTest, EveryWayOutEndsAProgramWithoutNotesAndOnlyHidesForAHiddenOne) {
  const std::function<void(sim::SimForm&)> waysOut[] = {
      [this](sim::SimForm& form) { desktop_.Click(form, manager::InfoOkButton); },
      [this](sim::SimForm& form) { desktop_.RequestClose(form); },
      [this](sim::SimForm& form) { desktop_.Click(form, manager::InfoWebAddress); }};
  for (const auto& leave : waysOut) {
    for (const bool hiddenNote : {false, true}) {
      SCOPED_TRACE(testing::Message() << "way out " << (&leave - waysOut) << ", " << hiddenNote);
      std::filesystem::remove_all(DataDir());
      if (hiddenNote) WriteNoteFile("0.txt", NoteBytes("kept", 9000, 600));
      auto& run = Start(hiddenNote ? "/*" : "/S");
      if (hiddenNote) {
        Choose(MustNote(1), MenuItem::HideNote);
        Start("/S");  // forwarded to the running program
      }
      auto& form = run.ControllerForm();
      ASSERT_TRUE(form.Visible());
      leave(form);
      EXPECT_EQ(run.Ended() ? "ended"
                            : Looks(MustNote(1)) + (form.Visible() ? ", shown" : ", hidden") +
                                  ", notes " + std::to_string(run.State().OpenNotes),
                hiddenNote ? "hidden, hidden, notes 1" : "ended");
      StopAll();
    }
  }
  // Only the web address opens it, once each time.
  EXPECT_EQ(desktop_.OpenedAddresses(),
            std::vector<std::string>(2, std::string(manager::texts::kWebAddress)));
}

// The same window for the start switch, a forwarded one and the menu item; with notes open its
// close button makes every note save itself and only hides it.
TEST_F(InformationWindowTest, StartSwitchForwardedSwitchAndMenuShowTheSameWindow) {
  WriteNoteFile("0.txt", NoteBytes("first", 9000, 600));
  WriteNoteFile("1.txt", NoteBytes("second", 9000, 1200));
  auto& run = Start("  /S\t ");  // blanks around the switch of a first start
  auto& form = run.ControllerForm();
  const auto handle = form.Handle();
  const auto bounds = form.Bounds();
  Start("/*");
  ShiftDoubleClickTitle(MustNote(2));
  TypeDetails(MustNote(2), "typed, not saved yet");
  desktop_.RequestClose(form);
  ASSERT_FALSE(form.Visible());
  EXPECT_FALSE(run.Ended());
  EXPECT_TRUE(FileHas("1.txt", "txtData=typed, not saved yet"));
  EXPECT_EQ(Looks(MustNote(1)) + ", " + Looks(MustNote(2)), "shown, shown details");
  Start("/S");
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(desktop_.FindForm(manager::Controller::kCaption)->Handle(), handle);
  EXPECT_EQ(form.Bounds(), bounds);
  EXPECT_EQ(form.Controls().size(), info::Controls().size());
  desktop_.RequestClose(form);
  run.Controller().RunMenuCommand(MenuItem::Information);
  EXPECT_TRUE(form.Visible());
}

}  // namespace
}  // namespace zlt::test
