// Start-up: the switches, the data folder, the settings file, the second starts that hand their
// command to the first, and the information window the "/S" switch shows.
#include "FusenFixture.h"
#include "manager/InformationTexts.h"
#include "manager/InformationWindow.h"
#include "startup/CopyDataHook.h"

namespace zlt::test {
namespace {

// Starts with nothing to show end at once without a window; the data folder is the user's name
// beside the program, or DEFAULT; the snap option comes from the settings file there. Later starts
// hand their command line to the first, which examines any program's payload safely.
TEST_F(FusenTest, StartsWithNothingToShowEndAndSecondStartsHandOnTheirSwitchSafely) {
  EXPECT_TRUE(Start("").Ended());
  EXPECT_TRUE(std::filesystem::is_directory(DataDir())) << "made even by a start that ends";
  WriteNoteFile("notes.TXT.bak", "x");  // no note file for "/*" to restore
  for (const char* line : {"/n", "/N more", "\"/N\"", "/X", "/*x", "-N", "/*"})
    EXPECT_TRUE(Start(line).Ended()) << line;
  EXPECT_TRUE(desktop_.Forms().empty());

  EXPECT_EQ(Start("/V", "C:\\", "hanako").State().DataFolder, "C:\\hanako");
  EXPECT_TRUE(std::filesystem::is_directory(root_ / "hanako"));
  StopAll();
  Stop(Start("/V", "C:\\Apps\\ZLTFusen", std::nullopt));  // the name cannot be read
  EXPECT_TRUE(std::filesystem::is_directory(root_ / "Apps" / "ZLTFusen" / "DEFAULT"));

  // Each settings file (nullptr: none) and whether snap is checked. How names and values are
  // read (case, blanks, words and numbers) the unit tests of the profile and value texts check.
  const std::pair<const char*, bool> cases[] = {
      {nullptr, true},
      {"[ZLT付箋紙プラグイン]\r\nKyuchaku=False\r\n", false},
      {"[ZLT付箋紙プラグイン]\r\nKyuchaku=0\r\n", false},
      {"[ZLT付箋紙プラグイン]\r\nKyuchaku=maybe\r\n", true},
      {"[ZLT付箋紙プラグイン]\r\nother=False\r\n", true},
      {"[other]\r\nKyuchaku=False\r\n", true}};
  for (const auto& [file, checked] : cases) {
    std::filesystem::remove(DataDir() / "ZLTFusen.ini");
    if (file != nullptr) WriteNoteFile("ZLTFusen.ini", Sjis(file));
    auto& run = Start("/V");
    EXPECT_EQ(std::pair(run.State().DataFolder,
                        run.Controller().NoteMenu().Checked(manager::MenuId(MenuItem::Snap))),
              std::pair(DataFolder(), checked))
        << (file ? file : "(no file)");
    // The running first start would make every later start a second one.
    Stop(run);
  }

  // What a second start sends for its command line, stripped of quotes and
  // blanks, and what the first makes of it: only the first two characters count.
  // A second start's command line, what it sends (with its closing NUL; none: nothing at all),
  // and the first start's notes afterwards.
  const std::tuple<std::string, std::optional<std::string>, int> seconds[] = {
      {"", std::nullopt, 0},
      {"\"\"", "", 0},
      {"/n", "/n", 0},  // case matters
      {"/*", "/*", 0},  // restores all: the folder holds no note
      {"/X", "/X", 0},
      {std::string(10000, '/'), std::string(10000, '/'), 0},
      {"\t\"/\"N", "/ N", 0},  // a quote inside the switch leaves "/ N"
      {"/N and more text", "/N and more text", 1},
      // The tail reaches the first start in code page 932; only "/N" counts.
      {"/N 買い物", Sjis("/N 買い物"), 2},
      {"  \"/S\"  ", "/S", 2},
  };
  auto& first = Start("/V");
  for (auto* form : desktop_.Forms()) EXPECT_FALSE(form->Visible()) << "\"/V\" with no note";
  ASSERT_NE(desktop_.FindForm(manager::Controller::kCaption), nullptr) << "for second starts";
  for (const auto& [line, sends, notes] : seconds) {
    SCOPED_TRACE(line.substr(0, 20));
    auto& second = Start(line);
    EXPECT_TRUE(second.Ended());
    EXPECT_EQ(second.instance->CopyDataSent(),
              sends ? std::vector{*sends + std::string(1, '\0')} : std::vector<std::string>{});
    EXPECT_EQ(first.State().LastNoteNumber, notes);
  }
  EXPECT_FALSE(first.Ended());
  // A second start's own controller never shows under the first's caption.
  EXPECT_EQ(desktop_.FindForm("ZLTFusenCheck"), nullptr);
  StopAll();

  // Junk payloads from any program are examined safely; "/V" opens the files on a first start and
  // none twice when forwarded; the focus command flashes the helper window.
  WriteNoteFile("0.txt", NoteBytes("a", 9000, 1500));
  auto& viewer = Start("/V");
  const auto other = OtherProgram();  // any program, not ZLTFusen
  const auto send = [&](std::string_view bytes) {
    other->Platform().instance.SendCopyData(viewer.ControllerForm().Handle(), platform::kNoWindow,
                                            bytes);
  };
  EXPECT_EQ(viewer.State().LastNoteNumber, 1);
  Start("\"/V\"");
  EXPECT_EQ(viewer.State().LastNoteNumber, 1) << "the open note must not open twice";
  send("");                       // cbData 0
  send(std::string("   \0", 4));  // blanks only
  send(std::string("/\0N", 3));   // NUL inside: only "/" is examined
  send("/N");                     // no closing NUL at all
  EXPECT_EQ(viewer.State().LastNoteNumber, 2);
  send(std::string("\x81\x00", 2));          // a lead byte cut short
  send(std::string("\xFF\xFE/N\0", 5));      // invalid bytes before the switch
  send(std::string(1 << 20, 'x'));           // 1 MiB of junk
  send(std::string("  /S junk\0tail", 14));  // blanks before the switch
  EXPECT_EQ(viewer.State().LastNoteNumber, 2);
  EXPECT_TRUE(desktop_.FindForm(manager::Controller::kCaption)->Visible());

  Start("/P");
  auto* helper = desktop_.FindForm("Form1");
  ASSERT_NE(helper, nullptr);
  EXPECT_FALSE(helper->Visible());
  EXPECT_EQ(helper->Bounds().left, 0);  // 1 twip rounds to the screen edge
  EXPECT_FALSE(viewer.Ended());
}

TEST(CopyDataHookTest, ACommandArrivingWhileBusyRunsRightAfterInsteadOfBeingDropped) {
  std::vector<Switch> ran;
  CopyDataHook hook([&](Switch command) {
    ran.push_back(command);
    // The first command lets events through and another payload arrives.
    if (ran.size() == 1) {
      hook.CopyDataProc(std::string("/N\0", 3));
      EXPECT_EQ(ran.size(), 1u) << "must not run inside the first";
      EXPECT_TRUE(hook.HookBusy());
    }
  });
  hook.CopyDataProc(std::string("/V\0", 3));
  EXPECT_EQ(ran, (std::vector<Switch>{Switch::ShowHidden, Switch::NewNote}));
  EXPECT_FALSE(hook.HookBusy());
}

TEST_F(FusenTest, InformationWindowEveryWayOutEndsAProgramWithoutNotesAndOnlyHidesForAHiddenOne) {
  const std::function<void(sim::SimForm&)> waysOut[] = {
      [this](sim::SimForm& form) { desktop_.Click(form, manager::InfoOkButton); },
      [this](sim::SimForm& form) { desktop_.RequestClose(form); },
      [this](sim::SimForm& form) { desktop_.Click(form, manager::InfoWebAddress); }};
  for (const auto& leave : waysOut) {
    for (const bool hiddenNote : {false, true}) {
      SCOPED_TRACE(testing::Message() << "way out " << (&leave - waysOut) << ", " << hiddenNote);
      std::filesystem::remove_all(DataDir());
      auto& run = hiddenNote ? StartWith({NoteBytes("kept", 9000, 600)}) : Start("/S");
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

  // The same window for the start switch, a forwarded one and the menu item; with notes open its
  // close button makes every note save itself and only hides it.
  std::filesystem::remove_all(DataDir());
  auto& run = StartWith({NoteBytes("first", 9000, 600), NoteBytes("second", 9000, 1200)},
                        "  /S\t ");  // blanks around the switch of a first start
  auto& form = run.ControllerForm();
  const auto first = std::pair(form.Handle(), form.Bounds());
  Start("/*");
  TypeDetails(MustNote(2), "typed, not saved yet");
  desktop_.RequestClose(form);
  EXPECT_EQ(std::tuple(form.Visible(), run.Ended(), StoredValue("1.txt", "txtData"),
                       Looks(MustNote(1)) + ", " + Looks(MustNote(2))),
            std::tuple(false, false, "typed, not saved yet", "shown, shown details"));
  Start("/S");
  EXPECT_EQ(std::tuple(form.Visible(), desktop_.FindForm(manager::Controller::kCaption)->Handle(),
                       form.Bounds(), form.Controls().size()),
            std::tuple(true, first.first, first.second, manager::information::Controls().size()));
  desktop_.RequestClose(form);
  run.Controller().RunMenuCommand(MenuItem::Information);
  EXPECT_TRUE(form.Visible());
}

}  // namespace
}  // namespace zlt::test
