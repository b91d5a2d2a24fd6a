// The calls of the common controls, the shell and COM's memory that the
// program makes, bound to their library on first use instead of imported.
// The system loads every import, and what that imports in turn, before the
// program runs: a second start, which only hands its switch to the running
// program, would load and start seven libraries for nothing, under Wine most
// of what it costs beyond a bare window. Each call below does what the system
// call of the same name does; when its library cannot be loaded it fails as
// that call fails.
#pragma once

// commctrl.h, shlobj.h and shellapi.h need windows.h before them; windows.h
// leaves the shell out under WIN32_LEAN_AND_MEAN.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <shellapi.h>
// clang-format on

namespace zlt::win32::late {

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes);
BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

HRESULT SHGetKnownFolderPath(REFKNOWNFOLDERID folder, DWORD flags, HANDLE token, PWSTR* path);
void CoTaskMemFree(void* memory);
HINSTANCE ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file,
                        const wchar_t* parameters, const wchar_t* directory, int show);
int SHFileOperationW(SHFILEOPSTRUCTW* operation);

// The frame a window of these styles has around its client area at a DPI
// (AdjustWindowRectExForDpi, Windows 10 1607 and later); where the system has
// no such call, the frame at the system's DPI.
BOOL AdjustWindowRectForDpi(RECT* rect, DWORD style, DWORD exStyle, UINT dpi);

// The monitor's own DPI (GetDpiForMonitor, MDT_EFFECTIVE_DPI, Windows 8.1 and
// later); 0 where the system has no DPI per monitor.
UINT DpiOfMonitor(HMONITOR monitor);

}  // namespace zlt::win32::late
