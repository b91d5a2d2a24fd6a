// The local date and time of the system.
#pragma once

#include "platform/System.h"

namespace zlt::win32 {

class Win32Clock final : public platform::IClock {
 public:
  platform::LocalTime Now() const override;
};

}  // namespace zlt::win32
