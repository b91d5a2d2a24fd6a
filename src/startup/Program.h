// The program as one object: a backend builds the platform, makes a Program,
// calls Main and then runs the message loop.
#pragma once

#include <memory>

#include "platform/Platform.h"

namespace zlt {

class Controller;
struct ProgramState;

class Program {
 public:
  explicit Program(platform::Platform& platform);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Start-up: tells a first start from a second one, forwards or prepares the
  // controller window and runs the switch. May end the process (EndNow).
  void Main();

  // For tests and benchmarks: the program-wide values and the controller.
  ProgramState& State();
  Controller* FusenController();

 private:
  platform::Platform& platform_;
  std::unique_ptr<ProgramState> state_;
  std::unique_ptr<Controller> controller_;
};

}  // namespace zlt
