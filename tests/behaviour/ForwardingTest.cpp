// A second start hands its command to the first and ends; the first acts on it.
#include "FusenFixture.h"
#include "startup/CopyDataHook.h"

namespace zlt::test {
namespace {

class ForwardingTest : public FusenTest {
 protected:
  // Sends raw bytes to the first start's controller, as any program could.
  void SendRaw(std::string_view bytes) {
    if (!sender_) sender_ = OtherProgram();
    auto* controller = desktop_.FindForm(manager::Controller::kCaption);
    ASSERT_NE(controller, nullptr);
    sender_->Platform().instance.SendCopyData(controller->Handle(), platform::kNoWindow, bytes);
  }
  std::unique_ptr<sim::Instance> sender_;  // another program, not ZLTFusen
};

// What a second start sends for its command line, stripped of quotes and
// blanks, and what the first makes of it: only the first two characters count.
TEST_F(ForwardingTest, SecondCommandLinesAreSentStrippedAndOnlyTheirSwitchCounts) {
  // A second start's command line, what it sends (with its closing NUL; none: nothing at all),
  // and the first start's notes afterwards.
  const std::tuple<std::string, std::optional<std::string>, int> cases[] = {
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
  for (const auto& [line, sends, notes] : cases) {
    SCOPED_TRACE(line.substr(0, 20));
    auto& second = Start(line);
    EXPECT_TRUE(second.Ended());
    EXPECT_EQ(second.instance->CopyDataSent(),
              sends ? std::vector{*sends + std::string(1, '\0')} : std::vector<std::string>{});
    EXPECT_EQ(first.State().LastNoteNumber, notes);
  }
  EXPECT_FALSE(first.Ended());
  EXPECT_TRUE(MustNote(1).Visible());
  EXPECT_TRUE(desktop_.FindForm(manager::Controller::kCaption)->Visible());
  // A second start's own controller never shows under the first's caption.
  EXPECT_EQ(desktop_.FindForm("ZLTFusenCheck"), nullptr);
}

// Junk payloads from any program are examined safely; "/V" opens the files on a first start and
// none twice when forwarded; the focus command flashes the helper window.
TEST_F(ForwardingTest, PayloadsAreExaminedSafely) {
  WriteNoteFile("0.txt", NoteBytes("a", 9000, 1500));
  auto& first = Start("/V");
  EXPECT_EQ(first.State().LastNoteNumber, 1);
  Start("\"/V\"");
  EXPECT_EQ(first.State().LastNoteNumber, 1) << "the open note must not open twice";
  SendRaw("");                       // cbData 0
  SendRaw(std::string("   \0", 4));  // blanks only
  SendRaw(std::string("/\0N", 3));   // NUL inside: only "/" is examined
  SendRaw("/N");                     // no closing NUL at all
  EXPECT_EQ(first.State().LastNoteNumber, 2);
  SendRaw(std::string("\x81\x00", 2));          // a lead byte cut short
  SendRaw(std::string("\xFF\xFE/N\0", 5));      // invalid bytes before the switch
  SendRaw(std::string(1 << 20, 'x'));           // 1 MiB of junk
  SendRaw(std::string("  /S junk\0tail", 14));  // blanks before the switch
  EXPECT_EQ(first.State().LastNoteNumber, 2);
  EXPECT_TRUE(desktop_.FindForm(manager::Controller::kCaption)->Visible());

  Start("/P");
  auto* helper = desktop_.FindForm("Form1");
  ASSERT_NE(helper, nullptr);
  EXPECT_FALSE(helper->Visible());
  EXPECT_EQ(helper->Bounds().left, 0);  // 1 twip rounds to the screen edge
  EXPECT_FALSE(first.Ended());
}

TEST(CopyDataHookTest, ACommandArrivingWhileBusyRunsRightAfterInsteadOfBeingDropped) {
  std::vector<Switch> ran;
  CopyDataHook* self = nullptr;
  CopyDataHook hook([&](Switch command) {
    ran.push_back(command);
    // The first command lets events through and another payload arrives.
    if (ran.size() == 1) {
      self->CopyDataProc(std::string("/N\0", 3));
      EXPECT_EQ(ran.size(), 1u) << "must not run inside the first";
      EXPECT_TRUE(self->HookBusy());
    }
  });
  self = &hook;
  hook.CopyDataProc(std::string("/V\0", 3));
  EXPECT_EQ(ran, (std::vector<Switch>{Switch::ShowHidden, Switch::NewNote}));
  EXPECT_FALSE(hook.HookBusy());
}

}  // namespace
}  // namespace zlt::test
