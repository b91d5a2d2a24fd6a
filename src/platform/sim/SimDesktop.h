// The virtual desktop the sim backend runs on: windows of every instance,
// virtual time, input state, scripted answers and the records of what the
// program did outside its windows. Headless and deterministic: no real time,
// no threads, no randomness.
//
// The desktop must outlive every Instance made on it. Including this header
// gives a test the whole sim: Desktop, Instance, SimForm and SimControl.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <queue>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/Form.h"
#include "platform/Geometry.h"
#include "platform/System.h"
#include "platform/WindowSystem.h"
#include "platform/sim/ProcessEnded.h"
#include "platform/sim/SimForm.h"
#include "platform/sim/SimInstance.h"
#include "platform/sim/VirtualClock.h"

namespace zlt::sim {

class SimPopupMenu;

struct DesktopConfig {
  int widthPx = 1920;
  int heightPx = 1080;
  int twipsPerPixel = 15;
  // Empty: one monitor, the primary screen.
  std::vector<platform::PixelRect> monitors;
  // Each monitor's own DPI, in the order of monitors; a monitor without one
  // (or an empty list) has the system's, 1440 / twipsPerPixel.
  std::vector<int> monitorDpis;
  platform::LocalTime start{2026, 12, 7, 9, 0, 0, 1};
  // The frame a dialog window adds around its client area, in pixels.
  int dialogBorderPx = 3;
  int captionPx = 23;
};

class Desktop {
 public:
  explicit Desktop(DesktopConfig config = {});
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  const DesktopConfig& Config() const { return config_; }
  int TwipsPerPixel() const { return config_.twipsPerPixel; }
  platform::ScreenMetrics Screen() const;
  // The monitors in pixels (the primary screen when none were configured).
  std::vector<platform::PixelRect> Monitors() const;
  int SystemDpi() const { return 1440 / config_.twipsPerPixel; }
  // The DPI of the monitor holding most of rect (or holding its corner, for an
  // empty one); nullopt when it lies on none, where a window keeps its own.
  std::optional<int> DpiOfMonitorUnder(const platform::PixelRect& rect) const;

  // --- Time: virtual. Timers fire only when time advances.
  // Fires due timers in time order (ties in the order they were started),
  // across all instances, each at its own moment of virtual time.
  void Advance(std::chrono::milliseconds duration);
  platform::LocalTime Now() const { return clock_.Now(); }
  void SetNow(platform::LocalTime time) { clock_.SetNow(time); }
  // The system clock is set (WM_TIMECHANGE): every window hears of it.
  void SetClock(platform::LocalTime time);
  // The machine sleeps: no timer runs while the calendar moves on by duration;
  // on waking every window hears of it.
  void SleepFor(std::chrono::milliseconds duration);
  // Virtual milliseconds since the desktop was made.
  std::int64_t Ticks() const { return clock_.Ticks(); }

  // --- Input state.
  void SetShift(bool down) { shiftDown_ = down; }
  bool ShiftDown() const { return shiftDown_; }
  void SetCursor(platform::PixelPoint point) { cursor_ = point; }
  platform::PixelPoint Cursor() const { return cursor_; }

  // --- Scripts: queued answers. An unscripted message box answers No and an
  // unscripted menu is dismissed (nullopt); both are recorded either way. A
  // scripted command the menu does not offer (or a separator) dismisses it.
  void AnswerNextMessageBox(platform::Answer answer) { messageBoxScript_.push_back(answer); }
  void ChooseNextMenuItem(std::optional<int> commandId) { menuScript_.push_back(commandId); }
  // What the next RunSystemMove does: the window moves by dx, dy pixels, then
  // the user holds it there for held of virtual time before letting go; timers
  // fire meanwhile, as the system's move loop lets them. Without a script it
  // moves nothing.
  void ScriptNextMove(int dxPx, int dyPx, std::chrono::milliseconds held = {}) {
    moveScript_.push_back({dxPx, dyPx, held});
  }
  // After letting `after` more windows through, the window system refuses the
  // next count, as Windows does when a process runs out of window objects.
  void RefuseWindows(int count, int after = 0) {
    windowsToRefuse_ = count;
    windowsBeforeRefusal_ = after;
  }

