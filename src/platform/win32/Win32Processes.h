// Starting other programs and ending this one.
#pragma once

#include <string_view>

#include "platform/System.h"

namespace zlt::win32 {

class Win32Processes final : public platform::IProcesses {
 public:
  void StartMinimisedNoActivate(std::string_view program, std::string_view commandLine) override;
  [[noreturn]] void EndNow() override;
  unsigned long CurrentProcessId() const override;
  bool SameProgramRunning(unsigned long processId) const override;
};

}  // namespace zlt::win32
