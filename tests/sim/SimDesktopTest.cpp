// The sim desktop keeps the promises of the window system the behaviour tests
// rely on where no behaviour test would notice a broken one: z-order bands,
// captions, timers and the calendar in virtual time, popup menus, hit testing,
// monitors, what a user can reach, queued input and the edit control's anchor.
// Instances on one desktop: an instance ends through EndNow without the exception reaching
// the test, its cleanup runs only when none of its handlers is on the stack, it hears nothing
// more, and a second start reaches the first only while the first has a window.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/ResetOnExit.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimPopupMenu.h"

namespace zlt::sim {
namespace {

using platform::ControlKind, platform::kFormItself, platform::MakeControl;
using std::chrono::milliseconds;
using Strings = std::vector<std::string>;

// A form's events: those the tests look for are logged as short lines, and `on` hears each
// line as it is logged.
struct FakeEvents : platform::IFormEvents {
  Strings log;
  std::function<void(const std::string&)> on;

  void Log(const std::string& line) {
    log.push_back(line);
    if (on) on(line);
  }
  void OnMouseDown(int id, const platform::MouseDown& press) override {
    Log("down " + std::to_string(id) + " b" + std::to_string(press.buttons));
  }
  void OnClick(int id) override { Log("click " + std::to_string(id)); }
  void OnDblClick(int id) override { Log("dblclick " + std::to_string(id)); }
  void OnTimer(int id) override { Log("timer " + std::to_string(id)); }
  void OnActivate() override { Log("activate"); }
  // A window that lives to answer refuses, so 0 comes only from one that died process_.
  long OnCloseRequest() override {
    Log("close");
    return 1;
  }
  void OnCopyData(std::string_view bytes) override { Log("copy " + std::string(bytes)); }
};

// One process: its instance, its windows, and a cleanup that drops them as a test drops its
// program object.
struct Process {
  explicit Process(Desktop& desktop)
      : instance(std::make_unique<Instance>(desktop, Instance::Config{})) {
    instance->OnEnded([this] {
      cleanups.push_back(busy);
      forms.clear();
    });
  }
  // A borderless window of left, top, width, height in pixels (15 twips each).
  SimForm& Open(const std::string& caption, bool shown = false, int left = 0, int top = 0,
                int width = 100, int height = 50) {
    events.push_back(std::make_unique<FakeEvents>());
    const platform::TwipsRect bounds{left * 15, top * 15, width * 15, height * 15};
    const platform::FormSpec spec{caption, platform::FormStyle::Borderless, bounds, std::nullopt};
    forms.push_back(instance->Platform().windows.CreateForm(spec, *events.back()));
    forms.back()->SetVisible(shown);
    return static_cast<SimForm&>(*forms.back());
  }

  std::unique_ptr<Instance> instance;
  std::vector<std::unique_ptr<FakeEvents>> events;
  std::vector<std::unique_ptr<platform::IForm>> forms;
  bool busy = false;           // a handler of this process is on the stack
  std::vector<bool> cleanups;  // each cleanup: whether a handler was on the stack then
};

class SimDesktopTest : public ::testing::Test {
 protected:
  // Every window top first, the active one starred.
  std::string Stack() {
    std::string stack;
    for (const SimForm* form : desktop_.ZOrder())
      stack += (stack.empty() ? "" : " ") + form->Caption() + (form->Active() ? "*" : "");
    return stack;
  }

