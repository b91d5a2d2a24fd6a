// Input the sim delivers by position and by character: injected mouse events
// land on the window under the cursor, text boxes place the caret and extend
// the selection as a plain edit control does, and a system move lasts as long
// as the user holds the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "FakeEvents.h"
#include "platform/sim/SimDesktop.h"

namespace zlt::sim {
namespace {

using platform::ControlKind;
using platform::kFormItself;
using platform::MouseInjection;
using std::chrono::milliseconds;
using test::FakeEvents;

constexpr int kBox = 7;

class SimInputTest : public ::testing::Test {
 protected:
  SimInputTest() : instance_(desktop_, {}) {
    // 300 x 100 pixels at 10, 10, with a text box over its right half.
    form_ = instance_.Platform().windows.CreateForm(
        {"target", platform::FormStyle::Borderless, {150, 150, 4500, 1500}, std::nullopt}, events_);
    platform::ControlSpec box;
    box.kind = ControlKind::TextBox;
    box.id = kBox;
    box.text = "Shopping listABCXYZ";
    box.bounds = {2250, 0, 2250, 1500};
    form_->AddControl(box);
    form_->SetVisible(true);
  }
  SimForm& Form() { return static_cast<SimForm&>(*form_); }
  void Inject(MouseInjection what) { instance_.Platform().windows.InjectMouse(what); }

  Desktop desktop_;
  Instance instance_;
  FakeEvents events_;
  std::unique_ptr<platform::IForm> form_;
};

TEST_F(SimInputTest, InjectedEventsWaitForDoEventsAndReachTheControlUnderTheCursor) {
  desktop_.SetCursor({20, 20});    // on the bare window
  Inject(MouseInjection::LeftUp);  // a release without a press makes no click
  Inject(MouseInjection::LeftDown);
  Inject(MouseInjection::LeftUp);
  EXPECT_TRUE(events_.log.empty()) << "input waits in the queue";
  instance_.Platform().windows.DoEvents();
  EXPECT_EQ(events_.log, (std::vector<std::string>{"down -1 b1", "click -1"}));

  // A second press on the same spot soon after is a double click.
  Inject(MouseInjection::LeftDown);
  Inject(MouseInjection::LeftUp);
  instance_.Platform().windows.DoEvents();
  EXPECT_EQ(events_.log.back(), "dblclick -1");

  events_.log.clear();
  desktop_.SetCursor({200, 20});  // over the text box
  desktop_.Advance(milliseconds(600));
  Inject(MouseInjection::LeftDown);
  Inject(MouseInjection::LeftUp);
  instance_.Platform().windows.DoEvents();
  EXPECT_EQ(events_.log, (std::vector<std::string>{"down 7 b1", "click 7"}));
  ASSERT_EQ(desktop_.InjectedMouse().size(), 7u);
  EXPECT_EQ(desktop_.InjectedMouse().back().target, form_->Handle());
  EXPECT_EQ(desktop_.MouseDeliveries().back().controlId, kBox);

  // Nothing under the cursor: recorded, delivered nowhere.
  desktop_.SetCursor({1000, 1000});
  Inject(MouseInjection::LeftDown);
  instance_.Platform().windows.DoEvents();
  EXPECT_EQ(desktop_.InjectedMouse().back().target, platform::kNoWindow);
  EXPECT_EQ(events_.log.size(), 2u);
}

TEST_F(SimInputTest, ShiftPressExtendsTheSelectionFromItsAnchorAsAPlainEditDoes) {
  auto& box = Form().Control(kBox);
  ASSERT_TRUE(desktop_.PressText(Form(), kBox, 13, platform::shift::kShift));
  EXPECT_EQ(box.SelectedText(), "Shopping list") << "from the start, where SetText left the caret";
  EXPECT_EQ(box.Caret(), 13);
  EXPECT_TRUE(box.HasFocus());
  EXPECT_EQ(events_.log.back(), "down 7 b1");

  ASSERT_TRUE(desktop_.PressText(Form(), kBox, 13));
  EXPECT_EQ(box.SelectionLength(), 0);
  EXPECT_EQ(box.CharacterFromPoint(3 * SimControl::kCharacterWidth + 10, 0), 3);
}

TEST_F(SimInputTest, TimersTickWhileTheUserHoldsAWindowInItsMoveLoop) {
  form_->StartTimer(1, 500);
  desktop_.ScriptNextMove(-5, 3, milliseconds(1200));
  form_->RunSystemMove();
  EXPECT_EQ(Form().RectPx(), (platform::PixelRect{5, 13, 305, 113}));
  EXPECT_EQ(std::count(events_.log.begin(), events_.log.end(), "timer 1"), 2);
  EXPECT_EQ(desktop_.Ticks(), 1200);
}

}  // namespace
}  // namespace zlt::sim
