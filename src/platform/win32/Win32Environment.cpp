#include "Win32Environment.h"

#include <windows.h>

#include "SystemLibraries.h"
#include "Win32Text.h"

namespace zlt::win32 {
namespace {

// Room for a user name: a longer name counts as unreadable and the caller
// falls back to its default folder, so the folder name stays short.
constexpr DWORD kUserNameBuffer = 128;

// Paths under the "\\?\" prefix may reach 32,767 characters.
constexpr DWORD kLongestPath = 32'768;

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(path.size());
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
    if (length == 0) return {};
    // A full buffer means the name was cut: grow and ask again.
    if (length < size) {
      path.resize(length);
      return path;
    }
    if (size >= kLongestPath) return {};
    path.resize(size * 2);
  }
}

}  // namespace

std::wstring_view FolderOfModulePath(std::wstring_view modulePath) {
  const size_t separator = modulePath.find_last_of(L"\\/");
  if (separator == std::wstring_view::npos) return {};
  const std::wstring_view folder = modulePath.substr(0, separator);
  if (!folder.empty() && folder.back() == L':') return modulePath.substr(0, separator + 1);
  return folder;
}

std::wstring_view ArgumentsOfCommandLine(std::wstring_view commandLine) {
  size_t at = 0;
  if (!commandLine.empty() && commandLine.front() == L'"') {
    const size_t closing = commandLine.find(L'"', 1);
    at = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
  } else {
    while (at < commandLine.size() && !IsBlank(commandLine[at])) ++at;
  }
  while (at < commandLine.size() && IsBlank(commandLine[at])) ++at;
  return commandLine.substr(at);
}

std::string Win32Environment::AppFolder() const {
  const std::wstring path = ModulePath();
  return FromWide(FolderOfModulePath(path));
}

std::optional<std::string> Win32Environment::UserName() const {
  wchar_t name[kUserNameBuffer] = {};
  DWORD size = kUserNameBuffer;
  if (!GetUserNameW(name, &size)) return std::nullopt;
  return FromWide(name);
}

std::string Win32Environment::CommandLine() const {
  const wchar_t* line = GetCommandLineW();
  return line == nullptr ? std::string() : FromWide(ArgumentsOfCommandLine(line));
}

std::optional<std::string> Win32Environment::LocalAppDataFolder() const {
  wchar_t* path = nullptr;
  if (FAILED(late::SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &path))) {
    late::CoTaskMemFree(path);
    return std::nullopt;
  }
  std::wstring folder(path);
  late::CoTaskMemFree(path);
  while (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
  if (folder.empty()) return std::nullopt;
  return FromWide(folder);
}

}  // namespace zlt::win32