  struct MessageBoxRecord {
    std::string text, title;
    std::optional<platform::Answer> answer;  // nullopt: a notice, read and closed with OK
  };
  struct MenuRecord {
    std::vector<platform::MenuItemSpec> items;  // check marks as shown
    platform::PixelPoint at;
    platform::WindowHandle owner = platform::kNoWindow;
    std::optional<int> chosen;
  };
  // A mouse event the program injected: where the cursor was and the window
  // the system found there (kNoWindow for the bare desktop).
  struct InjectedRecord {
    platform::MouseInjection what;
    platform::PixelPoint at;
    platform::WindowHandle target = platform::kNoWindow;
  };
  struct ProcessRecord {
    std::string program, commandLine;
    bool minimisedNoActivate = false;
  };
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
  const std::vector<MenuRecord>& Menus() const { return menus_; }
  const std::vector<ProcessRecord>& StartedProcesses() const { return processes_; }
  const std::vector<std::string>& OpenedAddresses() const { return openedAddresses_; }
  const std::vector<InjectedRecord>& InjectedMouse() const { return injectedMouse_; }
  // The presses, clicks and double clicks injected events made on each window
  // (of any program), as "down", "click" and "dblclick" with the control hit.
  struct MouseDelivery {
    platform::WindowHandle window = platform::kNoWindow;
    int controlId = platform::kFormItself;
    std::string what;
  };
  const std::vector<MouseDelivery>& MouseDeliveries() const { return mouseDeliveries_; }

  // --- Windows of every instance. Windows of an instance that has ended are
  // gone, whether or not its program objects were destroyed yet.
  SimForm* FindForm(std::string_view caption);  // exact caption, top of z-order first
  SimForm* FormFromHandle(platform::WindowHandle handle);
  std::vector<SimForm*> Forms();   // live top-level windows, creation order
  std::vector<SimForm*> ZOrder();  // every live window, hidden ones too, top first:
                                   // the topmost band above the normal band
  SimForm* ActiveForm();
  // The focused control (or kFormItself) and its window.
  std::optional<std::pair<platform::WindowHandle, int>> Focused() const { return focus_; }

  // A window of another program (visible, on top of the normal band), for
  // tests that need something beneath a note or a caption to find. Its events
  // go nowhere.
  SimForm& OpenForeignWindow(const platform::FormSpec& spec);
  void CloseForeignWindow(SimForm& form);

  // --- What a user or the system does. Each delivers the event to the form's
  // IFormEvents inside the owner instance's guard. A user can only reach a
  // control that is shown and enabled (with all its containers) on a window
  // that is shown and enabled; an action the user could not take is ignored
  // and returns false. Nothing here moves focus or activates a window by
  // itself: call Focus or Activate as the user would.
  bool MouseDown(SimForm& form, int controlId, platform::MouseDown press);
  bool Click(SimForm& form, int controlId);  // a check box toggles first, then OnClick
  bool DblClick(SimForm& form, int controlId);
  // Text boxes only: replaces the text (the caret goes to its end), then OnChange.
  bool Type(SimForm& form, int controlId, std::string_view text);
  // A left press in a text box at a character position: the control places
  // the caret as a plain edit control does (Shift extends the selection from
  // its anchor), then OnMouseDown with that character's point.
  bool PressText(SimForm& form, int controlId, int character, int shift = 0);
  // Keys typed into a text box: the text replaces the selection at the caret,
  // then OnChange.
  bool TypeKeys(SimForm& form, int controlId, std::string_view text);
  bool KeyDown(SimForm& form, int controlId, int keyCode, int shift = 0);
  // Returns the code after the handler (0: discarded); 0 when not delivered.
  int KeyPress(SimForm& form, int controlId, int keyAscii);
  // LostFocus on the old control, GotFocus on the new; nothing when it has it.
  bool Focus(SimForm& form, int controlId);
  // As the title-bar close button or WM_CLOSE: returns the handler's answer.
  long RequestClose(SimForm& form);
  // Brings the window to the top of its band, makes it active, then OnActivate.
  bool Activate(SimForm& form);
  // OnEndSession to every form of every instance, creation order.
  void EndSession();

  // --- Deferred events: run by the program's next DoEvents (or RunDeferred).
  void Defer(std::function<void()> action) { deferred_.push_back(std::move(action)); }
  // A WM_COPYDATA that arrives while the program lets events run.
  void DeferCopyData(platform::WindowHandle target, std::string bytes);
  // Runs what was deferred before the call; returns how many ran.
  int RunDeferred();

 private:
  friend class SimForm;
  friend class SimControl;
  friend class SimPopupMenu;
  friend class SimWindowSystem;
  friend class SimInstanceChannel;
  friend class SimProcesses;
  friend class SimShell;
  friend class Instance;

  struct Timer {
    int intervalMs = 0;
    std::int64_t due = 0;
    std::uint64_t order = 0;       // start order, breaks ties
    std::uint64_t generation = 0;  // a restart invalidates queued entries
  };
  struct QueuedTick {
    std::int64_t due;
    std::uint64_t order;
    platform::WindowHandle handle;
    int timerId;
    std::uint64_t generation;
    bool operator>(const QueuedTick& other) const {
      return std::tie(due, order) > std::tie(other.due, other.order);
    }
  };

  // Instances.
  int RegisterInstance(Instance& instance);
  void UnregisterInstance(Instance& instance);
  Instance* FindInstance(int id) const;
  void MarkEnded(Instance& instance);
  void RunPendingCleanups();

