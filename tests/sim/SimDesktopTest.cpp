// The sim desktop keeps the promises of the window system the behaviour tests
// rely on where no behaviour test would notice a broken one: z-order bands,
// captions, timers and the calendar in virtual time, popup menus, hit testing,
// monitors, what a user can reach, queued input and the edit control's anchor.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "FakeEvents.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimPopupMenu.h"

namespace zlt::sim {
namespace {

using platform::ControlKind;
using platform::kFormItself;
using std::chrono::milliseconds;
using test::FakeEvents;
using Strings = std::vector<std::string>;

class SimDesktopTest : public ::testing::Test {
 protected:
  SimDesktopTest() : instance_(desktop_, {}) {}

  // A borderless window of left, top, width, height in pixels (15 twips each).
  SimForm& Make(const std::string& caption, int left = 0, int top = 0, int width = 100,
                int height = 50) {
    events_.push_back(std::make_unique<FakeEvents>());
    const platform::FormSpec spec{caption,
                                  platform::FormStyle::Borderless,
                                  {left * 15, top * 15, width * 15, height * 15},
                                  std::nullopt};
    owned_.push_back(instance_.Platform().windows.CreateForm(spec, *events_.back()));
    return static_cast<SimForm&>(*owned_.back());
  }
  SimControl& Add(SimForm& form, ControlKind kind, int id, int parentId = kFormItself) {
    platform::ControlSpec spec;
    spec.kind = kind;
    spec.id = id;
    spec.parentId = parentId;
    return form.AddControl(spec);
  }
  FakeEvents& EventsOf(std::size_t index) { return *events_.at(index); }

  // Every window top first, the active one starred.
  std::string Stack() {
    std::string stack;
    for (const SimForm* form : desktop_.ZOrder()) {
      stack += (stack.empty() ? "" : " ") + form->Caption() + (form->Active() ? "*" : "");
    }
    return stack;
  }

