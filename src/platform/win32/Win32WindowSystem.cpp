#include "Win32WindowSystem.h"

#include "DebuggerTrace.h"
#include "Win32Form.h"
#include "Win32PopupMenu.h"
#include "Win32Text.h"

namespace zlt::win32 {
namespace {

// A fetch that keeps failing must not spin a core.
constexpr DWORD kFailedFetchPauseMs = 10;

HWND ToWindow(platform::WindowHandle window) { return reinterpret_cast<HWND>(window); }
platform::WindowHandle FromWindow(HWND window) {
  return reinterpret_cast<platform::WindowHandle>(window);
}

}  // namespace

Win32WindowSystem::Win32WindowSystem(HINSTANCE instance) {
  context_.instance = instance;
  context_.dpi = SystemDpi();
  context_.monitors = MonitorCache(context_.dpi.y);
  context_.formClass = RegisterFormClass(instance, &Win32Form::WindowProc);
}

std::unique_ptr<platform::IForm> Win32WindowSystem::CreateForm(const platform::FormSpec& spec,
                                                               platform::IFormEvents& events) {
  return std::make_unique<Win32Form>(context_, spec, events);
}

std::unique_ptr<platform::IPopupMenu> Win32WindowSystem::CreatePopupMenu(
    const std::vector<platform::MenuItemSpec>& items) {
  return std::make_unique<Win32PopupMenu>(context_, items);
}

platform::WindowHandle Win32WindowSystem::FindWindowByCaption(std::string_view caption) const {
  return FromWindow(FindWindowW(nullptr, ToWide(caption).c_str()));
}

long Win32WindowSystem::SendClose(platform::WindowHandle window) {
  return static_cast<long>(SendMessageW(ToWindow(window), WM_CLOSE, 0, 0));
}

platform::Answer Win32WindowSystem::AskYesNo(std::string_view text, std::string_view title) {
  // Focus and activation return to where they were when the box closes: not
  // the user's doing.
  context_.PrepareControls();
  const ProgramCall call(context_);
  const int answer =
      MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(title).c_str(),
                  MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1 | MB_TASKMODAL | MB_SETFOREGROUND);
  return answer == IDYES ? platform::Answer::Yes : platform::Answer::No;
}

void Win32WindowSystem::ShowNotice(std::string_view text, std::string_view title) {
  context_.PrepareControls();
  const ProgramCall call(context_);
  MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(title).c_str(),
              MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL | MB_SETFOREGROUND);
}

bool Win32WindowSystem::MovedFocusByTab(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  Win32Form* form = Win32Form::FromHandle(GetAncestor(message.hwnd, GA_ROOT), context_);
  return form != nullptr && form->MoveFocusByTab(GetKeyState(VK_SHIFT) < 0);
}

void Win32WindowSystem::Deliver(const MSG& message) {
  if (MovedFocusByTab(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void Win32WindowSystem::DoEvents() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Leave the request for the outer loop.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Deliver(message);
  }
}

void Win32WindowSystem::RunMessageLoop() {
  MSG message{};
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return;  // WM_QUIT
    if (got == -1) {
      // One message could not be fetched (seen under Wine with a 2 MiB
      // WM_COPYDATA): losing it must not end the program with unsaved notes.
      Sleep(kFailedFetchPauseMs);
      continue;
    }
    try {
      Deliver(message);
    } catch (...) {
      // The window procedures catch their own; this is the last line. The
      // program goes on: its notes hold what the user typed.
      TraceCaughtError(L"a message escaped its handler with an error; the program goes on",
                       message.message);
    }
  }
}

platform::ScreenMetrics Win32WindowSystem::Screen() const {
  platform::ScreenMetrics screen;
  screen.twipsPerPixelX = context_.dpi.twipsPerPixelX;
  screen.twipsPerPixelY = context_.dpi.twipsPerPixelY;
  const SIZE primary = context_.monitors.PrimarySize();
  screen.width = primary.cx * screen.twipsPerPixelX;
  screen.height = primary.cy * screen.twipsPerPixelY;
  return screen;
}

std::optional<platform::PixelRect> Win32WindowSystem::MonitorRectOf(
    platform::WindowHandle window) const {
  RECT rect{};
  if (!GetWindowRect(ToWindow(window), &rect)) return std::nullopt;
  const auto monitor = context_.monitors.MonitorOf(rect);
  if (!monitor) return std::nullopt;
  return platform::PixelRect{monitor->left, monitor->top, monitor->right, monitor->bottom};
}

bool Win32WindowSystem::ShiftDown() const {
  if (context_.mouseShift) return *context_.mouseShift;
  return (GetKeyState(VK_SHIFT) & 0x8000) != 0;
}

platform::PixelPoint Win32WindowSystem::CursorPos() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  return {cursor.x, cursor.y};
}

platform::WindowHandle Win32WindowSystem::WindowFromPoint(platform::PixelPoint point) const {
  return FromWindow(::WindowFromPoint(POINT{point.x, point.y}));
}

void Win32WindowSystem::InjectMouse(platform::MouseInjection what) {
  // No move flag: the event lands where the cursor is.
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags =
      what == platform::MouseInjection::LeftDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof(input));
}

}  // namespace zlt::win32
