// The receiver of forwarded commands on the controller window.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "startup/CommandSwitch.h"

namespace zlt {

namespace manager {
class Controller;
}

class CopyDataHook {
 public:
  // What a recognised switch does.
  using Dispatch = std::function<void(Switch forwarded)>;

  explicit CopyDataHook(Dispatch dispatch) : dispatch_(std::move(dispatch)) {}

  // Installs the receiver on the controller window; Unhook removes it.
  void Hook(manager::Controller& controller);
  void Unhook(manager::Controller& controller);

  // Examines one forwarded payload. A payload that arrives while another is
  // being handled waits its turn instead of being dropped.
  void CopyDataProc(std::string_view bytes);
  bool HookBusy() const { return busy_; }

 private:
  void Examine(std::string_view bytes);

  Dispatch dispatch_;
  bool hooked_ = false;
  bool busy_ = false;
  std::deque<std::string> waiting_;
};

}  // namespace zlt
