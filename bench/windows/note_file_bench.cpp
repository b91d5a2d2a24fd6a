// Note file throughput, ours against the platform's private-profile calls, side
// by side in one run on QueryPerformanceCounter:
// - ours: ReadNoteFile (one read, parsed in memory) and WriteNoteFile (built
//   in memory, replaced atomically) over the Win32 file system;
// - the platform's private-profile way: GetPrivateProfileStringA
//   for each key before "txtData" plus one raw read of the whole file for the
//   details; a full write deletes the file and writes the eleven keys one by
//   one with WritePrivateProfileStringA;
// - the floor of any atomic write: the same bytes, already built, written by
//   hand to a temporary file (CreateFileW, WriteFile, FlushFileBuffers) and
//   moved over the note (MoveFileExW with write-through).
// Both sides store the same note (the worked example) in code page 932.
//
//   note_file_bench [files=100] [passes=10]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "note/NoteFile.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32FileSystem.h"

namespace {

using zlt::win32::FileHandle;

// The keys before "txtData", read one by one through the private-profile calls.
constexpr const char* kReadKeys[] = {"Alarm", "AlarmMusic", "Date",  "Time0",  "Time1",
                                     "Left",  "Top",        "Temae", "Toumei", "Title"};
constexpr const char* kReadDefaults[] = {"Err", "0", "0000/00/00", "00",    "00",
                                         "0",   "0", "False",      "False", ""};

class Stopwatch {
 public:
  Stopwatch() { QueryPerformanceCounter(&start_); }
  double Seconds() const {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start_.QuadPart) /
           static_cast<double>(frequency.QuadPart);
  }

 private:
  LARGE_INTEGER start_;
};

std::wstring Wide932(std::string_view bytes) {
  const int size =
      MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(std::max(size, 0)), L'\0');
  MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
  return text;
}

std::string Ansi(std::wstring_view text) {
  const int size = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                       0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(std::max(size, 0)), '\0');
  WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  return bytes;
}

// What a private-profile read keeps of a note: the key values and the details, as text.
struct PlatformNote {
  std::wstring values[std::size(kReadKeys)];
  std::wstring details;
};

// The private-profile read: one call per key, then the raw file for the
// details (opened, length taken, that many bytes read, closed).
bool PlatformRead(const std::string& section, const std::string& path, PlatformNote& note) {
  char buffer[256];
  for (std::size_t k = 0; k < std::size(kReadKeys); ++k) {
    const DWORD length = GetPrivateProfileStringA(section.c_str(), kReadKeys[k], kReadDefaults[k],
                                                  buffer, 255, path.c_str());
    note.values[k] = Wide932(std::string_view(buffer, length));
    if (k == 0 && note.values[0] == L"Err") return false;
  }
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size)) return false;
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() &&
      !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
    return false;
  }
  bytes.resize(read);
  const std::wstring text = Wide932(bytes);
  const auto at = text.find(L"txtData=");
  if (at != std::wstring::npos) note.details = text.substr(at + 8);
  return true;
}

// The full write through the system's private-profile calls, the yardstick for
// ours: delete the file, then one WritePrivateProfileStringA per key.
void PlatformWrite(const std::string& section, const std::string& path,
                   const std::string (&values)[11]) {
  static constexpr const char* kKeys[] = {"Alarm",  "AlarmMusic", "Date",   "Time0",
                                          "Time1",  "Left",       "Top",    "Temae",
                                          "Toumei", "Title",      "txtData"};
  DeleteFileA(path.c_str());
  for (std::size_t k = 0; k < std::size(kKeys); ++k) {
    WritePrivateProfileStringA(section.c_str(), kKeys[k], values[k].c_str(), path.c_str());
  }
}

