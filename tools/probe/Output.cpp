#include "Output.h"

#include <windows.h>

#include "Text.h"

namespace zlt::probe {
namespace {

void WriteBytes(DWORD which, std::string bytes) {
  const HANDLE stream = GetStdHandle(which);
  if (stream == nullptr || stream == INVALID_HANDLE_VALUE) return;
  std::string_view rest = bytes;
  while (!rest.empty()) {
    DWORD written = 0;
    if (!WriteFile(stream, rest.data(), static_cast<DWORD>(rest.size()), &written, nullptr) ||
        written == 0) {
      return;
    }
    rest.remove_prefix(written);
  }
}

}  // namespace

void PrintLine(std::wstring_view line) { WriteBytes(STD_OUTPUT_HANDLE, ToUtf8(line) + "\n"); }

void PrintFields(const std::vector<std::wstring>& fields) {
  std::wstring line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i != 0) line.push_back(L'\t');
    line += fields[i];
  }
  PrintLine(line);
}

void PrintError(std::wstring_view line) { WriteBytes(STD_ERROR_HANDLE, ToUtf8(line) + "\n"); }

}  // namespace zlt::probe
