// Looking at windows of any process: finding them and describing them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zlt::probe {

// Every top-level window, hidden ones included, in z-order.
std::vector<HWND> TopLevelWindows();
// Every descendant of parent, depth first.
std::vector<HWND> ChildWindows(HWND parent);

std::wstring ClassOf(HWND window);
// The caption as the system keeps it; never waits for the window's thread.
std::wstring CaptionOf(HWND window);
// The text the control reports (an edit box's contents, too); empty when the
// window does not answer within a moment.
std::wstring ControlTextOf(HWND window);

// Top-level windows whose caption is exactly caption.
std::vector<HWND> WindowsCaptioned(std::wstring_view caption, bool visibleOnly);

// Asks find every 25 ms until it gives a window or timeoutMs have passed.
HWND PollFor(const std::function<HWND()>& find, DWORD timeoutMs);

// The fields of one line of `list`.
std::vector<std::wstring> DescribeTopLevel(HWND window);

std::wstring Number(long long value);
std::wstring Flag(bool value);

}  // namespace zlt::probe
