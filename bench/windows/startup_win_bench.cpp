// Start-up with many notes on the real Windows platform: the platform built as
// WinMain builds it, but with an environment of its own (a temporary program
// folder holding the note files, user "bench", command line "/*"). Times
// Program::Main until every note window exists, counts window-system objects
// and memory per collapsed note and for one note with its details view open,
// and reads the same files in a bare CreateFileW/ReadFile loop for comparison.
// Ends itself (ExitProcess) once measured: nobody has to close a window.
//
//   startup_win_bench [notes=1000]
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
#include <utility>
#include <vector>

#include "../WorkedExampleNote.h"
#include "BenchSupport.h"
#include "manager/Controller.h"
#include "platform/Cp932.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Text.h"
#include "startup/Program.h"

namespace {

using namespace zlt::bench;

using zlt::win32::FileHandle;

// A counter the system does not keep (Wine answers 0) is shown as such.
void PrintCount(const char* what, double before, double after, double per, double scale = 1) {
  if (before == 0 && after == 0) {
    std::printf("    %-34s        n/a  (the system reports 0)\n", what);
  } else {
    std::printf("    %-34s %10.2f  (%.0f -> %.0f)\n", what, (after - before) / per / scale,
                before / scale, after / scale);
  }
}

void PrintDelta(const char* what, const Usage& before, const Usage& after, double per) {
  std::printf("  %s\n", what);
  PrintCount("USER objects (GetGuiResources)", before.user, after.user, per);
  PrintCount("GDI objects (GetGuiResources)", before.gdi, after.gdi, per);
  PrintCount("windows, children included", before.windows, after.windows, per);
  for (const auto& [name, count] : after.byClass) {
    const auto found = before.byClass.find(name);
    const long was = found != before.byClass.end() ? found->second : 0;
    if (count == was) continue;
    const std::string label = "  class " + zlt::win32::FromWide(name);
    PrintCount(label.c_str(), was, count, per);
  }
  PrintCount("working set, kB", before.workingSet, after.workingSet, per, 1024);
  PrintCount("private bytes, kB", before.privateBytes, after.privateBytes, per, 1024);
}

// What the program cannot beat: one read of every note file.
double BareReadMs(const std::vector<std::wstring>& paths, std::size_t& bytes) {
  const double start = NowMs();
  bytes = 0;
  std::string buffer;
  for (const auto& path : paths) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) continue;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size)) continue;
    buffer.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) {
      bytes += read;
    }
  }
  return NowMs() - start;
}

// When the first note window became visible: the thread's messages are
// watched for the first WM_SHOWWINDOW that shows a window, and no longer: the
// watch would slow every later message down.
double firstShownAt = 0;
HHOOK showWatch = nullptr;

LRESULT CALLBACK WatchShow(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && firstShownAt == 0 && sent->message == WM_SHOWWINDOW &&
      sent->wParam != FALSE && GetParent(sent->hwnd) == nullptr) {
    firstShownAt = NowMs();
    const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
    UnhookWindowsHookEx(std::exchange(showWatch, nullptr));
    return result;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int notes = argc > 1 ? std::max(1, _wtoi(argv[1])) : 1000;

  BenchFolders folders(L"startup");
  std::vector<std::wstring> paths;
  for (int i = 0; i < notes; ++i) {
    paths.push_back(folders.Put(std::to_wstring(i) + L".txt", zlt::bench::NoteFileBytes(i)));
  }

  WindowsPlatform windows(folders.App());
  zlt::platform::Platform& platform = windows.Get();

  // The bare loop in a process with no window yet, after one warm-up pass so
  // neither side has the files cold alone.
  std::size_t bytes = 0;
  BareReadMs(paths, bytes);
  std::vector<double> bare;
  for (int r = 0; r < 5; ++r) bare.push_back(BareReadMs(paths, bytes));
  std::sort(bare.begin(), bare.end());
  const double bareMs = bare[bare.size() / 2];

  const Usage before = Measure();
  showWatch = SetWindowsHookExW(WH_CALLWNDPROC, WatchShow, nullptr, GetCurrentThreadId());
  zlt::Program program(platform);
  MarkServerLog(L"zlt-bench-begin");
  const double start = NowMs();
  const double startCpu = ProcessCpuMs();
  program.Main();
  const double mainMs = NowMs() - start;
  MarkServerLog(L"zlt-bench-end");
  const double mainCpuMs = ProcessCpuMs() - startCpu;
  if (showWatch != nullptr) UnhookWindowsHookEx(std::exchange(showWatch, nullptr));
  PumpPending();
  const double settledMs = NowMs() - start;
  MarkServerLog(L"zlt-bench-settled");
  const Usage loaded = Measure();

  auto* controller = program.NoteController();
  const std::size_t loadedNotes = controller != nullptr ? controller->Notes().size() : 0;

  // The same loop with every note window alive: the window server is busier.
  std::vector<double> bareLoaded;
  for (int r = 0; r < 5; ++r) bareLoaded.push_back(BareReadMs(paths, bytes));
  std::sort(bareLoaded.begin(), bareLoaded.end());

  Usage opened = loaded;
  if (loadedNotes > 0) {
    controller->Notes().front()->OpenDetails();
    PumpPending();
    opened = Measure();
  }

  std::printf("startup_win_bench: %d note files, %zu note windows loaded\n", notes, loadedNotes);
  std::printf("  Program::Main \"/*\" until every note window exists %9.1f ms  (%.2f ms/note)\n",
              mainMs, mainMs / notes);
  std::printf("  CPU time of this process until then                %9.1f ms\n", mainCpuMs);
  std::printf("  ... and the messages it left pending handled     %9.1f ms\n", settledMs);
  if (firstShownAt != 0) {
    std::printf("  first note visible after Program::Main began     %9.1f ms\n",
                firstShownAt - start);
  }
  std::printf("  bare read, CreateFileW/ReadFile (median of 5)    %9.2f ms  (%zu bytes)\n", bareMs,
              bytes);
  std::printf("  the same with every note window alive            %9.2f ms\n",
              bareLoaded[bareLoaded.size() / 2]);
  std::printf("  ratio start-up / bare read                       %9.1f\n", mainMs / bareMs);
  PrintDelta("per collapsed note", before, loaded,
             static_cast<double>(std::max<std::size_t>(loadedNotes, 1)));
  PrintDelta("opening the details view of one note", loaded, opened, 1);
  std::fflush(stdout);

  folders.Remove();
  ExitProcess(loadedNotes == static_cast<std::size_t>(notes) ? 0 : 1);
}
