#include "Win32FileSystem.h"

#include <windows.h>

#include <algorithm>

#include "Handles.h"
#include "SystemLibraries.h"
#include "Win32Text.h"
#include "platform/TemporaryName.h"

namespace zlt::win32 {
namespace {

// ReadFile and WriteFile take a DWORD count; stay well below it.
constexpr DWORD kChunk = 1u << 20;

// Virus scanners and indexers hold a just-written file for a moment.
constexpr int kMoveAttempts = 5;
constexpr DWORD kMoveRetryDelayMs = 50;

// Other temporaries with the same name may be left from a crashed run.
constexpr int kTemporaryNameAttempts = 100;

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), kChunk));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

platform::WriteResult Failed(DWORD error) {
  return platform::WriteResult::Failed(SystemErrorText(error));
}

bool IsTransientMoveError(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
}

bool MoveOver(const std::wstring& from, const std::wstring& to) {
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return true;
    }
    if (attempt == kMoveAttempts || !IsTransientMoveError(GetLastError())) return false;
    Sleep(kMoveRetryDelayMs);
  }
}

}  // namespace

std::optional<std::string> Win32FileSystem::ReadAll(std::string_view path) const {
  const auto wide = ToWidePath(path);
  if (!wide) return std::nullopt;
  // Share everything: a reader must never make another program's save fail.
  FileHandle file(CreateFileW(wide->c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) return std::nullopt;
  if (static_cast<unsigned long long>(size.QuadPart) > std::string().max_size()) {
    return std::nullopt;
  }
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  size_t filled = 0;
  // The file may shrink while it is read: keep what arrived before the end.
  while (filled < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - filled, kChunk));
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.data() + filled, chunk, &read, nullptr)) return std::nullopt;
    if (read == 0) break;
    filled += read;
  }
  bytes.resize(filled);
  return bytes;
}

platform::WriteResult Win32FileSystem::ReplaceAtomically(std::string_view path,
                                                         std::string_view bytes) {
  const auto target = ToWidePath(path);
  if (!target) return Failed(ERROR_INVALID_NAME);
  const auto process = GetCurrentProcessId();

  // Same folder as the target, so the rename never crosses volumes.
  std::wstring temporary;
  FileHandle file;
  for (int attempt = 0; attempt < kTemporaryNameAttempts && !file; ++attempt) {
    temporary = ToWide(platform::TemporaryFileName(path, process, nextTemporary_++));
    file = FileHandle(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file && GetLastError() != ERROR_FILE_EXISTS) return Failed(GetLastError());
  }
  if (!file) return Failed(ERROR_FILE_EXISTS);

  DWORD error = ERROR_SUCCESS;
  if (!WriteAll(file.Get(), bytes) || !FlushFileBuffers(file.Get())) error = GetLastError();
  file.Reset();
  if (error == ERROR_SUCCESS && !MoveOver(temporary, *target)) error = GetLastError();
  if (error == ERROR_SUCCESS) return {};
  DeleteFileW(temporary.c_str());
  return Failed(error);
}

bool Win32FileSystem::FileExists(std::string_view path) const {
  const auto wide = ToWidePath(path);
  if (!wide) return false;
  const DWORD attributes = GetFileAttributesW(wide->c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::RemoveFile(std::string_view path) {
  const auto wide = ToWidePath(path);
  return wide && DeleteFileW(wide->c_str());
}

void Win32FileSystem::MoveToRecycleBin(std::string_view path) {
  auto from = ToWidePath(path);
  if (!from) return;
  // A list of names, each ended by a NUL and the list by one more: c_str adds
  // the second.
  from->push_back(L'\0');
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from->c_str();
  // No question, progress or error box of the shell's own: the program asked
  // already, and the caller sees what is left.
  operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  late::SHFileOperationW(&operation);
}

bool Win32FileSystem::CreateFolder(std::string_view path) {
  const auto wide = ToWidePath(path);
  return wide && CreateDirectoryW(wide->c_str(), nullptr);
}

bool Win32FileSystem::CanCreateFilesIn(std::string_view folder) {
  if (folder.empty()) return false;
  std::string base(folder);
  if (base.back() != '\\') base += '\\';
  base += "ZLTFusen";
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    const auto probe =
        ToWidePath(platform::TemporaryFileName(base, GetCurrentProcessId(), nextTemporary_++));
    if (!probe) return false;
    // Gone again when the handle closes, whatever happens to this process.
    FileHandle file(CreateFileW(probe->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (file) return true;
    if (GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  return false;
}

std::vector<std::string> Win32FileSystem::ListFiles(std::string_view folder) const {
  std::vector<std::string> names;
  auto pattern = ToWidePath(folder);
  if (!pattern) return names;
  if (pattern->back() != L'\\' && pattern->back() != L'/') pattern->push_back(L'\\');
  pattern->push_back(L'*');

  WIN32_FIND_DATAW found{};
  FindHandle search(FindFirstFileW(pattern->c_str(), &found));
  if (!search) return names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      names.push_back(FromWide(found.cFileName));
    }
  } while (FindNextFileW(search.Get(), &found));
  return names;
}

}  // namespace zlt::win32
