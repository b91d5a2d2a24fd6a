#include "SystemLibraries.h"

namespace zlt::win32::late {
namespace {

constexpr wchar_t kCommonControls[] = L"comctl32.dll";
constexpr wchar_t kShell[] = L"shell32.dll";
constexpr wchar_t kCom[] = L"ole32.dll";
constexpr wchar_t kShellCore[] = L"shcore.dll";

// The function of that name in library, loading the library (for the rest of
// the process) when it is not loaded yet; null when the system has neither.
// The library is named as an import names it, so the same copy comes: common
// controls 6, as the manifest asks.
template <typename Function>
Function Bind(const wchar_t* library, const char* name) {
  const HMODULE module = LoadLibraryW(library);
  if (module == nullptr) return nullptr;
  // Through a plain function pointer: the cast from FARPROC is then a sanctioned one.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes) {
  static const auto call =
      Bind<decltype(&::InitCommonControlsEx)>(kCommonControls, "InitCommonControlsEx");
  return call != nullptr ? call(classes) : FALSE;
}

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
  static const auto call =
      Bind<decltype(&::SetWindowSubclass)>(kCommonControls, "SetWindowSubclass");
  return call != nullptr ? call(window, procedure, id, data) : FALSE;
}

BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
  static const auto call =
      Bind<decltype(&::RemoveWindowSubclass)>(kCommonControls, "RemoveWindowSubclass");
  return call != nullptr ? call(window, procedure, id) : FALSE;
}

LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static const auto call = Bind<decltype(&::DefSubclassProc)>(kCommonControls, "DefSubclassProc");
  // Without the library no window was ever subclassed: the window's own default.
  return call != nullptr ? call(window, message, wParam, lParam)
                         : DefWindowProcW(window, message, wParam, lParam);
}

HRESULT SHGetKnownFolderPath(REFKNOWNFOLDERID folder, DWORD flags, HANDLE token, PWSTR* path) {
  static const auto call = Bind<decltype(&::SHGetKnownFolderPath)>(kShell, "SHGetKnownFolderPath");
  if (call != nullptr) return call(folder, flags, token, path);
  *path = nullptr;
  return E_NOTIMPL;
}

void CoTaskMemFree(void* memory) {
  static const auto call = Bind<decltype(&::CoTaskMemFree)>(kCom, "CoTaskMemFree");
  // Without the library nothing was allocated with it.
  if (call != nullptr) call(memory);
}

HINSTANCE ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file,
                        const wchar_t* parameters, const wchar_t* directory, int show) {
  static const auto call = Bind<decltype(&::ShellExecuteW)>(kShell, "ShellExecuteW");
  if (call == nullptr) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
  return call(owner, verb, file, parameters, directory, show);
}

BOOL AdjustWindowRectForDpi(RECT* rect, DWORD style, DWORD exStyle, UINT dpi) {
  using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto call = Bind<AdjustForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
  if (call != nullptr) return call(rect, style, FALSE, exStyle, dpi);
  return AdjustWindowRectEx(rect, style, FALSE, exStyle);
}

UINT DpiOfMonitor(HMONITOR monitor) {
  using GetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  constexpr int kEffectiveDpi = 0;
  static const auto call = Bind<GetDpiForMonitor>(kShellCore, "GetDpiForMonitor");
  UINT x = 0;
  UINT y = 0;
  if (call == nullptr || FAILED(call(monitor, kEffectiveDpi, &x, &y))) return 0;
  return y;
}

int SHFileOperationW(SHFILEOPSTRUCTW* operation) {
  static const auto call = Bind<decltype(&::SHFileOperationW)>(kShell, "SHFileOperationW");
  // Any value but zero is a failure: the system's own code for a missing library.
  return call != nullptr ? call(operation) : ERROR_DLL_NOT_FOUND;
}

}  // namespace zlt::win32::late
