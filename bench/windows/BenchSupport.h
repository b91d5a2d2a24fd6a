// What the benchmarks of the real program share: a temporary program folder
// with its data folder, the platform built as WinMain builds it with the
// program's environment pointed at that folder, and a count of the windows
// and memory this thread holds.
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
#include <vector>

#include "Basics.h"
#include "manager/Controller.h"
#include "platform/Platform.h"
#include "platform/System.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32InstanceChannel.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32WindowSystem.h"
#include "startup/Program.h"

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

// A temporary program folder named for the benchmark and this process, with
// the data folder of user "bench" in it. The benchmarks end with ExitProcess,
// so they call Remove themselves.
class BenchFolders {
 public:
  explicit BenchFolders(const std::wstring& name) {
    wchar_t temp[MAX_PATH + 1];
    app_.assign(temp, GetTempPathW(MAX_PATH + 1, temp));
    if (!app_.empty() && app_.back() != L'\\') app_ += L'\\';
    app_ += L"zlt-" + name + L"-bench-" + std::to_wstring(GetCurrentProcessId());
    data_ = app_ + L"\\" + win32::ToWide(kUser);
    CreateDirectoryW(app_.c_str(), nullptr);
    CreateDirectoryW(data_.c_str(), nullptr);
  }
  BenchFolders(const BenchFolders&) = delete;
  BenchFolders& operator=(const BenchFolders&) = delete;

  const std::wstring& App() const { return app_; }
  const std::wstring& Data() const { return data_; }

  // Writes a file of the data folder as the program would; its path.
  const std::wstring& Put(const std::wstring& name, const std::string& bytes) {
    files_.push_back(data_ + L"\\" + name);
    win32::Win32FileSystem().ReplaceAtomically(win32::FromWide(files_.back()), bytes);
    return files_.back();
  }

  // The files put, the data folder and the program folder, in that order.
  void Remove() {
    for (const auto& file : files_) DeleteFileW(file.c_str());
    RemoveDirectoryW(data_.c_str());
    RemoveDirectoryW(app_.c_str());
  }

 private:
  std::wstring app_;
  std::wstring data_;
  std::vector<std::wstring> files_;
};

// The platform as WinMain builds it, with the program folder of the benchmark.
class WindowsPlatform {
 public:
  explicit WindowsPlatform(const std::wstring& appFolder)
      : windows_(GetModuleHandleW(nullptr)), environment_(win32::FromWide(appFolder)) {}
  WindowsPlatform(const WindowsPlatform&) = delete;
  WindowsPlatform& operator=(const WindowsPlatform&) = delete;

  platform::Platform& Get() { return platform_; }

 private:
  win32::Win32WindowSystem windows_;
  win32::Win32FileSystem files_;
  win32::Win32Processes processes_;
  win32::Win32Clock clock_;
  win32::Win32Shell shell_;
  win32::Win32InstanceChannel instanceChannel_;
  BenchEnvironment environment_;
  platform::Platform platform_{windows_, files_,           processes_,  clock_,
                               shell_,   instanceChannel_, environment_};
};

// The program on that platform after its start-up with "/*", with the
// messages the start-up left handled: where the benchmarks that time what
// comes after start-up begin.
class StartedProgram {
 public:
  explicit StartedProgram(const std::wstring& appFolder)
      : windows_(appFolder), program_(windows_.Get()) {
    program_.Main();
    PumpPending();
  }
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  platform::Platform& Platform() { return windows_.Get(); }
  // Null when the start-up did not leave the program running.
  manager::Controller* Controller() { return program_.NoteController(); }
  std::size_t NoteCount() {
    return program_.NoteController() != nullptr ? program_.NoteController()->Notes().size() : 0;
  }

 private:
  WindowsPlatform windows_;
  Program program_;
};

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
