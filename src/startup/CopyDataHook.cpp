#include "startup/CopyDataHook.h"

#include "manager/Controller.h"
#include "platform/ResetOnExit.h"

namespace zlt {

void CopyDataHook::Hook(manager::Controller& controller) {
  hooked_ = true;
  controller.SetCopyDataHandler([this](std::string_view bytes) { CopyDataProc(bytes); });
}

void CopyDataHook::Unhook(manager::Controller& controller) {
  if (!hooked_) return;
  hooked_ = false;
  controller.SetCopyDataHandler(nullptr);
}

void CopyDataHook::CopyDataProc(std::string_view bytes) {
  if (busy_) {
    waiting_.emplace_back(bytes);
    return;
  }
  busy_ = true;
  const platform::ResetOnExit clear(busy_, false);
  Examine(bytes);
  while (!waiting_.empty()) {
    const std::string next = std::move(waiting_.front());
    waiting_.pop_front();
    Examine(next);
  }
}

void CopyDataHook::Examine(std::string_view bytes) {
  const Switch command = ForwardedSwitch(bytes);
  if (command != Switch::None) dispatch_(command);
}

}  // namespace zlt
