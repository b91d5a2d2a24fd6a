// The program as one object: a backend builds the platform, makes a Program,
// calls Main and then runs the message loop.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "startup/CommandSwitch.h"

namespace zlt {

namespace manager {
class Controller;
}
class CopyDataHook;
class FocusHelperWindow;
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
  manager::Controller* NoteController();
  CopyDataHook& Hook();

 private:
  void LoadUserName();
  void RunForwardedSwitch(Switch command);
  // Removes the hook and ends the process at once; no window's handlers run.
  [[noreturn]] void End();

  platform::Platform& platform_;
  std::unique_ptr<ProgramState> state_;
  std::unique_ptr<CopyDataHook> hook_;
  std::unique_ptr<manager::Controller> controller_;
  std::unique_ptr<FocusHelperWindow> focusHelper_;
};

}  // namespace zlt
