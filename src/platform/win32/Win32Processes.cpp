#include "Win32Processes.h"

#include <windows.h>

#include <string>

#include "Win32KernelHandles.h"
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

}  // namespace zlt::win32
