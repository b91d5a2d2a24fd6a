#include "startup/CopyDataHook.h"

#include "manager/Controller.h"
#include "platform/Cp932.h"
#include "platform/ResetOnExit.h"
#include "state/Text.h"

namespace zlt {

std::string ForwardedSwitch(std::string_view bytes) {
  const std::string text = platform::Cp932ToUtf8(TrimNull(bytes));
  const std::string_view head = FirstCharacters(TrimBlanks(text), 2);
  for (const std::string_view known : {"/S", "/P", "/V", "/N"}) {
    if (head == known) return std::string(known);
  }
  return {};
}

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
  const auto command = ForwardedSwitch(bytes);
  if (!command.empty()) dispatch_(command);
}

}  // namespace zlt
