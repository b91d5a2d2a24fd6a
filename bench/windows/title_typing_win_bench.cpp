// Typing a note's title when the note holds a large details text, on the real
// Windows platform built as WinMain builds it (a temporary program folder, user
// "bench", "/*" with one note file). Each keystroke is a WM_CHAR to the title
// box; its handling time is how long the keystroke holds the user interface,
// and "until on disk" runs from the keystroke until the note file's "Title"
// line holds the typed title (messages pumped meanwhile, as the message loop
// would). A burst types keys back to back, as a fast typist does, then waits
// for the last title to reach the disk; the file's writes are counted by its
// last-write time changing. Ends itself (ExitProcess) once measured.
//
//   title_typing_win_bench [details_kb=1024] [keys=20]
// commctrl.h needs windows.h before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "../Median.h"
#include "BenchSupport.h"
#include "manager/Controller.h"
#include "platform/Cp932.h"
#include "platform/win32/Win32Text.h"
#include "startup/Program.h"

namespace {

using namespace zlt::bench;

constexpr DWORD kDiskWaitMs = 5000;

// The start of the file (the keys before the details), decoded.
std::string FileHead(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes(4096, '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return zlt::platform::Cp932ToUtf8(bytes);
}

ULONGLONG LastWrite(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) |
         data.ftLastWriteTime.dwLowDateTime;
}

// Pumps messages until the file's title line is "Title=" + title; the time
// taken, or nullopt when it never comes.
std::optional<double> WaitForTitle(const std::wstring& path, const std::string& title,
                                   double since) {
  const std::string line = "\r\nTitle=" + title + "\r\n";
  const double deadline = NowMs() + kDiskWaitMs;
  while (NowMs() < deadline) {
    PumpPending();
    if (FileHead(path).find(line) != std::string::npos) return NowMs() - since;
    Sleep(1);
  }
  return std::nullopt;
}

HWND TitleBox(HWND note) {
  HWND best = nullptr;
  LONG top = 0;
  for (HWND child = GetWindow(note, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    if (_wcsicmp(name, L"Edit") != 0) continue;
    RECT box{};
    GetWindowRect(child, &box);
    if (best == nullptr || box.top < top) {
      best = child;
      top = box.top;
    }
  }
  return best;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int detailsKb = argc > 1 ? std::max(1, _wtoi(argv[1])) : 1024;
  const int keys = argc > 2 ? std::max(1, _wtoi(argv[2])) : 20;

  BenchFolders folders(L"title");

  // Lines of 64 characters of details, detailsKb kilobytes in all.
  std::string details;
  const std::string line = std::string(62, 'x') + "\r\n";
  while (details.size() < static_cast<std::size_t>(detailsKb) * 1024) details += line;
  const std::wstring notePath = folders.Put(
      L"0.txt", zlt::platform::Utf8ToCp932(
                    "[ZLT付箋紙プラグイン]\r\nAlarm=0\r\nAlarmMusic=0\r\nDate=0000/00/00\r\n"
                    "Time0=00\r\nTime1=00\r\nLeft=9000\r\nTop=1500\r\nTemae=1\r\n"
                    "Toumei=0\r\nTitle=\r\ntxtData=" +
                    details));

  StartedProgram started(folders.App());
  auto* controller = started.Controller();
  if (controller == nullptr || controller->Notes().empty()) {
    std::printf("title_typing_win_bench: the note did not load\n");
    ExitProcess(1);
  }
  HWND box = TitleBox(reinterpret_cast<HWND>(controller->Notes().front()->Handle()));
  if (box == nullptr) {
    std::printf("title_typing_win_bench: the note has no title box\n");
    ExitProcess(1);
  }

  // One key at a time, each waited for on disk.
  std::string title;
  std::vector<double> handling, onDisk;
  int lost = 0;
  for (int k = 0; k < keys; ++k) {
    const wchar_t key = static_cast<wchar_t>(L'a' + k % 26);
    title += static_cast<char>(key);
    const double start = NowMs();
    SendMessageW(box, WM_CHAR, key, 1);
    handling.push_back(NowMs() - start);
    if (const auto ms = WaitForTitle(notePath, title, start)) {
      onDisk.push_back(*ms);
    } else {
      ++lost;
    }
  }

  // A burst: keys back to back, then the wait for the last title.
  int writes = 0;
  ULONGLONG lastWrite = LastWrite(notePath);
  std::vector<double> burstHandling;
  const double burstStart = NowMs();
  for (int k = 0; k < keys; ++k) {
    const wchar_t key = static_cast<wchar_t>(L'A' + k % 26);
    title += static_cast<char>(key);
    const double start = NowMs();
    SendMessageW(box, WM_CHAR, key, 1);
    PumpPending();
    burstHandling.push_back(NowMs() - start);
    if (const ULONGLONG now = LastWrite(notePath); now != lastWrite) {
      ++writes;
      lastWrite = now;
    }
  }
  const auto burstDisk = WaitForTitle(notePath, title, burstStart);
  if (LastWrite(notePath) != lastWrite) ++writes;

  std::printf("title_typing_win_bench: one note with %d KB of details, %d keys, medians\n",
              detailsKb, keys);
  std::printf("  keystroke handled (UI held), one key at a time   %9.2f ms\n", Median(handling));
  std::printf("  keystroke until \"Title\" is on disk               %9.2f ms\n", Median(onDisk));
  std::printf("  keystroke handled, burst of %3d keys              %9.2f ms\n", keys,
              Median(burstHandling));
  std::printf("  burst: first key until the last title is on disk %9.2f ms\n",
              burstDisk ? *burstDisk : -1.0);
  std::printf("  burst: file writes seen                          %9d\n", writes);
  std::printf("  titles never on disk                             %9d\n", lost);
  std::fflush(stdout);

  folders.Remove();
  ExitProcess(lost == 0 && burstDisk ? 0 : 1);
}
