#include "Win32Shell.h"

#include <windows.h>

#include "SystemLibraries.h"
#include "Win32Text.h"

namespace zlt::win32 {

void Win32Shell::Open(std::string_view address) {
  const auto wide = ToWidePath(address);
  if (!wide) return;
  late::ShellExecuteW(GetDesktopWindow(), L"open", wide->c_str(), nullptr, L"", SW_SHOW);
}

}  // namespace zlt::win32
