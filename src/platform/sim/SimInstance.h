// One process of the program on the sim desktop: its platform services and
// its life. Events reach it only inside its guard, so EndNow ends this
// instance and nothing else.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimInstanceChannel.h"
#include "platform/sim/SimServices.h"
#include "platform/sim/SimWindowSystem.h"

namespace zlt::sim {

class Desktop;
class SimForm;

class Instance {
 public:
  struct Config {
    std::string appFolder = "C:\\Apps\\ZLTFusen";
    std::optional<std::string> userName = "taro";
    std::string commandLine;
    std::string hostRoot;  // the real folder standing for drive C:; empty: no files at all
    std::optional<std::string> localAppData = "C:\\Users\\taro\\AppData\\Local";
  };

  Instance(Desktop& desktop, Config config);
  // Destroys its windows silently (form objects still held by the program
  // turn inert) and frees the first-instance claim.
  ~Instance();
  Instance(const Instance&) = delete;
  Instance& operator=(const Instance&) = delete;

  platform::Platform& Platform() { return platform_; }
  // Runs body as this process: a ProcessEnded thrown inside marks the
  // instance ended and is swallowed. Nothing runs once the instance ended.
  void RunAsProcess(const std::function<void()>& body);
  bool Ended() const { return ended_; }
  // Called once after the instance ended, outside any handler: the test
  // destroys its program objects here. Set after the end, it runs at once
  // (unless a delivery is still on the stack).
  void OnEnded(std::function<void()> cleanup);
  // Payloads this instance sent, as bytes.
  std::vector<std::string>& CopyDataSent() { return copyDataSent_; }

  int Id() const { return id_; }
  const Config& Configuration() const { return config_; }
  Desktop& GetDesktop() const { return desktop_; }
  SimFileSystem& Files() { return files_; }
  // Its live windows, creation order.
  std::vector<SimForm*> Forms() const;

 private:
  friend class Desktop;

  Desktop& desktop_;
  Config config_;
  int id_;
  SimWindowSystem windows_;
  SimFileSystem files_;
  SimProcesses processes_;
  SimClock clock_;
  SimShell shell_;
  SimInstanceChannel channel_;
  SimEnvironment environment_;
  platform::Platform platform_;

  bool ended_ = false;
  int depth_ = 0;  // deliveries into this instance on the stack
  bool cleanupDue_ = false;
  std::function<void()> cleanup_;
  std::vector<std::string> copyDataSent_;
};

}  // namespace zlt::sim
