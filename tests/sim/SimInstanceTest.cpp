// Instances on one desktop: an instance ends through EndNow without the
// exception reaching the test, its cleanup runs only when none of its
// handlers is on the stack, it hears nothing more, and a second start
// reaches the first only while the first has a window.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeEvents.h"
#include "platform/ResetOnExit.h"
#include "platform/sim/SimDesktop.h"

namespace zlt::sim {
namespace {

using std::chrono::milliseconds;
using test::FakeEvents;

// One process: its instance, its windows, and a cleanup that drops them as
// a test drops its program object.
struct Process {
  explicit Process(Desktop& desktop)
      : instance(std::make_unique<Instance>(desktop, Instance::Config{})) {
    instance->OnEnded([this] {
      cleanups.push_back(busy);
      forms.clear();
    });
  }
  SimForm& Open(const std::string& caption) {
    events.push_back(std::make_unique<FakeEvents>());
    forms.push_back(instance->Platform().windows.CreateForm(
        {caption, platform::FormStyle::Borderless, {0, 0, 1500, 750}, std::nullopt},
        *events.back()));
    forms.back()->SetVisible(true);
    return static_cast<SimForm&>(*forms.back());
  }

  std::unique_ptr<Instance> instance;
  std::vector<std::unique_ptr<FakeEvents>> events;
  std::vector<std::unique_ptr<platform::IForm>> forms;
  bool busy = false;           // a handler of this process is on the stack
  std::vector<bool> cleanups;  // each cleanup: whether a handler was on the stack then
};

// --- ending through EndNow ---------------------------------------------------------

TEST(SimInstanceEnd, AnEndedInstanceIsDeafAndNothingReachesItsWindows) {
  Desktop desktop;
  Process first(desktop);
  Process second(desktop);
  first.instance->OnEnded(nullptr);  // the test keeps the windows alive
  SimForm& controller = first.Open("ZLT付箋紙プラグイン");
  controller.StartTimer(1, 100);
  first.events[0]->onTimer = [&](int) { first.instance->Platform().processes.EndNow(); };
  auto& channel = second.instance->Platform().instance;
  EXPECT_EQ(channel.WaitForWindow("missing", milliseconds(100)), platform::kNoWindow);

  desktop.Advance(milliseconds(1000));
  EXPECT_TRUE(first.instance->Ended());
  EXPECT_EQ(first.events[0]->log, std::vector<std::string>{"timer 1"});
  EXPECT_EQ(channel.WaitForWindow("ZLT付箋紙プラグイン", milliseconds(100)), platform::kNoWindow);
  EXPECT_FALSE(channel.SendCopyData(controller.Handle(), platform::kNoWindow, "/S"));
  EXPECT_TRUE(second.instance->CopyDataSent().empty());
  first.instance->RunAsProcess([] { ADD_FAILURE() << "an ended process ran"; });
}

TEST(SimInstanceEnd, AnInstanceEndedWhileItWaitsNeverRunsOn) {
  // B's click handler forwards to A; A's handler closes B's other window,
  // whose close handler ends B. B's first handler is still on the stack then:
  // it must not run on, and B's cleanup must wait until it is unwound.
  Desktop desktop;
  Process a(desktop);
  Process b(desktop);
  SimForm& receiver = a.Open("A");
  SimForm& button = b.Open("B");
  const platform::WindowHandle closing = b.Open("B close").Handle();
  bool bRanOn = false;
  long closeAnswer = -1;
  b.events[0]->onClick = [&](int) {
    b.busy = true;
    const platform::ResetOnExit idle(b.busy, false);  // however the handler ends
    b.instance->Platform().instance.SendCopyData(receiver.Handle(), button.Handle(), "/N");
    bRanOn = true;
  };
  a.events[0]->onCopyData = [&](std::string_view) {
    closeAnswer = a.instance->Platform().windows.SendClose(closing);
  };
  b.events[1]->onClose = [&]() -> long {
    b.instance->Platform().processes.EndNow();
    return 1;  // never reached
  };

  EXPECT_TRUE(desktop.Click(button, platform::kFormItself));
  EXPECT_TRUE(b.instance->Ended());
  EXPECT_FALSE(bRanOn);
  EXPECT_EQ(closeAnswer, 0);                        // the window died instead of answering
  EXPECT_EQ(b.cleanups, std::vector<bool>{false});  // once its handler is unwound
}

}  // namespace
}  // namespace zlt::sim