  Desktop desktop_;
  Instance instance_;
  std::vector<std::unique_ptr<FakeEvents>> events_;
  std::vector<std::unique_ptr<platform::IForm>> owned_;
};

// --- z-order and captions ------------------------------------------------------------

TEST_F(SimDesktopTest, TheTopmostBandStaysAboveShowingOrActivatingRaisesAndCaptionsMatchExactly) {
  SimForm& a = Make("a");
  SimForm& b = Make("b");
  SimForm& c = Make("c");
  const std::pair<std::function<void()>, const char*> steps[] = {
      {[] {}, "c b a"},  // new windows go on top
      {[&] { a.SetTopmost(true); }, "a c b"},
      {[&] { Make("d"); }, "a d c b"},  // below the topmost band
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
  EXPECT_TRUE(EventsOf(2).log.empty());
  EXPECT_EQ(EventsOf(3).log, Strings{"activate"});

  // A caption is found whole and as spelled, on hidden windows too, top first.
  SimForm& d = *desktop_.FindForm("d");
  d.SetCaption("a");
  auto& windows = instance_.Platform().windows;
  EXPECT_EQ(windows.FindWindowByCaption("a"), d.Handle());
  for (const char* other : {"A", "", "d"}) {
    EXPECT_EQ(windows.FindWindowByCaption(other), platform::kNoWindow) << other;
  }
}

// --- virtual time --------------------------------------------------------------------

TEST_F(SimDesktopTest, TimersFireInVirtualTimeOrderAcrossFormsAndInTheMoveLoop) {
  SimForm& fast = Make("fast");
  SimForm& slow = Make("slow");
  Strings fired;
  for (const std::size_t i : {0u, 1u}) {
    EventsOf(i).onTimer = [&, i](int id) {
      fired.push_back((i == 0 ? "fast" : "slow") + std::to_string(id) + "@" +
                      std::to_string(desktop_.Ticks()));
      if (i == 1 && id == 1) slow.StopTimer(1);  // a tick can stop its own timer
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

TEST(SimClock, AdvanceCarriesIntoTheNextYearAndKeepsLeapDaysAndWeekdays) {
  const std::pair<platform::LocalTime, std::array<int, 7>> cases[] = {
      // year, month, day, hour, minute, second, weekday, one day and two seconds later
      {{2026, 12, 31, 23, 59, 58, 4}, {2027, 1, 2, 0, 0, 0, 6}},
      {{2028, 2, 28, 12, 0, 0, 1}, {2028, 2, 29, 12, 0, 2, 2}},
      {{2100, 2, 28, 0, 0, 0, 0}, {2100, 3, 1, 0, 0, 2, 1}},  // no leap day
  };
  Desktop desktop;
  for (const auto& [start, after] : cases) {
    desktop.SetNow(start);
    desktop.Advance(std::chrono::hours(24) + milliseconds(2000));
    const platform::LocalTime t = desktop.Now();
    EXPECT_EQ((std::array{t.year, t.month, t.day, t.hour, t.minute, t.second, t.weekday}), after)
        << start.year;
  }
}

// --- menus -----------------------------------------------------------------------------

TEST_F(SimDesktopTest, AMenuReturnsOnlyAScriptedItemItOffersAndRecordsWhereItWasShown) {
  SimForm& owner = Make("owner");
  auto menu = instance_.Platform().windows.CreatePopupMenu({{1, "新規", false}, {0, "-", false}});
  desktop_.SetCursor({40, 50});
  for (const int scripted : {1, 0, 5}) desktop_.ChooseNextMenuItem(scripted);
  EXPECT_EQ(menu->TrackAtCursor(owner), 1);
  EXPECT_EQ(menu->TrackAtCursor(owner), std::nullopt);  // the separator
  EXPECT_EQ(menu->TrackAtCursor(owner), std::nullopt);  // an item not there
  const auto& shown = desktop_.Menus().at(0);
  EXPECT_EQ(std::tie(shown.at, shown.owner, shown.chosen),
            std::tuple(platform::PixelPoint{40, 50}, owner.Handle(), std::optional(1)));
}

// --- hit testing and monitors ------------------------------------------------------

TEST_F(SimDesktopTest, WindowFromPointTakesTheTopmostShownEnabledWindowWithinItsOutline) {
  SimForm& below = Make("below", 0, 0, 200, 200);
  SimForm& above = Make("above", 50, 50, 100, 30);
  below.SetVisible(true);
  above.SetVisible(true);
  const platform::WindowHandle A = above.Handle(), B = below.Handle(), none = platform::kNoWindow;
  const auto found = [&] {
    std::vector<platform::WindowHandle> handles;
    for (const platform::PixelPoint point :
         {platform::PixelPoint{60, 60}, {149, 79}, {150, 60}, {300, 300}, {50, 50}, {55, 55}}) {
      handles.push_back(instance_.Platform().windows.WindowFromPoint(point));
    }
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
}

TEST(SimMonitors, AWindowIsOnTheMonitorHoldingMostOfItAndKeepsWholePixels) {
  DesktopConfig config;
  config.monitors = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}};
  Desktop desktop(config);
  Instance instance(desktop, {});
  FakeEvents events;
  auto& windows = instance.Platform().windows;
  // 120 px on the first monitor, 104 on the second.
  const auto form = windows.CreateForm(
      {"f", platform::FormStyle::Borderless, {1800 * 15, 150, 224 * 15, 480}, std::nullopt},
      events);
  EXPECT_EQ(windows.MonitorRectOf(form->Handle()), (platform::PixelRect{0, 0, 1920, 1080}));
  form->SetBounds({1830 * 15, 150, 224 * 15, 480});
  EXPECT_EQ(windows.MonitorRectOf(form->Handle()), (platform::PixelRect{1920, 0, 3200, 1024}));
  EXPECT_EQ(windows.MonitorRectOf(platform::kNoWindow), std::nullopt);
  form->SetBounds({-7, -8, 3360, 480});  // kept as whole pixels, as the window system keeps it
  EXPECT_EQ(form->Bounds(), (platform::TwipsRect{0, -15, 3360, 480}));
}

// --- what a user can reach, and input -------------------------------------------------

TEST_F(SimDesktopTest, AUserCannotReachWhatIsHiddenOrDisabled) {
  enum Id { kTitle = 1, kFrame, kCheck };
  SimForm& form = Make("form");
  Add(form, ControlKind::TextBox, kTitle);
  Add(form, ControlKind::Frame, kFrame).SetVisible(false);
  Add(form, ControlKind::CheckBox, kCheck, kFrame);
  form.SetVisible(true);
  EXPECT_FALSE(desktop_.Click(form, kCheck));  // inside the hidden frame
  EXPECT_FALSE(desktop_.Click(form, 99));      // no such control
  form.Control(kTitle).SetEnabled(false);
  EXPECT_FALSE(desktop_.Type(form, kTitle, "x"));
  EXPECT_EQ(desktop_.KeyPress(form, kTitle, 'a'), 0);
  form.SetEnabled(false);
  EXPECT_FALSE(desktop_.MouseDown(form, kFormItself, {platform::mouse::kLeft, 0, 0, 0}));
  form.SetEnabled(true);
  form.SetVisible(false);
  EXPECT_FALSE(desktop_.DblClick(form, kFormItself));
}

TEST_F(SimDesktopTest, InputWaitsForDoEventsAndAShiftPressSelectsFromTheAnchorAsAPlainEditDoes) {
  constexpr int kBox = 1;
  SimForm& form = Make("target", 10, 10, 300, 100);
  SimControl& box = Add(form, ControlKind::TextBox, kBox);  // of no size: never under the cursor
  box.SetText("Shopping listABCXYZ");
  form.SetVisible(true);
  auto& windows = instance_.Platform().windows;
  desktop_.SetCursor({20, 20});
  windows.InjectMouse(platform::MouseInjection::LeftDown);
  windows.InjectMouse(platform::MouseInjection::LeftUp);
  desktop_.SetCursor({1000, 1000});
  windows.InjectMouse(platform::MouseInjection::LeftDown);
  EXPECT_TRUE(EventsOf(0).log.empty()) << "input waits in the queue";
  windows.DoEvents();
  EXPECT_EQ(EventsOf(0).log, (Strings{"down -1 b1", "click -1"}));
  ASSERT_EQ(desktop_.InjectedMouse().size(), 3u);
  EXPECT_EQ(desktop_.InjectedMouse()[2].target, platform::kNoWindow) << "nothing under the cursor";

  ASSERT_TRUE(desktop_.PressText(form, kBox, 13, platform::shift::kShift));
  EXPECT_EQ(box.SelectedText(), "Shopping list") << "from the start, where SetText left the caret";
  ASSERT_TRUE(desktop_.PressText(form, kBox, 15));  // a plain press moves the anchor too
  ASSERT_TRUE(desktop_.PressText(form, kBox, 13, platform::shift::kShift));
  EXPECT_EQ(box.SelectedText(), "AB");
}

}  // namespace
}  // namespace zlt::sim
