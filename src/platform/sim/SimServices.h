// The small services of one sim instance: processes, clock, shell and
// environment. Each records on the desktop or reads its instance's config.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/System.h"

namespace zlt::sim {

class Desktop;
class Instance;

class SimProcesses final : public platform::IProcesses {
 public:
  SimProcesses(Desktop& desktop, Instance& instance) : desktop_(desktop), instance_(instance) {}
  // Recorded on the desktop; nothing runs.
  void StartMinimisedNoActivate(std::string_view program, std::string_view commandLine) override;
  // Throws ProcessEnded.
  [[noreturn]] void EndNow() override;
  // The instance's id stands for its process id.
  unsigned long CurrentProcessId() const override;
  // An instance on this desktop with that id that has not ended.
  bool SameProgramRunning(unsigned long processId) const override;

 private:
  Desktop& desktop_;
  Instance& instance_;
};

class SimClock final : public platform::IClock {
 public:
  explicit SimClock(const Desktop& desktop) : desktop_(desktop) {}
  platform::LocalTime Now() const override;

 private:
  const Desktop& desktop_;
};

class SimShell final : public platform::IShell {
 public:
  explicit SimShell(Desktop& desktop) : desktop_(desktop) {}
  void Open(std::string_view address) override;  // recorded on the desktop

 private:
  Desktop& desktop_;
};

class SimEnvironment final : public platform::IEnvironment {
 public:
  SimEnvironment(std::string appFolder, std::optional<std::string> userName,
                 std::string commandLine, std::optional<std::string> localAppData)
      : appFolder_(std::move(appFolder)),
        userName_(std::move(userName)),
        commandLine_(std::move(commandLine)),
        localAppData_(std::move(localAppData)) {}
  std::string AppFolder() const override { return appFolder_; }
  std::optional<std::string> UserName() const override { return userName_; }
  std::string CommandLine() const override { return commandLine_; }
  std::optional<std::string> LocalAppDataFolder() const override { return localAppData_; }

 private:
  std::string appFolder_;
  std::optional<std::string> userName_;
  std::string commandLine_;
  std::optional<std::string> localAppData_;
};

}  // namespace zlt::sim
