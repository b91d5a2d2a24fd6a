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
#include "note/NoteLayout.h"
#include "note/NoteWindow.h"
#include "platform/Cp932.h"
#include "platform/win32/Win32Text.h"
#include "startup/Program.h"

namespace {

using namespace zlt::bench;

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

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int notes = argc > 1 ? std::max(2, _wtoi(argv[1])) : 1000;
  const int idleSeconds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 60;
  // "nosnap": the settings file turns snapping off, for the idle cost without the snap tick.
  const bool snapOff = argc > 3 && std::wstring_view(argv[3]) == L"nosnap";

  BenchFolders folders(L"alarm");
  SYSTEMTIME today{};
  GetLocalTime(&today);
  for (int i = 0; i < notes; ++i) {
    // Even notes carry an alarm: every other one long past, the rest in the
    // coming days (a day number that exists in every month).
    char date[16];
    std::snprintf(date, sizeof date, "%04d/%02d/%02d", today.wYear + 1, today.wMonth, 1 + i % 28);
    folders.Put(std::to_wstring(i) + L".txt",
                NoteBytes(i, i % 2 == 0, i % 4 == 0 ? "2005/07/30" : date));
  }
  if (snapOff) {
    folders.Put(L"ZLTFusen.ini",
                zlt::platform::Utf8ToCp932("[ZLT付箋紙プラグイン]\r\nKyuchaku=False\r\n"));
  }

  StartedProgram started(folders.App());
  auto* controller = started.Controller();
  const std::size_t loadedNotes = started.NoteCount();

  // Idle: every message of the thread handled as the program's loop would,
  // timer messages counted by the window they go to: a note, the tooltip
  // window (it checks every 100 ms whether the pointer left the tool while a
  // tip is up, and the pointer rests where notes stand), or the controller.
  enum Receiver { kController, kNote, kTooltip };
  std::map<Receiver, long> timerMessages;
  const double cpuStart = ProcessCpuMs();
  const double idleStart = NowMs();
  for (;;) {
    const double left = idleStart + idleSeconds * 1000.0 - NowMs();
    if (left <= 0) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left) + 1, QS_ALLINPUT);
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_TIMER) {
        wchar_t className[32] = L"";
        GetClassNameW(message.hwnd, className, 32);
        const bool note =
            controller != nullptr &&
            controller->NoteByHandle(reinterpret_cast<zlt::platform::WindowHandle>(message.hwnd)) !=
                nullptr;
        ++timerMessages[note                                              ? kNote
                        : std::wstring_view(className) == TOOLTIPS_CLASSW ? kTooltip
                                                                          : kController];
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  const double idleCpuMs = ProcessCpuMs() - cpuStart;
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
    note.Form().Control(zlt::note::AlarmCheck).SetChecked(true);
    note.OnClick(zlt::note::AlarmCheck);
    PumpPending();
    pickerMs = NowMs() - start;
    picked = Measure();
  }

  std::printf("alarm_win_bench: %d note files, %zu note windows loaded, %d with an alarm\n", notes,
              loadedNotes, (notes + 1) / 2);
  std::printf("  idle %d s: timer messages per minute, notes       %9.1f\n", idleSeconds,
              timerMessages[kNote] / minutes);
  std::printf("  idle %d s: timer messages per minute, controller  %9.1f\n", idleSeconds,
              timerMessages[kController] / minutes);
  std::printf("  idle %d s: timer messages per minute, tooltip     %9.1f\n", idleSeconds,
              timerMessages[kTooltip] / minutes);
  std::printf("  idle %d s: CPU per minute (user + kernel)         %9.1f ms\n", idleSeconds,
              idleCpuMs / minutes);
  std::printf("  ticking the alarm, the picker opened and drawn    %9.1f ms\n", pickerMs);
  std::printf("  windows added by the picker                      %9ld  (%ld -> %ld)\n",
              picked.windows - open.windows, open.windows, picked.windows);
  std::fflush(stdout);

  folders.Remove();
  ExitProcess(loadedNotes == static_cast<std::size_t>(notes) ? 0 : 1);
}
