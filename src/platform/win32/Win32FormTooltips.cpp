// The tooltips of a form's controls, all held by the program's one tooltip window.
#include "Win32Form.h"
// commctrl.h after windows.h, which Win32Form.h brings.
#include <commctrl.h>

#include <string>

#include "Win32Text.h"

namespace zlt::win32 {

namespace {

TOOLINFOW ToolFor(HWND form, HWND control) {
  TOOLINFOW tool{};
  // The version 2 layout: understood by every version of the common controls.
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  // No TTF_SUBCLASS: the control's own window procedure hands its mouse
  // messages on (RelayToTooltips), so no second subclass sits in the path of
  // every message a control gets.
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = form;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  return tool;
}

}  // namespace

void Win32Form::AddTooltip(const Win32Control& control) {
  auto& tooltips = context_.tooltips;
  if (!tooltips) {
    // Always-tip: notes are seldom the active window. No owner: Wine (8)
    // places an owner made topmost after its owned topmost tooltip and so
    // never makes it topmost.
    tooltips.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                   context_.instance, nullptr));
    if (!tooltips) return;
  }
  std::wstring text = ToWide(control.Tooltip());
  TOOLINFOW tool = ToolFor(window_.Get(), control.Handle());
  tool.lpszText = text.data();  // copied by the tooltip window
  if (SendMessageW(tooltips.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE) {
    tooledControls_.push_back(control.Handle());
  }
}

void Win32Form::RelayToTooltips(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      break;
    default:
      return;
  }
  if (!context_.tooltips) return;
  MSG relayed{};
  relayed.hwnd = control;
  relayed.message = message;
  relayed.wParam = wParam;
  relayed.lParam = lParam;
  SendMessageW(context_.tooltips.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void Win32Form::HideOwnTooltip() {
  const HWND tooltips = context_.tooltips.Get();
  // Every note moves now and then, most with no tip up: those ask nothing more.
  if (tooltips == nullptr || tooledControls_.empty() || !IsWindowVisible(tooltips)) return;
  TOOLINFOW shown{};
  shown.cbSize = TTTOOLINFOW_V2_SIZE;
  // The text comes along with the tool; the room is the most a tip holds.
  wchar_t text[INFOTIPSIZE] = {};
  shown.lpszText = text;
  if (SendMessageW(tooltips, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&shown)) == FALSE) {
    return;
  }
  if (shown.hwnd == window_.Get()) SendMessageW(tooltips, TTM_POP, 0, 0);
}

void Win32Form::RemoveTooltips() {
  if (!context_.tooltips) return;
  for (const HWND control : tooledControls_) {
    TOOLINFOW tool = ToolFor(window_.Get(), control);
    SendMessageW(context_.tooltips.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  tooledControls_.clear();
}

}  // namespace zlt::win32
