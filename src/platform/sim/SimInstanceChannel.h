// How one sim instance finds and reaches another on the same desktop.
#pragma once

#include <chrono>
#include <string_view>

#include "platform/System.h"

namespace zlt::sim {

class Desktop;
class Instance;

class SimInstanceChannel final : public platform::IInstanceChannel {
 public:
  SimInstanceChannel(Desktop& desktop, Instance& instance)
      : desktop_(desktop), instance_(instance) {}

  // One desktop-wide name, held by the first instance that claims it until
  // that instance ends or is destroyed. Claiming again while holding it: true.
  bool ClaimFirstInstance() override;
  // No waiting in virtual time: what a search by caption finds now.
  platform::WindowHandle WaitForWindow(std::string_view caption,
                                       std::chrono::milliseconds timeout) override;
  // Records the payload in this instance's CopyDataSent and delivers
  // OnCopyData to the target synchronously; false when there is no such window.
  bool SendCopyData(platform::WindowHandle target, platform::WindowHandle sender,
                    std::string_view bytes) override;

 private:
  Desktop& desktop_;
  Instance& instance_;
};

}  // namespace zlt::sim
