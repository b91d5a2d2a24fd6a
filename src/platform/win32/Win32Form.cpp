#include "Win32Form.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "DebuggerTrace.h"
#include "MenuItemDrawing.h"
#include "MouseInput.h"
#include "SystemLibraries.h"
#include "Win32Text.h"

namespace zlt::win32 {
namespace {

struct Styles {
  DWORD style;
  DWORD exStyle;
};

Styles StylesOf(platform::FormStyle style) {
  switch (style) {
    case platform::FormStyle::Dialog:
      return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0};
    case platform::FormStyle::ToolDialog:
      return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_DLGMODALFRAME};
    case platform::FormStyle::Borderless:
    case platform::FormStyle::Hidden:
      break;
  }
  // A tool window has no taskbar button.
  return {WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW};
}

// Sent when the window moves to a monitor of another DPI (Windows 8.1 on).
constexpr UINT kDpiChangedMessage = 0x02E0;

}  // namespace

const Win32Form::Route Win32Form::kRoutes[] = {
    {WM_CLOSE, &Win32Form::OnClose},
    {WM_QUERYENDSESSION, &Win32Form::OnQueryEndSession},
    {WM_ENDSESSION, &Win32Form::OnEndSession},
    {WM_ACTIVATE, &Win32Form::OnActivateMessage},
    {WM_COPYDATA, &Win32Form::OnCopyData},
    {WM_TIMER, &Win32Form::OnTimerMessage},
    {WM_TIMECHANGE, &Win32Form::OnClockMessage},
    {WM_POWERBROADCAST, &Win32Form::OnClockMessage},
    {WM_DISPLAYCHANGE, &Win32Form::OnDisplayChange},
    {WM_LBUTTONDOWN, &Win32Form::OnButtonDown},
    {WM_RBUTTONDOWN, &Win32Form::OnButtonDown},
    {WM_MBUTTONDOWN, &Win32Form::OnButtonDown},
    {WM_COMMAND, &Win32Form::OnCommand},
    {WM_CTLCOLORSTATIC, &Win32Form::OnControlColour},
    {WM_CTLCOLOREDIT, &Win32Form::OnControlColour},
    {WM_CTLCOLORBTN, &Win32Form::OnControlColour},
    {WM_MEASUREITEM, &Win32Form::OnMeasureItem},
    {WM_DRAWITEM, &Win32Form::OnDrawItem},
    {WM_ERASEBKGND, &Win32Form::OnEraseBackground},
    {WM_MOVE, &Win32Form::OnMove},
    {kDpiChangedMessage, &Win32Form::OnDpiChanged},
};

Win32Form::Win32Form(Win32Context& context, const platform::FormSpec& spec,
                     platform::IFormEvents& events)
    : context_(context),
      events_(events),
      style_(spec.style),
      backColour_(spec.backColour),
      dpi_(context.dpi.y) {
  const Styles styles = StylesOf(spec.style);
  RECT rect = PixelRectOf(spec.bounds, context_.dpi);
  // Made on a monitor, the window starts at that monitor's DPI: its size is
  // in twips of that scale. A second start's hidden window never asks.
  if (spec.style != platform::FormStyle::Hidden) {
    dpi_ = context_.monitors.DpiOf({rect.left, rect.top, rect.left, rect.top}).value_or(dpi_);
    const platform::FormScale scale = Scale();
    rect.right = rect.left + scale.Pixels(spec.bounds.width);
    rect.bottom = rect.top + scale.Pixels(spec.bounds.height);
  }
  if (spec.style == platform::FormStyle::Dialog || spec.style == platform::FormStyle::ToolDialog) {
    // Dialogs are described by their client area: the frame goes around it,
    // the window's own corner stays where it was asked to be.
    // On a monitor of another scale than the system's the frame is of that scale.
    const POINT corner{rect.left, rect.top};
    if (dpi_ == context_.dpi.y) {
      AdjustWindowRectEx(&rect, styles.style, FALSE, styles.exStyle);
    } else {
      late::AdjustWindowRectForDpi(&rect, styles.style, styles.exStyle, static_cast<UINT>(dpi_));
    }
    OffsetRect(&rect, corner.x - rect.left, corner.y - rect.top);
  }
  const std::wstring caption = ToWide(spec.caption);
  // WindowProc binds the window to this object on WM_NCCREATE.
  CreateWindowExW(styles.exStyle, context_.formClass.Name(), caption.c_str(), styles.style,
                  rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr,
                  nullptr, context_.instance, this);
  if (!window_) throw platform::WindowRefused();
  if (spec.style == platform::FormStyle::Dialog) {
    SendMessageW(window_.Get(), WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(context_.ProgramIcon()));
    SendMessageW(window_.Get(), WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(context_.SmallProgramIcon()));
  }
}

