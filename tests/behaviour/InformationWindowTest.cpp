// The information window: what it shows, and how "OK", the web address and the
// close button leave it.
#include "FusenFixture.h"
#include "ProgramVersion.h"
#include "manager/InformationTexts.h"
#include "manager/InformationWindow.h"

namespace zlt::test {
namespace {

using manager::MenuItem;
namespace info = manager::information;

class InformationWindowTest : public FusenTest {
 protected:
  sim::SimForm& Info() {
    auto* form = desktop_.FindForm(manager::Controller::kCaption);
    EXPECT_NE(form, nullptr);
    return *form;
  }
};

TEST_F(InformationWindowTest, ShowsTheProgramItsVersionAndAnAddressThatLooksLikeALink) {
  Start("/S");
  auto& form = Info();
  EXPECT_EQ(form.Style(), platform::FormStyle::Dialog);
  EXPECT_EQ(form.ClientWidthPx() * desktop_.TwipsPerPixel(), info::kClient.width);
  EXPECT_EQ(form.ClientHeightPx() * desktop_.TwipsPerPixel(), info::kClient.height);
  // Each control's kind, place and visibility are the Wine test's.
  const std::pair<int, std::string> texts[] = {
      {manager::InfoFrame, "Information"},
      {manager::InfoTitle, "ＺＬＴ付箋紙プラグイン "},
      {manager::InfoVersion, "Version " ZLT_VERSION_TEXT},
      {manager::InfoWebAddress, std::string(manager::texts::kWebAddress)},
      {manager::InfoOkButton, "OK"},
  };
  for (const auto& [id, text] : texts) EXPECT_EQ(form.Control(id).Text(), text);
  const auto& address = form.Control(manager::InfoWebAddress).Spec();
  EXPECT_EQ(address.foreColour, platform::Rgb(0, 0, 192));
  ASSERT_TRUE(address.font.has_value());
  EXPECT_TRUE(address.font->underline);
  EXPECT_TRUE(address.handCursor);
  const auto& title = form.Control(manager::InfoTitle).Spec();
  ASSERT_TRUE(title.font.has_value());
  EXPECT_EQ(title.font->face, "ＭＳ 明朝");
  EXPECT_TRUE(title.font->bold && title.font->italic);
}

// "OK" ends a program that has no note; every other way out only hides.
TEST_F(InformationWindowTest, EveryWayOutEndsAProgramWithoutNotesAndOnlyHidesForAHiddenOne) {
  enum class Leave { Ok, CloseButton, Address };
  struct Case {
    const char* name;
    bool hiddenNote;
    Leave leave;
    bool ends;
  };
  const Case cases[] = {
      {"OK, no note", false, Leave::Ok, true},
      {"OK, only a hidden note", true, Leave::Ok, false},
      {"close button, no note", false, Leave::CloseButton, true},
      {"close button, only a hidden note", true, Leave::CloseButton, false},
      {"web address, no note", false, Leave::Address, true},
      {"web address, only a hidden note", true, Leave::Address, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(DataDir());
    if (c.hiddenNote) WriteNoteFile("0.txt", NoteBytes("kept", 9000, 600));
    auto& run = Start(c.hiddenNote ? "/*" : "/S");
    if (c.hiddenNote) {
      Choose(MustNote(1), MenuItem::HideNote);
      Start("/S");  // forwarded to the running program
    }
    auto& form = Info();
    ASSERT_TRUE(form.Visible());
    const auto opened = desktop_.OpenedAddresses().size();
    if (c.leave == Leave::Ok) desktop_.Click(form, manager::InfoOkButton);
    if (c.leave == Leave::CloseButton) desktop_.RequestClose(form);
    if (c.leave == Leave::Address) desktop_.Click(form, manager::InfoWebAddress);
    ASSERT_EQ(run.Ended(), c.ends);
    EXPECT_TRUE(c.ends || !form.Visible());
    if (c.hiddenNote) {
      EXPECT_FALSE(MustNote(1).Visible());
      EXPECT_EQ(run.State().OpenNotes, 1);
    }
    EXPECT_EQ(desktop_.OpenedAddresses().size() - opened, c.leave == Leave::Address ? 1u : 0u);
    StopAll();
  }
  EXPECT_EQ(desktop_.OpenedAddresses().back(), manager::texts::kWebAddress);
}

TEST_F(InformationWindowTest, CloseButtonSavesEveryNoteAndOnlyHides) {
  WriteNoteFile("0.txt", NoteBytes("first", 9000, 600));
  WriteNoteFile("1.txt", NoteBytes("second", 9000, 1200));
  auto& run = Start("/*");
  ShiftDoubleClickTitle(MustNote(2));
  TypeDetails(MustNote(2), "typed, not saved yet");
  Start("/S");
  auto& form = Info();
  desktop_.RequestClose(form);
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(run.Ended());
  EXPECT_TRUE(FileHas("1.txt", "txtData=typed, not saved yet"));
  EXPECT_NE(Note(1), nullptr);
  EXPECT_NE(Note(2), nullptr);
}

TEST_F(InformationWindowTest, StartSwitchAndForwardedSwitchShowTheSameWindow) {
  WriteNoteFile("0.txt", NoteBytes("keeps the program running", 9000, 600));
  auto& run = Start("  /S\t ");  // blanks around the switch of a first start
  auto& form = Info();
  const auto handle = form.Handle();
  const auto bounds = form.Bounds();
  Start("/*");  // with a note open, closing the window only hides it
  desktop_.RequestClose(form);
  ASSERT_FALSE(form.Visible());
  Start("/S");
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(Info().Handle(), handle);
  EXPECT_EQ(form.Bounds(), bounds);
  EXPECT_EQ(form.Controls().size(), info::Controls().size());
  // The popup menu's item shows it too.
  desktop_.RequestClose(form);
  run.Controller().RunMenuCommand(MenuItem::Information);
  EXPECT_TRUE(form.Visible());
}

}  // namespace
}  // namespace zlt::test
