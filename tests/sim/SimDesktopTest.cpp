// The sim desktop keeps the promises of the window system the behaviour tests
// rely on: z-order bands, whole pixels, timers and the calendar in virtual time,
// popup menus, hit testing, monitors, what a user can reach and input by position.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "FakeEvents.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimPopupMenu.h"

namespace zlt::sim {
namespace {

using platform::ControlKind;
using platform::FormSpec;
using platform::FormStyle;
using platform::kFormItself;
using platform::MouseInjection;
using std::chrono::milliseconds;
using test::FakeEvents;

DesktopConfig WithMonitors(std::vector<platform::PixelRect> monitors) {
  DesktopConfig config;
  config.monitors = std::move(monitors);
  return config;
}

platform::ControlSpec Spec(ControlKind kind, int id, int parentId = kFormItself,
                           std::string text = "", bool visible = true) {
  platform::ControlSpec spec;
  spec.kind = kind;
  spec.id = id;
  spec.parentId = parentId;
  spec.text = std::move(text);
  spec.visible = visible;
  return spec;
}

class SimDesktopTest : public ::testing::Test {
 protected:
  explicit SimDesktopTest(DesktopConfig config = {})
      : desktop_(std::move(config)), instance_(desktop_, {}) {}

  // A borderless window of left, top, width, height in pixels (15 twips each).
  SimForm& Make(const std::string& caption, int left = 0, int top = 0, int width = 100,
                int height = 50, FormStyle style = FormStyle::Borderless) {
    events_.push_back(std::make_unique<FakeEvents>());
    owned_.push_back(instance_.Platform().windows.CreateForm(
        FormSpec{caption, style, {left * 15, top * 15, width * 15, height * 15}, std::nullopt},
        *events_.back()));
    return static_cast<SimForm&>(*owned_.back());
  }
  FakeEvents& EventsOf(std::size_t index) { return *events_.at(index); }

  std::vector<std::string> Captions(const std::vector<SimForm*>& forms) {
    std::vector<std::string> captions;
    for (const SimForm* form : forms) captions.push_back(form->Caption());
    return captions;
  }
  std::vector<std::string> ZOrder() { return Captions(desktop_.ZOrder()); }

