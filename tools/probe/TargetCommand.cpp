// target: a plain window of its own process that stands beneath a note and
// reports every left-button message it receives, so a test can see a click
// that passed through the note arrive. Made "active", it is the window the
// user works in instead, and reports when it gains or loses the activation.
#include <windows.h>
#include <windowsx.h>

#include "Commands.h"
#include "Output.h"
#include "Text.h"
#include "WindowQueries.h"

namespace zlt::probe {
namespace {

constexpr wchar_t kClassName[] = L"ZltProbeTarget";

// One line per message: what it was and where, in screen pixels.
void Report(HWND window, const wchar_t* what, LPARAM lParam) {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(window, &point);
  PrintFields({what, Number(point.x), Number(point.y)});
}

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      Report(window, L"down", lParam);
      return 0;
    case WM_LBUTTONUP:
      Report(window, L"up", lParam);
      return 0;
    case WM_LBUTTONDBLCLK:
      Report(window, L"dblclick", lParam);
      return 0;
    case WM_MOUSEACTIVATE:
      // Never activated, so never raised: with no window manager X would
      // otherwise lift it above the note it lies beneath.
      if (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_NOACTIVATE) return MA_NOACTIVATE;
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_ACTIVATE:
      PrintFields({LOWORD(wParam) == WA_INACTIVE ? L"inactive" : L"active"});
      return DefWindowProcW(window, message, wParam, lParam);
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int TargetCommand(const Args& args) {
  if (args.size() != 6 && !(args.size() == 7 && args[6] == L"active")) return kUsage;
  const bool active = args.size() == 7;
  long long values[5] = {};
  for (size_t i = 0; i < 5; ++i) {
    const auto value = ParseInteger(args[i + 1]);
    if (!value || *value < -100000 || *value > 100000) return kUsage;
    values[i] = *value;
  }
  if (values[4] < 0) return kUsage;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = TargetProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  windowClass.lpszClassName = kClassName;
  if (RegisterClassExW(&windowClass) == 0) return kFailed;
  const int left = static_cast<int>(values[0]);
  const int top = static_cast<int>(values[1]);
  const HWND window = CreateWindowExW(
      active ? 0 : WS_EX_NOACTIVATE, kClassName, args[0].c_str(), WS_POPUP | WS_BORDER | WS_VISIBLE,
      left, top, static_cast<int>(values[2]) - left, static_cast<int>(values[3]) - top, nullptr,
      nullptr, instance, nullptr);
  if (window == nullptr) return kFailed;
  if (active) SetForegroundWindow(window);
  UpdateWindow(window);
  PrintLine(L"ready");
  const DWORD end = GetTickCount() + static_cast<DWORD>(values[4]);
  for (;;) {
    const DWORD now = GetTickCount();
    if (static_cast<LONG>(end - now) <= 0) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  DestroyWindow(window);
  return kOk;
}

}  // namespace zlt::probe
