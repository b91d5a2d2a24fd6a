// Process entry of ZLTFusen.exe: settles DPI awareness, builds the Windows
// platform and hands it to the program. The platform makes little until it is
// used, so a second start, which only hands its switch on, stays cheap.
#include <windows.h>

#include "DebuggerTrace.h"
#include "Win32Clock.h"
#include "Win32Environment.h"
#include "Win32FileSystem.h"
#include "Win32InstanceChannel.h"
#include "Win32Processes.h"
#include "Win32Shell.h"
#include "Win32WindowSystem.h"
#include "platform/Platform.h"
#include "startup/Program.h"

namespace {

template <typename Function>
Function SystemFunction(const wchar_t* module, const char* name) {
  const HMODULE loaded = GetModuleHandleW(module);
  if (loaded == nullptr) return nullptr;
  // Through a plain function pointer: the cast from FARPROC is then a sanctioned one.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(loaded, name)));
}

// The manifest asks for per-monitor (v2) awareness, with per-monitor (v1) and
// "true/pm" for the systems before it, so Windows 8.1 on treats the program as
// per-monitor aware and tells each window its monitor's DPI (WM_DPICHANGED).
// A system that ignores the manifest gets v2 by call where it has the call
// (Windows 10 1703 and later); else Vista's SetProcessDPIAware makes it system
// aware, as every system before 8.1 is.
void SettleDpiAwareness() {
  using SetContext = BOOL(WINAPI*)(HANDLE);
  using SetAware = BOOL(WINAPI*)();
  if (const auto setContext =
          SystemFunction<SetContext>(L"user32.dll", "SetProcessDpiAwarenessContext")) {
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2; fails harmlessly when set already.
    if (setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)))) return;
    if (GetLastError() == ERROR_ACCESS_DENIED) return;
  }
  if (const auto setAware = SystemFunction<SetAware>(L"user32.dll", "SetProcessDPIAware")) {
    setAware();
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  SettleDpiAwareness();

  zlt::win32::Win32WindowSystem windows(instance);
  zlt::win32::Win32FileSystem files;
  zlt::win32::Win32Processes processes;
  zlt::win32::Win32Clock clock;
  zlt::win32::Win32Shell shell;
  zlt::win32::Win32InstanceChannel instanceChannel;
  zlt::win32::Win32Environment environment;
  zlt::platform::Platform platform{windows, files,           processes,  clock,
                                   shell,   instanceChannel, environment};

  zlt::Program program(platform);
  try {
    program.Main();
  } catch (...) {
    // Without its controller window the program cannot serve any note.
    zlt::win32::TraceCaughtError(L"the start-up failed; the program ends");
    return 1;
  }
  windows.RunMessageLoop();
  return 0;
}
