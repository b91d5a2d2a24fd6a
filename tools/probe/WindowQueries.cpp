#include "WindowQueries.h"

#include "Text.h"

namespace zlt::probe {
namespace {

constexpr DWORD kPollIntervalMs = 25;
// A control that does not answer WM_GETTEXT in this time is reported empty.
constexpr UINT kTextTimeoutMs = 2000;

BOOL CALLBACK Collect(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::wstring RegionField(HWND window) {
  RECT box{};
  if (GetWindowRgnBox(window, &box) == ERROR) return L"-";
  return Number(box.left) + L" " + Number(box.top) + L" " + Number(box.right) + L" " +
         Number(box.bottom);
}

std::wstring AlphaField(HWND window) {
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(window, &key, &alpha, &flags) || (flags & LWA_ALPHA) == 0) {
    return L"-1";
  }
  return Number(alpha);
}

}  // namespace

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> windows;
  EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::wstring CaptionOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

std::wstring ControlTextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTextTimeoutMs,
                           &length) ||
      length == 0) {
    return {};
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kTextTimeoutMs, &copied)) {
    return {};
  }
  text.resize(copied < text.size() ? copied : length);
  return text;
}

std::vector<HWND> WindowsCaptioned(std::wstring_view caption, bool visibleOnly) {
  std::vector<HWND> found;
  for (HWND window : TopLevelWindows()) {
    if (visibleOnly && !IsWindowVisible(window)) continue;
    if (CaptionOf(window) == caption) found.push_back(window);
  }
  return found;
}

HWND PollFor(const std::function<HWND()>& find, DWORD timeoutMs) {
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    if (HWND window = find()) return window;
    const ULONGLONG elapsed = GetTickCount64() - start;
    if (elapsed >= timeoutMs) return nullptr;
    const ULONGLONG left = timeoutMs - elapsed;
    Sleep(static_cast<DWORD>(left < kPollIntervalMs ? left : kPollIntervalMs));
  }
}

std::vector<std::wstring> DescribeTopLevel(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  RECT outer{};
  GetWindowRect(window, &outer);
  RECT client{};
  GetClientRect(window, &client);
  const auto extended = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  return {Hex(reinterpret_cast<ULONG_PTR>(window)),
          Number(process),
          Flag(IsWindowVisible(window)),
          EscapeField(ClassOf(window)),
          EscapeField(CaptionOf(window)),
          Number(outer.left),
          Number(outer.top),
          Number(outer.right),
          Number(outer.bottom),
          Number(client.right - client.left),
          Number(client.bottom - client.top),
          Flag(extended & WS_EX_TOPMOST),
          Flag(extended & WS_EX_LAYERED),
          AlphaField(window),
          RegionField(window),
          Hex(extended)};
}

std::wstring Number(long long value) { return std::to_wstring(value); }

std::wstring Flag(bool value) { return value ? L"1" : L"0"; }

}  // namespace zlt::probe
