// A window-system handle as an opaque number: 0 means "no window".
#pragma once

#include <cstdint>

namespace zlt::platform {

using WindowHandle = std::uintptr_t;
constexpr WindowHandle kNoWindow = 0;

}  // namespace zlt::platform