  // Runs call inside the guard of owner (nullptr: another program's window).
  // False when the owner has ended and nothing ran.
  bool Guarded(Instance* owner, const std::function<void()>& call);
  // A caller whose instance ended while it waited must not run on.
  void ReturnInto(Instance& caller) const;
  // Delivers to a live window; false when there is none.
  bool DeliverTo(platform::WindowHandle handle,
                 const std::function<void(platform::IFormEvents&)>& call);
  SimForm* LiveForm(platform::WindowHandle handle) const;
  bool Reachable(const SimForm& form, int controlId) const;

  // Windows.
  std::unique_ptr<SimForm> CreateForm(Instance* owner, const platform::FormSpec& spec,
                                      platform::IFormEvents& events);
  void Unregister(SimForm& form);
  static void RemoveFromBand(std::vector<platform::WindowHandle>& band,
                             platform::WindowHandle handle);
  void BringToTop(const SimForm& form);
  // The form's topmost flag changed: it goes to the top of its new band.
  void MoveBand(const SimForm& form, bool wasTopmost);
  std::vector<platform::WindowHandle>& BandOf(const SimForm& form);
  bool Contains(const SimForm& form, platform::PixelPoint point) const;
  platform::WindowHandle WindowFromPoint(platform::PixelPoint point);
  // The topmost shown control of form under a screen point, or kFormItself;
  // the point relative to it comes back in twips.
  int ControlAt(const SimForm& form, platform::PixelPoint point, platform::Twips& x,
                platform::Twips& y) const;
  void InjectMouse(platform::MouseInjection what);
  void DeliverInjected(const InjectedRecord& record);
  std::optional<platform::PixelRect> MonitorRectOf(platform::WindowHandle handle) const;
  // The monitor holding most of rect, by its place in the list.
  std::optional<std::size_t> MonitorIndexUnder(const platform::PixelRect& rect) const;
  void SetFocusSilently(platform::WindowHandle handle, int controlId) {
    focus_ = std::make_pair(handle, controlId);
  }
  void SetActiveSilently(platform::WindowHandle handle) { active_ = handle; }

  // Timers and clock changes.
  void ReportClockChange();
  void StartTimer(const SimForm& form, int timerId, int intervalMs);
  void StopTimer(const SimForm& form, int timerId);
  std::optional<int> TimerInterval(const SimForm& form, int timerId) const;

  // Scripts and records, for the backend.
  platform::Answer AskYesNo(std::string_view text, std::string_view title);
  std::optional<int> TrackMenu(const std::vector<platform::MenuItemSpec>& items,
                               platform::WindowHandle owner);
  struct Move {
    int dxPx = 0;
    int dyPx = 0;
    std::chrono::milliseconds held{};
  };
  Move NextMove();
  bool ClaimName(const std::string& name, int instanceId);

  DesktopConfig config_;
  VirtualClock clock_;
  bool shiftDown_ = false;
  platform::PixelPoint cursor_;

  std::deque<platform::Answer> messageBoxScript_;
  std::deque<std::optional<int>> menuScript_;
  std::deque<Move> moveScript_;
  int windowsToRefuse_ = 0;
  int windowsBeforeRefusal_ = 0;
  std::vector<MessageBoxRecord> messageBoxes_;
  std::vector<MenuRecord> menus_;
  std::vector<ProcessRecord> processes_;
  std::vector<std::string> openedAddresses_;
  std::vector<InjectedRecord> injectedMouse_;
  std::vector<MouseDelivery> mouseDeliveries_;
  // Where an injected press went down, and the last click it made there: a
  // second press on the same spot soon after is a double click.
  std::optional<std::pair<platform::WindowHandle, int>> injectedPress_;
  std::optional<std::pair<platform::WindowHandle, int>> lastClickSpot_;
  std::int64_t lastClickTicks_ = 0;

  platform::WindowHandle nextHandle_ = 0x10010;
  std::map<platform::WindowHandle, SimForm*> forms_;  // handles grow: creation order
  // Bottom first: a window comes to the top at the end, where it costs nothing.
  std::vector<platform::WindowHandle> topmostBand_;
  std::vector<platform::WindowHandle> normalBand_;
  platform::WindowHandle active_ = platform::kNoWindow;
  std::optional<std::pair<platform::WindowHandle, int>> focus_;

  std::map<std::pair<platform::WindowHandle, int>, Timer> timers_;
  std::priority_queue<QueuedTick, std::vector<QueuedTick>, std::greater<>> ticks_;
  std::uint64_t nextTimerOrder_ = 0;
  std::uint64_t nextTimerGeneration_ = 0;

  int nextInstanceId_ = 1;
  std::map<int, Instance*> instances_;
  std::map<std::string, int> claimedNames_;
  int depth_ = 0;  // deliveries on the stack, all instances
  bool runningCleanups_ = false;

  std::deque<std::function<void()>> deferred_;

  platform::IFormEvents noEvents_;  // for windows of other programs
  std::vector<std::unique_ptr<SimForm>> foreignForms_;
};

}  // namespace zlt::sim
