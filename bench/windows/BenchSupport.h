// What the Windows benchmarks share: the program's environment pointed at a
// temporary folder, a millisecond clock, and a count of the windows and
// memory this thread holds.
#pragma once

// psapi.h needs windows.h before it.
// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "Gauges.h"
#include "platform/System.h"

namespace zlt::bench {

inline constexpr const char* kUser = "bench";

// Program folder = a temporary folder, user "bench", command line "/*", no
// local application-data folder (nothing is recovered or redirected).
class BenchEnvironment final : public platform::IEnvironment {
 public:
  explicit BenchEnvironment(std::string appFolder) : appFolder_(std::move(appFolder)) {}
  std::string AppFolder() const override { return appFolder_; }
  std::optional<std::string> UserName() const override { return kUser; }
  std::string CommandLine() const override { return "/*"; }
  std::optional<std::string> LocalAppDataFolder() const override { return std::nullopt; }

 private:
  std::string appFolder_;
};

inline double NowMs() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct Usage {
  DWORD user = 0;
  DWORD gdi = 0;
  long windows = 0;  // windows of this thread, children included
  std::map<std::wstring, long> byClass;
  SIZE_T workingSet = 0;
  SIZE_T privateBytes = 0;
};

inline BOOL CALLBACK CountChild(HWND window, LPARAM usage) {
  auto& counted = *reinterpret_cast<Usage*>(usage);
  ++counted.windows;
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  ++counted.byClass[name];
  return TRUE;
}

inline BOOL CALLBACK CountTopLevel(HWND window, LPARAM usage) {
  CountChild(window, usage);
  EnumChildWindows(window, CountChild, usage);
  return TRUE;
}

// The window-system objects, windows by class and memory of this thread now.
inline Usage Measure() {
  Usage usage;
  usage.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  usage.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&usage));
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof(memory);
  if (K32GetProcessMemoryInfo(GetCurrentProcess(),
                              reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                              sizeof(memory))) {
    usage.workingSet = memory.WorkingSetSize;
    usage.privateBytes = memory.PrivateUsage;
  }
  return usage;
}

}  // namespace zlt::bench
