#include "Win32Shell.h"

#include <windows.h>
// windows.h leaves the shell out under WIN32_LEAN_AND_MEAN.
#include <shellapi.h>

#include "Win32Text.h"

namespace zlt::win32 {

void Win32Shell::Open(std::string_view address) {
  const auto wide = ToWidePath(address);
  if (!wide) return;
  ShellExecuteW(GetDesktopWindow(), L"open", wide->c_str(), nullptr, L"", SW_SHOW);
}

}  // namespace zlt::win32
