// Files, processes, clock, shell, the instance channel and the environment.
#pragma once

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/WindowHandle.h"

namespace zlt::platform {

// The outcome of a write: done, or the system's own words for why not.
struct WriteResult {
  bool written = true;
  std::string reason;  // the system's message, UTF-8, when not written
  explicit operator bool() const { return written; }
  static WriteResult Failed(std::string why) { return {false, std::move(why)}; }
};

// Paths are Windows paths in UTF-8 ("C:\\Apps\\ZLT\\user\\0.txt").
class IFileSystem {
 public:
  virtual ~IFileSystem() = default;
  // The whole file as bytes, or nullopt when it cannot be read.
  virtual std::optional<std::string> ReadAll(std::string_view path) const = 0;
  // Writes a temporary file in the same folder, flushes it and renames it over
  // path, so path holds either the old or the new bytes at every moment. The
  // temporary is named TemporaryFileName(path, this process, a counter).
  virtual WriteResult ReplaceAtomically(std::string_view path, std::string_view bytes) = 0;
  virtual bool FileExists(std::string_view path) const = 0;
  virtual bool RemoveFile(std::string_view path) = 0;
  // Hands the file to the user's Recycle Bin, from where the user can put it
  // back. The file may still be there afterwards: a Bin can refuse it (or
  // erase it for good instead), and the move can fail.
  virtual void MoveToRecycleBin(std::string_view path) = 0;
  // Creates the last level only; false when it exists already or cannot be made.
  virtual bool CreateFolder(std::string_view path) = 0;
  // Whether a new file can be created in folder now (tried, and removed again).
  virtual bool CanCreateFilesIn(std::string_view folder) = 0;
  // Names (no folder) of the plain files in folder, in no particular order.
  virtual std::vector<std::string> ListFiles(std::string_view folder) const = 0;
};

class IProcesses {
 public:
  virtual ~IProcesses() = default;
  // Starts program (a full path, run exactly) with commandLine as the child
  // sees it, minimised and not activated; does not wait.
  virtual void StartMinimisedNoActivate(std::string_view program, std::string_view commandLine) = 0;
  // Ends this process at once; no window's handlers run.
  [[noreturn]] virtual void EndNow() = 0;
  virtual unsigned long CurrentProcessId() const = 0;
  // Whether a process with this id runs and is this same program.
  virtual bool SameProgramRunning(unsigned long processId) const = 0;
};

// Ends the process through p; the attribute does not travel through a virtual
// call, so this says it for the caller.
[[noreturn]] inline void EndProcess(IProcesses& processes) {
  processes.EndNow();
  std::abort();  // never reached: EndNow does not return
}

struct LocalTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;   // 0..23
  int minute = 0;
  int second = 0;
  int weekday = 0;  // 0 Sunday .. 6 Saturday
  int millisecond = 0;
};

class IClock {
 public:
  virtual ~IClock() = default;
  virtual LocalTime Now() const = 0;
};

class IShell {
 public:
  virtual ~IShell() = default;
  // Opens an address with its default program ("open" verb); result not reported.
  virtual void Open(std::string_view address) = 0;
};

// How a second start finds the first and hands it a command.
class IInstanceChannel {
 public:
  virtual ~IInstanceChannel() = default;
  // Atomic across processes of this session: true for exactly one process
  // while it runs.
  virtual bool ClaimFirstInstance() = 0;
  // Polls for a top-level window with this exact caption until it appears or
  // the time is up; kNoWindow when it never does.
  virtual WindowHandle WaitForWindow(std::string_view caption,
                                     std::chrono::milliseconds timeout) = 0;
  // Sends WM_COPYDATA (dwData 0, these bytes as cbData and lpData) and waits
  // until the receiver has handled it. False when it could not be sent.
  virtual bool SendCopyData(WindowHandle target, WindowHandle sender, std::string_view bytes) = 0;
};

class IEnvironment {
 public:
  virtual ~IEnvironment() = default;
  // Folder of the executable, as the system gives it (a drive root ends in "\\").
  virtual std::string AppFolder() const = 0;
  // The login name, or nullopt when it cannot be read.
  virtual std::optional<std::string> UserName() const = 0;
  // What follows the program name on the command line, UTF-8, untrimmed.
  virtual std::string CommandLine() const = 0;
  // The user's local application-data folder (%LOCALAPPDATA%, no trailing
  // backslash), or nullopt when the system has none.
  virtual std::optional<std::string> LocalAppDataFolder() const = 0;
};

}  // namespace zlt::platform
