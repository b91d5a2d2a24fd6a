// A second start hands its command to the first and ends; the first acts on it.
#include "FusenFixture.h"
#include "startup/CopyDataHook.h"
#include "startup/SecondInstance.h"

namespace zlt::test {
namespace {

constexpr std::string_view kControllerCaption = "ZLT付箋紙プラグイン";

class ForwardingTest : public FusenTest {
 protected:
  // Sends raw bytes to the first start's controller, as any program could.
  void SendRaw(std::string_view bytes) {
    if (!sender_) {
      sim::Instance::Config config;
      config.hostRoot = root_.string();
      sender_ = std::make_unique<sim::Instance>(desktop_, config);
    }
    auto* controller = desktop_.FindForm(kControllerCaption);
    ASSERT_NE(controller, nullptr);
    sender_->Platform().instance.SendCopyData(controller->Handle(), platform::kNoWindow, bytes);
  }
  std::unique_ptr<sim::Instance> sender_;  // another program, not ZLTFusen
};

TEST_F(ForwardingTest, SecondStartForwardsNewNoteAndEnds) {
  auto& first = Start("/V");
  auto& second = Start("/N");
  EXPECT_TRUE(second.Ended());
  EXPECT_FALSE(first.Ended());
  ASSERT_EQ(second.instance->CopyDataSent().size(), 1u);
  // Two bytes of text and the closing NUL.
  EXPECT_EQ(second.instance->CopyDataSent()[0], std::string("/N\0", 3));
  auto* note = Note(1);
  ASSERT_NE(note, nullptr);
  EXPECT_TRUE(note->Visible());
  EXPECT_EQ(first.State().MemoCount, 1);
  // The second start's own controller never shows under the first's caption.
  EXPECT_EQ(desktop_.FindForm("ZLTFusenCheck"), nullptr);
}

TEST_F(ForwardingTest, QuotesAndBlanksAreStrippedBeforeSending) {
  Start("/V");
  auto& second = Start("  \"/S\"  ");
  ASSERT_EQ(second.instance->CopyDataSent().size(), 1u);
  EXPECT_EQ(second.instance->CopyDataSent()[0], std::string("/S\0", 3));
  EXPECT_TRUE(desktop_.FindForm(kControllerCaption)->Visible());
}

TEST_F(ForwardingTest, EmptyCommandLineSendsNothing) {
  auto& first = Start("/V");
  auto& second = Start("");
  EXPECT_TRUE(second.Ended());
  EXPECT_TRUE(second.instance->CopyDataSent().empty());
  EXPECT_FALSE(first.Ended());
  EXPECT_TRUE(VisibleForms().empty());
}

TEST_F(ForwardingTest, OnlyTheFirstTwoCharactersCountAndCaseMatters) {
  auto& first = Start("/V");
  Start("/N and more text");
  EXPECT_EQ(first.State().MemoCount, 1);
  Start("/n");
  Start("/*");  // restores all: the folder holds no note
  Start("/X");
  EXPECT_EQ(first.State().MemoCount, 1);
  EXPECT_FALSE(first.Ended());
}

TEST_F(ForwardingTest, OddSecondCommandLinesAreForwardedWithoutHarm) {
  auto& first = Start("/V");
  auto& quotesOnly = Start("\"\"");
  ASSERT_EQ(quotesOnly.instance->CopyDataSent().size(), 1u);
  EXPECT_EQ(quotesOnly.instance->CopyDataSent()[0], std::string("\0", 1));
  Start(std::string(10000, '/'));
  Start("\t\"/\"N");  // a quote inside the switch leaves "/ N"
  EXPECT_EQ(first.State().MemoCount, 0);
  auto& japanese = Start("/N 買い物");
  // The tail reaches the first start in code page 932; only "/N" counts.
  EXPECT_EQ(japanese.instance->CopyDataSent()[0], Sjis("/N 買い物") + std::string("\0", 1));
  EXPECT_EQ(first.State().MemoCount, 1);
  EXPECT_FALSE(first.Ended());
}

TEST_F(ForwardingTest, ForwardedShowHiddenReopensClosedNotes) {
  WriteNoteFile("0.txt", NoteBytes("a", 9000, 1500));
  auto& first = Start("/V");
  EXPECT_EQ(first.State().MemoCount, 1);
  Start("\"/V\"");
  EXPECT_EQ(first.State().MemoCount, 1) << "the open note must not open twice";
}

TEST_F(ForwardingTest, PayloadsAreExaminedSafely) {
  auto& first = Start("/V");
  SendRaw("");                       // cbData 0
  SendRaw(std::string("   \0", 4));  // blanks only
  SendRaw(std::string("/\0N", 3));   // NUL inside: only "/" is examined
  SendRaw("/N");                     // no closing NUL at all
  EXPECT_EQ(first.State().MemoCount, 1);
  SendRaw(std::string("\x81\x00", 2));          // a lead byte cut short
  SendRaw(std::string("\xFF\xFE/N\0", 5));      // invalid bytes before the switch
  SendRaw(std::string(1 << 20, 'x'));           // 1 MiB of junk
  SendRaw(std::string("  /S junk\0tail", 14));  // blanks before the switch
  EXPECT_EQ(first.State().MemoCount, 1);
  EXPECT_TRUE(desktop_.FindForm(kControllerCaption)->Visible());
  EXPECT_FALSE(first.Ended());
}

TEST_F(ForwardingTest, ForwardedFocusCommandFlashesTheHelperWindow) {
  auto& first = Start("/V");
  Start("/P");
  auto* helper = desktop_.FindForm("Form1");
  ASSERT_NE(helper, nullptr);
  EXPECT_FALSE(helper->Visible());
  EXPECT_EQ(helper->Bounds().left, 0);  // 1 twip rounds to the screen edge
  EXPECT_FALSE(first.Ended());
}

TEST(CopyDataHookTest, ACommandArrivingWhileBusyRunsRightAfterInsteadOfBeingDropped) {
  std::vector<std::string> ran;
  CopyDataHook* self = nullptr;
  CopyDataHook hook([&](std::string_view command) {
    ran.emplace_back(command);
    // The first command lets events through and another payload arrives.
    if (ran.size() == 1) {
      self->CopyDataProc(std::string("/N\0", 3));
      EXPECT_EQ(ran.size(), 1u) << "must not run inside the first";
      EXPECT_TRUE(self->HookBusy());
    }
  });
  self = &hook;
  hook.CopyDataProc(std::string("/V\0", 3));
  EXPECT_EQ(ran, (std::vector<std::string>{"/V", "/N"}));
  EXPECT_FALSE(hook.HookBusy());
}

TEST(ForwardPayloadTest, QuoteStripping) {
  EXPECT_EQ(ForwardPayload("  \"/N\"  "), std::string("/N\0", 3));
  EXPECT_EQ(ForwardPayload("\"/V"), std::string("/V\0", 3));
  EXPECT_EQ(ForwardPayload("a\"b\"c"), std::string("a b c\0", 6));
  EXPECT_EQ(ForwardPayload("   "), std::string("\0", 1));
  EXPECT_EQ(ForwardedSwitch(std::string("\t/S\0", 4)), "/S");
  EXPECT_EQ(ForwardedSwitch("/"), "");
}

}  // namespace
}  // namespace zlt::test
