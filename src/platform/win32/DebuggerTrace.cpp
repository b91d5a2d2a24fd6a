#include "DebuggerTrace.h"

#include <cwchar>
#include <exception>
#include <string>

#include "Win32Text.h"

namespace zlt::win32 {
namespace {

// The text of the error being handled.
std::wstring CaughtText() {
  try {
    throw;
  } catch (const std::exception& error) {
    return ToWide(error.what());
  } catch (...) {
    return L"an error of no known kind";
  }
}

}  // namespace

void TraceCaughtError(const wchar_t* whatHappened, std::optional<UINT> message) noexcept {
  try {
    std::wstring line = L"ZLTFusen: ";
    line += whatHappened;
    if (message) {
      wchar_t number[24] = {};
      std::swprintf(number, std::size(number), L" (message 0x%04X)", *message);
      line += number;
    }
    line += L": ";
    line += CaughtText();
    line += L'\n';
    OutputDebugStringW(line.c_str());
  } catch (...) {
    // No memory for the line: the fact alone.
    OutputDebugStringW(L"ZLTFusen: an error was caught and dropped\n");
  }
}

}  // namespace zlt::win32
