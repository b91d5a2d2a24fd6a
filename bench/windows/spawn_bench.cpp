// Times whole process runs from inside one Wine prefix: from CreateProcessW to
// the end of the process, on QueryPerformanceCounter, so shell and Wine
// start-up noise stay out of the figure.
//
//   spawn_bench [--runs N] [--first "<command line>" --wait-window <caption>]
//               <label>=<command line> ...
//
// --first starts a process before measuring and waits until a top-level window
// with that caption exists (the first instance a second start forwards to); it
// is ended after measuring. The labelled command lines run in turn, N times
// each after one unmeasured warm-up; the median of each is printed, and every
// median against the last label's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "../Median.h"
#include "platform/win32/Handles.h"

namespace {

using zlt::bench::Median;

using zlt::win32::KernelHandle;

struct Process {
  KernelHandle process;
  KernelHandle thread;
};

std::optional<Process> Start(const std::wstring& commandLine) {
  std::wstring buffer = commandLine;  // CreateProcessW may write into it
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return std::nullopt;
  }
  return Process{KernelHandle(info.hProcess), KernelHandle(info.hThread)};
}

double Seconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds from start to exit, or nullopt when it did not start or end
// within the time limit.
std::optional<double> TimeOneRun(const std::wstring& commandLine, DWORD& exitCode) {
  LARGE_INTEGER before, after;
  QueryPerformanceCounter(&before);
  auto process = Start(commandLine);
  if (!process) return std::nullopt;
  if (WaitForSingleObject(process->process.Get(), 60000) != WAIT_OBJECT_0) {
    TerminateProcess(process->process.Get(), 1);
    return std::nullopt;
  }
  QueryPerformanceCounter(&after);
  GetExitCodeProcess(process->process.Get(), &exitCode);
  return Seconds(after.QuadPart - before.QuadPart) * 1000.0;
}

std::string Narrow(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(std::max(size, 0)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  return bytes;
}

struct Subject {
  std::wstring label;
  std::wstring commandLine;
  std::vector<double> ms;
  int failures = 0;
  DWORD lastExitCode = 0;
};

int Usage() {
  std::fprintf(stderr,
               "usage: spawn_bench [--runs N] [--first \"<command line>\" --wait-window "
               "<caption>] <label>=<command line> ...\n");
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int runs = 10;
  std::wstring first, waitCaption;
  std::vector<Subject> subjects;
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg == L"--runs" && i + 1 < argc) {
      runs = std::max(1, _wtoi(argv[++i]));
    } else if (arg == L"--first" && i + 1 < argc) {
      first = argv[++i];
    } else if (arg == L"--wait-window" && i + 1 < argc) {
      waitCaption = argv[++i];
    } else if (const auto equals = arg.find(L'='); equals != std::wstring::npos && equals > 0) {
      subjects.push_back({arg.substr(0, equals), arg.substr(equals + 1), {}, 0, 0});
    } else {
      return Usage();
    }
  }
  if (subjects.empty()) return Usage();

  std::optional<Process> firstProcess;
  if (!first.empty()) {
    firstProcess = Start(first);
    if (!firstProcess) {
      std::fprintf(stderr, "spawn_bench: could not start %s\n", Narrow(first).c_str());
      return 1;
    }
    if (!waitCaption.empty()) {
      HWND window = nullptr;
      for (int i = 0; i < 600 && window == nullptr; ++i) {
        window = FindWindowW(nullptr, waitCaption.c_str());
        if (window == nullptr) Sleep(50);
      }
      if (window == nullptr) {
        std::fprintf(stderr, "spawn_bench: no window captioned %s\n", Narrow(waitCaption).c_str());
        TerminateProcess(firstProcess->process.Get(), 1);
        return 1;
      }
    }
  }

  // One unmeasured run each: the first start of an image pays for loading it
  // from disk, which is not what is compared.
  for (auto& subject : subjects) {
    DWORD ignored = 0;
    TimeOneRun(subject.commandLine, ignored);
  }
  // In turn, so drift of the machine touches every subject alike.
  for (int r = 0; r < runs; ++r) {
    for (auto& subject : subjects) {
      if (auto ms = TimeOneRun(subject.commandLine, subject.lastExitCode)) {
        subject.ms.push_back(*ms);
      } else {
        ++subject.failures;
      }
    }
  }

  bool firstStillRuns = false;
  if (firstProcess) {
    firstStillRuns = WaitForSingleObject(firstProcess->process.Get(), 0) == WAIT_TIMEOUT;
    TerminateProcess(firstProcess->process.Get(), 0);
    WaitForSingleObject(firstProcess->process.Get(), 5000);
  }

  std::printf("spawn_bench: %d runs each, ms from CreateProcessW to process end\n", runs);
  const double yardstick = subjects.back().ms.empty() ? 0 : Median(subjects.back().ms);
  int failed = 0;
  for (const auto& subject : subjects) {
    if (subject.ms.empty()) {
      std::printf("  %-10s no run completed\n", Narrow(subject.label).c_str());
      ++failed;
      continue;
    }
    const double median = Median(subject.ms);
    const auto [fastest, slowest] = std::minmax_element(subject.ms.begin(), subject.ms.end());
    std::printf("  %-10s median %8.2f ms  min %8.2f  max %8.2f  exit %lu  failed %d",
                Narrow(subject.label).c_str(), median, *fastest, *slowest,
                static_cast<unsigned long>(subject.lastExitCode), subject.failures);
    if (yardstick > 0) std::printf("  ratio %.2f", median / yardstick);
    std::printf("\n");
  }
  if (firstProcess) {
    std::printf("  first instance still running after the runs: %s\n",
                firstStillRuns ? "yes" : "NO");
  }
  return failed == 0 && (!firstProcess || firstStillRuns) ? 0 : 1;
}