  Desktop desktop_;
  Process process_{desktop_};
  platform::IWindowSystem& windows_ = process_.instance->Platform().windows;
};

// --- z-order and captions ------------------------------------------------------------

TEST_F(SimDesktopTest, TheTopmostBandStaysAboveShowingOrActivatingRaisesAndCaptionsMatchExactly) {
  SimForm& a = process_.Open("a");
  SimForm& b = process_.Open("b");
  SimForm& c = process_.Open("c");
  const std::pair<std::function<void()>, const char*> steps[] = {
      {[] {}, "c b a"},  // new windows go on top
      {[&] { a.SetTopmost(true); }, "a c b"},
      {[&] { process_.Open("d"); }, "a d c b"},  // below the topmost band
      {[&] { b.SetTopmost(true); }, "b a d c"},
      {[&] { a.SetTopmost(true); }, "a b d c"},   // again: to the top of its band
      {[&] { a.SetTopmost(false); }, "b a d c"},  // to the top of the normal band
      {[&] { c.SetVisible(true); }, "b c a d"},   // shown: raised
      {[&] { a.SetVisible(true); }, "b a c d"},
      {[&] { c.SetVisible(true); }, "b a c d"},                           // already shown: stays
      {[&] { c.Activate(); }, "b c* a d"},                                // the program activating
      {[&] { desktop_.Activate(*desktop_.FindForm("d")); }, "b d* c a"},  // the user
  };
  for (const auto& [step, stack] : steps) {
    step();
    EXPECT_EQ(Stack(), stack);
  }
  // Only the user's activation is an event.
  EXPECT_TRUE(process_.events.at(2)->log.empty());
  EXPECT_EQ(process_.events.at(3)->log, Strings{"activate"});

  // A caption is found whole and as spelled, on hidden windows too, top process_.
  SimForm& d = *desktop_.FindForm("d");
  d.SetCaption("a");
  EXPECT_EQ(windows_.FindWindowByCaption("a"), d.Handle());
  for (const char* other : {"A", "", "d"})
    EXPECT_EQ(windows_.FindWindowByCaption(other), platform::kNoWindow) << other;
}

// --- virtual time --------------------------------------------------------------------

TEST_F(SimDesktopTest, TimersFireInVirtualTimeOrderAcrossFormsAndInTheMoveLoop) {
  SimForm& fast = process_.Open("fast");
  SimForm& slow = process_.Open("slow");
  Strings fired;
  for (const std::size_t i : {0u, 1u}) {
    process_.events.at(i)->on = [&, i](const std::string& line) {  // "timer <id>"
      fired.push_back((i == 0 ? "fast" : "slow") + line.substr(6) + "@" +
                      std::to_string(desktop_.Ticks()));
      if (line == "timer 1") slow.StopTimer(1);  // a tick can stop its own timer
    };
  }
  fast.StartTimer(7, 250);
  slow.StartTimer(8, 500);  // due with fast's: fires after it, as started after it
  desktop_.Advance(milliseconds(249));
  desktop_.Advance(milliseconds(751));
  slow.StopTimer(8);
  fast.StartTimer(7, 400);  // a restart counts from now with the new interval
  slow.StartTimer(1, 0);    // the window system's shortest interval applies
  desktop_.Advance(milliseconds(800));
  // The system's move loop lets timers run while the user holds the window.
  desktop_.ScriptNextMove(-5, 3, milliseconds(400));
  slow.RunSystemMove();
  desktop_.Advance(milliseconds(400));
  EXPECT_EQ(fired,
            (Strings{"fast7@250", "fast7@500", "slow8@500", "fast7@750", "fast7@1000", "slow8@1000",
                     "slow1@1010", "fast7@1400", "fast7@1800", "fast7@2200", "fast7@2600"}));
}

TEST_F(SimDesktopTest, TheClockCarriesIntoTheNextYearAndKeepsLeapDaysAndWeekdays) {
  const std::pair<platform::LocalTime, std::array<int, 7>> cases[] = {
      // year, month, day, hour, minute, second, weekday, one day and two seconds later
      {{2026, 12, 31, 23, 59, 58, 4}, {2027, 1, 2, 0, 0, 0, 6}},
      {{2028, 2, 28, 12, 0, 0, 1}, {2028, 2, 29, 12, 0, 2, 2}},
      {{2100, 2, 28, 0, 0, 0, 0}, {2100, 3, 1, 0, 0, 2, 1}},  // no leap day
  };
  for (const auto& [start, after] : cases) {
    desktop_.SetNow(start);
    desktop_.Advance(std::chrono::hours(24) + milliseconds(2000));
    const platform::LocalTime t = desktop_.Now();
    EXPECT_EQ((std::array{t.year, t.month, t.day, t.hour, t.minute, t.second, t.weekday}), after)
        << start.year;
  }
}

// --- hit testing, menus and monitors ---------------------------------------------------

// A menu returns only a scripted item it offers and records where it was shown.
TEST_F(SimDesktopTest, WindowFromPointTakesTheTopmostShownEnabledWindowWithinItsOutlineAndMenus) {
  SimForm& below = process_.Open("below", true, 0, 0, 200, 200);
  SimForm& above = process_.Open("above", true, 50, 50, 100, 30);
  const platform::WindowHandle A = above.Handle(), B = below.Handle(), none = platform::kNoWindow;
  const auto found = [&] {
    std::vector<platform::WindowHandle> handles;
    for (const platform::PixelPoint point :
         {platform::PixelPoint{60, 60}, {149, 79}, {150, 60}, {300, 300}, {50, 50}, {55, 55}})
      handles.push_back(windows_.WindowFromPoint(point));
    return handles;
  };
  // The right and bottom edges lie outside.
  EXPECT_EQ(found(), (std::vector{A, A, B, none, A, A}));
  above.SetEnabled(false);
  EXPECT_EQ(found(), (std::vector{B, B, B, none, B, B}));
  above.SetEnabled(true);
  above.SetVisible(false);
  EXPECT_EQ(found(), (std::vector{B, B, B, none, B, B}));
  above.SetVisible(true);
  above.SetRoundRegion(100, 30, 10);  // leaves its corners to the window beneath
  EXPECT_EQ(found(), (std::vector{A, B, B, none, B, A}));

  SimForm& owner = process_.Open("owner");
  auto menu = windows_.CreatePopupMenu({{1, "新規", false}, {0, "-", false}});
  desktop_.SetCursor({40, 50});
  for (const int scripted : {1, 0, 5}) desktop_.ChooseNextMenuItem(scripted);
  EXPECT_EQ(menu->TrackAtCursor(owner), 1);
  EXPECT_EQ(menu->TrackAtCursor(owner), std::nullopt);  // the separator
  EXPECT_EQ(menu->TrackAtCursor(owner), std::nullopt);  // an item not there
  const auto& shown = desktop_.Menus().at(0);
  EXPECT_EQ(std::tie(shown.at, shown.owner, shown.chosen),
            std::tuple(platform::PixelPoint{40, 50}, owner.Handle(), std::optional(1)));
}

TEST(SimMonitors, AWindowIsOnTheMonitorHoldingMostOfItAndKeepsWholePixels) {
  DesktopConfig config;
  config.monitors = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}};
  Desktop desktop(config);
  Process process(desktop);
  auto& windows = process.instance->Platform().windows;
  // 120 px on the first monitor, 104 on the second.
  SimForm& form = process.Open("f", false, 1800, 10, 224, 32);
  EXPECT_EQ(windows.MonitorRectOf(form.Handle()), (platform::PixelRect{0, 0, 1920, 1080}));
  form.SetBounds({1830 * 15, 150, 224 * 15, 480});
  EXPECT_EQ(windows.MonitorRectOf(form.Handle()), (platform::PixelRect{1920, 0, 3200, 1024}));
  EXPECT_EQ(windows.MonitorRectOf(platform::kNoWindow), std::nullopt);
  form.SetBounds({-7, -8, 3360, 480});  // kept as whole pixels, as the window system keeps it
  EXPECT_EQ(form.Bounds(), (platform::TwipsRect{0, -15, 3360, 480}));
}

