// Always in front and translucency, for the note the menu was opened on and
// for every note: the window, the flag tables, the check boxes and the files
// stay in step.
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuItem;

class DisplayOptionsTest : public FusenTest {
 protected:
  bool FileSays(int index, const std::string& line) {
    return ReadNoteFile(std::to_string(index) + ".txt").find("\r\n" + line + "\r\n") !=
           std::string::npos;
  }
  // Note n's window (off the taskbar in any case), its model and its file show these options.
  void ExpectOptions(Running& run, int n, bool front, bool translucent) {
    SCOPED_TRACE(n);
    using sim::exstyle::kTopmost, sim::exstyle::kToolWindow, sim::exstyle::kLayered;
    auto& form = MustNote(n);
    EXPECT_EQ(form.Alpha(), translucent ? std::optional<std::uint8_t>(150) : std::nullopt);
    EXPECT_EQ(form.ExStyle(), (front ? kTopmost : 0) | kToolWindow | (translucent ? kLayered : 0));
    EXPECT_EQ(run.Model(n).shown.options, (note::DisplayOptions{front, translucent}));
    EXPECT_EQ(run.Model(n).applied, (note::DisplayOptions{front, translucent}));
    EXPECT_TRUE(FileSays(n - 1, front ? "Temae=1" : "Temae=0"));
    EXPECT_TRUE(FileSays(n - 1, translucent ? "Toumei=1" : "Toumei=0"));
  }
  // A menu item chosen, and the options it leaves: in front, translucent.
  using Step = std::tuple<MenuItem, bool, bool>;
};

TEST_F(DisplayOptionsTest, InFrontAndTranslucentChangeOnlyTheNoteTheMenuWasOpenedOnByItsWindow) {
  auto& run = StartWithNotes(3, 1, 0);
  desktop_.OpenForeignWindow(
      {"another program", platform::FormStyle::Dialog, {0, 0, 3000, 3000}, std::nullopt});
  const Step steps[] = {{MenuItem::InFront, false, false},
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

  // Another program's window with the same caption is not touched: the press recorded the note.
  auto& real = MustNote(2);
  Choose(real, MenuItem::InFront);  // off: beneath the window opened next
  auto& impostor = desktop_.OpenForeignWindow(
      {note::NoteCaption(2), platform::FormStyle::Borderless, {0, 0, 3000, 480}, std::nullopt});
  ASSERT_EQ(desktop_.FindForm(note::NoteCaption(2)), &impostor);
  Choose(real, MenuItem::Translucent);
  Choose(real, MenuItem::InFront);
  EXPECT_EQ(Looks(real) + ", " + Looks(impostor), "shown front layered alpha=150, shown");
}

TEST_F(DisplayOptionsTest, AllNotesCommandsReachHiddenNotesAndNumbersNotGivenOutYet) {
  auto& run = StartWithNotes(3, 0, 0);
  Choose(MustNote(2), MenuItem::HideNote);
  const Step steps[] = {
      {MenuItem::AllTranslucent, false, true},
      {MenuItem::AllInFront, true, true},
      {MenuItem::AllTranslucentOff, true, false},
      {MenuItem::AllInFrontOff, false, false},
  };
  for (const auto& [item, front, translucent] : steps) {
    SCOPED_TRACE(static_cast<int>(item));
    Choose(MustNote(1), item);
    for (int n = 1; n <= 3; ++n) ExpectOptions(run, n, front, translucent);
    EXPECT_FALSE(MustNote(2).Visible());
    EXPECT_EQ(run.State().NewNotesInFront, front);
    EXPECT_EQ(run.State().NewNotesTranslucent, translucent);
  }
}

TEST_F(DisplayOptionsTest, ANoteClosedWhileTheMenuClosesIsLeftAloneAndNothingElseChanges) {
  StartWithNotes(3, 1, 1);
  // Note 2 first; "隠れている付箋紙を表示" brings its file back as note 4.
  const std::pair<MenuItem, int> rounds[] = {{MenuItem::InFront, 2}, {MenuItem::Translucent, 4}};
  for (const auto& [item, number] : rounds) {
    auto& note = MustNote(number);
    // Its close is pending when the menu closes; the command lets it run first.
    desktop_.Defer([this, &note] { desktop_.RequestClose(note); });
    Choose(note, item);
    ASSERT_EQ(Note(number), nullptr);
    EXPECT_TRUE(FileSays(1, "Temae=1\r\nToumei=1"));
    for (int n : {1, 3}) EXPECT_EQ(Looks(MustNote(n)), "shown front layered alpha=150") << n;
    Choose(MustNote(1), MenuItem::ShowHidden);
  }
}

}  // namespace
}  // namespace zlt::test