  Desktop desktop_;
  Instance instance_;
  std::vector<std::unique_ptr<FakeEvents>> events_;
  std::vector<std::unique_ptr<platform::IForm>> owned_;
};

using Strings = std::vector<std::string>;

// --- z-order ----------------------------------------------------------------------

TEST_F(SimDesktopTest, ZOrderKeepsTheTopmostBandAboveTheNormalBand) {
  SimForm& a = Make("a");
  SimForm& b = Make("b");
  Make("c");
  EXPECT_EQ(ZOrder(), (Strings{"c", "b", "a"}));  // new windows go on top

  a.SetTopmost(true);
  EXPECT_EQ(ZOrder(), (Strings{"a", "c", "b"}));
  Make("d");  // a new window stays below the topmost band
  EXPECT_EQ(ZOrder(), (Strings{"a", "d", "c", "b"}));

  b.SetTopmost(true);
  EXPECT_EQ(ZOrder(), (Strings{"b", "a", "d", "c"}));
  a.SetTopmost(true);  // again: back to the top of its band
  EXPECT_EQ(ZOrder(), (Strings{"a", "b", "d", "c"}));
  a.SetTopmost(false);  // to the top of the normal band, not the bottom
  EXPECT_EQ(ZOrder(), (Strings{"b", "a", "d", "c"}));
  EXPECT_FALSE(a.Topmost());
  EXPECT_TRUE(b.Topmost());
}

TEST_F(SimDesktopTest, ShowingAndActivatingBringAWindowToTheTopOfItsBand) {
  SimForm& a = Make("a");
  SimForm& b = Make("b");
  SimForm& top = Make("top");
  top.SetTopmost(true);
  b.SetVisible(true);
  a.SetVisible(true);
  EXPECT_EQ(ZOrder(), (Strings{"top", "a", "b"}));
  b.SetVisible(true);  // already shown: stays where it is
  EXPECT_EQ(ZOrder(), (Strings{"top", "a", "b"}));

  b.Activate();  // the program activating: no event
  EXPECT_EQ(ZOrder(), (Strings{"top", "b", "a"}));
  EXPECT_TRUE(b.Active());
  EXPECT_TRUE(EventsOf(1).log.empty());

  EXPECT_TRUE(desktop_.Activate(a));  // the user activating: the event
  EXPECT_EQ(ZOrder(), (Strings{"top", "a", "b"}));
  EXPECT_EQ(desktop_.ActiveForm(), &a);
  EXPECT_EQ(EventsOf(0).log, Strings{"activate"});
}

TEST_F(SimDesktopTest, FindsCaptionsExactlyAcrossHiddenWindowsTopFirst) {
  SimForm& hidden = Make("ZLT付箋紙プラグイン");
  EXPECT_EQ(desktop_.FindForm("ZLT付箋紙プラグイン"), &hidden);  // hidden windows count
  EXPECT_EQ(instance_.Platform().windows.FindWindowByCaption("ZLT付箋紙プラグイン"),
            hidden.Handle());
  EXPECT_EQ(desktop_.FindForm("ZLT付箋紙"), nullptr);  // no prefix match
  EXPECT_EQ(desktop_.FindForm("zlt付箋紙プラグイン"), nullptr);
  EXPECT_EQ(instance_.Platform().windows.FindWindowByCaption("nothing"), platform::kNoWindow);

  SimForm& twin = Make("ZLT付箋紙プラグイン");
  EXPECT_EQ(desktop_.FindForm("ZLT付箋紙プラグイン"), &twin);
  hidden.SetTopmost(true);
  EXPECT_EQ(desktop_.FindForm("ZLT付箋紙プラグイン"), &hidden);
  hidden.SetCaption("ZLTFusenCheck");
  EXPECT_EQ(desktop_.FindForm("ZLT付箋紙プラグイン"), &twin);
  EXPECT_EQ(desktop_.FindForm("ZLTFusenCheck"), &hidden);
}

// --- whole pixels -------------------------------------------------------------

TEST_F(SimDesktopTest, BoundsAreKeptAsWholePixels) {
  SimForm& form = Make("f");
  form.SetBounds({7, 8, 22, 23});  // 0.47, 0.53, 1.47, 1.53 pixels
  EXPECT_EQ(form.Bounds(), (platform::TwipsRect{0, 15, 15, 30}));
  EXPECT_EQ(form.RectPx(), (platform::PixelRect{0, 1, 1, 3}));
  form.SetBounds({-7, -8, 3360, 480});
  EXPECT_EQ(form.Bounds(), (platform::TwipsRect{0, -15, 3360, 480}));
  form.SetBounds({-3360, 0, 6495, 5190});  // 433 px exactly; 346 px exactly
  EXPECT_EQ(form.Bounds(), (platform::TwipsRect{-3360, 0, 6495, 5190}));
}

// --- timers in virtual time ---------------------------------------------------

TEST_F(SimDesktopTest, TimersFireInVirtualTimeOrderAcrossForms) {
  SimForm& fast = Make("fast");
  SimForm& slow = Make("slow");
  Strings fired;
  for (const std::string name : {"fast", "slow"}) {
    EventsOf(name == "fast" ? 0 : 1).onTimer = [&, name](int id) {
      fired.push_back(name + std::to_string(id) + "@" + std::to_string(desktop_.Ticks()));
    };
  }
  fast.StartTimer(7, 250);
  slow.StartTimer(8, 500);
  EXPECT_TRUE(fast.TimerRunning(7));
  EXPECT_EQ(slow.TimerInterval(8), 500);
  EXPECT_FALSE(fast.TimerRunning(8));

  desktop_.Advance(milliseconds(249));
  EXPECT_TRUE(fired.empty());
  desktop_.Advance(milliseconds(751));
  EXPECT_EQ(fired, (Strings{"fast7@250", "fast7@500", "slow8@500", "fast7@750", "fast7@1000",
                            "slow8@1000"}));
  EXPECT_EQ(desktop_.Now().second, 1);

  fired.clear();
  slow.StopTimer(8);
  fast.StartTimer(7, 400);  // a restart counts from now with the new interval
  desktop_.Advance(milliseconds(800));
  EXPECT_EQ(fired, (Strings{"fast7@1400", "fast7@1800"}));
  EXPECT_FALSE(slow.TimerRunning(8));

  // A tick can stop its timer; the window system's shortest interval applies.
  int ticks = 0;
  EventsOf(1).onTimer = [&](int) {
    if (++ticks == 2) slow.StopTimer(1);
  };
  slow.StartTimer(1, 0);
  EXPECT_EQ(slow.TimerInterval(1), 10);
  desktop_.Advance(milliseconds(1000));
  EXPECT_EQ(ticks, 2);
}

TEST_F(SimDesktopTest, AFormDestroyedInItsOwnTickStopsOnlyItsTimers) {
  Make("doomed");
  SimForm& other = Make("other");
  int doomedTicks = 0;
  int otherTicks = 0;
  EventsOf(0).onTimer = [&](int) {
    ++doomedTicks;
    owned_[0].reset();  // the note closing itself from its own timer
  };
  EventsOf(1).onTimer = [&](int) { ++otherTicks; };
  static_cast<SimForm&>(*owned_[0]).StartTimer(1, 100);
  static_cast<SimForm&>(*owned_[0]).StartTimer(2, 100);  // due at the same moment
  other.StartTimer(1, 100);
  desktop_.Advance(milliseconds(1000));
  EXPECT_EQ(doomedTicks, 1);
  EXPECT_EQ(otherTicks, 10);
  EXPECT_EQ(Captions(desktop_.Forms()), Strings{"other"});
}

// --- the calendar in virtual time ---------------------------------------------

TEST(SimClock, AdvanceCarriesIntoMinutesDaysMonthsYearsAndLeapDays) {
  struct Case {
    platform::LocalTime start;
    milliseconds step;
    std::array<int, 7> after;  // year, month, day, hour, minute, second, weekday
  };
  const Case cases[] = {
      {{2026, 12, 31, 23, 59, 58, 4}, milliseconds(999), {2026, 12, 31, 23, 59, 58, 4}},
      {{2026, 12, 31, 23, 59, 58, 4}, milliseconds(1000), {2026, 12, 31, 23, 59, 59, 4}},
      {{2026, 12, 31, 23, 59, 58, 4}, milliseconds(2000), {2027, 1, 1, 0, 0, 0, 5}},
      {{2028, 2, 28, 12, 0, 0, 1}, std::chrono::hours(24), {2028, 2, 29, 12, 0, 0, 2}},
      {{2028, 2, 28, 12, 0, 0, 1}, std::chrono::hours(48), {2028, 3, 1, 12, 0, 0, 3}},
      {{2100, 2, 28, 0, 0, 0, 0}, std::chrono::hours(24), {2100, 3, 1, 0, 0, 0, 1}},  // no leap day
  };
  for (const auto& c : cases) {
    DesktopConfig config;
    config.start = c.start;
    Desktop desktop(config);
    desktop.Advance(c.step);
    const platform::LocalTime t = desktop.Now();
    EXPECT_EQ((std::array{t.year, t.month, t.day, t.hour, t.minute, t.second, t.weekday}), c.after)
        << c.start.year << " + " << c.step.count() << " ms";
    EXPECT_EQ(desktop.Ticks(), c.step.count());
  }
}

// --- menus -------------------------------------------------------------------------

TEST_F(SimDesktopTest, MenusRecordTheirCheckMarksAsShownAndReturnOnlyAScriptedItemOffered) {
  SimForm& owner = Make("owner");
  auto menu = instance_.Platform().windows.CreatePopupMenu(
      {{1, "新規", false}, {0, "-", false}, {2, "手前", false}});
  menu->SetChecked(2, true);
  desktop_.SetCursor({40, 50});
  desktop_.ChooseNextMenuItem(2);
  EXPECT_EQ(menu->TrackAtCursor(owner), 2);
  menu->SetChecked(2, false);
  EXPECT_FALSE(menu->Checked(2));
  EXPECT_EQ(menu->TrackAtCursor(owner), std::nullopt);  // unscripted: dismissed
  for (const int notOffered : {0, 5}) {                 // the separator, an item not there
    desktop_.ChooseNextMenuItem(notOffered);
    EXPECT_EQ(menu->TrackAtCursor(owner), std::nullopt);
  }

  const auto& menus = desktop_.Menus();
  ASSERT_EQ(menus.size(), 4u);
  EXPECT_TRUE(menus[0].items[2].checked);  // as it was shown, not as it is now
  EXPECT_FALSE(menus[1].items[2].checked);
  EXPECT_EQ(menus[0].at, (platform::PixelPoint{40, 50}));
  EXPECT_EQ(menus[0].owner, owner.Handle());
  EXPECT_EQ(menus[0].chosen, 2);
  EXPECT_EQ(menus[1].chosen, std::nullopt);
}

// --- screen, monitors and hit testing --------------------------------------------

TEST_F(SimDesktopTest, WindowFromPointTakesTheTopmostShownEnabledWindow) {
  SimForm& below = Make("below", 0, 0, 200, 200);
  SimForm& above = Make("above", 50, 50, 100, 30);
  below.SetVisible(true);
  above.SetVisible(true);
  auto& windows = instance_.Platform().windows;
  EXPECT_EQ(windows.WindowFromPoint({60, 60}), above.Handle());
  EXPECT_EQ(windows.WindowFromPoint({149, 79}), above.Handle());
  EXPECT_EQ(windows.WindowFromPoint({150, 60}), below.Handle());  // right edge is outside
  EXPECT_EQ(windows.WindowFromPoint({300, 300}), platform::kNoWindow);

  above.SetEnabled(false);
  EXPECT_EQ(windows.WindowFromPoint({60, 60}), below.Handle());
  above.SetEnabled(true);
  above.SetVisible(false);
  EXPECT_EQ(windows.WindowFromPoint({60, 60}), below.Handle());
  above.SetVisible(true);

  // A rounded outline leaves its corners to the window beneath.
  above.SetRoundRegion(100, 30, 10);
  EXPECT_EQ(above.Region(), (RoundRegion{100, 30, 10}));
  EXPECT_EQ(above.RegionSetCount(), 1);
  EXPECT_EQ(windows.WindowFromPoint({50, 50}), below.Handle());
  EXPECT_EQ(windows.WindowFromPoint({149, 79}), below.Handle());
  EXPECT_EQ(windows.WindowFromPoint({55, 55}), above.Handle());
  EXPECT_EQ(windows.WindowFromPoint({100, 50}), above.Handle());
}

class SimDesktopTwoMonitors : public SimDesktopTest {
 protected:
  SimDesktopTwoMonitors()
      : SimDesktopTest(WithMonitors({{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}})) {}
};

TEST_F(SimDesktopTwoMonitors, MonitorOfAWindowHoldsMostOfIt) {
  auto& windows = instance_.Platform().windows;
  SimForm& form = Make("f", 1800, 10, 224, 32);  // 120 px on the first, 104 on the second
  EXPECT_EQ(windows.MonitorRectOf(form.Handle()), (platform::PixelRect{0, 0, 1920, 1080}));
  form.SetBounds({1830 * 15, 10 * 15, 224 * 15, 32 * 15});
  EXPECT_EQ(windows.MonitorRectOf(form.Handle()), (platform::PixelRect{1920, 0, 3200, 1024}));
  form.SetBounds({-224 * 15, -32 * 15, 224 * 15, 32 * 15});  // mirrored off screen
  EXPECT_EQ(windows.MonitorRectOf(form.Handle()), std::nullopt);
  form.SetBounds({2000 * 15, 1030 * 15, 224 * 15, 32 * 15});  // below the second monitor
  EXPECT_EQ(windows.MonitorRectOf(form.Handle()), std::nullopt);
  EXPECT_EQ(windows.MonitorRectOf(platform::kNoWindow), std::nullopt);
}

// --- controls and what a user can reach ---------------------------------------------

class SimControlsTest : public SimDesktopTest {
 protected:
  enum Id { kFrame = 1, kCheck, kTitle, kLabel, kInner, kBox, kData };
  SimControlsTest() : form_(Make("form")) {
    form_.AddControl(Spec(ControlKind::TextBox, kTitle, kFormItself, "title"));
    form_.AddControl(Spec(ControlKind::Label, kLabel, kFormItself, "label"));
    form_.AddControl(Spec(ControlKind::Frame, kFrame, kFormItself, "", false));
    form_.AddControl(Spec(ControlKind::PictureBox, kBox, kFrame));
    form_.AddControl(Spec(ControlKind::CheckBox, kCheck, kBox));
    form_.AddControl(Spec(ControlKind::MultiLineTextBox, kData, kFrame));
    form_.SetVisible(true);
  }
  FakeEvents& Events() { return EventsOf(0); }
  SimForm& form_;
};

TEST_F(SimControlsTest, ACheckBoxClickTogglesBeforeTheHandlerRuns) {
  form_.Control(kFrame).SetVisible(true);
  bool seen = false;
  Events().onClick = [&](int) { seen = form_.Control(kCheck).Checked(); };
  EXPECT_TRUE(desktop_.Click(form_, kCheck));
  EXPECT_TRUE(seen);
  EXPECT_TRUE(desktop_.Click(form_, kCheck));
  EXPECT_FALSE(seen);
  EXPECT_EQ(Events().log, (Strings{"click 2", "click 2"}));
}

TEST_F(SimControlsTest, AUserCannotReachWhatIsHiddenOrDisabled) {
  EXPECT_FALSE(desktop_.Click(form_, kCheck));  // inside the hidden frame
  EXPECT_FALSE(form_.Control(kCheck).Checked());
  EXPECT_FALSE(desktop_.Type(form_, kData, "x"));
  EXPECT_EQ(desktop_.KeyPress(form_, kData, 'a'), 0);
  EXPECT_FALSE(desktop_.Click(form_, 99));  // no such control

  form_.Control(kTitle).SetEnabled(false);
  EXPECT_FALSE(desktop_.Type(form_, kTitle, "x"));
  EXPECT_EQ(form_.Control(kTitle).Text(), "title");
  form_.Control(kTitle).SetEnabled(true);

  form_.SetEnabled(false);
  EXPECT_FALSE(desktop_.MouseDown(form_, kFormItself, {platform::mouse::kLeft, 0, 0, 0}));
  form_.SetEnabled(true);
  form_.SetVisible(false);
  EXPECT_FALSE(desktop_.DblClick(form_, kLabel));
  EXPECT_TRUE(Events().log.empty());

  // The system still reaches a hidden window.
  EXPECT_EQ(desktop_.RequestClose(form_), 0);
  EXPECT_EQ(Events().log, Strings{"close"});
}

// --- input by position and by character -------------------------------------------
// Injected mouse events land on the window under the cursor, text boxes place the caret and
// extend the selection as a plain edit control does, and a system move lasts as long as the
// user holds the window.

constexpr int kInputBox = 7;

class SimInputTest : public SimDesktopTest {
 protected:
  // 300 x 100 pixels at 10, 10, with a text box over its right half.
  SimInputTest() : form_(Make("target", 10, 10, 300, 100)) {
    auto box = Spec(ControlKind::TextBox, kInputBox, kFormItself, "Shopping listABCXYZ");
    box.bounds = {2250, 0, 2250, 1500};
    form_.AddControl(box);
    form_.SetVisible(true);
  }
  void Inject(MouseInjection what) { instance_.Platform().windows.InjectMouse(what); }
  SimForm& form_;
};

TEST_F(SimInputTest, InjectedEventsWaitForDoEventsAndReachTheControlUnderTheCursor) {
  desktop_.SetCursor({20, 20});    // on the bare window
  Inject(MouseInjection::LeftUp);  // a release without a press makes no click
  Inject(MouseInjection::LeftDown);
  Inject(MouseInjection::LeftUp);
  EXPECT_TRUE(EventsOf(0).log.empty()) << "input waits in the queue";
  instance_.Platform().windows.DoEvents();
  EXPECT_EQ(EventsOf(0).log, (std::vector<std::string>{"down -1 b1", "click -1"}));

  // A second press on the same spot soon after is a double click.
  Inject(MouseInjection::LeftDown);
  Inject(MouseInjection::LeftUp);
  instance_.Platform().windows.DoEvents();
  EXPECT_EQ(EventsOf(0).log.back(), "dblclick -1");

  EventsOf(0).log.clear();
  desktop_.SetCursor({200, 20});  // over the text box
  desktop_.Advance(milliseconds(600));
  Inject(MouseInjection::LeftDown);
  Inject(MouseInjection::LeftUp);
  instance_.Platform().windows.DoEvents();
  EXPECT_EQ(EventsOf(0).log, (std::vector<std::string>{"down 7 b1", "click 7"}));
  ASSERT_EQ(desktop_.InjectedMouse().size(), 7u);
  EXPECT_EQ(desktop_.InjectedMouse().back().target, form_.Handle());
  EXPECT_EQ(desktop_.MouseDeliveries().back().controlId, kInputBox);

  // Nothing under the cursor: recorded, delivered nowhere.
  desktop_.SetCursor({1000, 1000});
  Inject(MouseInjection::LeftDown);
  instance_.Platform().windows.DoEvents();
  EXPECT_EQ(desktop_.InjectedMouse().back().target, platform::kNoWindow);
  EXPECT_EQ(EventsOf(0).log.size(), 2u);
}

TEST_F(SimInputTest, ShiftPressExtendsTheSelectionFromItsAnchorAsAPlainEditDoes) {
  auto& box = form_.Control(kInputBox);
  ASSERT_TRUE(desktop_.PressText(form_, kInputBox, 13, platform::shift::kShift));
  EXPECT_EQ(box.SelectedText(), "Shopping list") << "from the start, where SetText left the caret";
  EXPECT_EQ(box.Caret(), 13);
  EXPECT_TRUE(box.HasFocus());
  EXPECT_EQ(EventsOf(0).log.back(), "down 7 b1");

  ASSERT_TRUE(desktop_.PressText(form_, kInputBox, 13));
  EXPECT_EQ(box.SelectionLength(), 0);
  EXPECT_EQ(box.CharacterFromPoint(3 * SimControl::kCharacterWidth + 10, 0), 3);
}

TEST_F(SimInputTest, TimersTickWhileTheUserHoldsAWindowInItsMoveLoop) {
  form_.StartTimer(1, 500);
  desktop_.ScriptNextMove(-5, 3, milliseconds(1200));
  form_.RunSystemMove();
  EXPECT_EQ(form_.RectPx(), (platform::PixelRect{5, 13, 305, 113}));
  EXPECT_EQ(std::count(EventsOf(0).log.begin(), EventsOf(0).log.end(), "timer 1"), 2);
  EXPECT_EQ(desktop_.Ticks(), 1200);
}

}  // namespace
}  // namespace zlt::sim