Win32Form::~Win32Form() {
  // Destroying windows moves focus and activation elsewhere: that is the
  // program's doing, not an event.
  const ProgramCall call(context_);
  if (window_) SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
  alive_.reset();
  // Children before their containers (created after them).
  RemoveTooltips();
  while (!controls_.empty()) controls_.pop_back();
  window_.Reset();
}

LRESULT CALLBACK Win32Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Win32Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    form->window_.Reset(window);
  }
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // The window is gone: no later message may reach the object.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    (void)form->window_.Release();
    return DefWindowProcW(window, message, wParam, lParam);
  }
  const Message current{window, message, wParam, lParam};
  for (const Route& route : kRoutes) {
    if (route.message != message) continue;
    try {
      // A handler may destroy the form: nothing of it is touched afterwards.
      const std::optional<LRESULT> result = (form->*route.handler)(current);
      if (result) return *result;
    } catch (...) {
      // No exception may unwind through the window system's frames. The event
      // is dropped as handled: the default for WM_CLOSE would destroy a
      // window its object still owns.
      TraceCaughtError(L"a window of the program failed to handle a message; it is dropped",
                       message);
      return 0;
    }
    break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

Win32Form* Win32Form::FromHandle(HWND window, const Win32Context& context) {
  if (window == nullptr || GetClassLongPtrW(window, GCW_ATOM) != context.formClass.Atom()) {
    return nullptr;
  }
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return nullptr;
  return reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

platform::WindowHandle Win32Form::Handle() const {
  return reinterpret_cast<platform::WindowHandle>(window_.Get());
}

Win32Control& Win32Form::AddControl(const platform::ControlSpec& spec) {
  if (spec.id == platform::kFormItself || controlsById_.count(spec.id) != 0) {
    throw std::invalid_argument("control id " + std::to_string(spec.id) + " used twice");
  }
  HWND parent = window_.Get();
  if (spec.parentId != platform::kFormItself) {
    const auto found = controlsById_.find(spec.parentId);
    if (found == controlsById_.end() || !found->second->IsContainer()) {
      throw std::invalid_argument("control " + std::to_string(spec.id) + " has no container " +
                                  std::to_string(spec.parentId));
    }
    parent = found->second->Handle();
  }
  controls_.push_back(std::make_unique<Win32Control>(*this, spec, parent));
  Win32Control& control = *controls_.back();
  control.RaiseAboveOverlapped(controls_);
  controlsById_[control.Id()] = &control;
  controlsByWindow_[control.Handle()] = &control;
  if (!control.Tooltip().empty()) AddTooltip(control);
  return control;
}

bool Win32Form::HasControl(int id) const { return controlsById_.count(id) != 0; }

Win32Control& Win32Form::Control(int id) {
  const auto found = controlsById_.find(id);
  if (found == controlsById_.end()) {
    throw std::out_of_range("no control " + std::to_string(id) + " on this form");
  }
  return *found->second;
}

void Win32Form::SetCaption(std::string_view caption) {
  SetWindowTextW(window_.Get(), ToWide(caption).c_str());
}

std::string Win32Form::Caption() const { return FromWide(WindowText(window_.Get())); }

// Showing does not activate: the program says Activate where it wants the
// window active, so both backends agree on which window is.
void Win32Form::SetVisible(bool visible) {
  if (style_ == platform::FormStyle::Hidden) return;
  const ProgramCall call(context_);
  ShowWindow(window_.Get(), visible ? SW_SHOWNA : SW_HIDE);
}

bool Win32Form::Visible() const { return IsWindowVisible(window_.Get()) != FALSE; }

void Win32Form::SetEnabled(bool enabled) {
  const ProgramCall call(context_);
  EnableWindow(window_.Get(), enabled ? TRUE : FALSE);
}

void Win32Form::Activate() {
  const ProgramCall call(context_);
  SetForegroundWindow(window_.Get());
  SetActiveWindow(window_.Get());
}

void Win32Form::Refresh() {
  RedrawWindow(window_.Get(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Win32Form::SetTopmost(bool topmost) {
  SetWindowPos(window_.Get(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Form::SetLayeredAlpha(std::optional<std::uint8_t> alpha) {
  // Only the layered bit changes: replacing the whole extended style would
  // drop WS_EX_TOOLWINDOW and give the note a taskbar button.
  LONG_PTR exStyle = GetWindowLongPtrW(window_.Get(), GWL_EXSTYLE);
  exStyle = alpha ? (exStyle | WS_EX_LAYERED) : (exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
  SetWindowLongPtrW(window_.Get(), GWL_EXSTYLE, exStyle);
  SetLayeredWindowAttributes(window_.Get(), 0, alpha.value_or(255), LWA_ALPHA);
}

void Win32Form::SetRoundRegion(int widthPx, int heightPx, int ellipsePx) {
  UniqueRegion region(CreateRoundRectRgn(0, 0, widthPx, heightPx, ellipsePx, ellipsePx));
  if (!region) return;
  // On success the window owns the region.
  if (SetWindowRgn(window_.Get(), region.Get(), TRUE) != 0) (void)region.Release();
}

void Win32Form::StartTimer(int timerId, int intervalMs) {
  const UINT elapse = static_cast<UINT>(std::max(intervalMs, static_cast<int>(USER_TIMER_MINIMUM)));
  if (SetTimer(window_.Get(), static_cast<UINT_PTR>(timerId), elapse, nullptr) != 0) {
    timers_.insert(timerId);
  }
}

void Win32Form::StopTimer(int timerId) {
  // A note stops timers it never started (loading one stops its alarm wait):
  // asking the system to kill those would cost a round trip for nothing.
  if (timers_.erase(timerId) != 0) KillTimer(window_.Get(), static_cast<UINT_PTR>(timerId));
}

bool Win32Form::TimerRunning(int timerId) const { return timers_.count(timerId) != 0; }

void Win32Form::RunSystemMove() {
  // Without the button held the system's move loop would wait for a click that
  // belongs to nobody.
  if (GetKeyState(VK_LBUTTON) >= 0) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  ReleaseCapture();
  SendMessageW(window_.Get(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
}

platform::Colour Win32Form::BackColour() const {
  return backColour_.value_or(static_cast<platform::Colour>(GetSysColor(COLOR_BTNFACE)));
}

bool Win32Form::MoveFocusByTab(bool backwards) {
  std::vector<Win32Control*> stops;
  for (const auto& control : controls_) {
    const HWND window = control->Handle();
    if (control->TabIndex() >= 0 && IsWindowVisible(window) && IsWindowEnabled(window)) {
      stops.push_back(control.get());
    }
  }
  if (stops.empty()) return false;
  std::stable_sort(stops.begin(), stops.end(), [](const Win32Control* a, const Win32Control* b) {
    return a->TabIndex() < b->TabIndex();
  });
  const HWND focus = GetFocus();
  const auto current = std::find_if(
      stops.begin(), stops.end(), [focus](const Win32Control* c) { return c->Handle() == focus; });
  const auto count = static_cast<std::ptrdiff_t>(stops.size());
  std::ptrdiff_t next = 0;
  if (current == stops.end()) {
    next = backwards ? count - 1 : 0;
  } else {
    next = ((current - stops.begin()) + (backwards ? count - 1 : 1)) % count;
  }
  // The user's own focus change: reported as such.
  SetFocus(stops[static_cast<std::size_t>(next)]->Handle());
  return true;
}

std::optional<LRESULT> Win32Form::OnClose(const Message&) {
  // The window stays: its owner destroys the form object if it wants it gone.
  return static_cast<LRESULT>(events_.OnCloseRequest());
}

std::optional<LRESULT> Win32Form::OnQueryEndSession(const Message&) { return TRUE; }

std::optional<LRESULT> Win32Form::OnEndSession(const Message& message) {
  if (message.wParam != FALSE) events_.OnEndSession();
  return 0;
}

std::optional<LRESULT> Win32Form::OnActivateMessage(const Message& message) {
  if (LOWORD(message.wParam) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(message.window, focus)) lastFocus_ = focus;
    return 0;
  }
  // Give the focus back to the control that had it, as dialogs do.
  if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsChild(message.window, lastFocus_) &&
      IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
    SetFocus(lastFocus_);
  } else {
    DefWindowProcW(message.window, message.message, message.wParam, message.lParam);
  }
  const bool minimised = HIWORD(message.wParam) != 0;
  if (!minimised && !context_.InProgramCall()) events_.OnActivate();
  return 0;
}

std::optional<LRESULT> Win32Form::OnCopyData(const Message& message) {
  // The system's copy is valid only during this message: keep our own.
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(message.lParam);
  std::string bytes;
  if (data != nullptr && data->lpData != nullptr && data->cbData != 0) {
    bytes.assign(static_cast<const char*>(data->lpData), data->cbData);
  }
  events_.OnCopyData(bytes);
  return TRUE;
}

std::optional<LRESULT> Win32Form::OnTimerMessage(const Message& message) {
  const int timerId = static_cast<int>(message.wParam);
  // A tick already queued when the timer was stopped is dropped.
  if (timers_.count(timerId) == 0) return 0;
  events_.OnTimer(timerId);
  return 0;
}

std::optional<LRESULT> Win32Form::OnClockMessage(const Message& message) {
  // Every wake brings PBT_APMRESUMEAUTOMATIC, with or without a user present.
  const bool power = message.message == WM_POWERBROADCAST;
  if (power && message.wParam != PBT_APMRESUMEAUTOMATIC) return std::nullopt;
  events_.OnClockChanged();
  return power ? TRUE : 0;
}

std::optional<LRESULT> Win32Form::OnDisplayChange(const Message&) {
  // Every top-level window hears of it; the first one to hear makes the
  // monitors be asked for again.
  context_.monitors.Forget();
  return std::nullopt;
}

std::optional<LRESULT> Win32Form::OnButtonDown(const Message& message) {
  const MouseShiftScope shift(context_, message.wParam);
  events_.OnMouseDown(platform::kFormItself,
                      PressFromMessage(message.wParam, message.lParam, Scale().TwipsPerPixel()));
  return 0;
}

std::optional<LRESULT> Win32Form::OnCommand(const Message& message) {
  Win32Control* control = ControlByWindow(reinterpret_cast<HWND>(message.lParam));
  if (control == nullptr) return std::nullopt;
  control->ReportCommand(HIWORD(message.wParam));
  return 0;
}

std::optional<LRESULT> Win32Form::OnControlColour(const Message& message) {
  Win32Control* control = ControlByWindow(reinterpret_cast<HWND>(message.lParam));
  if (control == nullptr) return std::nullopt;
  return reinterpret_cast<LRESULT>(control->PrepareColours(reinterpret_cast<HDC>(message.wParam)));
}

// The popup menu this form shows draws its items through it.
std::optional<LRESULT> Win32Form::OnMeasureItem(const Message& message) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(message.lParam);
  if (item == nullptr || item->CtlType != ODT_MENU) return std::nullopt;
  MeasureMenuItem(context_, dpi_, *item);
  return TRUE;
}

std::optional<LRESULT> Win32Form::OnDrawItem(const Message& message) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.lParam);
  if (item != nullptr && item->CtlType == ODT_MENU) {
    DrawMenuItem(context_, dpi_, *item);
    return TRUE;
  }
  Win32Control* control = item != nullptr ? ControlByWindow(item->hwndItem) : nullptr;
  if (control == nullptr) return std::nullopt;
  control->DrawGraphicalButton(*item);
  return TRUE;
}

std::optional<LRESULT> Win32Form::OnEraseBackground(const Message& message) {
  RECT client{};
  GetClientRect(message.window, &client);
  FillRect(reinterpret_cast<HDC>(message.wParam), &client, context_.brushes.Get(BackColour()));
  return 1;
}

std::optional<LRESULT> Win32Form::OnMove(const Message&) {
  // A tip stays where it was shown: left up while its note moves away (the
  // system's move loop, a snap), it would point at nothing.
  HideOwnTooltip();
  return std::nullopt;
}

Win32Control* Win32Form::ControlByWindow(HWND window) const {
  const auto found = controlsByWindow_.find(window);
  return found != controlsByWindow_.end() ? found->second : nullptr;
}

}  // namespace zlt::win32
