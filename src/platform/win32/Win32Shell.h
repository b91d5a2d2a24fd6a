// Opening an address with the program the user chose for it.
#pragma once

#include <string_view>

#include "platform/System.h"

namespace zlt::win32 {

class Win32Shell final : public platform::IShell {
 public:
  void Open(std::string_view address) override;
};

}  // namespace zlt::win32
