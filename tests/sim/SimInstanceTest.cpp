// Instances on one desktop: an instance ends through EndNow without the
// exception reaching the test, its cleanup runs only when none of its
// handlers is on the stack, it hears nothing more, and a second start
// reaches the first only while the first has a window.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeEvents.h"
#include "platform/sim/SimDesktop.h"

namespace zlt::sim {
namespace {

using platform::FormSpec;
using platform::kFormItself;
using std::chrono::milliseconds;
using test::FakeEvents;
using Strings = std::vector<std::string>;

// One process: its instance, its windows, and a cleanup that drops them as
// a test drops its program object.
struct Process {
  Process(Desktop& desktop, Instance::Config config = {})
      : instance(std::make_unique<Instance>(desktop, std::move(config))) {
    instance->OnEnded([this] {
      ++cleanups;
      cleanedWhileBusy = busy > 0;
      forms.clear();
    });
  }
  SimForm& Open(const std::string& caption, bool visible = true) {
    events.push_back(std::make_unique<FakeEvents>());
    FormSpec spec;
    spec.caption = caption;
    spec.bounds = {0, 0, 1500, 750};
    forms.push_back(instance->Platform().windows.CreateForm(spec, *events.back()));
    forms.back()->SetVisible(visible);
    return static_cast<SimForm&>(*forms.back());
  }
  platform::Platform& Platform() { return instance->Platform(); }

  std::unique_ptr<Instance> instance;
  std::vector<std::unique_ptr<FakeEvents>> events;
  std::vector<std::unique_ptr<platform::IForm>> forms;
  int busy = 0;  // handlers of this process on the stack
  int cleanups = 0;
  bool cleanedWhileBusy = false;
};

// Marks a handler as running for as long as it is on the stack.
struct Busy {
  explicit Busy(Process& p) : process(p) { ++process.busy; }
  ~Busy() { --process.busy; }
  Process& process;
};

// --- ending through EndNow ---------------------------------------------------------

TEST(SimInstanceEnd, AnEndedInstanceIsDeafAndItsWindowsAreGoneBeforeCleanup) {
  Desktop desktop;
  Process process(desktop);
  process.instance->OnEnded(nullptr);  // the test keeps the windows alive
  SimForm& form = process.Open("note");
  const platform::WindowHandle handle = form.Handle();
  form.StartTimer(1, 100);
  process.events[0]->onTimer = [&](int) { process.Platform().processes.EndNow(); };

  desktop.Advance(milliseconds(1000));
  EXPECT_TRUE(process.instance->Ended());
  EXPECT_EQ(process.events[0]->log, Strings{"timer 1"});
  EXPECT_EQ(desktop.FindForm("note"), nullptr);
  EXPECT_EQ(desktop.FormFromHandle(handle), nullptr);
  EXPECT_TRUE(desktop.ZOrder().empty());
  EXPECT_FALSE(desktop.Click(form, kFormItself));
  EXPECT_EQ(desktop.RequestClose(form), 0);
  bool ran = false;
  process.instance->RunAsProcess([&] { ran = true; });
  EXPECT_FALSE(ran);
  EXPECT_EQ(process.events[0]->log, Strings{"timer 1"});
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
  b.Open("B close");
  bool bRanOn = false;
  long closeAnswer = -1;
  b.events[0]->onClick = [&](int) {
    Busy busy(b);
    b.Platform().instance.SendCopyData(receiver.Handle(), button.Handle(), "/N");
    bRanOn = true;
  };
  a.events[0]->onCopyData = [&](std::string_view) {
    Busy busy(a);
    closeAnswer = a.Platform().windows.SendClose(desktop.FindForm("B close")->Handle());
    EXPECT_EQ(b.cleanups, 0);  // B's click handler is still on the stack
  };
  b.events[1]->onClose = [&]() -> long {
    Busy busy(b);
    b.Platform().processes.EndNow();
    return 1;  // never reached
  };

  EXPECT_TRUE(desktop.Click(button, kFormItself));
  EXPECT_TRUE(b.instance->Ended());
  EXPECT_FALSE(a.instance->Ended());
  EXPECT_FALSE(bRanOn);
  EXPECT_EQ(closeAnswer, 0);  // the window died instead of answering
  EXPECT_EQ(b.cleanups, 1);
  EXPECT_FALSE(b.cleanedWhileBusy);
  EXPECT_EQ(a.events[0]->log, Strings{"copydata /N"});
}

// --- forwarding between two instances ------------------------------------------------

TEST(SimForwarding, NothingIsSentWithoutAWindowToReceiveIt) {
  Desktop desktop;
  Process first(desktop);
  Process second(desktop);
  SimForm& controller = first.Open("ZLT付箋紙プラグイン", false);
  const platform::WindowHandle handle = controller.Handle();
  auto& channel = second.Platform().instance;
  EXPECT_EQ(channel.WaitForWindow("missing", milliseconds(100)), platform::kNoWindow);
  EXPECT_FALSE(channel.SendCopyData(platform::kNoWindow, platform::kNoWindow, "/S"));

  first.instance->RunAsProcess([&] { first.Platform().processes.EndNow(); });
  EXPECT_EQ(channel.WaitForWindow("ZLT付箋紙プラグイン", milliseconds(100)), platform::kNoWindow);
  EXPECT_FALSE(channel.SendCopyData(handle, platform::kNoWindow, "/S"));
  EXPECT_TRUE(second.instance->CopyDataSent().empty());
}

}  // namespace
}  // namespace zlt::sim
