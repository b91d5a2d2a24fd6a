#include "Win32Processes.h"

#include <windows.h>

#include <string>

#include "Handles.h"
#include "Win32Text.h"

namespace zlt::win32 {

void Win32Processes::StartMinimisedNoActivate(std::string_view program,
                                              std::string_view commandLine) {
  // The program goes in as the application name: otherwise a path with blanks
  // ("C:\Program Files\...") would be split and "C:\Program.exe" tried first.
  const auto application = ToWidePath(program);
  if (!application || commandLine.find('\0') != std::string_view::npos) return;
  // CreateProcessW may write into the command line, so it gets its own copy.
  std::wstring arguments = ToWide(commandLine);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINNOACTIVE;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(application->c_str(), arguments.empty() ? nullptr : arguments.data(), nullptr,
                      nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    return;
  }
  // Not waited for: both handles go at once.
  KernelHandle process(started.hProcess);
  KernelHandle thread(started.hThread);
}

void Win32Processes::EndNow() { ExitProcess(0); }

unsigned long Win32Processes::CurrentProcessId() const { return GetCurrentProcessId(); }

namespace {

// The full path of a process's program, or "" when it cannot be asked.
std::wstring ProgramOf(HANDLE process) {
  std::wstring path(32'768, L'\0');
  DWORD size = static_cast<DWORD>(path.size());
  if (!QueryFullProcessImageNameW(process, 0, path.data(), &size)) return {};
  path.resize(size);
  return path;
}

}  // namespace

bool Win32Processes::SameProgramRunning(unsigned long processId) const {
  KernelHandle process(
      OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, processId));
  if (!process) {
    // A process that exists but may not be asked about is not ours to judge.
    return GetLastError() == ERROR_ACCESS_DENIED;
  }
  if (WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0) return false;  // has ended
  const std::wstring program = ProgramOf(process.Get());
  const std::wstring own = ProgramOf(GetCurrentProcess());
  // Ids are reused: only this same program counts.
  return program.empty() || own.empty() ||
         CompareStringOrdinal(program.c_str(), -1, own.c_str(), -1, TRUE) == CSTR_EQUAL;
}

}  // namespace zlt::win32