// --- what a user can reach, and input -------------------------------------------------

// Input waits for DoEvents and a shift press selects from the anchor as a plain edit does; a
// user cannot reach what is hidden or disabled.
TEST_F(SimDesktopTest, InputWaitsItsTurnSelectsAsAPlainEditAndReachesNothingHiddenOrDisabled) {
  enum Id { kBox = 1, kTitle, kFrame, kCheck };
  SimForm& form = process_.Open("target", true, 10, 10, 300, 100);
  // Of no size: never under the cursor.
  SimControl& box = form.AddControl(MakeControl(ControlKind::TextBox, kBox, kFormItself, "", {}));
  box.SetText("Shopping listABCXYZ");
  desktop_.SetCursor({20, 20});
  windows_.InjectMouse(platform::MouseInjection::LeftDown);
  windows_.InjectMouse(platform::MouseInjection::LeftUp);
  desktop_.SetCursor({1000, 1000});
  windows_.InjectMouse(platform::MouseInjection::LeftDown);
  EXPECT_TRUE(process_.events.at(0)->log.empty()) << "input waits in the queue";
  windows_.DoEvents();
  EXPECT_EQ(process_.events.at(0)->log, (Strings{"down -1 b1", "click -1"}));
  ASSERT_EQ(desktop_.InjectedMouse().size(), 3u);
  EXPECT_EQ(desktop_.InjectedMouse()[2].target, platform::kNoWindow) << "nothing under the cursor";

  ASSERT_TRUE(desktop_.PressText(form, kBox, 13, platform::shift::kShift));
  EXPECT_EQ(box.SelectedText(), "Shopping list") << "from the start, where SetText left the caret";
  ASSERT_TRUE(desktop_.PressText(form, kBox, 15));  // a plain press moves the anchor too
  ASSERT_TRUE(desktop_.PressText(form, kBox, 13, platform::shift::kShift));
  EXPECT_EQ(box.SelectedText(), "AB");

  SimForm& other = process_.Open("other", true);
  other.AddControl(MakeControl(ControlKind::TextBox, kTitle, kFormItself, "", {}));
  other.AddControl(MakeControl(ControlKind::Frame, kFrame, kFormItself, "", {})).SetVisible(false);
  other.AddControl(MakeControl(ControlKind::CheckBox, kCheck, kFrame, "", {}));
  EXPECT_FALSE(desktop_.Click(other, kCheck));  // inside the hidden frame
  EXPECT_FALSE(desktop_.Click(other, 99));      // no such control
  other.Control(kTitle).SetEnabled(false);
  EXPECT_FALSE(desktop_.Type(other, kTitle, "x"));
  EXPECT_EQ(desktop_.KeyPress(other, kTitle, 'a'), 0);
  other.SetEnabled(false);
  EXPECT_FALSE(desktop_.MouseDown(other, kFormItself, {platform::mouse::kLeft, 0, 0, 0}));
  other.SetEnabled(true);
  other.SetVisible(false);
  EXPECT_FALSE(desktop_.DblClick(other, kFormItself));
  EXPECT_TRUE(process_.events.at(1)->log.empty());
}