// The least an atomic write can do: no name search, no text building.
bool FloorWrite(const std::wstring& path, const std::wstring& temporary, std::string_view bytes) {
  FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size() && FlushFileBuffers(file.Get());
  file.Reset();
  return ok && MoveFileExW(temporary.c_str(), path.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

std::string TempFolder() {
  wchar_t temp[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  std::wstring folder(temp, length);
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  folder += L"zlt-note-file-bench-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  return Ansi(folder);
}

}  // namespace

int main(int argc, char** argv) {
  const int fileCount = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
  const int passes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;

  const std::string folder = TempFolder();
  std::vector<std::string> paths;
  for (int i = 0; i < fileCount; ++i) paths.push_back(folder + "\\" + std::to_string(i) + ".txt");

  zlt::note::NoteFileContent content;
  content.alarm = 1;
  content.alarmMusic = 0;
  content.date = "2005/07/30";
  content.time0 = "09";
  content.time1 = "30";
  content.left = 9120;
  content.top = 1500;
  content.inFront = true;
  content.translucent = false;
  content.title = "買い物";
  content.details = "牛乳\r\nパン";  // the writer ends the file with the line break

  // The same note for WritePrivateProfileStringA, which takes ANSI text.
  const std::string section = Ansi(L"ZLT付箋紙プラグイン");
  const std::string platformValues[11] = {"1",
                                          "0",
                                          "2005/07/30",
                                          "09",
                                          "30",
                                          "9120",
                                          "1500",
                                          "1",
                                          "0",
                                          Ansi(L"買い物"),
                                          Ansi(L"牛乳\r\nパン")};

  zlt::win32::Win32FileSystem files;

  // Both writers must store the same bytes, or the race is not fair.
  zlt::note::WriteNoteFile(files, paths[0], content);
  const auto ours = files.ReadAll(paths[0]);
  PlatformWrite(section, paths[0], platformValues);
  const auto theirs = files.ReadAll(paths[0]);
  const bool sameBytes = ours && theirs && *ours == *theirs;

  for (const auto& path : paths) zlt::note::WriteNoteFile(files, path, content);
  const std::string noteBytes = ours.value_or(std::string());
  std::vector<std::wstring> widePaths;
  for (const auto& path : paths) widePaths.push_back(Wide932(path));
  const std::wstring floorTemporary = Wide932(folder) + L"\\floor.tmp";

  double ourRead = 0, platformRead = 0, ourWrite = 0, platformWrite = 0, floorWrite = 0;
  long failures = 0;
  for (int pass = 0; pass < passes; ++pass) {
    {
      const Stopwatch watch;
      for (const auto& path : paths) {
        const auto values = zlt::note::ReadNoteFile(files, path);
        if (!values || values->title != "買い物") ++failures;
      }
      ourRead += watch.Seconds();
    }
    {
      const Stopwatch watch;
      PlatformNote note;
      for (const auto& path : paths) {
        if (!PlatformRead(section, path, note) || note.values[9] != L"買い物") ++failures;
      }
      platformRead += watch.Seconds();
    }
    {
      const Stopwatch watch;
      for (const auto& path : paths) {
        if (!zlt::note::WriteNoteFile(files, path, content)) ++failures;
      }
      ourWrite += watch.Seconds();
    }
    {
      const Stopwatch watch;
      for (const auto& path : widePaths) {
        if (!FloorWrite(path, floorTemporary, noteBytes)) ++failures;
      }
      floorWrite += watch.Seconds();
    }
    {
      const Stopwatch watch;
      for (const auto& path : paths) PlatformWrite(section, path, platformValues);
      platformWrite += watch.Seconds();
    }
  }

  for (const auto& path : paths) DeleteFileA(path.c_str());
  RemoveDirectoryA(folder.c_str());

  const double operations = static_cast<double>(fileCount) * passes;
  std::printf("note_file_bench: %d files x %d passes, the worked example in code page 932\n",
              fileCount, passes);
  std::printf("  both writers store the same bytes            %s\n", sameBytes ? "yes" : "NO");
  std::printf("  reads/s        ours %10.0f   platform %10.0f   ours/platform %6.2f\n",
              operations / ourRead, operations / platformRead, platformRead / ourRead);
  std::printf("  full writes/s  ours %10.0f   platform %10.0f   ours/platform %6.2f\n",
              operations / ourWrite, operations / platformWrite, platformWrite / ourWrite);
  // This one is a time ratio: how much more a write of ours costs than the floor.
  std::printf("  atomic writes/s  floor %8.0f   time of ours / floor   %6.2f\n",
              operations / floorWrite, ourWrite / floorWrite);
  std::printf("  failed operations                            %ld\n", failures);
  return failures == 0 ? 0 : 1;
}
