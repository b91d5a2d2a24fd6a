// The first instance holds a named mutex for as long as it runs; a second
// start finds its controller window by caption and hands it WM_COPYDATA.
#pragma once

#include <chrono>
#include <string_view>

#include "Handles.h"
#include "platform/System.h"

namespace zlt::win32 {

class Win32InstanceChannel final : public platform::IInstanceChannel {
 public:
  bool ClaimFirstInstance() override;
  platform::WindowHandle WaitForWindow(std::string_view caption,
                                       std::chrono::milliseconds timeout) override;
  bool SendCopyData(platform::WindowHandle target, platform::WindowHandle sender,
                    std::string_view bytes) override;

 private:
  // Held until the process ends; only the first instance ever fills it.
  OwnedMutex claim_;
};

}  // namespace zlt::win32