// --- instances ending through EndNow ----------------------------------------------

TEST_F(SimDesktopTest, AnEndedInstanceIsDeafNothingReachesItsWindowsAndItNeverRunsOn) {
  Process& first = process_;
  Process a(desktop_);
  first.instance->OnEnded(nullptr);  // the test keeps the windows alive
  SimForm& controller = first.Open("ZLT付箋紙プラグイン", true);
  controller.StartTimer(1, 100);
  first.events[0]->on = [&](const std::string&) { first.instance->Platform().processes.EndNow(); };
  auto& channel = a.instance->Platform().instance;
  EXPECT_EQ(channel.WaitForWindow("missing", milliseconds(100)), platform::kNoWindow);

  desktop_.Advance(milliseconds(1000));
  EXPECT_TRUE(first.instance->Ended());
  EXPECT_EQ(first.events[0]->log, Strings{"timer 1"});
  EXPECT_EQ(channel.WaitForWindow("ZLT付箋紙プラグイン", milliseconds(100)), platform::kNoWindow);
  EXPECT_FALSE(channel.SendCopyData(controller.Handle(), platform::kNoWindow, "/S"));
  EXPECT_TRUE(a.instance->CopyDataSent().empty());
  first.instance->RunAsProcess([] { ADD_FAILURE() << "an ended process ran"; });

  // An instance ended while it waits never runs on. B's click handler forwards to A; A's handler
  // closes B's other window, whose close handler ends B. B's first handler is still on the stack
  // then: it must not run on, and B's cleanup must wait until it is unwound.
  Process b(desktop_);
  SimForm& receiver = a.Open("A", true);
  SimForm& button = b.Open("B", true);
  const platform::WindowHandle closing = b.Open("B close", true).Handle();
  bool bRanOn = false;
  long closeAnswer = -1;
  b.events[0]->on = [&](const std::string&) {  // the click
    b.busy = true;
    const platform::ResetOnExit idle(b.busy, false);  // however the handler ends
    b.instance->Platform().instance.SendCopyData(receiver.Handle(), button.Handle(), "/N");
    bRanOn = true;
  };
  a.events[0]->on = [&](const std::string&) {  // the forwarded "/N"
    closeAnswer = a.instance->Platform().windows.SendClose(closing);
  };
  b.events[1]->on = [&](const std::string&) { b.instance->Platform().processes.EndNow(); };

  EXPECT_TRUE(desktop_.Click(button, platform::kFormItself));
  EXPECT_TRUE(b.instance->Ended());
  EXPECT_FALSE(bRanOn);
  EXPECT_EQ(closeAnswer, 0);                        // the window died instead of answering
  EXPECT_EQ(b.cleanups, std::vector<bool>{false});  // once its handler is unwound
}

}  // namespace
}  // namespace zlt::sim
