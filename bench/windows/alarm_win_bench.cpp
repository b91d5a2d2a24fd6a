// The alarm on the real Windows platform: 1,000 notes of which 500 carry an
// alarm (half long past, half in the coming days) sit idle while every timer
// message and the process's CPU time are counted; then one note opens its
// details view and ticks its alarm, and the windows the date picker adds and
// the time to open it are measured. Ends itself (ExitProcess).
//
//   alarm_win_bench [notes=1000] [idle seconds=60]
// commctrl.h needs windows.h before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "BenchSupport.h"
#include "manager/Controller.h"
#include "note/FusenshiLayout.h"
#include "note/FusenshiWindow.h"
#include "platform/Cp932.h"
#include "platform/Platform.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32InstanceChannel.h"
#include "platform/win32/Win32KernelHandles.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32WindowSystem.h"
#include "startup/Program.h"

namespace {

using namespace zlt::bench;

using zlt::win32::KernelHandle;

std::string NoteBytes(int index, bool alarm, const std::string& date) {
  const int left = 3360 + (index % 40) * 600;
  const int top = 300 + (index / 40 % 30) * 500;
  const std::string text = "[ZLT付箋紙プラグイン]\r\nAlarm=" + std::string(alarm ? "1" : "0") +
                           "\r\nAlarmMusic=0\r\nDate=" + date +
                           "\r\nTime0=09\r\nTime1=30\r\nLeft=" + std::to_string(left) +
                           "\r\nTop=" + std::to_string(top) +
                           "\r\nTemae=1\r\nToumei=0\r\nTitle=買い物\r\ntxtData=牛乳\r\n";
  return zlt::platform::Utf8ToCp932(text);
}

double CpuMs() {
  FILETIME created, ended, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
  const auto ms = [](FILETIME time) {
    return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                               time.dwLowDateTime) /
           10'000.0;
  };
  return ms(kernel) + ms(user);
}

void PumpPending() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int notes = argc > 1 ? std::max(2, _wtoi(argv[1])) : 1000;
  const int idleSeconds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 60;
  // "nosnap": the settings file turns snapping off, for the idle cost without the snap tick.
  const bool snapOff = argc > 3 && std::wstring_view(argv[3]) == L"nosnap";

  wchar_t temp[MAX_PATH + 1];
  std::wstring appFolder(temp, GetTempPathW(MAX_PATH + 1, temp));
  if (!appFolder.empty() && appFolder.back() != L'\\') appFolder += L'\\';
  appFolder += L"zlt-alarm-bench-" + std::to_wstring(GetCurrentProcessId());
  const std::wstring dataFolder = appFolder + L"\\" + zlt::win32::ToWide(kUser);
  CreateDirectoryW(appFolder.c_str(), nullptr);
  CreateDirectoryW(dataFolder.c_str(), nullptr);

  SYSTEMTIME today{};
  GetLocalTime(&today);
  zlt::win32::Win32FileSystem files;
  std::vector<std::wstring> paths;
  for (int i = 0; i < notes; ++i) {
    // Even notes carry an alarm: every other one long past, the rest in the
    // coming days (a day number that exists in every month).
    char date[16];
    std::snprintf(date, sizeof date, "%04d/%02d/%02d", today.wYear + 1, today.wMonth, 1 + i % 28);
    paths.push_back(dataFolder + L"\\" + std::to_wstring(i) + L".txt");
    files.ReplaceAtomically(zlt::win32::FromWide(paths.back()),
                            NoteBytes(i, i % 2 == 0, i % 4 == 0 ? "2005/07/30" : date));
  }
  if (snapOff) {
    paths.push_back(dataFolder + L"\\ZLTFusen.ini");
    files.ReplaceAtomically(
        zlt::win32::FromWide(paths.back()),
        zlt::platform::Utf8ToCp932("[ZLT付箋紙プラグイン]\r\nKyuchaku=False\r\n"));
  }
  const auto cleanUp = [&] {
    for (const auto& path : paths) DeleteFileW(path.c_str());
    RemoveDirectoryW(dataFolder.c_str());
    RemoveDirectoryW(appFolder.c_str());
  };

  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  zlt::win32::Win32WindowSystem windows(GetModuleHandleW(nullptr));
  zlt::win32::Win32Processes processes;
  zlt::win32::Win32Clock clock;
  zlt::win32::Win32Shell shell;
  zlt::win32::Win32InstanceChannel instanceChannel;
  BenchEnvironment environment(zlt::win32::FromWide(appFolder));
  zlt::platform::Platform platform{windows, files,           processes,  clock,
                                   shell,   instanceChannel, environment};

  zlt::Program program(platform);
  program.Main();
  PumpPending();
  auto* controller = program.FusenController();
  const std::size_t loadedNotes = controller != nullptr ? controller->Notes().size() : 0;

  // Idle: every message of the thread handled as the program's loop would,
  // timer messages counted by the window they go to.
  std::map<bool, long> timerMessages;  // false: the controller, true: a note
  const double cpuStart = CpuMs();
  const double idleStart = NowMs();
  for (;;) {
    const double left = idleStart + idleSeconds * 1000.0 - NowMs();
    if (left <= 0) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left) + 1, QS_ALLINPUT);
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_TIMER) {
        const bool note =
            controller != nullptr &&
            controller->NoteByHandle(reinterpret_cast<zlt::platform::WindowHandle>(message.hwnd)) !=
                nullptr;
        ++timerMessages[note];
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  const double idleCpuMs = CpuMs() - cpuStart;
  const double minutes = idleSeconds / 60.0;

  // A note without an alarm opens its details, then ticks its alarm: the
  // date picker opens at the present month.
  Usage open, picked;
  double pickerMs = 0;
  if (loadedNotes > 1) {
    auto& note = *controller->Notes()[1];
    note.OpenDetails();
    PumpPending();
    open = Measure();
    const double start = NowMs();
    note.Form().Control(zlt::note::AlmCheck).SetChecked(true);
    note.OnClick(zlt::note::AlmCheck);
    PumpPending();
    pickerMs = NowMs() - start;
    picked = Measure();
  }

  std::printf("alarm_win_bench: %d note files, %zu note windows loaded, %d with an alarm\n", notes,
              loadedNotes, (notes + 1) / 2);
  std::printf("  idle %d s: timer messages per minute, notes       %9.1f\n", idleSeconds,
              timerMessages[true] / minutes);
  std::printf("  idle %d s: timer messages per minute, controller  %9.1f\n", idleSeconds,
              timerMessages[false] / minutes);
  std::printf("  idle %d s: CPU per minute (user + kernel)         %9.1f ms\n", idleSeconds,
              idleCpuMs / minutes);
  std::printf("  ticking the alarm, the picker opened and drawn    %9.1f ms\n", pickerMs);
  std::printf("  windows added by the picker                      %9ld  (%ld -> %ld)\n",
              picked.windows - open.windows, open.windows, picked.windows);
  std::fflush(stdout);

  cleanUp();
  ExitProcess(loadedNotes == static_cast<std::size_t>(notes) ? 0 : 1);
}
